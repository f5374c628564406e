#!/usr/bin/env bash
# Makes the Debian package of a build with cpack, in a scratch folder, and
# checks it as Debian's tools do: what it holds, its control fields, the
# menu entry (desktop-file-validate), the software-centre description
# (appstreamcli), lintian (no errors; its warnings are printed), and that the
# packed program runs.
#   check-package.sh <cpack> <build folder> <scratch folder> <version> <the build's maintainer, or ""> <program>...
# Exit status 77 (skipped) when a tool is missing.
set -uo pipefail
cpack=$1
build=$2
scratch=$3
version=$4
maintainer=$5
shift 5
programs=("$@")
fail() { echo "FAIL: $*"; exit 1; }

for tool in dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"; exit 77; }
done

rm -rf "$scratch"
mkdir -p "$scratch"
args=(--config "$build/CPackConfig.cmake" -G DEB -B "$scratch")
# A build that names no maintainer makes no package; this one, never
# shipped, is signed by the test.
[ -z "$maintainer" ] && args+=(-D "CPACK_DEBIAN_PACKAGE_MAINTAINER=Kestravin package test <packages@kestravin.test>")
"$cpack" "${args[@]}" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$scratch/kestravin_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") in $scratch: $(ls "$scratch")"

# ---- What it holds ----
dpkg-deb -c "$deb" | awk '{ print $6 ($7 == "->" ? " -> " $8 : "") }' | sed 's|^\./||' >"$scratch/contents"
expect=(
  usr/games/kestravin\ -\>\ ../lib/kestravin/kestravin
  usr/lib/kestravin/kestravin
  usr/lib/kestravin/FX/click.wav usr/lib/kestravin/FX/click2.wav usr/lib/kestravin/FX/lowtime.wav
  usr/lib/kestravin/MUSICAS/Abertura.wav
  usr/lib/kestravin/DOC/JOGO.html usr/lib/kestravin/DOC/HISTORIA.html
  usr/lib/kestravin/DOC/JOGO_en.html usr/lib/kestravin/DOC/HISTORIA_en.html
  usr/share/applications/kestravin.desktop
  usr/share/metainfo/kestravin.metainfo.xml
  usr/share/doc/kestravin/copyright usr/share/doc/kestravin/changelog.gz
)
for size in 16 32 48 64 128 256; do
  expect+=("usr/share/icons/hicolor/${size}x${size}/apps/kestravin.png")
done
for program in "${programs[@]}"; do
  [ "$program" = kestravin ] || expect+=("usr/games/$program")
  expect+=("usr/share/man/man6/$program.6.gz")
done
for path in "${expect[@]}"; do
  grep -qxF "$path" "$scratch/contents" || fail "the package lacks $path"
done
grep -q "^usr/bin/" "$scratch/contents" && fail "commands in usr/bin: $(grep '^usr/bin/' "$scratch/contents" | tr '\n' ' ')"

# ---- Control fields ----
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kestravin ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Recommends)" = "stockfish, gnuchess-book" ] || fail "Recommends: $(field Recommends)"
depends=$(field Depends)
for package in libqt6widgets6 libqt6multimedia6 libqt6webenginewidgets6 libjpeg62-turbo libc6 \
               gstreamer1.0-plugins-base gstreamer1.0-plugins-good qt6-translations-l10n fonts-liberation fonts-dejavu-core fonts-tomsontalks \
               libqt6sql6-sqlite; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

# ---- The files, as the desktop and the software centre read them ----
root=$scratch/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/kestravin.desktop" || fail "desktop-file-validate"
grep -qx "MimeType=application/x-chess-pgn;" "$root/usr/share/applications/kestravin.desktop" ||
  fail "the menu entry does not offer to open PGN files"
appstreamcli validate --no-net "$root/usr/share/metainfo/kestravin.metainfo.xml" || fail "appstreamcli validate"
for page in "$root"/usr/share/man/man6/*.gz "$root/usr/share/doc/kestravin/changelog.gz"; do
  gzip -t "$page" || fail "$page is not gzip"
done

# ---- lintian ----
lintian --tag-display-limit 0 --display-info --no-cfg "$deb" >"$scratch/lintian.log" 2>&1
grep -v "^running with root privileges" "$scratch/lintian.log"
grep -q "^E: " "$scratch/lintian.log" && fail "lintian reports errors"

# ---- The packed program runs from where the package puts it ----
# (A sanitizer build may be packed too: its leak report is not the point here.)
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
out=$(env -u DISPLAY QT_QPA_PLATFORM=xcb "$root/usr/games/kestravin" --version) || fail "the packed kestravin --version failed"
[ "$out" = "kestravin $version" ] || fail "the packed kestravin --version printed '$out'"
out=$("$root/usr/games/kestravin-uci" --version) || fail "the packed kestravin-uci --version failed"
[ "$out" = "kestravin-uci $version" ] || fail "the packed kestravin-uci --version printed '$out'"
out=$("$root/usr/games/kestravin-pgn" --version) || fail "the packed kestravin-pgn --version failed"
[ "$out" = "kestravin-pgn $version" ] || fail "the packed kestravin-pgn --version printed '$out'"
echo "PASS: $(basename "$deb") ($(stat -c %s "$deb") bytes)"
