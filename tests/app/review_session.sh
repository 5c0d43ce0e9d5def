#!/usr/bin/env bash
# A person's session with the record file, run by hand under a virtual X server: a game
# against the computer is played by mouse clicks (five moves of the person, each
# answered by the computer), saved through 棋譜 → 書込 with Japanese names,
# stepped back and forth, the program closed and started again, the file read from the
# list and stepped through to its end with 進. It then compares the board of the game
# played with the board of the game read back, pixel for pixel, and shows the file's
# name lines through `iconv -f CP932`. The screenshots stay in the output folder.
#
#   tests/app/review_session.sh build/release/bin/kazeban /tmp/review-session
#
# Needs xvfb-run, xdotool and ImageMagick. The clicks are placed for the window as it
# opens on a 1024×768 screen without a window manager (the menu bar at the top left).
set -uo pipefail
program=$(realpath "$1")
out=$(realpath -m "$2")
rm -rf "$out" && mkdir -p "$out/home"
for tool in xvfb-run xdotool import compare iconv; do
  command -v "$tool" >/dev/null || { echo "review-session: $tool is missing" >&2; exit 1; }
done

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  # No journal: the file list then holds only the file saved here.
  export SDL_AUDIODRIVER=dummy HOME="$2/home" KAZEBAN_JOURNAL_DIR=
  cd "$HOME"
  program=$1 out=$2
  # The middle of square (i, j) on the screen, and a click on it (button 3 promotes).
  square() { xdotool mousemove $((122 + 33 * ($1 - 1))) $((101 + 41 * ($2 - 1))); }
  click() { square "$1" "$2"; xdotool click "${3:-1}"; sleep 0.3; }
  menu() { xdotool mousemove "$1" "$2" click 1; sleep 0.6; }
  ok() { sleep 0.5; xdotool key Return; sleep 0.5; }
  shot() { import -window root "$out/$1.png"; }

  "$program" & pid=$!
  sleep 3
  menu 18 6; xdotool mousemove 40 45; sleep 0.6; menu 155 47; ok   # 対局(COM) → 先手
  # Five pawn moves; the computer answers each within the click.
  for move in "4 9 4 8" "6 9 6 8" "2 7 2 6" "9 7 9 6" "1 7 1 6"; do
    set -- $move; click "$1" "$2"; click "$3" "$4"; sleep 0.5
  done
  # A click below the board clears the outline of the last move of the computer.
  xdotool mousemove 250 475 click 1; sleep 0.3
  shot 1-played
  menu 195 6; menu 210 52                                          # 棋譜 → 書込
  xdotool mousemove 140 202 click 1 type --delay 80 "第1局"
  xdotool mousemove 140 218 click 1 type --delay 80 "山田 太郎"
  xdotool mousemove 140 234 click 1 type --delay 80 "ｺﾝﾋﾟｭｰﾀ"
  xdotool mousemove 140 250 click 1 type --delay 80 "対局"
  sleep 0.5; shot 2-typed
  xdotool mousemove 252 245 click 1; sleep 0.7; shot 3-written; ok  # RETURN
  menu 87 6; menu 87 6; shot 4-two-back                            # 戻 戻
  menu 113 6; menu 113 6; shot 5-two-forward                       # 進 進
  menu 18 6; menu 30 88; sleep 1                                   # 対局 → 終わり
  kill "$pid" 2>/dev/null

  "$program" & pid=$!
  sleep 3
  menu 195 6; menu 210 30; sleep 1; shot 6-file-list               # 棋譜 → 読込
  xdotool mousemove 60 193 click 1; sleep 0.7; shot 7-read; ok; ok
  for n in $(seq 1 10); do menu 113 6; done; shot 8-stepped-through
  kill "$pid" 2>/dev/null; sleep 0.5; kill -KILL "$pid" 2>/dev/null
  true
' session "$program" "$out" || true

file="$out/home/対局.棋譜"
[[ -f "$file" ]] || { echo "review-session: no file was saved" >&2; exit 1; }
echo "== the file's name lines, read as CP932:"
head -n 3 "$file" | iconv -f CP932 -t UTF-8 | tr -d '\r'
echo "== its moves:"
tail -n +4 "$file" | tr -d '\r'
# The board, both hands and the move captions of the game played and of the game read.
crop() { convert "$out/$1.png" -crop 440x380+30+75 +repage "$out/$1-board.png"; }
crop 1-played && crop 8-stepped-through
differing=$(compare -metric AE "$out/1-played-board.png" "$out/8-stepped-through-board.png" null: 2>&1)
echo "== pixels that differ between the game played and the game read back: $differing"
[[ "$differing" == 0 ]]
