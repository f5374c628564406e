#!/usr/bin/env bash
# Runs under on-xvfb.sh: shows the board window, drags e2 to e4 with xdotool's
# real pointer events, checks that the board made the move, and takes
# screenshots of the default and the custom look.
#   drag_e2e4.sh <view_e2e_board> <output folder>
set -euo pipefail
prog="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
source "$(dirname "$0")/../e2e/x11-session.sh"

start() { # look folder
  "$prog" --out "$2" --look "$1" &
  pid=$!
  wait_file "$2/ready" 60 || fail "$2/ready did not appear"
  wid=$(timeout 60 xdotool search --sync --onlyvisible --name "Kestravin board $1" | head -n 1)
  [ -n "$wid" ] || fail "no window"
  wait_screen_settles 30 "$board" || fail "the board never finished painting"
}

# The window stands at the screen's corner; screenshots are for a person to
# look at, and a missing one fails nothing.
board=440x440+0+0
shot_board() { # file
  "$IMPORT" -window root -crop "$board" +repage "$out/$1" 2>/dev/null || echo "note: no screenshot $1"
}

stop() { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; pid=""; }

# The default look, and a real drag of e2 to e4.
start default "$out/default"
shot_board board-default.png
read -r _ x1 y1 < <(grep '^e2 ' "$out/default/ready")
read -r _ x2 y2 < <(grep '^e4 ' "$out/default/ready")
xdotool mousemove --window "$wid" "$x1" "$y1"
# The board must see the pointer over the square before the press, and the
# steps of the drag come at a hand's pace.
sleep 0.1
xdotool mousedown 1
for i in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove --window "$wid" "$x1" $(( y1 + (y2 - y1) * i / 10 ))
  sleep 0.03
done
wait_screen_settles 30 "$board" || fail "the dragged piece never came to rest"
shot_board board-dragging.png
xdotool mouseup 1
wait_file "$out/default/events" 30 || fail "the board reported no move"
wait_screen_settles 30 "$board" || fail "the board never finished painting"
shot_board board-after-e2e4.png
# A move the board slides by itself (about two seconds at 20 ms a pixel):
# pictured once it has begun, and again when it has come to rest.
# On its way the pawn crosses e6, two squares above e4 as e4 is above e2.
eval "$(xdotool getwindowgeometry --shell "$wid")"
e6="9x9+$(( X + x2 - 4 ))+$(( Y + y2 - (y1 - y2) - 4 ))"
before=$(screen_hash "$e6")
touch "$out/default/animate"
wait_screen_changes "$before" 30 "$e6" || fail "the pawn did not slide over e6"
shot_board board-sliding.png
wait_screen_settles 60 "$board" || fail "the slide never ended"
shot_board board-after-e7e5.png
stop
cat "$out/default/events"
expected="legal e2 e4 rnbqkbnrpppppppp$(printf '%20s')P$(printf '%11s')PPPP PPPRNBQKBNR"
grep -qxF "$expected" "$out/default/events" \
  || fail "the drag did not make e2-e4"
if grep -q '^illegal' "$out/default/events"; then fail "an illegal move was reported"; fi

# The stored custom look, for a person to look at.
start custom "$out/custom"
shot_board board-custom.png
stop
echo "drag e2-e4 made the move; screenshots in $out"
