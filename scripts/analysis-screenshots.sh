#!/usr/bin/env bash
# Makes the README's pictures of the engine help with the real program on a
# virtual screen, driven by xdotool, into docs/screenshots/:
#   analysis-panel.png   a game a few moves in, with the "Análise" panel (F5)
#   hint.png             the suggested move of "Dica" (Ctrl+H) on the board
#   review-summary.png   the summary of "Revisar partida"
# Usage: scripts/analysis-screenshots.sh   (BUILD_DIR picks the build folder)
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
out=${TMPDIR:-/tmp}/kestravin-analysis-screenshots
mkdir -p "$out"
export XDG_RUNTIME_DIR=$work/runtime
# Settings of its own: the built-in engine analyses.
export XDG_CONFIG_HOME=$work/config
source tests/e2e/x11-session.sh
trap 'cleanup; rm -rf "$work"' EXIT
load_geometry "$probe"
# No autosave of a person's own games is read or left behind.
export XDG_DATA_HOME=$work/data
mkdir -p "$XDG_DATA_HOME"

# Saves a window's screen area as a PNG once it has come to rest (an
# analysis still searching may go on changing; it is pictured as it is).
shoot() { # window-line file
  local x y w h
  read -r _ x y w h <<<"$1"
  wait_screen_settles 30 "${w}x${h}+${x}+${y}" || echo "analysis-screenshots: note: $2 still changing"
  "$IMPORT" -window root "$work/screen.png"
  "$CONVERT" "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage -colors 256 -strip \
             -define png:compression-level=9 "$OUT/$2"
  echo "analysis-screenshots: $OUT/$2 (${w}x${h})"
}

"$prog" >"$work/program.log" 2>&1 &
pid=$!
start=$(wait_window_titled "$TITLE" 60 "$(window_width Form1)") || fail "the start screen did not appear"
read -r _ sx sy _ _ <<<"$start"
wait_screen_settles 30 || fail "the start screen never finished painting"
xdotool mousemove $(centre_of Form1.Label1 "$sx" "$sy") click 1
game=$(wait_window_titled "$TITLE" 60 "$(window_width Form2)") || fail "Novo Jogo did not open the game window"
read -r gid gx gy gw gh <<<"$game"
wait_screen_settles 30 || fail "the game window never finished painting"
for move in e2-e4 d2-d4 d1-h5; do
  play_against_computer "${move%-*}" "${move#*-}" "$gx" "$gy" 120 || fail "no answer from the computer to $move"
done
xdotool mousemove 0 0   # off the board, so no square is hovered

# F5: the panel opens below the board and the window grows.
timeout 10 xdotool windowfocus --sync "$gid" 2>/dev/null || true
xdotool key F5
grown() { windows | awk -v id="$gid" -v h="$gh" '$1 == id && $5 > h' | grep -q .; }
wait_until 60 grown || fail "F5 did not open the analysis panel"
game=$(windows | awk -v id="$gid" '$1 == id')
# The engine's first lines take a moment to appear in the panel.
read -r _ _ _ gw gh <<<"$game"
panel="${gw}x$(( gh - $(window_height_of Form2) ))+${gx}+$(( gy + $(window_height_of Form2) ))"
empty=$(screen_hash "$panel")
wait_screen_changes "$empty" 60 "$panel" || fail "the analysis panel stayed empty"
shoot "$game" analysis-panel.png

# Ctrl+H: the hint's two squares tinted on the board.
board=$(area_of Form2.ChessBoard1 "$gx" "$gy")
before=$(screen_hash "$board")
xdotool key ctrl+h
wait_screen_changes "$before" 60 "$board" || fail "Dica drew no hint"
shoot "$game" hint.png

# Partida › Revisar partida.
menu_item "$gid" Partida1 RevisarPartida1 "$gx" "$gy"
summary=$(wait_window_titled "Revisão da partida" 120) || fail "Revisar partida showed no summary"
shoot "$summary" review-summary.png
