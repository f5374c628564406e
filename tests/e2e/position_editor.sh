#!/usr/bin/env bash
# Runs under on-xvfb.sh. A position set up from the keyboard alone and
# played against the computer: Ctrl+Shift+M opens "Montar posição", Alt+V
# empties the board, Alt+T gives the board the focus, and the arrows and
# the piece letters put a White king on e1 and a pawn on e2, a Black pawn
# on e7 and the king on e8. The FEN field (Alt+F, copied with Ctrl+C) says
# so. Alt+J opens "Nova partida" with the position as its start, Enter
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

# ---- The editor, from the keyboard ----
xdotool key ctrl+shift+m
editor=$(wait_window_titled "Montar posição" 30) || fail "Ctrl+Shift+M did not open the position editor"
read -r eid ex ey ew eh <<<"$editor"
timeout 10 xdotool windowfocus --sync "$eid" 2>/dev/null || true
wait_screen_settles 30 "${ew}x${eh}+${ex}+${ey}" || true
# Each key waits for the window to take the one before.
keys() { local k; for k in "$@"; do xdotool key "$k"; sleep 0.15; done; }
keys alt+v alt+t
# The cursor starts on e1.
keys K Up P Up Up Up Up Up p Up k
sleep 0.5
shot editor.png

keys alt+f ctrl+a ctrl+c
copied=""
_fen_copied() { copied=$("$probe" clipboard 2>/dev/null || true); [ "$copied" = "$fen" ]; }
wait_until 20 _fen_copied || fail "the FEN field says \"$copied\", not \"$fen\""

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
