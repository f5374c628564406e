#!/usr/bin/env bash
# Runs under xvfb-run. The commands of "Partida" with real pointer and key
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
wait_window_of_width() { # width seconds
  local line
  for _ in $(seq 1 $(( $2 * 10 ))); do
    line=$(windows | awk -v w="$1" '$4 == w' | head -n 1)
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}

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
start=$(wait_window_of_width 632 20) || fail "the start screen did not appear"
read -r _ sx sy _ _ <<<"$start"
sleep 0.3
xdotool mousemove $(( sx + 168 + 60 )) $(( sy + 136 + 45 )) click 1
game=$(wait_window_of_width 792 20) || fail "Novo Jogo did not open the game window"
read -r gid gx gy _ gh <<<"$game"
cx=$gx
cy=$(( gy + gh - 546 ))   # the client area lies below the menu bar
timeout 5 xdotool windowfocus --sync "$gid" 2>/dev/null || true

client() { "$IMPORT" -window root -crop "792x546+$cx+$cy" +repage "$1"; }
board() { "$IMPORT" -window root -crop "536x536+$(( cx + 248 ))+$(( cy + 8 ))" +repage "$1"; }
# The turn marks right of the Black (top) and White (bottom) player boxes.
mark() { "$IMPORT" -window root -crop "106x33+$(( cx + 138 ))+$(( cy + ${1} ))" +repage "$2"; }
black_mark() { mark 464 "$1"; }
white_mark() { mark 504 "$1"; }

# Waits until the window has painted itself fully: two screenshots alike.
for _ in $(seq 1 50); do
  client "$out/settle-a.png"; sleep 0.2; client "$out/settle-b.png"
  [ "$(differing "$out/settle-a.png" "$out/settle-b.png")" -eq 0 ] && break
done
client "$out/before.png"
board "$out/board-before.png"
white_mark "$out/white-mark-before.png"
black_mark "$out/black-mark-before.png"
shot game-window-turn-mark.png
[ "$(differing "$out/white-mark-before.png" "$out/black-mark-before.png")" -gt 20 ] \
  || fail "no turn mark beside White's players"

# The board stands at (248, 8) with a border of 24 and squares of 61.
square_xy() { # square -> screen x y of its centre
  local file=$(( $(printf '%d' "'${1:0:1}") - 96 )) rank=${1:1:1}
  echo $(( cx + 248 + 24 + (file - 1) * 61 + 30 )) $(( cy + 8 + 24 + (8 - rank) * 61 + 30 ))
}
click_square() { # square
  local x y
  read -r x y < <(square_xy "$1")
  xdotool mousemove "$x" "$y"
  sleep 0.15
  xdotool click 1
  sleep 0.15
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
timeout 5 xdotool windowfocus --sync "$gid" 2>/dev/null || true
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
# The computer stays quiet: it is the person's turn.
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
xdotool mousemove $(( cx + 20 )) $(( gy + (gh - 546) / 2 )) click 1
sleep 0.4
xdotool key Up Return
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "Sair did not end the program"
wait "$pid" && status=0 || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
# The switches are still stored, with the window's place.
grep -q "MostrarVez=true" "$XDG_CONFIG_HOME/Kestravin/Kestravin 2005.conf" || fail "the settings lost a switch"
echo "PASS: take-back and turning by keys; screenshots in $out"
