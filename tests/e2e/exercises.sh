#!/usr/bin/env bash
# Runs under on-xvfb.sh. "Treinar › Exercícios" with real pointer events,
# over a file of two exercises named by KESTRAVIN_EXERCISES: a new person
# (rating 1500) is given the back-rank mate rated 1500 first, solves it by
# clicking the rook and its square, then "Próximo" brings the one rated
# 1900 (the first waits a day), where a wrong move is taken back at once.
# The training record in the data folder must hold both attempts, solved
# and failed, and the progress view must open. Screenshots of an exercise
# and of the progress view are left in the output folder.
#   exercises.sh <kestravin> <probe> <output folder>
set -euo pipefail
prog="$1"
probe="$2"
out="$3"
rm -rf "$out"
mkdir -p "$out"
source "$(dirname "$0")/x11-session.sh"
command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed"; exit 77; }
command -v python3 >/dev/null || { echo "SKIP: python3 is not installed (it reads the record)"; exit 77; }
load_geometry "$probe"

printf '%s\n' \
  "e2e-backrank	6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1	a1a8	1500	mateIn1 mate backRank" \
  "e2e-scholar	r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4	h5f7	1900	mateIn1 mate" \
  >"$out/exercises.tsv"
export KESTRAVIN_EXERCISES="$out/exercises.tsv"
record="$XDG_DATA_HOME/kestravin/treino.sqlite"
# "id solved" of every attempt, in order.
attempts() {
  [ -f "$record" ] || return 0
  python3 - "$record" <<'PY'
import sqlite3, sys
for row in sqlite3.connect(sys.argv[1]).execute("SELECT exercise_id, solved FROM attempts ORDER BY id"):
    print(row[0], row[1])
PY
}
attempts_are() { [ "$(attempts | tr '\n' ';')" = "$1" ]; }

"$prog" >"$out/program.log" 2>&1 &
pid=$!
open_game
menu_item "$gid" Treinar1 Exercicios1 "$gx" "$gy"
player=$(wait_window_titled "Exercícios" 30) || fail "Treinar › Exercícios opened no window"
read -r xid px py _ _ <<<"$player"
timeout 10 xdotool windowfocus --sync "$xid" 2>/dev/null || true
board_area=$(area_of ExercisePlayer.ExerciseBoard "$px" "$py")
wait_screen_settles 30 "$board_area" || fail "the exercise never finished painting"
shot exercise.png

click_square() { # square
  xdotool mousemove $(centre_of "ExercisePlayer.square.$1" "$px" "$py")
  # The board must see the pointer over the square before the click.
  sleep 0.1
  xdotool click 1
}

# ---- The first exercise: Ra8# by two clicks ----
click_square a1
click_square a8
wait_until 30 attempts_are "e2e-backrank 1;" || fail "solving the first exercise was not recorded: $(attempts)"
wait_screen_settles 30 "$board_area" || true
shot exercise-solved.png

# ---- Próximo: the second, and a wrong move taken back ----
before=$(screen_hash "$board_area")
xdotool mousemove $(centre_of ExercisePlayer.ExerciseNext "$px" "$py") click 1
wait_screen_changes "$before" 30 "$board_area" || fail "Próximo did not show another exercise"
wait_screen_settles 30 "$board_area" || fail "the second exercise never finished painting"
second=$(screen_hash "$board_area")
"$IMPORT" -window root -crop "$board_area" +repage "$out/second-before.png"
click_square h5
click_square h4
wait_until 30 attempts_are "e2e-backrank 1;e2e-scholar 0;" || fail "the wrong move was not recorded: $(attempts)"
_taken_back() { [ "$(screen_hash "$board_area")" = "$second" ]; }
wait_until 30 _taken_back || { "$IMPORT" -window root -crop "$board_area" +repage "$out/second-after.png"; fail "the wrong move was not taken back"; }
shot exercise-wrong.png

# ---- The progress view ----
xdotool mousemove $(centre_of ExercisePlayer.ExerciseProgress "$px" "$py") click 1
wait_window_titled "Progresso nos exercícios" 30 >/dev/null || fail "Progresso opened no window"
sleep 0.5
shot progress.png
echo "PASS: an exercise solved by clicks, the next failed by a wrong move taken back, both recorded"
