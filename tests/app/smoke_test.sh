#!/usr/bin/env bash
# Starts the real program under a virtual X server, takes a screenshot of the screen,
# checks that the board is on it, and ends the program.
#
#   smoke_test.sh <kazeban executable> <folder for the screenshot>
#
# The board is recognised by colour, wherever the window and its menu bar put it: a
# placement of the picture must exist at which the empty squares and hand squares are
# wood, the pieces' squares are not background, and the margins are the background
# green (0, 128, 0), as are the lines between the squares.
set -uo pipefail
program=$1
out=$2
mkdir -p "$out"
shot="$out/screen.png"
rm -f "$shot"

for tool in xvfb-run import convert; do
  command -v "$tool" >/dev/null || { echo "smoke: $tool is missing" >&2; exit 1; }
done

# The dummy audio driver: on a machine without a sound card the program would first
# warn that no audio output can be opened, and the box would hide the board.
export SDL_AUDIODRIVER=dummy

# A killed program's status becomes xvfb-run's: the status of this run is ignored, the
# screenshot decides.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" & pid=$!
  for i in $(seq 1 40); do
    sleep 0.25
    if import -window root "$2.tmp.png" 2>/dev/null &&
       [[ $(convert "$2.tmp.png" -crop 400x400+100+100 -format "%k" info:) -gt 20 ]]; then
      sleep 0.5
      import -window root "$2"
      break
    fi
  done
  # Asked to end, and ended for good if it has not within two seconds.
  kill "$pid" 2>/dev/null
  for i in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  true
' smoke "$program" "$shot" || true
rm -f "$shot.tmp.png"

[[ -f "$shot" ]] || { echo "smoke: no screenshot was taken" >&2; exit 1; }

# Square (i, j) of the picture has its top-left corner at twips (1100 + 495 i, 100 + 615 j),
# 15 twips to a pixel; a point is given in square units, its pixel relative to the picture.
convert "$shot" -crop 700x650+0+0 +repage txt:- | awk '
  function px(twips) { return int(twips / 15 + 0.5) }
  function gx(u) { return px(1100 + 495 * u) }
  function gy(u) { return px(100 + 615 * u) }
  function add(kind, u, v) { n++; kinds[n] = kind; xs[n] = gx(u); ys[n] = gy(v) }
  BEGIN {
    # Empty board squares and empty hand squares: wood.
    add("wood", 5.5, 5.5); add("wood", 1.5, 4.5); add("wood", 9.5, 6.5); add("wood", 3.5, 5.2)
    add("wood", 7.5, 4.8); add("wood", 11.5, 5.5); add("wood", 11.5, 8.5); add("wood", -0.5, 3.5)
    add("wood", -0.5, 6.5)
    # Squares that hold a piece: drawn, not background.
    add("piece", 5.5, 9.5); add("piece", 5.5, 1.5); add("piece", 2.5, 8.5); add("piece", 8.5, 2.5)
    add("piece", 1.5, 7.5); add("piece", 9.5, 3.5)
    # Margins: the background green.
    add("green", 5.5, 10.5); add("green", 12.5, 11); add("green", 0.5, 9.5); add("green", 10.5, 10.6)
    add("green", -0.5, 8.6)
    # The one-pixel green lines between empty squares pin the placement to the pixel.
    add("green", 6.0, 5.5); add("green", 5.5, 5.0); add("green", 4.0, 4.5); add("green", 2.5, 6.0)
  }
  /^[0-9]+,[0-9]+:/ {
    split($1, p, /[,:]/)
    rgb = $2; gsub(/[()]/, "", rgb); split(rgb, rgbv, ",")
    r = rgbv[1] + 0; g = rgbv[2] + 0; b = rgbv[3] + 0
    key = p[1] "," p[2]
    if (r == 0 && g == 128 && b == 0) colour[key] = "green"
    else if (r >= 140 && r > b + 30 && g > b) colour[key] = "wood"
    else colour[key] = "other"
  }
  END {
    for (oy = -10; oy <= 120; oy++) {
      for (ox = -20; ox <= 60; ox++) {
        ok = 1
        for (k = 1; k <= n && ok; k++) {
          c = colour[(xs[k] + ox) "," (ys[k] + oy)]
          if (kinds[k] == "wood" && c != "wood") ok = 0
          if (kinds[k] == "green" && c != "green") ok = 0
          if (kinds[k] == "piece" && (c == "green" || c == "")) ok = 0
        }
        if (ok) { printf "smoke: board found with the picture at (%d, %d)\n", ox, oy; exit 0 }
      }
    }
    print "smoke: no board in the screenshot" > "/dev/stderr"
    exit 1
  }
'
