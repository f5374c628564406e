#!/usr/bin/env bash
# Runs under on-xvfb.sh. Starts the program, opens the game window with the
# start screen's "Novo Jogo", plays 1. e4 and waits for the computer's
# answer, starts a new game from the menu, makes Black a person ("Humano"), drags the
# fool's mate (1. f3 e5 2. g4 Qh4#) with real pointer events, and checks
# what a person sees: the mate message box, the status line "Cheque Mate!"
# and the four lines of the move list. Ends the program from its menu.
#   fools_mate.sh <kestravin> <probe> <output folder>
set -euo pipefail
prog="$1"
probe="$2"
out="$3"
rm -rf "$out"
mkdir -p "$out"
source "$(dirname "$0")/x11-session.sh"
COMPARE=/usr/bin/compare; [ -x "$COMPARE" ] || COMPARE=compare
load_geometry "$probe"
start_width=$(window_width Form1)
game_width=$(window_width Form2)

# ---- Start screen ----
"$prog" >"$out/program.log" 2>&1 &
pid=$!
start=$(wait_window_of_width "$start_width" 60) || fail "the start screen did not appear"
read -r sid sx sy _ _ <<<"$start"
# Where the program puts it on a screen without a window manager.
read -r want_x want_y _ _ < <(geom Form1)
[ "$sx,$sy" = "$want_x,$want_y" ] || fail "start screen at $sx,$sy, not $want_x,$want_y"
wait_screen_settles 30 || fail "the start screen never finished painting"
shot start-screen.png
# Over "Novo Jogo": it turns red.
before=$(screen_hash)
xdotool mousemove $(centre_of Form1.Label1 "$sx" "$sy")
wait_screen_changes "$before" 30 || fail "Novo Jogo did not light up under the pointer"
shot start-screen-hover.png
xdotool click 1

# ---- Game window ----
game=$(wait_window_of_width "$game_width" 60) || fail "Novo Jogo did not open the game window"
read -r gid gx gy _ _ <<<"$game"
wait_screen_settles 30 || fail "the game window never finished painting"
shot game-window.png

# As stored, the computer plays Black: it answers 1. e4 by itself, and the
# list gains its line.
play_against_computer e2 e4 "$gx" "$gy" 120 || fail "the computer did not answer for Black"
# Its line, the list's last, read once the board is at rest: choosing it
# keeps the board where it is.
reply=""
answer_read() { reply=$(copy_list_line "$probe" "$gid" "$gx" "$gy" ctrl+End); [[ "$reply" =~ ^\ +[A-H][1-8]-[A-H][1-8] ]]; }
wait_until 30 answer_read || true
echo "the computer answered 1. e4 with: $reply"
[[ "$reply" =~ [A-H][1-8]-[A-H][1-8] ]] || fail "the computer's answer reads \"$reply\""
shot game-computer-answered.png

# "Novo Jogo" in the "Jogo" menu starts afresh: the board goes back to the
# opening position, where e2 holds its pawn again.
e4=$(area_of Form2.square.e4 "$gx" "$gy")
before=$(screen_hash "$e4")
menu_item "$gid" Kestravin1 NovoJogo1 "$gx" "$gy"
wait_screen_changes "$before" 30 "$e4" || fail "Novo Jogo did not clear the board"

# Black's "Humano": two people play.
before=$(screen_hash)
xdotool mousemove $(centre_of Form2.Humano1 "$gx" "$gy") click 1
wait_screen_changes "$before" 30 || fail "Humano did not tick for Black"

# Each move is waited for on its target square before the next.
play() { # from to
  local area before
  area=$(area_of "Form2.square.$2" "$gx" "$gy")
  before=$(screen_hash "$area")
  drag_piece "$1" "$2" "$gx" "$gy"
  wait_screen_changes "$before" 30 "$area" || fail "the drag $1-$2 changed nothing"
}
play f2 f3
play e7 e5
play g2 g4
shot game-before-mate.png
drag_piece d8 h4 "$gx" "$gy"

