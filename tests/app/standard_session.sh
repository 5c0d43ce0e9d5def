#!/usr/bin/env bash
# A game between two people under standard rules, run by hand under a virtual X server
# as a new player would: ｵﾌﾟｼｮﾝ → 標準ﾙｰﾙ, 対局(人間) → スタート, three moves of which
# the last checks the top king and the game goes on, a reply that leaves the check
# standing refused with its box, the check answered, then 対局 → 投了 for the side to
# move, the winner's box and 続けますか？. The screenshots stay in the output folder, and
# the journal's file of the game is printed.
#
#   tests/app/standard_session.sh build/release/bin/kazeban /tmp/standard-session
#
# Needs xvfb-run, xdotool and ImageMagick. The clicks are placed for the window as it
# opens on a 1024×768 screen without a window manager (the menu bar at the top left).
set -uo pipefail
program=$(realpath "$1")
out=$(realpath -m "$2")
rm -rf "$out" && mkdir -p "$out/home" "$out/journal"
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "standard-session: $tool is missing" >&2; exit 1; }
done

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  export SDL_AUDIODRIVER=dummy HOME="$2/home" KAZEBAN_JOURNAL_DIR="$2/journal"
  cd "$HOME"
  program=$1 out=$2
  # The middle of square (i, j) on the screen, and a click on it.
  square() { xdotool mousemove $((122 + 33 * ($1 - 1))) $((101 + 41 * ($2 - 1))); }
  click() { square "$1" "$2"; xdotool click 1; sleep 0.4; }
  move() { click "$1" "$2"; click "$3" "$4"; sleep 0.3; }
  menu() { xdotool mousemove "$1" "$2" click 1; sleep 0.6; }
  ok() { sleep 0.5; xdotool key Return; sleep 0.6; }
  shot() { import -window root "$out/$1.png"; }

  "$program" & pid=$!
  sleep 3
  menu 240 6; menu 265 74                                # ｵﾌﾟｼｮﾝ → 標準ﾙｰﾙ
  menu 240 6; shot 1-option-checked; xdotool key Escape; sleep 0.4
  menu 18 6; xdotool mousemove 40 30; sleep 0.6; menu 155 30; ok   # 対局(人間) → スタート
  move 3 7 3 6                                            # ▲7六歩
  move 7 3 7 4                                            # △3四歩
  move 2 8 7 3                                            # ▲3三角: check
  shot 2-check-goes-on
  move 1 3 1 4                                            # △1四歩 leaves the check
  shot 3-refused; ok
  move 8 1 7 3                                            # △同桂 takes the bishop
  shot 4-answered
  menu 18 6; menu 45 117; sleep 0.3; shot 5-resign-asked; ok       # 対局 → 投了 → はい
  shot 6-winner; ok
  shot 7-again-asked; ok
  shot 8-new-board
  kill "$pid" 2>/dev/null; sleep 0.5; kill -KILL "$pid" 2>/dev/null
  true
' session "$program" "$out" || true

echo "== the journal's file of the game:"
for f in "$out"/journal/*; do
  echo "-- $(basename "$f")"
  iconv -f CP932 -t UTF-8 "$f" | tr -d '\r'
done
