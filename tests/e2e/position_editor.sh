#!/usr/bin/env bash
# Runs under on-xvfb.sh. The position editor with the mouse, then a
# position set up from the keyboard alone and played against the computer.
# Ctrl+Shift+M opens "Montar posição" on the start position; a pawn is
# dragged e2-e4, the White queen dragged from the palette to d5, the b1
# knight dragged off the board and a7 emptied with the right button, and
# the FEN field (Alt+F, copied with Ctrl+C) follows. Then Alt+V empties the
# board, Alt+T gives the board the focus, and the arrows and the piece
# letters put a White king on e1 and a pawn on e2, a Black pawn on e7 and
# the king on e8, as the FEN field says. Alt+J opens "Nova partida" with the position as its start, Enter
# starts the game, the person drags e2-e4 and the computer answers; the
# autosave holds the game with its SetUp and FEN tags and both moves.
#   position_editor.sh <kestravin> <probe> <output folder>
set -euo pipefail
prog="$1"
probe="$2"
out="$3"
rm -rf "$out"
mkdir -p "$out"
source "$(dirname "$0")/x11-session.sh"
command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed"; exit 77; }
autosave="$XDG_DATA_HOME/kestravin/autosave.pgn"
fen="4k3/4p3/8/8/8/8/4P3/4K3 w - - 0 1"
load_geometry "$probe"

"$prog" >"$out/program.log" 2>&1 &
pid=$!
open_game
wait_screen_settles 30 || true

# ---- The editor ----
xdotool key ctrl+shift+m
editor=$(wait_window_titled "Montar posição" 30) || fail "Ctrl+Shift+M did not open the position editor"
read -r eid ex ey ew eh <<<"$editor"
timeout 10 xdotool windowfocus --sync "$eid" 2>/dev/null || true
wait_screen_settles 30 "${ew}x${eh}+${ex}+${ey}" || true
# Each key waits for the window to take the one before.
keys() { local k; for k in "$@"; do xdotool key "$k"; sleep 0.15; done; }
# The FEN field's text, through the clipboard, once it is the one expected.
copied=""
expect_fen() { # fen
  _fen_copied() { copied=$("$probe" clipboard 2>/dev/null || true); [ "$copied" = "$1" ]; }
  keys alt+f ctrl+a ctrl+c
  wait_until 20 _fen_copied "$1"
}

# ---- The mouse ----
point() { centre_of "MontarPosicao.$1" "$ex" "$ey"; }
mouse_drag() { # x1 y1 x2 y2
  local i
  xdotool mousemove "$1" "$2"
  sleep 0.1
  xdotool mousedown 1
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $(( $1 + ($3 - $1) * i / 10 )) $(( $2 + ($4 - $2) * i / 10 ))
    sleep 0.03
  done
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
}
mouse_drag $(point square.e2) $(point square.e4)
mouse_drag $(point PecaQ) $(point square.d5)
# Off the board, onto the FEN field.
mouse_drag $(point square.b1) $(point Fen)
xdotool mousemove $(point square.a7) click 3
sleep 0.3
expect_fen "rnbqkbnr/1ppppppp/8/3Q4/4P3/8/PPPP1PPP/R1BQKBNR w KQkq - 0 1" ||
  fail "after the mouse's edits the FEN field says \"$copied\""
shot mouse.png

# ---- The keyboard ----
keys alt+v alt+t
# To a1 (the edges stop the cursor), then to e1.
keys Down Down Down Down Down Down Down Left Left Left Left Left Left Left Right Right Right Right
keys K Up P Up Up Up Up Up p Up k
sleep 0.5
shot editor.png

expect_fen "$fen" || fail "the FEN field says \"$copied\", not \"$fen\""

# ---- A game from it against the computer ----
keys alt+j
dialog=$(wait_window_titled "Nova partida" 30) || fail "Jogar a partir daqui did not open Nova partida"
read -r did _ _ _ _ <<<"$dialog"
timeout 10 xdotool windowfocus --sync "$did" 2>/dev/null || true
sleep 0.3
shot new-game.png
xdotool key Return
wait_window_gone "$did" 20 || fail "Enter did not start the game"
wait_window_gone "$eid" 20 || fail "the editor stayed open"
wait_until 20 grep -qF "[FEN \"$fen\"]" "$autosave" ||
  fail "the game from the position was not kept: $(cat "$autosave" 2>/dev/null)"
grep -q '^\[SetUp "1"\]' "$autosave" || fail "the autosave has no SetUp tag: $(cat "$autosave")"

timeout 10 xdotool windowfocus --sync "$gid" 2>/dev/null || true
wait_screen_settles 30 "$(area_of Form2.ChessBoard1 "$gx" "$gy")" || true
play_against_computer e2 e4 "$gx" "$gy" 60 || fail "the computer did not answer 1. e4"
shot answered.png
# "1. e4" and Black's answer, in the game kept.
wait_until 20 grep -qE '^1\. e4 [A-Za-z]' "$autosave" ||
  fail "the autosave does not hold 1. e4 and an answer: $(cat "$autosave")"
cp "$autosave" "$out/autosave.pgn"
echo "PASS: the position set up from the keyboard was played; the computer answered: $(grep -E '^1\. e4' "$autosave")"
