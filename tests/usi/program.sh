#!/usr/bin/env bash
# kazeban-usi as a program: its command line, a whole conversation over its standard
# input, a line too long to be a command, and input that ends without quit.
#   program.sh KAZEBAN_USI
set -u
usi=$1
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

"$usi" --help | grep -q "usage: kazeban-usi" || fail "--help"
"$usi" --version | grep -qE "^kazeban-usi [0-9]+\.[0-9]+" || fail "--version"
"$usi" --bogus 2>/dev/null && fail "an unknown argument is accepted"

# A conversation with CR LF line ends, as some programs send them.
got=$(printf 'usi\r\nisready\r\nposition startpos moves 7g7f\r\ngo btime 0 wtime 0\r\nquit\r\n' | "$usi")
[[ $(grep -c . <<<"$got") -eq 8 ]] || fail "conversation: $got"
grep -q "^readyok$" <<<"$got" || fail "no readyok"
grep -qE "^bestmove [1-9][a-i][1-9][a-i]\+?$" <<<"$got" || fail "no board move: $got"

# Two megabytes on one line, then a command: the line is skipped, the command answered.
got=$( { head -c 2097152 /dev/zero | tr '\0' 'x'; printf '\nisready\n'; } | "$usi")
[[ $got == $'info string a line longer than 1 MiB was skipped\nreadyok' ]] || fail "long line: $got"

# A NUL byte is a byte of its line like any other.
got=$(printf 'isready\0x\nisready\nposition startpos\0 moves 7g7f\ngo\n' | "$usi" | grep -c "^readyok$\|^bestmove ")
[[ $got -eq 2 ]] || fail "NUL bytes: $got of readyok and bestmove"

# A position line too long to read forgets the position before it.
got=$( { printf 'position startpos\nposition sfen '; head -c 2097152 /dev/zero | tr '\0' 'x'; printf '\ngo\n'; } | "$usi")
[[ $got == *$'\nbestmove resign' ]] || fail "long position: $got"

# Input ending without quit, and without a final line end.
got=$(printf 'isready' | "$usi"); rc=$?
[[ $rc -eq 0 && $got == readyok ]] || fail "end of input: rc $rc, $got"

[[ $failures -eq 0 ]] && echo "all passed"
exit $((failures > 0))
