#!/usr/bin/env bash
# Makes the README's pictures of the engine help with the real program on a
# virtual screen, driven by xdotool, into docs/screenshots/:
#   analysis-panel.png   a game a few moves in, with the "Análise" panel (F5)
#   hint.png             the suggested move of "Dica" (Ctrl+H) on the board
#   review-summary.png   the summary of "Revisar partida"
# Usage: scripts/analysis-screenshots.sh   (BUILD_DIR picks the build folder)
source "$(dirname "$0")/screenshot-prelude.sh" analysis-screenshots "$@"
start_game
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
