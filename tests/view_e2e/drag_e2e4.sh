#!/usr/bin/env bash
# Runs under xvfb-run: shows the board window, drags e2 to e4 with xdotool's
# real pointer events, checks that the board made the move, and takes
# screenshots of the default and the custom look.
#   drag_e2e4.sh <view_e2e_board> <output folder>
set -euo pipefail
prog="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/kestravin-runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

pid=""
cleanup() { if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi; }
trap cleanup EXIT

wait_for_file() { # file seconds
  for _ in $(seq 1 $(( $2 * 10 ))); do [ -s "$1" ] && return 0; sleep 0.1; done
  echo "FAIL: $1 did not appear"; return 1
}

start() { # look folder
  "$prog" --out "$2" --look "$1" &
  pid=$!
  wait_for_file "$2/ready" 20
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name "Kestravin board $1" | head -n 1)
  [ -n "$wid" ] || { echo "FAIL: no window"; return 1; }
}

# Screenshots are for a person to look at; a missing one fails nothing.
shot() { # file
  local import=/usr/bin/import
  [ -x "$import" ] || import=import
  "$import" -window root -crop 440x440+0+0 "$1" 2>/dev/null || echo "note: no screenshot $1"
}

stop() { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; pid=""; }

# The default look, and a real drag of e2 to e4.
start default "$out/default"
sleep 0.5
shot "$out/board-default.png"
read -r _ x1 y1 < <(grep '^e2 ' "$out/default/ready")
read -r _ x2 y2 < <(grep '^e4 ' "$out/default/ready")
xdotool mousemove --window "$wid" "$x1" "$y1"
sleep 0.2
xdotool mousedown 1
for i in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove --window "$wid" "$x1" $(( y1 + (y2 - y1) * i / 10 ))
  sleep 0.05
done
sleep 0.2
shot "$out/board-dragging.png"
xdotool mouseup 1
wait_for_file "$out/default/events" 10
sleep 0.3
shot "$out/board-after-e2e4.png"
# A move the board slides by itself (about two seconds at 20 ms a pixel).
touch "$out/default/animate"
sleep 1.0
shot "$out/board-sliding.png"
sleep 2.0
shot "$out/board-after-e7e5.png"
stop
cat "$out/default/events"
expected="legal e2 e4 rnbqkbnrpppppppp$(printf '%20s')P$(printf '%11s')PPPP PPPRNBQKBNR"
grep -qxF "$expected" "$out/default/events" \
  || { echo "FAIL: the drag did not make e2-e4"; exit 1; }
if grep -q '^illegal' "$out/default/events"; then echo "FAIL: an illegal move was reported"; exit 1; fi

# The stored custom look, for a person to look at.
start custom "$out/custom"
sleep 0.5
shot "$out/board-custom.png"
stop
echo "drag e2-e4 made the move; screenshots in $out"
