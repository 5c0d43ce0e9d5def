#!/usr/bin/env bash
# Presses on the record panel's labels and between its controls, tried by hand as a
# player would under a virtual X server: one move against the computer, 棋譜 → 書込,
# four names typed, then a press on each label, in the gaps between the directory list
# and the name rows and between the boxes and "RETURN", and last "RETURN". The file
# must hold the names typed, so none of those presses reached the board (which would
# have hidden the panel and emptied the boxes). The screenshots stay in the folder.
#
#   tests/app/panel_clicks.sh build/release/bin/kazeban /tmp/panel-clicks
#
# Needs xvfb-run, xdotool, ImageMagick's import and iconv. The window opens at the top
# left of a 1024×768 screen without a window manager.
set -uo pipefail
program=$(realpath "$1")
out=$(realpath -m "$2")
rm -rf "$out" && mkdir -p "$out/home"
for tool in xvfb-run xdotool import iconv; do
  command -v "$tool" >/dev/null || { echo "panel-clicks: $tool is missing" >&2; exit 1; }
done

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  export SDL_AUDIODRIVER=dummy HOME="$2/home"
  cd "$HOME"
  program=$1 out=$2
  # A point of the picture in twips, on the screen (the picture starts 3 pixels right
  # of the window'"'"'s left edge and 35 below its top, under the menu bar).
  at() { xdotool mousemove $((3 + $1 / 15)) $((35 + $2 / 15)); }
  press() { at "$1" "$2"; xdotool click 1; sleep 0.4; }
  square() { press $((1100 + 495 * $1 + 247)) $((100 + 615 * $2 + 307)); }
  menu() { xdotool mousemove "$1" "$2" click 1; sleep 0.6; }
  ok() { sleep 0.5; xdotool key Return; sleep 0.5; }
  shot() { import -window root "$out/$1.png"; }

  "$program" & pid=$!
  sleep 3
  menu 22 10; xdotool mousemove 44 49; sleep 0.6; menu 159 51; ok   # 対局(COM) → 先手
  square 7 7; square 7 6; sleep 1                                   # a pawn, answered
  menu 199 10; menu 214 56                                          # 棋譜 → 書込
  press 2100 2535; xdotool type --delay 80 "第2局"                  # Text2 … Text1
  press 2100 2775; xdotool type --delay 80 "先手の人"
  press 2100 3015; xdotool type --delay 80 "後手の人"
  press 2100 3255; xdotool type --delay 80 "押した"
  sleep 0.5; shot 1-typed
  # The four labels, then the gaps under the directory list and before "RETURN".
  for p in "500 2510" "500 2750" "500 2990" "500 3230" \
           "300 2355" "1500 2355" "2700 2355" "3307 3100" "3307 3330"; do
    press $p
  done
  shot 2-pressed
  press 3787 3187; sleep 0.7; shot 3-written; ok                    # RETURN
  kill "$pid" 2>/dev/null; sleep 0.5; kill -KILL "$pid" 2>/dev/null
  true
' session "$program" "$out" || true

file="$out/home/押した.棋譜"
[[ -f "$file" ]] || { echo "panel-clicks: no file was saved" >&2; exit 1; }
names=$(head -n 3 "$file" | iconv -f CP932 -t UTF-8 | tr -d '\r')
echo "== the file's name lines, read as CP932:"
echo "$names"
[[ "$names" == $'第2局\n後手の人\n先手の人' ]]
