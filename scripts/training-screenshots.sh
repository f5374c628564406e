#!/usr/bin/env bash
# Makes the README's pictures of "Treinar" with the real program on a
# virtual screen, driven by xdotool, into docs/screenshots/:
#   exercise.png    an exercise (a smothered mate) after the first hint
#   progress.png    the progress view of a person with a dozen exercises done
# Usage: scripts/training-screenshots.sh   (BUILD_DIR picks the build folder)
source "$(dirname "$0")/screenshot-prelude.sh" training-screenshots "$@"
mkdir -p "$XDG_DATA_HOME/kestravin"
"$probe" training-record "$XDG_DATA_HOME/kestravin/treino.sqlite" || fail "the probe wrote no training record"
printf '%s\n' "shot-1	5r1k/6pp/7N/3Q4/8/8/6PP/7K w - - 0 1	d5g8 f8g8 h6f7	1700	mateIn2 mate" >"$work/exercises.tsv"
export KESTRAVIN_EXERCISES=$work/exercises.tsv

"$prog" >"$work/program.log" 2>&1 &
pid=$!
open_game
menu_item "$gid" Treinar1 Exercicios1 "$gx" "$gy"
player=$(wait_window_titled "Exercícios" 30) || fail "Treinar › Exercícios opened no window"
read -r _ px py _ _ <<<"$player"
xdotool mousemove $(centre_of ExercisePlayer.ExerciseHint "$px" "$py") click 1
xdotool mousemove 0 0
shoot "$player" exercise.png
xdotool mousemove $(centre_of ExercisePlayer.ExerciseProgress "$px" "$py") click 1
progress=$(wait_window_titled "Progresso nos exercícios" 30) || fail "Progresso opened no window"
xdotool mousemove 0 0
shoot "$progress" progress.png
