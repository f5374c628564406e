#!/usr/bin/env bash
# Makes the README's pictures of the arrows and circles and of the review's
# graph with the real program on a virtual screen, driven by xdotool, into
# docs/screenshots/:
#   board-arrows.png   arrows and circles drawn with the right button, in
#                      three colours (none, Shift, Alt)
#   review-graph.png   the summary of "Revisar partida" with its graph
# Usage: scripts/drawing-screenshots.sh   (BUILD_DIR picks the build folder)
source "$(dirname "$0")/screenshot-prelude.sh" drawing-screenshots "$@"
# "Opções › Setas e círculos com o botão direito" on, as a person left it.
printf '[Opcoes]\nSetasECirculos=true\n' >"$settings"

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

start_game
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
