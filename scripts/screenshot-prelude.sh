# Sourced first by the scripts that make the README's pictures with the real
# program on a virtual screen, driven by xdotool:
#     source "$(dirname "$0")/screenshot-prelude.sh" NAME "$@"
# Run by hand, it builds the program and the probe (BUILD_DIR picks the
# build folder, default "build") and runs the calling script again, with
# the same arguments, on an Xvfb screen of its own; the script ends there.
# On that screen it gives the script:
#   BUILD OUT CONVERT  the build folder, docs/screenshots, ImageMagick
#   prog probe         the program and the probe of the windows' places
#   work               a folder of this run, removed at the end
#   out                where a picture and the log of a failure are left
#   settings           the program's settings file, in a folder of this run
#                      (none of the person's), which a script may fill
#                      before it starts the program
#   a data folder of this run (no autosave is read or left behind), the
#   helpers of tests/e2e/x11-session.sh with the windows' places loaded,
#   and the two below:
#   start_game         starts the program, chooses "Novo Jogo" and waits
#                      for the game window: its line in $game, and gid gx
#                      gy gw gh
#   shoot LINE FILE    saves a window line's screen area as OUT/FILE once
#                      it has come to rest: SHOT_SETTLE seconds (default
#                      30), then it is pictured as it is, or with
#                      SHOT_MUST_SETTLE=1 the script fails.
set -euo pipefail
shots_name=$1
shift
shots_script="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
cd "$(dirname "${BASH_SOURCE[0]}")/.."
BUILD=${BUILD_DIR:-build}
OUT=docs/screenshots
CONVERT=/usr/bin/convert

if [ -z "${KESTRAVIN_ON_VIRTUAL_SCREEN:-}" ]; then
  # The probe tells where the program's windows put their parts.
  cmake --build "$BUILD" --target kestravin kestravin_e2e_probe --parallel 2
  export KESTRAVIN_ON_VIRTUAL_SCREEN=1
  exec bash tests/e2e/on-xvfb.sh -s "-screen 0 1280x1024x24" bash "$shots_script" "$@"
fi

prog=$BUILD/app/kestravin
probe=$BUILD/tests/e2e/kestravin_e2e_probe
mkdir -p "$OUT"
work=$(mktemp -d)
out=${TMPDIR:-/tmp}/kestravin-$shots_name
mkdir -p "$out"
# A private runtime folder; the browser engine runs without its sandbox,
# which it cannot set up as root or in a container.
export XDG_RUNTIME_DIR=$work/runtime
export QTWEBENGINE_DISABLE_SANDBOX=1
source tests/e2e/x11-session.sh
trap 'cleanup; cp "$work/program.log" "$out/" 2>/dev/null; rm -rf "$work"' EXIT
# Set after the session's own folders, which live on in $out between runs:
# every run starts as a first run.
export XDG_CONFIG_HOME=$work/config
export XDG_DATA_HOME=$work/data
mkdir -p "$XDG_CONFIG_HOME/Kestravin" "$XDG_DATA_HOME"
settings="$XDG_CONFIG_HOME/Kestravin/Kestravin 2005.conf"
load_geometry "$probe"

start_game() {
  "$prog" >"$work/program.log" 2>&1 &
  pid=$!
  open_game
  game=$(windows | awk -v id="$gid" '$1 == id')
  read -r gid gx gy gw gh <<<"$game"
  wait_screen_settles 30 || fail "the game window never finished painting"
}

shoot() { # window-line file
  local x y w h
  read -r _ x y w h <<<"$1"
  if ! wait_screen_settles "${SHOT_SETTLE:-30}" "${w}x${h}+${x}+${y}"; then
    [ -z "${SHOT_MUST_SETTLE:-}" ] || fail "the window for $2 never came to rest"
    echo "$shots_name: note: $2 still changing"
  fi
  "$IMPORT" -window root "$work/screen.png"
  # 256 colours keep the files small; the pictures of the start screen and
  # the about box are the only ones with more, and they stay faithful.
  "$CONVERT" "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage -colors 256 -strip \
             -define png:compression-level=9 "$OUT/$2"
  echo "$shots_name: $OUT/$2 (${w}x${h})"
}
