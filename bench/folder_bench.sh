#!/bin/sh
# A folder of records converted to KIFU by kazeban-convert -d in one process, and the
# same folder read and written by tsshogi in one node process; prints both times and
# their ratio (the target: kazeban-convert at least 5 times faster).
#
#   folder_bench.sh GAMES_PROGRAM KAZEBAN_CONVERT XCHECK_SOURCE_DIR WORK [COUNT]
set -eu
games=$1 convert=$2 xcheck=$3 work=$4 count=${5:-1600}
mkdir -p "$work"
cp "$xcheck/package.json" "$xcheck/package-lock.json" "$work/"
cp "$(dirname "$0")/folder_bench.mjs" "$work/"
cd "$work"
if ! npm ci --no-audit --no-fund --offline >npm.log 2>&1 && ! npm ci --no-audit --no-fund >>npm.log 2>&1; then
  cat npm.log
  echo "tsshogi could not be installed: no comparison"
  exit 1
fi
rm -rf in out-kazeban out-tsshogi && mkdir out-kazeban
"$games" in "$count"
now() { date +%s.%N; }
t0=$(now)
"$convert" --to kifu -d out-kazeban in/*
t1=$(now)
node folder_bench.mjs in out-tsshogi
t2=$(now)
echo "records:        $(ls in | wc -l) ($(ls in | sed 's/.*\.//' | sort | uniq -c | tr -s ' ' | tr '\n' ','))"
echo "kazeban-convert --to kifu -d out in/*: $(ls out-kazeban | wc -l) files" \
  "in $(echo "$t1 - $t0" | bc) s"
echo "node folder_bench.mjs (tsshogi):      $(ls out-tsshogi | wc -l) files" \
  "in $(echo "$t2 - $t1" | bc) s"
echo "ratio: $(echo "scale=1; ($t2 - $t1) / ($t1 - $t0)" | bc)"
