#!/usr/bin/env bash
# Runs under on-xvfb.sh. Arrows and circles with the real right button, the
# switch "Setas e círculos com o botão direito" read from a settings file: a
# right-button drag from e2 to e4 draws an arrow (the board changes) and
# moves no piece, a right click with Shift circles d5, and a left click on
# an empty square clears them, leaving the board exactly as before.
#   draw_arrows.sh <kestravin> <probe> <output folder>
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
# be compared.
differing() {
  local n
  n=$("$COMPARE" -metric AE -fuzz 12% "$1" "$2" null: 2>&1 || true)
  n=${n%% *}; n=${n%%.*}
  [[ "$n" =~ ^[0-9]+$ ]] && echo "$n" || echo 999999
}
load_geometry "$probe"

mkdir -p "$XDG_CONFIG_HOME/Kestravin"
printf '[Opcoes]\nSetasECirculos=true\n' >"$XDG_CONFIG_HOME/Kestravin/Kestravin 2005.conf"

"$prog" >"$out/program.log" 2>&1 &
pid=$!
open_game
area=$(area_of Form2.ChessBoard1 "$gx" "$gy")
board() { "$IMPORT" -window root -crop "$area" +repage "$1"; }
wait_screen_settles 30 "$area" || fail "the board never finished painting"
board "$out/before.png"

right_button() { # from to [key]
  local x1 y1 x2 y2
  read -r x1 y1 < <(square_centre "$1" "$gx" "$gy")
  read -r x2 y2 < <(square_centre "$2" "$gx" "$gy")
  [ -z "${3:-}" ] || xdotool keydown "$3"
  xdotool mousemove "$x1" "$y1"
  sleep 0.1
  xdotool mousedown 3
  for i in 1 2 3 4 5 6; do
    xdotool mousemove $(( x1 + (x2 - x1) * i / 6 )) $(( y1 + (y2 - y1) * i / 6 ))
    sleep 0.03
  done
  xdotool mouseup 3
  [ -z "${3:-}" ] || xdotool keyup "$3"
}

hash=$(screen_hash "$area")
right_button e2 e4
wait_screen_changes "$hash" 30 "$area" || fail "the right-button drag drew nothing"
hash=$(screen_hash "$area")
right_button d5 d5 shift
wait_screen_changes "$hash" 30 "$area" || fail "the right click drew no circle"
xdotool mousemove 0 0
wait_screen_settles 30 "$area" || true
board "$out/drawn.png"
drawn=$(differing "$out/before.png" "$out/drawn.png")
echo "pixels the arrow and the circle changed: $drawn"
[ "$drawn" -gt 300 ] || fail "the arrow and the circle changed only $drawn pixels"

# A left click on an empty square: the marks go, no piece moved.
hash=$(screen_hash "$area")
xdotool mousemove $(square_centre h5 "$gx" "$gy") click 1
wait_screen_changes "$hash" 30 "$area" || fail "the left click did not clear the marks"
xdotool mousemove 0 0
wait_screen_settles 30 "$area" || true
board "$out/cleared.png"
left=$(differing "$out/before.png" "$out/cleared.png")
echo "pixels that differ from the untouched board: $left"
[ "$left" -lt 20 ] || fail "the board is not as before ($left pixels differ)"
echo "PASS: arrows and circles drawn with the right button and cleared with the left"
