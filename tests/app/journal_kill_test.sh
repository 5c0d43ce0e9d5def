#!/usr/bin/env bash
# The journal survives a killed program: under a virtual X server, a new user (an empty
# home) starts a game against the computer and makes three moves, each answered; the
# program is then killed with SIGKILL. The journal folder (KAZEBAN in the documents
# folder) must hold one record file of the six moves. The program is started again,
# 棋譜 → 読込 must open in the journal folder, a click on the file reads it and six
# steps of 進 must show the board exactly as it was when the program was killed.
#
#   journal_kill_test.sh <kazeban executable> <folder for the screenshots>
#
# Needs xvfb-run, xdotool and ImageMagick. The clicks are placed for the window as it
# opens on a 1024×768 screen without a window manager (the menu bar at the top left).
set -uo pipefail
program=$(realpath "$1")
out=$(realpath -m "$2")
rm -rf "$out" && mkdir -p "$out/home"
for tool in xvfb-run xdotool import compare timeout; do
  command -v "$tool" >/dev/null || { echo "journal-kill: $tool is missing" >&2; exit 1; }
done

# A killed program's status becomes xvfb-run's: the files and screenshots decide.
timeout 150 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  program=$1 out=$2
  export SDL_AUDIODRIVER=dummy HOME="$out/home"
  unset KAZEBAN_JOURNAL_DIR XDG_CONFIG_HOME XDG_DATA_HOME
  cd "$HOME"
  square() { xdotool mousemove $((122 + 33 * ($1 - 1))) $((101 + 41 * ($2 - 1))); }
  click() { square "$1" "$2"; xdotool click 1; sleep 0.3; }
  menu() { xdotool mousemove "$1" "$2" click 1; sleep 1; }
  shot() { import -window root "$out/$1.png"; }
  # The program'"'"'s visible windows other than the main one: an open message box.
  boxes() { xdotool search --onlyvisible --class kazeban 2>/dev/null | grep -vx "$main"; }
  # Waits for a message box, answers it with Return, and waits until that box has gone.
  ok() {
    local box=""
    for i in $(seq 1 50); do box=$(boxes | head -n 1); [[ -n "$box" ]] && break; sleep 0.2; done
    sleep 0.3; xdotool key Return
    for i in $(seq 1 50); do boxes | grep -qx "$box" || break; sleep 0.2; done
    sleep 0.3
  }
  # Waits until the journal holds `n` moves: the reply has been made and written.
  kept() {
    for i in $(seq 1 50); do
      for f in "$HOME"/Documents/KAZEBAN/*.棋譜; do
        [[ -f "$f" && $(tail -n +4 "$f" | grep -c .) -ge $1 ]] && return
      done
      sleep 0.2
    done
  }
  # Waits until the window is mapped, then a moment for its first paint.
  start() {
    "$program" & pid=$!
    for i in $(seq 1 50); do
      main=$(xdotool search --onlyvisible --name "^KAZEBAN$" 2>/dev/null | head -n 1)
      [[ -n "$main" ]] && break
      sleep 0.2
    done
    sleep 1.5
  }

  start
  menu 18 6; xdotool mousemove 40 45; sleep 0.6; menu 155 47; ok   # 対局(COM) → 先手
  n=0
  for move in "4 9 4 8" "6 9 6 8" "2 7 2 6"; do
    set -- $move; click "$1" "$2"; click "$3" "$4"; n=$((n + 2)); kept "$n"; sleep 0.5
  done
  xdotool mousemove 250 475 click 1; sleep 0.3   # clears the outline of the last reply
  shot 1-played
  kill -KILL "$pid"; wait "$pid" 2>/dev/null

  start
  menu 195 6; menu 210 30; sleep 1.5; shot 2-file-list              # 棋譜 → 読込
  xdotool mousemove 60 193 click 1; ok; ok
  for n in $(seq 1 6); do menu 113 6; done                          # 進 six times
  shot 3-read-back
  kill "$pid" 2>/dev/null; sleep 0.5; kill -KILL "$pid" 2>/dev/null
  true
' session "$program" "$out" || true

journal="$out/home/Documents/KAZEBAN"
shopt -s nullglob
files=("$journal"/*.棋譜)
[[ ${#files[@]} -eq 1 ]] || { echo "journal-kill: expected one game in $journal, found ${#files[@]}" >&2; exit 1; }
moves=$(tail -n +4 "${files[0]}" | grep -c .)
echo "journal-kill: ${files[0]##*/} holds $moves moves"
[[ "$moves" -eq 6 ]] || exit 1
for shot in 1-played 3-read-back; do
  [[ -f "$out/$shot.png" ]] || { echo "journal-kill: no screenshot $shot" >&2; exit 1; }
done

# The board and both hands, above the names that a file read prints under the board.
crop() { convert "$out/$1.png" -crop 440x362+35+80 +repage "$out/$1-board.png"; }
crop 1-played && crop 3-read-back
differing=$(compare -metric AE "$out/1-played-board.png" "$out/3-read-back-board.png" null: 2>&1)
echo "journal-kill: pixels that differ between the game played and the game read back: $differing"
[[ "$differing" == 0 ]]
