#!/usr/bin/env bash
# Runs under on-xvfb.sh. A broken installation: the program is copied to a
# folder without its FX sounds. Passing over "Novo Jogo" reports the missing
# hover sound once in an error box; clicking reports the missing click sound
# once and still opens the game window; further passes and clicks report
# nothing more.
#   missing_sounds.sh <kestravin> <probe> <output folder>
set -euo pipefail
prog="$1"
probe="$2"
out="$3"
rm -rf "$out"
mkdir -p "$out/bin"
cp "$prog" "$out/bin/kestravin"
source "$(dirname "$0")/x11-session.sh"
load_geometry "$probe"
start_width=$(window_width Form1)
game_width=$(window_width Form2)

# Error boxes: program windows that are neither the start screen nor the
# game window.
boxes() { windows | awk -v s="$start_width" -v g="$game_width" '$4 != s && $4 != g'; }
has_box() { [ -n "$(boxes)" ]; }
no_box() { [ -z "$(boxes)" ]; }
game_window() { windows | awk -v g="$game_width" '$4 == g' | grep -q .; }
close_box() {
  local id
  id=$(boxes | head -n 1 | cut -d' ' -f1)
  timeout 10 xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key Return
  wait_until 30 no_box || fail "the error box did not close"
}

(cd "$out" && exec "$out/bin/kestravin") >"$out/program.log" 2>&1 &
pid=$!
start=$(wait_window_of_width "$start_width" 60) || fail "the start screen did not appear"
read -r _ sx sy _ _ <<<"$start"
wait_screen_settles 30 || fail "the start screen never finished painting"
away_x=$(( sx + 8 )) away_y=$(( sy + 8 ))   # on the title picture, off every caption
read -r over_x over_y < <(centre_of Form1.Label1 "$sx" "$sy")
# Over "Novo Jogo": the hover sound is missing.
xdotool mousemove "$away_x" "$away_y"
xdotool mousemove "$over_x" "$over_y"
wait_until 30 has_box || fail "no error box for the missing hover sound"
shot hover-sound-missing.png
[ "$(boxes | wc -l)" -eq 1 ] || fail "more than one box"
close_box

# Away and back: reported once only. The caption goes grey away from the
# pointer and red again over it; a box would come with the red.
caption=$(area_of Form1.Label1 "$sx" "$sy")
lit=$(screen_hash "$caption")
xdotool mousemove "$away_x" "$away_y"
wait_screen_changes "$lit" 30 "$caption" || fail "Novo Jogo stayed lit away from the pointer"
dark=$(screen_hash "$caption")
xdotool mousemove "$over_x" "$over_y"
wait_screen_changes "$dark" 30 "$caption" || fail "Novo Jogo did not light up again"
# A box would be shown by the same handler that lit the caption; give the
# X server a moment to map it.
sleep 0.5
no_box || fail "the missing hover sound was reported again"

# The click: its sound is missing too, and the game window opens all the same.
xdotool click 1
wait_until 30 has_box || fail "no error box for the missing click sound"
shot click-sound-missing.png
close_box
wait_until 30 game_window || fail "Novo Jogo did not open the game window"
shot game-window-without-sounds.png
no_box || fail "another box appeared"
echo "PASS: missing sounds reported once each; Novo Jogo still opens the game"
