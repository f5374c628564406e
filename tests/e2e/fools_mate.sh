#!/usr/bin/env bash
# Runs under xvfb-run. Starts the program, opens the game window with the
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

# Waits for a visible program window of the given width; prints its line.
wait_window_of_width() { # width seconds
  local line
  for _ in $(seq 1 $(( $2 * 10 ))); do
    line=$(windows | awk -v w="$1" '$4 == w' | head -n 1)
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}

# ---- Start screen ----
"$prog" >"$out/program.log" 2>&1 &
pid=$!
start=$(wait_window_of_width 632 20) || fail "the start screen did not appear"
read -r _ sx sy _ _ <<<"$start"
[ "$sx,$sy" = "192,114" ] || fail "start screen at $sx,$sy, not 192,114"
sleep 0.5
shot start-screen.png
# Over "Novo Jogo" (left 168, top 136 on the start screen): it turns red.
xdotool mousemove $(( sx + 168 + 60 )) $(( sy + 136 + 45 ))
sleep 0.5
shot start-screen-hover.png
xdotool click 1

# ---- Game window ----
game=$(wait_window_of_width 792 20) || fail "Novo Jogo did not open the game window"
read -r gid gx gy _ gh <<<"$game"
cx=$gx
cy=$(( gy + gh - 546 ))   # the client area lies below the menu bar
sleep 0.5
shot game-window.png

# The board stands at (248, 8) with a border of 24 and squares of 61.
square_xy() { # square -> screen x y of its centre
  local file=$(( $(printf '%d' "'${1:0:1}") - 96 )) rank=${1:1:1}
  echo $(( cx + 248 + 24 + (file - 1) * 61 + 30 )) $(( cy + 8 + 24 + (8 - rank) * 61 + 30 ))
}
drag() { # from to
  local x1 y1 x2 y2 i
  read -r x1 y1 < <(square_xy "$1")
  read -r x2 y2 < <(square_xy "$2")
  xdotool mousemove "$x1" "$y1"
  sleep 0.15
  xdotool mousedown 1
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $(( x1 + (x2 - x1) * i / 10 )) $(( y1 + (y2 - y1) * i / 10 ))
    sleep 0.04
  done
  sleep 0.15
  xdotool mouseup 1
  sleep 0.4
}
# As stored, the computer plays Black: it answers 1. e4 by itself, and the
# list gains its line.
drag e2 e4
timeout 5 xdotool windowfocus --sync "$gid" 2>/dev/null || true
reply=""
for _ in $(seq 1 10); do
  xdotool mousemove $(( cx + 40 )) $(( cy + 24 + 2 + 13 + 6 )) click 1
  xdotool key ctrl+c
  reply=$("$probe" clipboard 2>/dev/null || true)
  [ -n "$reply" ] && break
done
echo "the computer answered 1. e4 with: $reply"
[[ "$reply" =~ [A-H][1-8]-[A-H][1-8] ]] || fail "the computer did not answer for Black"
shot game-computer-answered.png

# "Novo Jogo" in the "Jogo" menu starts afresh.
xdotool mousemove $(( cx + 20 )) $(( gy + (gh - 546) / 2 )) click 1
sleep 0.4
xdotool key Down Return
sleep 0.5

# Black's "Humano" (left 40, top 480): two people play.
xdotool mousemove $(( cx + 48 )) $(( cy + 488 )) click 1
sleep 0.3

drag f2 f3
drag e7 e5
drag g2 g4
shot game-before-mate.png
drag d8 h4

# ---- The mate: a message box with the program's title ----
box=""
for _ in $(seq 1 50); do
  box=$(windows | awk -v g="$gid" -v s="$(cut -d' ' -f1 <<<"$start")" '$1 != g && $1 != s' | head -n 1)
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no message box after the mating move"
read -r bid _ _ _ _ <<<"$box"
sleep 0.3
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
read -r _ bx by bw bh <<<"$box"
"$IMPORT" -window root -crop "${bw}x${bh}+${bx}+${by}" +repage "$out/box.png"
"$probe" render-message "Cheque Mate!" "$out/box-mate.png"
"$probe" render-message "Cheque!" "$out/box-check.png"
box_mate=$(differing "$out/box.png" "$out/box-mate.png")
echo "message box pixels differing from the mate box: $box_mate"
[ "$box_mate" -le 40 ] || fail "the message box does not say Cheque Mate!"
timeout 5 xdotool windowfocus --sync "$bid" 2>/dev/null || true
xdotool key Return
for _ in $(seq 1 30); do
  windows | grep -q "^$bid " || break
  sleep 0.1
done
windows | grep -q "^$bid " && fail "the message box did not close"
sleep 0.3
shot game-after-mate.png

# ---- The status line, compared with the window's own drawing of it ----
"$IMPORT" -window root -crop "209x17+$(( cx + 8 ))+$(( cy + 392 ))" +repage "$out/status.png"
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
xdotool mousemove $(( cx + 40 )) $(( cy + 24 + 2 + 6 )) click 1
timeout 5 xdotool windowfocus --sync "$gid" 2>/dev/null || true
for i in 0 1 2 3; do
  [ "$i" -gt 0 ] && xdotool key Down
  sleep 0.2
  xdotool key ctrl+c
  sleep 0.2
  line=$("$probe" clipboard || true)
  echo "move list line $(( i + 1 )): $line"
  [ "$line" = "${expected[$i]}" ] || fail "line $(( i + 1 )) reads \"$line\", not \"${expected[$i]}\""
done
shot game-list-last-line.png

# ---- "Sair" in the "Jogo" menu ends the program ----
xdotool mousemove $(( cx + 20 )) $(( gy + (gh - 546) / 2 )) click 1
sleep 0.4
shot game-menu.png
xdotool key Up Return
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "Sair did not end the program"
wait "$pid" && status=0 || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: fool's mate played by drag; screenshots in $out"
