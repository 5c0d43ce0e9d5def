#!/usr/bin/env bash
# Golden tests of kazeban-think: record files made by hand, and the answers worked
# out by hand from the computer's rules.
#   run.sh KAZEBAN_THINK DIRECTORY_OF_THIS_SCRIPT
set -u
think=$1
dir=$2
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect NAME EXPECTED_STDOUT ARGS...: exit 0 and exactly that output.
expect() {
  local name=$1 want=$2
  shift 2
  local got rc
  got=$("$think" "$@" 2>/tmp/kazeban-think-golden.$$)
  rc=$?
  [[ $rc -eq 0 ]] || fail "$name: exit $rc ($(cat /tmp/kazeban-think-golden.$$))"
  [[ "$got" == "$want" ]] || fail "$name: got [$got] want [$want]"
}

# expect_lines NAME ARGS... -- LINE...: exit 0 and every LINE somewhere in the output.
expect_lines() {
  local name=$1
  shift
  local args=()
  while [[ $1 != -- ]]; do args+=("$1"); shift; done
  shift
  local got
  got=$("$think" "${args[@]}") || fail "$name: exit $?"
  for line in "$@"; do
    grep -qxF -- "$line" <<<"$got" || fail "$name: no line [$line]"
  done
}

# refuse NAME ARGS...: exit 2, nothing on standard output, a message on standard error.
refuse() {
  local name=$1
  shift
  local out err rc
  out=$("$think" "$@" 2>/tmp/kazeban-think-golden.$$)
  rc=$?
  err=$(cat /tmp/kazeban-think-golden.$$)
  [[ $rc -eq 2 ]] || fail "$name: exit $rc, want 2"
  [[ -z "$out" ]] || fail "$name: printed [$out]"
  [[ -n "$err" ]] || fail "$name: no message"
}

start=$dir/初形.棋譜
walk=$dir/玉の散歩.棋譜
exchange=$dir/角交換.棋譜

# The starting position: every move scores alike at level 1 (the first is played);
# level 2 prefers the king among five of its pieces; level 3 opens the bishop.
expect "start level 1" " 1112  20  20   0 0.0" --level 1 "$start"
expect "start level 2" " 5142 950 950   0 5.0" --level 2 "$start"
expect "start level 3" " 7374  10  10   0 11.9" "$start"
expect "start legal ue" "$(cat "$dir/初形.legal-ue")" --legal ue "$start"
[[ $("$think" --legal sita "$start" | wc -l) -eq 30 ]] || fail "start legal sita: not 30 moves"

# SITA's king stepped onto a square UE's pawn attacks: the first candidate keeps the
# attack and wins at once, at every level.
for level in 1 2 3; do
  expect "walk level $level" " 1213  20  20   0 9998.0 end" --level $level "$walk"
done
expect "walk replayed to move 0" " 7374  10  10   0 11.9" --moves 0 "$walk"
# Before that step, the pawn that could attack the king scores -9998.
expect_lines "walk move 9 candidates" --moves 9 --candidates "$walk" -- " 5354  10  10   0 -9998.0"

# After the bishop exchange the first drop of the bishop that attacks SITA's king,
# on (1, 5), wins and ends the search.
for level in 1 2 3; do
  expect "exchange level $level" "-1615 800 800   0 9998.0 end" --level $level "$exchange"
done
tail=$("$think" --candidates "$exchange" | tail -n 2)
expect_tail=$'-1615 800 800   0 9998.0\nbest -1615 800 800   0 9998.0 end'
[[ "$tail" == "$expect_tail" ]] || fail "exchange candidates end: [$tail]"
"$think" --candidates "$exchange" | grep -q '^-1616' && fail "exchange: search went on after the win"
expect_lines "exchange legal" --legal ue "$exchange" -- "-1612 800 800   0" " 8271 100 100   0"
expect_lines "exchange legal sita" --legal sita "$exchange" -- "11812-800-800   0" " 8818-900-900   0"

# SITA's rook has taken every UE piece (the record checks where pieces stand, not how
# they move): the computer has nothing to move or drop.
all_taken=$dir/全取り.棋譜
expect "all taken" "none" "$all_taken"
expect "all taken level 1" "none" --level 1 "$all_taken"
expect "all taken candidates" "best none" --candidates "$all_taken"
expect "all taken legal" "" --legal ue "$all_taken"

# Bad input and bad command lines.
refuse "truncated line" "$dir/途切れ.棋譜"
refuse "missing file" "$dir/無い.棋譜"
refuse "level 4" --level 4 "$start"
refuse "no file" --level 3
refuse "too many moves" --moves 6 "$exchange"
refuse "legal of nobody" --legal both "$start"
refuse "two answers" --candidates --legal ue "$start"
refuse "unknown option" --help-me "$start"

# --help and --version answer on standard output, whatever follows them.
"$think" --help "$dir/無い.棋譜" | grep -q '^usage: kazeban-think ' || fail "--help: no usage"
[[ $("$think" --version) =~ ^kazeban-think\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version"

rm -f /tmp/kazeban-think-golden.$$
if [[ $failures -ne 0 ]]; then
  echo "$failures golden test(s) failed"
  exit 1
fi
echo "all golden tests passed"
