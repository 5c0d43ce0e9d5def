#!/usr/bin/env bash
# The journal tried as a new user would, under a virtual X server, by mouse clicks:
#  1. two moves against the computer; then the same game pasted (棋譜 → 棋譜を貼付け),
#     進 once and 対局(COM) → 後手: the first game's file keeps its bytes, a new file
#     holds the move read and the computer's reply;
#  2. that first game read through 棋譜 → 読込, 進 twice and another third move between
#     two people: again a new file, the old ones untouched;
#  3. ▽ once, a game between two people in which the bottom king steps onto the open
#     diagonal of the top bishop (KAZEBAN's rule allows it), eight moves, then SIGKILL;
#     `kazeban FILE` of its .kif stepped through with 進 must show the same board.
# The journal folder's files (name, checksum, moves) are listed after each step.
#
#   journal_tryout.sh <kazeban executable> <folder for the screenshots>
#
# Needs xvfb-run, xdotool, xclip and ImageMagick; the clicks are placed for a 1024×768
# screen without a window manager, as in journal_kill_test.sh.
set -uo pipefail
if [[ -z ${KAZEBAN_TRYOUT_IN_X:-} ]]; then
  for tool in xvfb-run xdotool xclip import compare; do
    command -v "$tool" >/dev/null || { echo "journal-tryout: $tool is missing" >&2; exit 1; }
  done
  rm -rf "$2" && mkdir -p "$2/home"
  KAZEBAN_TRYOUT_IN_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$(realpath "$1")" "$(realpath "$2")"
fi
program=$1 out=$2
export SDL_AUDIODRIVER=dummy HOME="$out/home"
unset KAZEBAN_JOURNAL_DIR XDG_CONFIG_HOME XDG_DATA_HOME
cd "$HOME"
J="$HOME/Documents/KAZEBAN"
square() { xdotool mousemove $((122 + 33 * ($1 - 1))) $((101 + 41 * ($2 - 1))); }
click() { square "$1" "$2"; xdotool click 1; sleep 0.4; }
menu() { xdotool mousemove "$1" "$2" click 1; sleep 0.8; }
shot() { import -window root "$out/$1.png"; }
boxes() { xdotool search --onlyvisible --class kazeban 2>/dev/null | grep -vx "$main"; }
ok() {
  local box=""
  for i in $(seq 1 50); do box=$(boxes | head -n 1); [[ -n "$box" ]] && break; sleep 0.2; done
  sleep 0.3; xdotool key Return
  for i in $(seq 1 50); do boxes | grep -qx "$box" || break; sleep 0.2; done
  sleep 0.3
}
start() {
  "$program" "$@" & pid=$!
  for i in $(seq 1 50); do
    main=$(xdotool search --onlyvisible --name "^KAZEBAN$" 2>/dev/null | head -n 1)
    [[ -n "$main" ]] && break
    sleep 0.2
  done
  sleep 1.5
}
moves() { tail -n +4 "$1" | grep -c .; }
listing() { echo "--- $1"; for f in "$J"/*; do echo "$(basename "$f") $(md5sum < "$f" | cut -c1-8) moves=$( [[ $f == *.棋譜 ]] && moves "$f" || grep -c '^#KAZEBAN-MOVE' "$f")"; done; }

start
menu 18 6; xdotool mousemove 40 51; sleep 0.6; menu 155 51; ok     # 対局(COM) → 先手
click 3 7; click 3 6; sleep 1; click 2 7; click 2 6; sleep 1.5
listing "1. two moves against the computer"
printf 'position startpos moves 7g7f 8c8d 2g2f 8d8e' | xclip -selection clipboard
menu 200 6; menu 230 141; ok; ok                                  # 棋譜 → 棋譜を貼付け
menu 113 6                                                        # 進
menu 18 6; xdotool mousemove 40 51; sleep 0.6; menu 155 73; sleep 1.5   # 対局(COM) → 後手
listing "2. pasted, 進 once, 対局(COM) → 後手"
menu 200 6; menu 210 30; sleep 1.5; shot panel                    # 棋譜 → 読込
xdotool mousemove 60 193 click 1; ok; ok
menu 113 6; menu 113 6                                            # 進 twice
menu 18 6; xdotool mousemove 40 30; sleep 0.6; menu 155 30; ok    # 対局(人間) → スタート
click 7 7; click 7 6; sleep 1.5
listing "3. the first game read, 進 twice, another third move"
kill "$pid"; sleep 1; kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null

start
menu 168 6                                                        # ▽
menu 18 6; xdotool mousemove 40 30; sleep 0.6; menu 155 30; ok    # 対局(人間) → スタート
for m in "3 7 3 6" "7 3 7 4" "5 9 4 8" "1 3 1 4" "4 8 3 7" "1 4 1 5" "8 7 8 6" "6 3 6 4"; do
  set -- $m; click "$1" "$2"; click "$3" "$4"
done
sleep 1; xdotool mousemove 250 475 click 1; sleep 0.5; shot played
kill -KILL "$pid"; wait "$pid" 2>/dev/null
listing "4. ▽, two people, eight moves, killed"
kif=$(ls "$J"/*.kif | head -n 1)
start "$kif"; ok; ok
for n in $(seq 1 8); do menu 113 6; done
xdotool mousemove 600 700; sleep 0.5; shot read-back
kill "$pid"; sleep 1; kill -KILL "$pid" 2>/dev/null
listing "5. kazeban FILE of that game, 進 eight times"
for s in played read-back; do convert "$out/$s.png" -crop 297x369+106+81 +repage "$out/$s-board.png"; done
echo "pixels differing on the board: $(compare -metric AE "$out/played-board.png" "$out/read-back-board.png" null: 2>&1)"
true
