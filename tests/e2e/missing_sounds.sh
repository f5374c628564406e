#!/usr/bin/env bash
# Runs under xvfb-run. A broken installation: the program is copied to a
# folder without its FX sounds. Passing over "Novo Jogo" reports the missing
# hover sound once in an error box; clicking reports the missing click sound
# once and still opens the game window; further passes and clicks report
# nothing more.
#   missing_sounds.sh <kestravin> <output folder>
set -euo pipefail
prog="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out/bin"
cp "$prog" "$out/bin/kestravin"
source "$(dirname "$0")/x11-session.sh"

# Error boxes: program windows that are neither the start screen (632
# wide) nor the game window (792 wide).
boxes() { windows | awk '$4 != 632 && $4 != 792'; }
wait_for() { # command seconds
  for _ in $(seq 1 $(( $2 * 10 ))); do
    [ -n "$($1)" ] && return 0
    sleep 0.1
  done
  return 1
}
game_window() { windows | awk '$4 == 792'; }
start_screen() { windows | awk '$4 == 632'; }
close_box() {
  local id
  id=$(boxes | head -n 1 | cut -d' ' -f1)
  timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key Return
  for _ in $(seq 1 30); do [ -z "$(boxes)" ] && return 0; sleep 0.1; done
  fail "the error box did not close"
}

(cd "$out" && exec "$out/bin/kestravin") >"$out/program.log" 2>&1 &
pid=$!
wait_for start_screen 20 || fail "the start screen did not appear"
sleep 0.5
xdotool mousemove 300 300
sleep 0.3
# Over "Novo Jogo": the hover sound is missing.
xdotool mousemove $(( 192 + 168 + 60 )) $(( 114 + 136 + 45 ))
wait_for boxes 10 || fail "no error box for the missing hover sound"
shot hover-sound-missing.png
[ "$(boxes | wc -l)" -eq 1 ] || fail "more than one box"
close_box

# Away and back: reported once only.
xdotool mousemove 300 300
sleep 0.3
xdotool mousemove $(( 192 + 168 + 60 )) $(( 114 + 136 + 45 ))
sleep 1
[ -z "$(boxes)" ] || fail "the missing hover sound was reported again"

# The click: its sound is missing too, and the game window opens all the same.
xdotool click 1
wait_for boxes 10 || fail "no error box for the missing click sound"
shot click-sound-missing.png
close_box
wait_for game_window 10 || fail "Novo Jogo did not open the game window"
shot game-window-without-sounds.png
[ -z "$(boxes)" ] || fail "another box appeared"
echo "PASS: missing sounds reported once each; Novo Jogo still opens the game"
