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
IMPORT=/usr/bin/import
CONVERT=/usr/bin/convert

if [ "${1:-}" != "--on-virtual-screen" ]; then
  cmake --build "$BUILD" --target kestravin --parallel 2
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --on-virtual-screen
fi

prog=$BUILD/app/kestravin
mkdir -p "$OUT"
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Settings of its own: the built-in engine analyses.
export XDG_CONFIG_HOME=$work/config
export XDG_DATA_HOME=$work/data
export QT_QPA_PLATFORM=xcb
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "analysis-screenshots: $*" >&2; exit 1; }

wait_window() { # title [width] -> "id x y width height"
  local id line
  for _ in $(seq 1 200); do
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$id")"
      if [ -z "${2:-}" ] || [ "$WIDTH" = "$2" ]; then echo "$id $X $Y $WIDTH $HEIGHT"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}
shoot() { # window-line file
  local x y w h
  read -r _ x y w h <<<"$1"
  "$IMPORT" -window root "$work/screen.png"
  "$CONVERT" "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage -colors 256 -strip \
             -define png:compression-level=9 "$OUT/$2"
  echo "analysis-screenshots: $OUT/$2 (${w}x${h})"
}

"$prog" >"$work/program.log" 2>&1 &
pid=$!
start=$(wait_window "Kestravin 2005" 632) || fail "the start screen did not appear"
read -r _ sx sy _ _ <<<"$start"
sleep 1
xdotool mousemove $(( sx + 168 + 60 )) $(( sy + 136 + 45 )) click 1
game=$(wait_window "Kestravin 2005" 792) || fail "Novo Jogo did not open the game window"
read -r gid gx gy _ gh <<<"$game"
menu_y=$(( gy + (gh - 546) / 2 ))
cx=$gx
cy=$(( gy + gh - 546 ))
sleep 1
square_xy() {
  local file=$(( $(printf '%d' "'${1:0:1}") - 96 )) rank=${1:1:1}
  echo $(( cx + 248 + 24 + (file - 1) * 61 + 30 )) $(( cy + 8 + 24 + (8 - rank) * 61 + 30 ))
}
drag() {
  local x1 y1 x2 y2 i
  read -r x1 y1 < <(square_xy "$1")
  read -r x2 y2 < <(square_xy "$2")
  xdotool mousemove "$x1" "$y1"; sleep 0.2; xdotool mousedown 1
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $(( x1 + (x2 - x1) * i / 10 )) $(( y1 + (y2 - y1) * i / 10 )); sleep 0.05
  done
  sleep 0.2; xdotool mouseup 1; sleep 2
}
drag e2 e4
drag d2 d4
drag d1 h5
xdotool mousemove $(( cx + 140 )) $(( cy + 300 ))

# F5: the panel opens below the board and the window grows.
xdotool windowfocus "$gid"; sleep 0.3
xdotool key F5
sleep 4
game=$(wait_window "Kestravin 2005" 792) || fail "the game window went away"
shoot "$game" analysis-panel.png

# Ctrl+H: the hint's arrow.
xdotool key ctrl+h
sleep 4
shoot "$game" hint.png

# Partida › Revisar partida (the third item of the second menu).
xdotool mousemove $(( cx + 20 )) "$menu_y" click 1
sleep 0.5
xdotool key Right; sleep 0.3; xdotool key Down; sleep 0.2; xdotool key Down; sleep 0.2; xdotool key Return
summary=$(wait_window "Revisão da partida") || fail "Revisar partida showed no summary"
sleep 1
shoot "$summary" review-summary.png
