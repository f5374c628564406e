#!/usr/bin/env bash
# Runs under on-xvfb.sh. The commands of "Partida" with real pointer and key
# events, and switches of "Opções" read from a settings file: with moving by
# clicks, the turn mark and the list following the game switched on, a click
# on e2 and one on e4 play 1. e4, the computer answers for Black (its turn mark shows it), Ctrl+Z
# brings back the window exactly as it was before the first move (compared
# with a screenshot taken then), and Ctrl+F turns the board (compared with
# the board drawn turned by the probe).
#   take_back.sh <kestravin> <probe> <output folder>
set -euo pipefail
prog="$1"
probe="$2"
out="$3"
rm -rf "$out"
mkdir -p "$out"
source "$(dirname "$0")/x11-session.sh"
COMPARE=/usr/bin/compare; [ -x "$COMPARE" ] || COMPARE=compare
command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed"; exit 77; }

# The number of pixels that differ; a huge number when the pictures cannot
# be compared (e.g. differing sizes).
differing() {
  local n
  n=$("$COMPARE" -metric AE -fuzz 12% "$1" "$2" null: 2>&1 || true)
  n=${n%% *}; n=${n%%.*}
  [[ "$n" =~ ^[0-9]+$ ]] && echo "$n" || echo 999999
}
load_geometry "$probe"

# ---- Reference pictures, drawn before the program runs ----
"$probe" render-board "$out/ref-after-e4.png" normal e2-e4 || fail "the probe cannot draw the board"
"$probe" render-board "$out/ref-initial-turned.png" turned || fail "the probe cannot draw the turned board"

# ---- The switches, as a person left them last time ----
mkdir -p "$XDG_CONFIG_HOME/Kestravin"
cat >"$XDG_CONFIG_HOME/Kestravin/Kestravin 2005.conf" <<'EOF'
[Opcoes]
MoverComCliques=true
MostrarVez=true
AcompanharLista=true
EOF

"$prog" >"$out/program.log" 2>&1 &
pid=$!
open_game

client() { "$IMPORT" -window root -crop "$(area_of Form2.Client "$gx" "$gy")" +repage "$1"; }
board() { "$IMPORT" -window root -crop "$(area_of Form2.ChessBoard1 "$gx" "$gy")" +repage "$1"; }
# The turn marks right of the Black (top) and White (bottom) player boxes:
# from the right of the "Computador" boxes to the board, as high as the
# knight beside them.
mark() { # knight file
  local kx ky kw kh cx cy cw ch bx
  read -r kx ky kw kh < <(geom "Form2.$1")
  read -r cx cy cw ch < <(geom Form2.Computador1)
  read -r bx _ _ _ < <(geom Form2.ChessBoard1)
  "$IMPORT" -window root -crop "$(( bx - (cx + cw + 1) - 4 ))x${kh}+$(( gx + cx + cw + 1 ))+$(( gy + ky ))" +repage "$2"
}
black_mark() { mark Image1 "$1"; }
white_mark() { mark Image2 "$1"; }

wait_screen_settles 30 "$(area_of Form2.Client "$gx" "$gy")" || fail "the game window never finished painting"
client "$out/before.png"
board "$out/board-before.png"
white_mark "$out/white-mark-before.png"
black_mark "$out/black-mark-before.png"
shot game-window-turn-mark.png
[ "$(differing "$out/white-mark-before.png" "$out/black-mark-before.png")" -gt 20 ] \
  || fail "no turn mark beside White's players"

click_square() { # square
  xdotool mousemove $(square_centre "$1" "$gx" "$gy")
  # The board must see the pointer over the square before the click.
  sleep 0.1
  xdotool click 1
}

# ---- 1. e4 by two clicks, and the computer's answer ----
click_square e2
click_square e4
# Answered: the board is neither the first position nor the one after 1. e4,
# and the turn mark stands beside White again.
answered=""
for _ in $(seq 1 100); do
  board "$out/board-now.png"
  white_mark "$out/white-mark-now.png"
  black_mark "$out/black-mark-now.png"
  if [ "$(differing "$out/board-now.png" "$out/ref-after-e4.png")" -gt 100 ] \
     && [ "$(differing "$out/board-now.png" "$out/board-before.png")" -gt 100 ] \
     && [ "$(differing "$out/white-mark-now.png" "$out/white-mark-before.png")" -le 10 ] \
     && [ "$(differing "$out/black-mark-now.png" "$out/black-mark-before.png")" -le 10 ]; then
    answered=yes
    break
  fi
  sleep 0.2
done
[ -n "$answered" ] || fail "the computer did not answer 1. e4"
after_e4=$(differing "$out/board-now.png" "$out/ref-after-e4.png")
echo "the computer answered: board pixels differing from the position after 1. e4: $after_e4"
shot game-after-answer.png

# ---- Ctrl+Z: back to the window as it was before the first move ----
timeout 10 xdotool windowfocus --sync "$gid" 2>/dev/null || true
xdotool key ctrl+z
back=999999
for _ in $(seq 1 50); do
  client "$out/after-take-back.png"
  back=$(differing "$out/after-take-back.png" "$out/before.png")
  [ "$back" -le 40 ] && break
  sleep 0.1
done
echo "window pixels differing from before the first move, after Ctrl+Z: $back"
[ "$back" -le 40 ] || fail "Ctrl+Z did not bring back the initial position"
# The computer stays quiet: it is the person's turn. Nothing to poll for
# when nothing should happen; a second is ample for a depth-1 answer.
sleep 1
client "$out/after-take-back-later.png"
[ "$(differing "$out/after-take-back-later.png" "$out/before.png")" -le 40 ] \
  || fail "the window changed after the take-back"

# ---- Ctrl+F: the board turned ----
xdotool key ctrl+f
turned=999999
for _ in $(seq 1 50); do
  board "$out/board-turned.png"
  turned=$(differing "$out/board-turned.png" "$out/ref-initial-turned.png")
  [ "$turned" -le 40 ] && break
  sleep 0.1
done
unturned=$(differing "$out/board-turned.png" "$out/board-before.png")
echo "board pixels differing from the turned drawing: $turned; from the board before: $unturned"
[ "$turned" -le 40 ] || fail "Ctrl+F did not turn the board"
[ "$unturned" -gt 1000 ] || fail "the comparison cannot tell a turned board from the other"
shot game-turned.png

# ---- "Sair" in the "Jogo" menu ends the program ----
menu_item "$gid" Kestravin1 Sair1 "$gx" "$gy"
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 60 ended || fail "Sair did not end the program"
wait "$pid" && status=0 || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
# The switches are still stored, with the window's place.
grep -q "MostrarVez=true" "$XDG_CONFIG_HOME/Kestravin/Kestravin 2005.conf" || fail "the settings lost a switch"
echo "PASS: take-back and turning by keys; screenshots in $out"
