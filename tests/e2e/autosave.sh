#!/usr/bin/env bash
# Runs under on-xvfb.sh. The game survives the program's sudden end: 1. e4 is
# dragged on the board and the computer answers, the program is killed
# (SIGKILL, no chance to save anything then), and started again; the start
# screen's "Novo Jogo" shows the same board (compared pixel by pixel with
# the screenshot taken before the kill) and the same two lines in the move
# list. Then a PGN file named on the command line opens in the game window
# with its moves in the list and its final position on the board (compared
# with the probe's drawing of it).
#   autosave.sh <kestravin> <probe> <output folder>
set -euo pipefail
prog="$1"
probe="$2"
out="$3"
rm -rf "$out"
mkdir -p "$out"
source "$(dirname "$0")/x11-session.sh"
COMPARE=/usr/bin/compare; [ -x "$COMPARE" ] || COMPARE=compare
command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed"; exit 77; }
autosave="$XDG_DATA_HOME/kestravin/autosave.pgn"
load_geometry "$probe"

differing() {
  local n
  n=$("$COMPARE" -metric AE -fuzz 12% "$1" "$2" null: 2>&1 || true)
  n=${n%% *}; n=${n%%.*}
  [[ "$n" =~ ^[0-9]+$ ]] && echo "$n" || echo 999999
}
# Opens the game window from the start screen; sets gid cx cy gx gy gh.
open_game_window() {
  local start sx sy
  start=$(wait_window_of_width 632 20) || fail "the start screen did not appear"
  read -r _ sx sy _ _ <<<"$start"
  sleep 0.5
  xdotool mousemove $(( sx + 168 + 60 )) $(( sy + 136 + 45 )) click 1
  game_window_shown
}
game_window_shown() {
  local game
  game=$(wait_window_of_width 792 20) || fail "the game window did not appear"
  read -r gid gx gy _ gh <<<"$game"
  cx=$gx
  cy=$(( gy + gh - 546 ))
  sleep 0.7
}
board_shot() { "$IMPORT" -window root -crop "536x536+$(( cx + 248 ))+$(( cy + 8 ))" +repage "$1"; }
# The move list's first n lines, each copied with the keyboard.
list_lines() { # n
  local i line
  xdotool mousemove $(( cx + 40 )) $(( cy + 24 + 2 + 6 )) click 1
  timeout 5 xdotool windowfocus --sync "$gid" 2>/dev/null || true
  for i in $(seq 0 $(( $1 - 1 ))); do
    [ "$i" -gt 0 ] && xdotool key Down
    sleep 0.2
    xdotool key ctrl+c
    sleep 0.2
    line=$("$probe" clipboard 2>/dev/null || true)
    echo "$line"
  done
}

# ---- First run: 1. e4 and the computer's answer ----
"$prog" >"$out/program-1.log" 2>&1 &
pid=$!
open_game_window
[ -e "$autosave" ] && fail "an autosave exists before any move"
drag_piece e2 e4 "$gx" "$gy"
sleep 0.4
reply=""
for _ in $(seq 1 20); do
  grep -q '^1\. e4 [a-hNBRQKO]' "$autosave" 2>/dev/null && { reply=yes; break; }
  sleep 0.25
done
[ -n "$reply" ] || fail "no autosave with the computer's answer: $(cat "$autosave" 2>/dev/null)"
sleep 0.5
board_shot "$out/board-before-kill.png"
shot before-kill.png
mapfile -t before < <(list_lines 2)
echo "before the kill: ${before[*]}"
[ "${before[0]}" = "1. E2-E4" ] || fail "the first line reads \"${before[0]}\""
[[ "${before[1]}" =~ ^\ +[A-H][1-8]-[A-H][1-8]$ ]] || fail "the second line reads \"${before[1]}\""
sleep 0.5
cp "$autosave" "$out/autosave-at-kill.pgn"
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
pid=""

# ---- Second run: Novo Jogo on the start screen shows the same game ----
"$prog" >"$out/program-2.log" 2>&1 &
pid=$!
open_game_window
board_shot "$out/board-after-restart.png"
shot after-restart.png
board_diff=$(differing "$out/board-before-kill.png" "$out/board-after-restart.png")
echo "board pixels differing after the restart: $board_diff"
[ "$board_diff" -le 20 ] || fail "the board after the restart differs in $board_diff pixels"
mapfile -t after < <(list_lines 2)
echo "after the restart: ${after[*]}"
[ "${after[0]}" = "${before[0]}" ] && [ "${after[1]}" = "${before[1]}" ] || fail "the move list came back as \"${after[*]}\""
cleanup
pid=""

# ---- A game file named on the command line ----
cat >"$out/partida.pgn" <<'PGN'
[Event "Teste"]
[White "Ana"]
[Black "Bia"]
[BlackType "human"]
[Result "*"]

1. e4 e5 2. Nf3 Nc6 3. Bb5 *
PGN
"$probe" render-board "$out/ref-ruy-lopez.png" normal e2-e4 e7-e5 g1-f3 b8-c6 f1-b5 || fail "the probe cannot draw the board"
"$prog" "$out/partida.pgn" >"$out/program-3.log" 2>&1 &
pid=$!
game_window_shown
board_shot "$out/board-from-file.png"
shot opened-from-command-line.png
file_diff=$(differing "$out/board-from-file.png" "$out/ref-ruy-lopez.png")
echo "board pixels differing from the file's final position: $file_diff"
[ "$file_diff" -le 20 ] || fail "the opened game's board differs in $file_diff pixels"
mapfile -t lines < <(list_lines 5)
echo "opened game: ${lines[*]}"
[ "${lines[0]}" = "1. E2-E4" ] && [ "${lines[4]}" = "3. F1-B5" ] || fail "the opened game's list reads \"${lines[*]}\""
echo "PASS: the game came back after SIGKILL and a file opened from the command line; screenshots in $out"