# ---- The mate: a message box with the program's title ----
box=""
other_window() { box=$(windows | awk -v g="$gid" -v s="$sid" '$1 != g && $1 != s' | head -n 1); [ -n "$box" ]; }
wait_until 60 other_window || fail "no message box after the mating move"
read -r bid bx by bw bh <<<"$box"
wait_screen_settles 30 "${bw}x${bh}+${bx}+${by}" || fail "the message box never finished painting"
shot mate-message-box.png
# Its text, compared with the program's own drawing of such a box.
# The number of pixels that differ (compare exits 1 when any do); a huge
# number when the pictures cannot be compared, e.g. for differing sizes.
differing() {
  local n
  n=$("$COMPARE" -metric AE -fuzz 12% "$1" "$2" null: 2>&1 || true)
  n=${n%% *}; n=${n%%.*}
  [[ "$n" =~ ^[0-9]+$ ]] && echo "$n" || echo 999999
}
"$IMPORT" -window root -crop "${bw}x${bh}+${bx}+${by}" +repage "$out/box.png"
"$probe" render-message "Cheque Mate!" "$out/box-mate.png"
"$probe" render-message "Cheque!" "$out/box-check.png"
box_mate=$(differing "$out/box.png" "$out/box-mate.png")
echo "message box pixels differing from the mate box: $box_mate"
[ "$box_mate" -le 40 ] || fail "the message box does not say Cheque Mate!"
timeout 10 xdotool windowfocus --sync "$bid" 2>/dev/null || true
xdotool key Return
wait_window_gone "$bid" 30 || fail "the message box did not close"
wait_screen_settles 30 || fail "the game window never finished painting"
shot game-after-mate.png

# ---- The status line, compared with the window's own drawing of it ----
"$IMPORT" -window root -crop "$(area_of Form2.Panel1 "$gx" "$gy")" +repage "$out/status.png"
"$probe" render-status "Cheque Mate!" "$out/status-mate.png"
"$probe" render-status "Cheque!" "$out/status-check.png"
mate_diff=$(differing "$out/status.png" "$out/status-mate.png")
check_diff=$(differing "$out/status.png" "$out/status-check.png")
echo "status pixels differing: from \"Cheque Mate!\" $mate_diff, from \"Cheque!\" $check_diff"
[ "$mate_diff" -le 10 ] || fail "the status line does not read Cheque Mate!"
[ "$check_diff" -gt 30 ] || fail "the status comparison cannot tell texts apart"

# ---- The move list: each line copied with the keyboard ----
mapfile -t expected < <("$probe" move-lines f2-f3 e7-e5 g2-g4 d8-h4)
[ "${#expected[@]}" -eq 4 ] || fail "the reference game gives ${#expected[@]} lines"
# Line i is the first line and i Down presses on; the copy arrives through
# the X server, so each line is read until it shows or time runs out.
for i in 0 1 2 3; do
  keys=(); for (( k = 0; k < i; k++ )); do keys+=(Down); done
  line=""
  copied() { line=$(copy_list_line "$probe" "$gid" "$gx" "$gy" "${keys[@]}"); [ "$line" = "${expected[$i]}" ]; }
  wait_until 30 copied || true
  echo "move list line $(( i + 1 )): $line"
  [ "$line" = "${expected[$i]}" ] || fail "line $(( i + 1 )) reads \"$line\", not \"${expected[$i]}\""
done
shot game-list-last-line.png

# ---- "Sair" in the "Jogo" menu ends the program ----
# The menu opened with a click on its title, as a person does.
before=$(screen_hash)
xdotool mousemove $(centre_of Form2.menu.Kestravin1 "$gx" "$gy") click 1
wait_screen_changes "$before" 30 || fail "the Jogo menu did not open"
wait_screen_settles 10 || true
shot game-menu.png
xdotool key Up Return
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 60 ended || fail "Sair did not end the program"
wait "$pid" && status=0 || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: fool's mate played by drag; screenshots in $out"
