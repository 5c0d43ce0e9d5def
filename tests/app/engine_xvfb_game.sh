#!/usr/bin/env bash
# A whole game by mouse against Debian's fairy-stockfish in the real window under a
# virtual X server. Skipped (77) when fairy-stockfish or xvfb-run is missing.
#
#   engine_xvfb_game.sh <test program> <output folder>
set -uo pipefail
program=$1
out=$2
engine=$(PATH="$PATH:/usr/games" command -v fairy-stockfish) || {
  echo "engine game: fairy-stockfish is not installed: skipped" >&2
  exit 77
}
command -v xvfb-run >/dev/null || { echo "engine game: xvfb-run is missing: skipped" >&2; exit 77; }
mkdir -p "$out/config"
export XDG_CONFIG_HOME="$out/config" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
rm -rf "$out/config/KAZEBAN"
xvfb-run -a -s "-screen 0 1024x768x24" "$program" "$engine" "$out"
