#!/usr/bin/env bash
# Runs under on-xvfb.sh: the board with click-to-move and the promotion
# chooser, played with real X clicks, drags and keys. Two clicks move a pawn;
# a pawn dropped on the last rank waits in the chooser, which a click
# outside the board cancels, and which then gives a rook for the key T.
#   click_promote.sh <view_e2e_board> <output folder>
set -euo pipefail
prog="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/kestravin-runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed"; exit 77; }

pid=""
cleanup() { if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$out/events" ] && cat "$out/events"; exit 1; }

shot() { # file
  local import=/usr/bin/import
  [ -x "$import" ] || import=import
  "$import" -window root -crop 440x440+0+0 "$1" 2>/dev/null || echo "note: no screenshot $1"
}

"$prog" --out "$out" --look aids &
pid=$!
for _ in $(seq 1 200); do [ -s "$out/ready" ] && break; sleep 0.1; done
[ -s "$out/ready" ] || fail "the board window did not start"
wid=$(timeout 20 xdotool search --sync --onlyvisible --name "Kestravin board aids" | head -n 1)
[ -n "$wid" ] || fail "no window"
sleep 0.5

at() { grep "^$1 " "$out/ready" | cut -d' ' -f2,3; }
click() { # square or "x y"
  local xy
  if [ $# -eq 1 ]; then xy=$(at "$1"); else xy="$1 $2"; fi
  # shellcheck disable=SC2086
  xdotool mousemove --window "$wid" $xy click 1
  sleep 0.3
}
events() { cat "$out/events" 2>/dev/null || true; }

# Two clicks: e2 to e4. The Black king answers the same way.
click e2
shot "$out/selected.png"
click e4
events | grep -q '^legal e2 e4 ' || fail "two clicks did not make e2-e4"
click a8
click b8
events | grep -q '^legal a8 b8 ' || fail "two clicks did not move the Black king"

# A drag of the e7 pawn onto e8 opens the chooser; a click outside the
# board, in the window's margin, cancels it.
read -r x1 y1 <<<"$(at e7)"
read -r x2 y2 <<<"$(at e8)"
xdotool mousemove --window "$wid" "$x1" "$y1"
sleep 0.2
xdotool mousedown 1
for i in 1 2 3 4 5 6; do
  xdotool mousemove --window "$wid" "$x1" $(( y1 + (y2 - y1) * i / 6 ))
  sleep 0.05
done
xdotool mouseup 1
sleep 0.4
shot "$out/chooser.png"
events | grep -q '^legal e7' && fail "the promotion was made before a piece was chosen"
click 430 430
events | grep -q '^legal e7' && fail "a click outside did not cancel the promotion"

# Again, by two clicks, and T (torre) chooses a rook.
click e7
click e8
sleep 0.2
xdotool key --window "$wid" t
sleep 0.4
shot "$out/promoted.png"
events | grep -q '^promotion r$' || fail "T did not choose a rook"
events | grep -q '^legal e7 e8 ' || fail "the promotion was not made"
if events | grep -q '^illegal'; then fail "an illegal move was reported"; fi
[ "$(events | grep -c '^promotion')" -eq 1 ] || fail "the cancelled promotion reached OnPromotion"
events
echo "PASS: clicks move, the chooser waits, cancels on an outside click, and T gives a rook"
