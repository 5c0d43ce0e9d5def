#!/bin/sh
# Installs the pinned tsshogi into WORK (in the build tree, never the sources), writes
# the test games there, converts each through the other formats with kazeban-convert
# and has tsshogi read them all. Exits 77 (the test is skipped) when node or the package is missing.
#
#   run.sh SOURCE_DIR GAMES_PROGRAM KAZEBAN_CONVERT WORK
set -eu
src=$1 games=$2 convert=$3 work=$4
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  echo "SKIPPED: node and npm are not installed (scripts/install-deps installs them)"
  exit 77
fi
mkdir -p "$work"
cp "$src/package.json" "$src/package-lock.json" "$src/check.mjs" "$work/"
cd "$work"
npm_ci() { npm ci --no-audit --no-fund --fetch-retries=1 --fetch-timeout=30000 "$@" >>npm.log 2>&1; }
: >npm.log
if ! npm_ci --offline && ! npm_ci; then
  cat npm.log
  echo "SKIPPED: npm could not install tsshogi (no registry and nothing in its cache)"
  exit 77
fi
rm -rf games
"$games" games
# Round trips through every format: KIFU to KIF and CSA, and CSA and USI back to KIFU
# (what CSA and USI cannot hold is said on standard error, kept in convert.log).
for f in games/*.kifu; do
  b=${f%.kifu}
  "$convert" --to kif -o "$b.conv.kif" "$f"
  "$convert" --to csa -o "$b.conv.csa" "$f" 2>>convert.log
  "$convert" --to kifu -o "$b.csa.kifu" "$b.csa"
  "$convert" --to kifu -o "$b.usi.kifu" "$b.usi"
done
node check.mjs games
