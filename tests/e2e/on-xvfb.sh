#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb), as xvfb-run does, in a
# way that stays sound when CTest runs several of these at once:
#   - Xvfb picks a free display itself (-displayfd) and names it only once
#     it accepts connections, so no two servers can claim one display and
#     nothing starts before the display is ready;
#   - the server does not reset when its last client leaves (-noreset):
#     a reset drops every client that is still connecting, so a program
#     started right after the previous one ended could fail to open the
#     display;
#   - the command gets folders of its own for runtime files, settings,
#     data and caches, which parallel runs never share.
# When the command fails, the X server's state and log are printed with
# its output, so that a failure says why. The command's status is passed
# on (77 stays a skip).
#   on-xvfb.sh [-s "Xvfb arguments"] command [arguments...]
set -uo pipefail
server_args="-screen 0 1280x1024x24"
if [ "${1:-}" = "-s" ]; then
  server_args=$2
  shift 2
fi
[ $# -gt 0 ] || { echo "usage: $0 [-s \"Xvfb arguments\"] command [arguments...]" >&2; exit 2; }
for tool in Xvfb xauth mcookie; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (packages xvfb xauth util-linux)"; exit 77; }
done

session=$(mktemp -d "${TMPDIR:-/tmp}/kestravin-x11.XXXXXX") || exit 1
chmod 700 "$session"
xvfb=""
stop_server() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null
    # Waited for, so that its display is free again when this run ends.
    wait "$xvfb" 2>/dev/null
    xvfb=""
  fi
  rm -rf "$session"
}
trap stop_server EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

# The server reads its cookie at start; the client's entry names the
# display once it is known.
cookie=$(mcookie)
export XAUTHORITY="$session/Xauthority"
touch "$XAUTHORITY"
xauth -q add :0 . "$cookie"

# Xvfb writes the display's number into the pipe when it is ready, or
# closes the pipe unwritten when it cannot start.
mkfifo "$session/display"
# shellcheck disable=SC2086 # the server arguments are words by design
Xvfb -displayfd 3 -nolisten tcp -noreset -auth "$XAUTHORITY" $server_args \
  3>"$session/display" >"$session/xvfb.log" 2>&1 &
xvfb=$!
number=""
read -r -t 60 number <"$session/display"
if ! [[ "$number" =~ ^[0-9]+$ ]]; then
  echo "FAIL: Xvfb did not start (Xvfb $server_args):"
  tail -n 20 "$session/xvfb.log"
  exit 1
fi
export DISPLAY=":$number"
xauth -q remove :0
xauth -q add "$DISPLAY" . "$cookie"

# Folders of this run alone. The tests' scripts may point some of them at
# their output folder; whatever they do not set still stays private.
export XDG_RUNTIME_DIR="$session/runtime"
export XDG_CONFIG_HOME="$session/config"
export XDG_DATA_HOME="$session/data"
export XDG_CACHE_HOME="$session/cache"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
# No sound server is started behind the test's back (as a user other than
# root, libpulse would start one per run in the private runtime folder and
# leave it running); a test that listens starts its own and names it.
printf 'autospawn = no\n' >"$session/pulse-client.conf"
export PULSE_CLIENTCONFIG="$session/pulse-client.conf"

"$@"
status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
  echo "---- the X server $DISPLAY (Xvfb $server_args) at the failure:"
  if kill -0 "$xvfb" 2>/dev/null; then
    echo "still running"
  else
    wait "$xvfb"
    echo "it had ended with status $?"
    xvfb=""
  fi
  # Without the lines of its search for a free display.
  grep -v -e 'SocketCreateListener() failed' -e 'server already running' "$session/xvfb.log" |
    tail -n 20 | sed 's/^/xvfb: /'
fi
exit "$status"
