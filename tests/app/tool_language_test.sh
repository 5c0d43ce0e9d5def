#!/usr/bin/env bash
# The command-line tools refuse in the window's language: Japanese in the C locale,
# English in an English one, and the player's choice kept in the settings over both.
#
#   tool_language_test.sh <kazeban-convert> <kazeban-think> <folder for the settings>
set -uo pipefail
convert=$1 think=$2
export XDG_CONFIG_HOME=$3
rm -rf "$XDG_CONFIG_HOME" && mkdir -p "$XDG_CONFIG_HOME"
unset LANGUAGE LC_ALL LC_MESSAGES
failures=0
expect() {  # expect <what> <text on standard error> <command…>
  local what=$1 text=$2
  shift 2
  local err
  err=$("$@" 2>&1 >/dev/null)
  [[ "$err" == *"$text"* ]] || { echo "FAIL $what: [$err]"; failures=$((failures + 1)); }
}
missing=/nonexistent/棋譜.kif
expect "convert, C" "ファイルを開けません" env LANG=C "$convert" "$missing"
expect "convert, English" "cannot open the file" env LANG=en_US.UTF-8 "$convert" "$missing"
expect "convert, Japanese" "ファイルを開けません" env LANG=ja_JP.UTF-8 "$convert" "$missing"
expect "think, C" "レベルは 1、2、3 のどれかです" env LANG=C "$think" --level 4 x.棋譜
expect "think, English" "the level must be 1, 2 or 3" env LANG=en_US.UTF-8 "$think" --level 4 x.棋譜
expect "think, English reason" "\"$(basename "$missing")\" was not found" \
  env LANG=en_US.UTF-8 "$think" "$missing"
# --help stays English.
env LANG=C "$convert" --help | grep -q '^usage: kazeban-convert' || { echo "FAIL help"; failures=$((failures + 1)); }
# The player's choice in the window outlasts the locale.
mkdir -p "$XDG_CONFIG_HOME/KAZEBAN"
printf '[Window]\nlanguage=en\n' >"$XDG_CONFIG_HOME/KAZEBAN/KAZEBAN.conf"
expect "convert, chosen English" "cannot open the file" env LANG=C "$convert" "$missing"
[[ $failures -eq 0 ]] || exit 1
echo "the tools speak the window's language"
