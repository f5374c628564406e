#!/usr/bin/env bash
# Makes the README's pictures of the position editor with the real program
# on a virtual screen, driven by xdotool, into docs/screenshots/:
#   position-editor.png           Réti's study typed into the FEN field
#   position-editor-problems.png  a position with its problems listed
#   new-game-chess960.png         "Nova partida…" with Chess960 start 747
#   chess960-game.png             that game after both sides castled
# Usage: scripts/editor-screenshots.sh   (BUILD_DIR picks the build folder)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build}
OUT=docs/screenshots
CONVERT=/usr/bin/convert

if [ "${1:-}" != "--on-virtual-screen" ]; then
  # The probe tells where the program's windows put their parts.
  cmake --build "$BUILD" --target kestravin kestravin_e2e_probe --parallel 2
  exec bash tests/e2e/on-xvfb.sh -s "-screen 0 1280x1024x24" bash "$0" --on-virtual-screen
fi

prog=$BUILD/app/kestravin
probe=$BUILD/tests/e2e/kestravin_e2e_probe
mkdir -p "$OUT"
work=$(mktemp -d)
# A picture of the screen is left here when something goes wrong.
out=${TMPDIR:-/tmp}/kestravin-editor-screenshots
mkdir -p "$out"
export XDG_RUNTIME_DIR=$work/runtime
export XDG_CONFIG_HOME=$work/config
source tests/e2e/x11-session.sh
trap 'cleanup; rm -rf "$work"' EXIT
load_geometry "$probe"
export XDG_DATA_HOME=$work/data
mkdir -p "$XDG_DATA_HOME"

# Saves a window's screen area as a PNG.
shoot() { # window-line file
  local x y w h
  read -r _ x y w h <<<"$1"
  wait_screen_settles 5 "${w}x${h}+${x}+${y}" || true
  "$IMPORT" -window root "$work/screen.png"
  "$CONVERT" "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage -colors 256 -strip \
             -define png:compression-level=9 "$OUT/$2"
  echo "editor-screenshots: $OUT/$2 (${w}x${h})"
}

"$prog" >"$work/program.log" 2>&1 &
pid=$!
open_game
wait_screen_settles 30 || true
xdotool key ctrl+shift+m
editor=$(wait_window_titled "Montar posição" 30) || fail "Ctrl+Shift+M did not open the position editor"
read -r eid _ _ _ _ <<<"$editor"
timeout 10 xdotool windowfocus --sync "$eid" 2>/dev/null || true
sleep 0.5
# Types a FEN into the field, then gives the board the focus again.
type_fen() {
  xdotool key alt+f ctrl+a
  xdotool type --delay 20 "$1"
  sleep 0.3
  xdotool key alt+t
  sleep 0.5
}
type_fen "7K/8/k1P5/7p/8/8/8/8 w - - 0 1"
xdotool mousemove 0 0
shoot "$editor" position-editor.png
type_fen "3Rk3/8/8/8/8/8/4P3/4KQQQ w K - 0 1"
xdotool key Left Left P
sleep 0.5
shoot "$editor" position-editor-problems.png

# A Chess960 game: start 747 (RKNNBQRB) chosen in "Nova partida…", between
# two people, and both sides castling queen side, the king onto its rook.
xdotool key Escape
wait_window_gone "$eid" 10 || fail "Escape did not close the position editor"
timeout 10 xdotool windowfocus --sync "$gid" 2>/dev/null || true
xdotool key ctrl+shift+n
dialog=$(wait_window_titled "Nova partida" 30) || fail "Ctrl+Shift+N did not open Nova partida"
read -r did _ _ _ _ <<<"$dialog"
timeout 10 xdotool windowfocus --sync "$did" 2>/dev/null || true
xdotool key alt+p Home
xdotool key alt+i End
xdotool key alt+9 ctrl+a
xdotool type 747
sleep 0.5
shoot "$dialog" new-game-chess960.png
xdotool key Return
wait_window_gone "$did" 10 || fail "Começar did not close Nova partida"
xdotool search --onlyvisible --name "^$TITLE — Xadrez 960 nº 747\$" >/dev/null 2>&1 ||
  wait_until 10 sh -c "xdotool search --onlyvisible --name '^$TITLE — Xadrez 960 nº 747\$' >/dev/null" ||
  fail "the window's title does not name start 747"
for move in "c1 d3" "c8 d6" "d1 e3" "d8 e6" "b1 a1" "b8 a8"; do
  read -r from to <<<"$move"
  drag_piece "$from" "$to" "$gx" "$gy"
  sleep 0.7
done
xdotool mousemove 0 0
shoot "$gid $gx $gy $(window_width Form2) $(window_height_of Form2)" chess960-game.png
