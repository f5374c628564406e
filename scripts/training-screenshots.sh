#!/usr/bin/env bash
# Makes the README's pictures of "Treinar" with the real program on a
# virtual screen, driven by xdotool, into docs/screenshots/:
#   exercise.png    an exercise (a smothered mate) after the first hint
#   progress.png    the progress view of a person with a dozen exercises done
# Usage: scripts/training-screenshots.sh   (BUILD_DIR picks the build folder)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build}
OUT=docs/screenshots
CONVERT=/usr/bin/convert

if [ "${1:-}" != "--on-virtual-screen" ]; then
  cmake --build "$BUILD" --target kestravin kestravin_e2e_probe --parallel 2
  exec bash tests/e2e/on-xvfb.sh -s "-screen 0 1280x1024x24" bash "$0" --on-virtual-screen
fi

prog=$BUILD/app/kestravin
probe=$BUILD/tests/e2e/kestravin_e2e_probe
mkdir -p "$OUT"
work=$(mktemp -d)
# A picture of the screen is left here when something goes wrong.
out=${TMPDIR:-/tmp}/kestravin-training-screenshots
mkdir -p "$out"
export XDG_RUNTIME_DIR=$work/runtime
export XDG_CONFIG_HOME=$work/config
source tests/e2e/x11-session.sh
trap 'cleanup; rm -rf "$work"' EXIT
load_geometry "$probe"
export XDG_DATA_HOME=$work/data
mkdir -p "$XDG_DATA_HOME/kestravin"
"$probe" training-record "$XDG_DATA_HOME/kestravin/treino.sqlite" || fail "the probe wrote no training record"
printf '%s\n' "shot-1	5r1k/6pp/7N/3Q4/8/8/6PP/7K w - - 0 1	d5g8 f8g8 h6f7	1700	mateIn2 mate" >"$work/exercises.tsv"
export KESTRAVIN_EXERCISES=$work/exercises.tsv

shoot() { # window-line file
  local x y w h
  read -r _ x y w h <<<"$1"
  wait_screen_settles 30 "${w}x${h}+${x}+${y}" || echo "training-screenshots: note: $2 still changing"
  "$IMPORT" -window root "$work/screen.png"
  "$CONVERT" "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage -colors 256 -strip \
             -define png:compression-level=9 "$OUT/$2"
  echo "training-screenshots: $OUT/$2 (${w}x${h})"
}

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
