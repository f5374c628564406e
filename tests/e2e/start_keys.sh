#!/usr/bin/env bash
# Runs under on-xvfb.sh. The start screen from the keyboard alone, with
# real key events: focused but untouched it looks exactly as always; Tab
# and the arrow keys light the word they reach in the hover red; Space on
# "Sobre" opens the about window, Enter on "Novo Jogo" the game window, and
# Enter on "Sair" ends the program.
#   start_keys.sh <kestravin> <probe> <output folder>
set -euo pipefail
prog="$1"
probe="$2"
out="$3"
rm -rf "$out"
mkdir -p "$out"
source "$(dirname "$0")/x11-session.sh"
load_geometry "$probe"
start_width=$(window_width Form1)
game_width=$(window_width Form2)

# The pixels of the hover red in a word's area.
red_pixels() { # area
  "$IMPORT" -window root -crop "$1" +repage -depth 8 txt:- 2>/dev/null | grep -c '#FF0000' || true
}
lit() { [ "$(red_pixels "$(area_of "Form1.$1" "$sx" "$sy")")" -gt 200 ]; }
dark() { [ "$(red_pixels "$(area_of "Form1.$1" "$sx" "$sy")")" -eq 0 ]; }
only_lit() { # label
  local l
  for l in Label1 Label2 Label3; do
    if [ "$l" = "$1" ]; then lit "$l" || return 1; else dark "$l" || return 1; fi
  done
}
press() { # key label-that-should-light
  xdotool key "$1"
  wait_until 10 only_lit "$2" || fail "after $1 the word $2 alone was not lit"
}

"$prog" >"$out/program.log" 2>&1 &
pid=$!
start=$(wait_window_of_width "$start_width" 60) || fail "the start screen did not appear"
read -r sid sx sy _ _ <<<"$start"
# The pointer out of the way, over no word.
xdotool mousemove 5 5
wait_screen_settles 30 || fail "the start screen never finished painting"
area="${start_width}x$(window_height_of Form1)+$sx+$sy"
untouched=$(screen_hash "$area")
timeout 10 xdotool windowfocus --sync "$sid" 2>/dev/null || true
sleep 0.5
[ "$(screen_hash "$area")" = "$untouched" ] || fail "the focused start screen looks different before any key"
for l in Label1 Label2 Label3; do dark "$l" || fail "$l is lit before any key"; done
shot start-keys-untouched.png

press Tab Label2
shot start-keys-tab.png
press Down Label3
press Down Label1
press Up Label3
press Left Label2

# Space on "Sobre": the about window.
xdotool key space
# Its title in the interface's language.
about_shown() { xdotool search --onlyvisible --name "^(Sobre o|About) Kestravin 2005\$" >/dev/null 2>&1; }
wait_until 30 about_shown || fail "Space on Sobre did not open the about window"
xdotool search --onlyvisible --name "^(Sobre o|About) Kestravin 2005\$" windowunmap 2>/dev/null || true
timeout 10 xdotool windowfocus --sync "$sid" 2>/dev/null || true
sleep 0.3
press Up Label1
# Enter on "Novo Jogo": the game window.
xdotool key Return
game=$(wait_window_of_width "$game_width" 60) || fail "Enter on Novo Jogo did not open the game window"
read -r gid _ _ _ _ <<<"$game"
shot start-keys-game.png
xdotool windowunmap "$gid" 2>/dev/null || true
timeout 10 xdotool windowfocus --sync "$sid" 2>/dev/null || true
sleep 0.3
press Up Label3
# Enter on "Sair": the program ends.
xdotool key Return
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 30 ended || fail "Enter on Sair did not end the program"
wait "$pid" 2>/dev/null || true
pid=""
echo "PASS: the start screen answers Tab, the arrows, Space and Enter; screenshots in $out"
