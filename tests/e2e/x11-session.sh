# Sourced by the end-to-end scripts: the environment for the program on the
# X server, and the helpers they share. Expects $out (the output folder) and
# sets $pid when the script starts the program.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/kestravin-runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
# The program's stored choices: a folder of this run, which a script may
# fill before starting the program; never the person's own settings.
export XDG_CONFIG_HOME="$out/config"
mkdir -p "$XDG_CONFIG_HOME"
# Its data (the autosaved game) likewise: every run starts without one.
export XDG_DATA_HOME="$out/data"
mkdir -p "$XDG_DATA_HOME"
IMPORT=/usr/bin/import; [ -x "$IMPORT" ] || IMPORT=import
TITLE="Kestravin 2005"

pid=""
cleanup() { if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; "$IMPORT" -window root "$out/failure.png" 2>/dev/null || true; exit 1; }
shot() { "$IMPORT" -window root "$out/$1" 2>/dev/null || echo "note: no screenshot $1"; }

# The visible windows titled like the program, one "id x y width height" a line.
windows() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$id $X $Y $WIDTH $HEIGHT"
  done
}
