#!/usr/bin/env bash
# Makes the README's pictures of the position editor with the real program
# on a virtual screen, driven by xdotool, into docs/screenshots/:
#   position-editor.png           Réti's study typed into the FEN field
#   position-editor-problems.png  a position with its problems listed
# Usage: scripts/editor-screenshots.sh   (BUILD_DIR picks the build folder)
source "$(dirname "$0")/screenshot-prelude.sh" editor-screenshots "$@"
SHOT_SETTLE=5

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
