#!/usr/bin/env bash
# Makes the README's pictures of the arrows and circles and of the review's
# graph with the real program on a virtual screen, driven by xdotool, into
# docs/screenshots/:
#   board-arrows.png   arrows and circles drawn with the right button, in
#                      three colours (none, Shift, Alt)
#   review-graph.png   the summary of "Revisar partida" with its graph
# Usage: scripts/drawing-screenshots.sh   (BUILD_DIR picks the build folder)
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
out=${TMPDIR:-/tmp}/kestravin-drawing-screenshots
mkdir -p "$out"
export XDG_RUNTIME_DIR=$work/runtime
export XDG_CONFIG_HOME=$work/config
source tests/e2e/x11-session.sh
trap 'cleanup; rm -rf "$work"' EXIT
load_geometry "$probe"
export XDG_DATA_HOME=$work/data
mkdir -p "$XDG_DATA_HOME"
# "Opções › Setas e círculos com o botão direito" on, as a person left it.
mkdir -p "$XDG_CONFIG_HOME/Kestravin"
printf '[Opcoes]\nSetasECirculos=true\n' >"$XDG_CONFIG_HOME/Kestravin/Kestravin 2005.conf"

shoot() { # window-line file
  local x y w h
  read -r _ x y w h <<<"$1"
  wait_screen_settles 30 "${w}x${h}+${x}+${y}" || echo "drawing-screenshots: note: $2 still changing"
  "$IMPORT" -window root "$work/screen.png"
  "$CONVERT" "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage -colors 256 -strip \
             -define png:compression-level=9 "$OUT/$2"
  echo "drawing-screenshots: $OUT/$2 (${w}x${h})"
}

# A right-button drag (or a click, from and to the same square) with the
# modifier key held.
right_drag() { # from to wx wy [key]
  local x1 y1 x2 y2
  read -r x1 y1 < <(square_centre "$1" "$3" "$4")
  read -r x2 y2 < <(square_centre "$2" "$3" "$4")
  [ -z "${5:-}" ] || xdotool keydown "$5"
  xdotool mousemove "$x1" "$y1"
  sleep 0.1
  xdotool mousedown 3
  for i in 1 2 3 4 5 6; do
    xdotool mousemove $(( x1 + (x2 - x1) * i / 6 )) $(( y1 + (y2 - y1) * i / 6 ))
    sleep 0.03
  done
  xdotool mouseup 3
  [ -z "${5:-}" ] || xdotool keyup "$5"
  sleep 0.2
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
for move in e2-e4 d1-h5 f1-c4; do
  play_against_computer "${move%-*}" "${move#*-}" "$gx" "$gy" 120 || fail "no answer from the computer to $move"
done

board=$(area_of Form2.ChessBoard1 "$gx" "$gy")
before=$(screen_hash "$board")
right_drag h5 f7 "$gx" "$gy"
wait_screen_changes "$before" 30 "$board" || fail "the right-button drag drew no arrow"
right_drag c4 f7 "$gx" "$gy"
right_drag f7 f7 "$gx" "$gy" shift
right_drag d8 h4 "$gx" "$gy" alt
right_drag e8 e8 "$gx" "$gy" alt
xdotool mousemove 0 0
shoot "$game" board-arrows.png

# Partida › Revisar partida: the summary with the graph.
menu_item "$gid" Partida1 RevisarPartida1 "$gx" "$gy"
summary=$(wait_window_titled "Revisão da partida" 120) || fail "Revisar partida showed no summary"
shoot "$summary" review-graph.png
