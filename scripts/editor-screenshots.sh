#!/usr/bin/env bash
# Makes the README's pictures of the position editor with the real program
# on a virtual screen, driven by xdotool, into docs/screenshots/:
#   position-editor.png           Réti's study typed into the FEN field
#   position-editor-problems.png  a position with its problems listed
#   new-game-chess960.png         "Nova partida…" with Chess960 start 747
#   chess960-game.png             that game after both sides castled
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
