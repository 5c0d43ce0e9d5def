#!/bin/sh
# kazeban-convert on files: -o through the atomic replace (a link stays a link, a
# write-protected file is refused, nothing else beside OUT is touched), -d writing one
# file per record and going on past a refused one, and what is left out said.
#
#   convert_test.sh KAZEBAN_CONVERT WORK
set -u
convert=$1 work=$2
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
# The messages looked for are the English ones, whatever the machine's locale and the
# player's saved choice.
unset LC_ALL LC_MESSAGES LANGUAGE
export HOME="$work/home" LANG=en_US.UTF-8
mkdir -p "$HOME"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

printf 'PI\n+\n+7776FU,T3\n-3334FU\n%%TORYO\n' >game.csa
printf 'position startpos moves 2g2f 8c8d\n' >game2.usi
printf 'root:x:0:0:root:/root:/bin/bash\n' >passwd
printf 'PI\n+\n+7776FU\n-3334FU\n+7675FU\n-3435FU\n+7574FU\n-3536FU\n+7473TO\n-4132KI\n+0056FU\n' >foul.csa

# -o: a link stays a link and its target gets the record; a user's OUT.tmp is left alone.
echo mine >out.kif.tmp
echo old >target.kif && ln -s target.kif link.kif
"$convert" --to csa -o link.kif game.csa || fail "-o through a link"
[ -L link.kif ] || fail "the link was replaced by a plain file"
grep -q '^+7776FU,T3' target.kif || fail "the link's target lacks the record"
"$convert" -o out.kif game.csa || fail "-o out.kif"
[ "$(cat out.kif.tmp)" = mine ] || fail "out.kif.tmp was touched"
# A file whose owner lacks the write bit is refused, for root too.
echo keep >locked.kif && chmod 444 locked.kif
"$convert" -o locked.kif game.csa 2>err.txt && fail "a write-protected file was overwritten"
[ "$(cat locked.kif)" = keep ] || fail "the write-protected file changed"
[ -s err.txt ] || fail "no message for the write-protected file"

# -d: one file per record, named after it; a refused one is said and the others written.
mkdir out
"$convert" --to kifu -d out game.csa game2.usi passwd 2>err.txt
[ $? -eq 2 ] || fail "-d with a refused file did not exit 2"
[ -s out/game.kifu ] && [ -s out/game2.kifu ] || fail "-d did not write both records"
[ ! -e out/passwd.kifu ] || fail "-d wrote a file for a text that is no record"
[ "$(grep -c passwd err.txt)" -eq 1 ] || fail "-d did not say once that passwd was refused"
[ "$(ls -A out | wc -l)" -eq 2 ] || fail "-d left other files: $(ls -A out)"
"$convert" -d out game.csa game2.usi || fail "-d of good records did not exit 0"
[ -s out/game.kif ] && [ -s out/game2.kif ] || fail "-d without --to did not write .kif"
"$convert" -d missing game.csa 2>err.txt && fail "-d into a missing folder exit 0"
[ "$(wc -l <err.txt)" -eq 1 ] || fail "-d into a missing folder said more than one line"
mkdir same && cp game.csa same/game.usi
"$convert" -d out game.csa same/game.usi 2>err.txt && fail "two records for one name exit 0"
grep -q 'same/game.usi' err.txt || fail "the second record for one name was not named"

# What a format cannot hold is said on standard error; exit 0.
printf '手合割：平手\n手数----\n   1 ７六歩(77)\n   2 ３四歩(33)\n\n変化：2手\n   2 ８四歩(83)\n' >branch.kifu
for to in csa usi sfen; do
  "$convert" --to $to branch.kifu >/dev/null 2>err.txt || fail "--to $to of a game with a variation"
  grep -q 'variation' err.txt || fail "--to $to did not say the variation was left out"
done
"$convert" --to kifu branch.kifu >/dev/null 2>err.txt && [ ! -s err.txt ] || fail "--to kifu warned"
"$convert" --to usi foul.csa >foul.usi 2>err.txt || fail "--to usi of a foul"
grep -q foul err.txt || fail "no word that the foul was left out of USI"
grep -q '7d7c+ 4a3b$' foul.usi || fail "USI does not stop before the foul: $(cat foul.usi)"

[ $failed -eq 0 ] && echo "all passed"
exit $failed
