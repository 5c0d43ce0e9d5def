#!/usr/bin/env bash
# Installs the build into a staging directory as the package does (prefix /usr under
# DESTDIR) and tries the installed tree as a player's machine would use it:
#   - every file in its place and nothing outside the prefix;
#   - the desktop entry and the metainfo pass their validators, the version is the same
#     everywhere, a .棋譜 file is of the game's type and opens with the game;
#   - --help, --version and a wrong option answer without a display;
#   - started under Xvfb from an unrelated working directory, the installed program
#     shows the board (the smoke test) and plays its sounds from the installed folder.
#
#   install_test.sh <build dir> <smoke_test.sh> <folder for the screenshot>
set -uo pipefail
build=$1
smoke=$2
out=$3
id=org.example.Kazeban
failures=0
fail() {
  echo "install: $*" >&2
  failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli update-mime-database update-desktop-database gio; do
  command -v "$tool" >/dev/null || { echo "install: $tool is missing (scripts/install-deps)" >&2; exit 77; }
done

stage=$(mktemp -d /tmp/kazeban-stage.XXXXXX)
trap 'rm -rf "$stage"' EXIT
if ! DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage.log" 2>&1; then
  cat "$stage.log" >&2
  rm -f "$stage.log"
  echo "install: cmake --install failed" >&2
  exit 1
fi
rm -f "$stage.log"
usr=$stage/usr

# 1. The layout.
[[ $(ls -A "$stage") == usr ]] || fail "installed outside the prefix: $(ls -A "$stage" | tr '\n' ' ')"
for f in bin/kazeban bin/kazeban-think bin/kazeban-convert bin/kazeban-usi lib/kazeban/libkazeban_sound.so.1 \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/man/man6/kazeban.6.gz \
  share/man/man1/kazeban-think.1.gz share/man/man1/kazeban-convert.1.gz share/man/man1/kazeban-usi.1.gz share/doc/kazeban/copyright share/doc/kazeban/changelog.gz; do
  [[ -e $usr/$f ]] || fail "missing $f"
done
for size in 16 24 32 48 64 128 256 512; do
  icon=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
  [[ $(file -b "$icon") == "PNG image data, $size x $size,"* ]] || fail "no $size-pixel icon"
done
for sound in その他.wav 禁止.wav 駒打音.wav 終局.wav BGM.wav; do
  [[ -f $usr/share/kazeban/sounds/$sound ]] || fail "missing sound $sound"
done
[[ $(find "$usr/bin" -mindepth 1 -not -type f | wc -l) -eq 0 ]] || fail "bin/ holds more than programs"
for f in "$usr"/share/man/*/*.gz; do
  [[ -n $(LANG=C.UTF-8 MANWIDTH=80 man --warnings -l "$f" 2>&1 >/dev/null) ]] && fail "$(basename "$f") has roff warnings"
done

# 2. The desktop's files, and the version named in each.
desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >"$stage/as.log" 2>&1 ||
  { cat "$stage/as.log" >&2; fail "metainfo invalid"; }
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/kazeban" --version)
[[ $version =~ ^kazeban\ [0-9.]+$ ]] || fail "kazeban --version printed [$version]"
version=${version#kazeban }
for tool in kazeban-think kazeban-convert kazeban-usi; do
  [[ $("$usr/bin/$tool" --version) == "$tool $version" ]] || fail "$tool --version"
done
release=$(grep -o '<release version="[^"]*"' "$usr/share/metainfo/$id.metainfo.xml" | head -n 1)
[[ $release == "<release version=\"$version\"" ]] || fail "metainfo's newest release is not $version"
[[ $(zcat "$usr/share/doc/kazeban/changelog.gz" | head -n 1) == "kazeban ($version)"* ]] ||
  fail "changelog's newest entry is not $version"
for page in man6/kazeban.6.gz man1/kazeban-think.1.gz man1/kazeban-convert.1.gz man1/kazeban-usi.1.gz; do
  [[ $(zcat "$usr/share/man/$page" | grep '^\.TH ') == *"\"KAZEBAN $version\""* ]] || fail "$page is not of $version"
done

# A .棋譜 file is of the game's type, and that type opens with the game's entry.
update-mime-database "$usr/share/mime" >/dev/null 2>&1
update-desktop-database "$usr/share/applications" >/dev/null 2>&1
printf 'a\r\nb\r\nc\r\n' >"$stage/対局.棋譜"
type=$(XDG_DATA_DIRS=$usr/share:/usr/share gio info -a standard::content-type "$stage/対局.棋譜" |
  sed -n 's/.*standard::content-type: //p')
[[ $type == application/x-kazeban-record ]] || fail "a .棋譜 file is of type [$type]"
printf '手合割：平手\r\n' >"$stage/対局.kif"
type=$(XDG_DATA_DIRS=$usr/share:/usr/share gio info -a standard::content-type "$stage/対局.kif" |
  sed -n 's/.*standard::content-type: //p')
[[ $type == application/x-shogi-kif ]] || fail "a .kif file is of type [$type]"
# (GLib lists an application only when its program is on the PATH.)
PATH=$usr/bin:$PATH XDG_DATA_HOME=$stage/home XDG_DATA_DIRS=$usr/share:/usr/share \
  gio mime application/x-kazeban-record >"$stage/apps" 2>&1
grep -q "^Default application.*$id.desktop" "$stage/apps" ||
  fail "the game is not the default application of .棋譜 files"

# 3. The command line, without a display.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[[ $("${no_display[@]}" "$usr/bin/kazeban" --help) == "usage: kazeban "* ]] || fail "--help"
"${no_display[@]}" "$usr/bin/kazeban" --bogus >"$stage/out" 2>"$stage/err"
rc=$?
[[ $rc -eq 2 && ! -s $stage/out ]] && grep -q '^usage: kazeban ' "$stage/err" ||
  fail "an unknown option gave exit $rc, not 2 with the usage on standard error"

# 4. From an unrelated working directory: the board on the screen.
elsewhere=$stage/elsewhere
mkdir -p "$elsewhere"
cd "$elsewhere" || exit 1
"$smoke" "$usr/bin/kazeban" "$out" || fail "the installed program shows no board"

# 5. The sounds: a refused record file named on the command line plays the forbidden
# sound, which can only come from the installed folder; the disk driver writes it.
printf 'game\r\ntop\r\nbottom\r\n 5554 -10 -10   0\r\n' >bad.棋譜
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$elsewhere/audio.raw \
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" bad.棋譜 & pid=$!
    sleep 3
    kill "$pid" 2>/dev/null
    for i in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    true
  ' sound "$usr/bin/kazeban" || true
if [[ ! -s audio.raw ]]; then
  fail "the sound library wrote nothing: it did not open"
elif [[ $(tr -d '\000' <audio.raw | head -c 1 | wc -c) -eq 0 ]]; then
  fail "only silence was played: the installed sounds were not found"
fi

if [[ $failures -ne 0 ]]; then
  echo "install: $failures check(s) failed" >&2
  exit 1
fi
echo "install: the staged tree installs, validates and runs from $elsewhere"
