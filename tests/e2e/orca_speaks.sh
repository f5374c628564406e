#!/usr/bin/env bash
# Runs under on-xvfb.sh. Listens to the program as a blind player does:
# Debian's screen reader Orca runs against it on an accessibility bus of the
# test's own (at-spi2-core in a private D-Bus session), its speech goes
# through speech-dispatcher and espeak-ng to a private PulseAudio server
# with a null sink, and its debug output records every utterance. Two moves
# are dragged on the board (both sides people) and both must be spoken:
# "Brancas: peão e2 para e4", "Pretas: cavalo g8 para f6" (or in English,
# "White: pawn e2 to e4", "Black: knight g8 to f6", on an English system). Exits 77 (skipped) with the reason
# where Orca cannot run.
#   orca_speaks.sh <kestravin> <probe> <output folder>
set -euo pipefail
prog=$(realpath "$1")
probe=$(realpath "$2")
out="$3"

skip() { echo "SKIP: $*"; exit 77; }
for tool in orca dbus-run-session speech-dispatcher espeak-ng pulseaudio pactl; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (packages orca at-spi2-core dbus speech-dispatcher espeak-ng pulseaudio pulseaudio-utils)"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "no accessibility bus (package at-spi2-core)"
# Orca's own interpreter (its first line), which may not be the first
# python3 on the PATH.
orca_python=$(head -n 1 "$(command -v orca)" | sed -n 's/^#! *//p')
${orca_python:-python3} -c 'import pyatspi' 2>/dev/null ||
  skip "Orca's Python cannot reach AT-SPI (package python3-pyatspi)"

# A D-Bus session of this run alone: the accessibility bus is started in
# it on demand, and ends with it.
if [ -z "${KESTRAVIN_ORCA_SESSION:-}" ]; then
  rm -rf "$out"
  mkdir -p "$out"
  exec dbus-run-session -- env KESTRAVIN_ORCA_SESSION=1 bash "$0" "$@"
fi

# One private runtime folder for the sound server, the speech server and
# the program; a private home for Orca's and speech-dispatcher's settings.
XDG_RUNTIME_DIR=$(mktemp -d /tmp/kestravin-orca.XXXXXX)
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
source "$(dirname "$0")/x11-session.sh"
export HOME="$XDG_RUNTIME_DIR/home"
mkdir -p "$HOME"
load_geometry "$probe"
start_width=$(window_width Form1)
game_width=$(window_width Form2)

server=""
speechd=""
orca=""
stop_all() {
  cleanup
  local p
  for p in "$orca" "$speechd" "$server"; do
    [ -n "$p" ] && { kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; }
  done
  rm -rf "$XDG_RUNTIME_DIR"
}
trap stop_all EXIT

# ---- Sound: a private PulseAudio server with a null sink ----
HOME="$XDG_RUNTIME_DIR" pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false \
  --disallow-exit --use-pid-file=false \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/native" \
  --load="module-null-sink sink_name=nullsink norewinds=1" >"$out/pulseaudio.log" 2>&1 &
server=$!
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/native"
server_up() { pactl info >/dev/null 2>&1 || ! kill -0 "$server" 2>/dev/null; }
wait_until 30 server_up
pactl info >/dev/null 2>&1 || { tail -n 5 "$out/pulseaudio.log"; skip "the PulseAudio server does not start here"; }
pactl set-default-sink nullsink

# ---- Speech: speech-dispatcher with espeak-ng, into that sink ----
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
LogLevel 4
LogDir "$out/speechd"
AudioOutputMethod "pulse"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "pt"
CONF
mkdir -p "$out/speechd"
export SPEECHD_ADDRESS="unix_socket:$XDG_RUNTIME_DIR/speechd.sock"
speech-dispatcher -s -t 0 -c unix_socket -S "$XDG_RUNTIME_DIR/speechd.sock" \
  -C "$XDG_CONFIG_HOME/speech-dispatcher" >"$out/speech-dispatcher.log" 2>&1 &
speechd=$!
wait_until 30 test -S "$XDG_RUNTIME_DIR/speechd.sock" || skip "speech-dispatcher does not start here"

# ---- Orca, recording what it says ----
# Started as /usr/bin/orca starts itself, with its debug log written line
# by line (it is block-buffered otherwise, and what was said shows only
# when Orca ends). Never with --replace, which would end every other Orca
# of this user.
${orca_python:-python3} -c '
import builtins, runpy, sys
log, program = sys.argv[1], sys.argv[2]
plain_open = builtins.open
def line_buffered(file, mode="r", buffering=-1, *rest, **named):
    return plain_open(file, mode, 1 if file == log else buffering, *rest, **named)
builtins.open = line_buffered
sys.argv = [program, "--debug-file=" + log]
runpy.run_path(program, run_name="__main__")
' "$out/orca-debug.txt" "$(command -v orca)" >"$out/orca.log" 2>&1 &
orca=$!
orca_ready() { grep -q "SPEECH OUTPUT" "$out/orca-debug.txt" 2>/dev/null || ! kill -0 "$orca" 2>/dev/null; }
wait_until 60 orca_ready || true
kill -0 "$orca" 2>/dev/null || { tail -n 20 "$out/orca.log"; skip "Orca ended at its start (another Orca of this user running?)"; }
grep -q "SPEECH OUTPUT" "$out/orca-debug.txt" 2>/dev/null || { tail -n 20 "$out/orca.log"; skip "Orca says nothing at its start (no speech here)"; }

# ---- The program, both sides people ----
mkdir -p "$XDG_CONFIG_HOME/Kestravin"
printf '[Jogadores]\nComputadorBrancas=false\nComputadorPretas=false\n' >"$XDG_CONFIG_HOME/Kestravin/Kestravin 2005.conf"
"$prog" >"$out/program.log" 2>&1 &
pid=$!
start=$(wait_window_of_width "$start_width" 60) || fail "the start screen did not appear"
read -r sid sx sy _ _ <<<"$start"
wait_screen_settles 30 || true
xdotool mousemove $(centre_of Form1.Label1 "$sx" "$sy")
sleep 0.3
xdotool click 1
game=$(wait_window_of_width "$game_width" 60) || fail "Novo Jogo did not open the game window"
read -r gid gx gy _ _ <<<"$game"
timeout 10 xdotool windowfocus --sync "$gid" 2>/dev/null || true
wait_screen_settles 30 || true

spoken() { grep -a "SPEECH OUTPUT" "$out/orca-debug.txt" | grep -q -i "$@"; }
# In the interface's language: Portuguese, or English on an English system.
drag_piece e2 e4 "$gx" "$gy"
wait_until 30 spoken -e "peão e2 para e4" -e "pawn e2 to e4" || fail "Orca did not speak White's move \"peão e2 para e4\""
drag_piece g8 f6 "$gx" "$gy"
wait_until 30 spoken -e "cavalo g8 para f6" -e "knight g8 to f6" ||
  fail "Orca did not speak Black's move \"cavalo g8 para f6\""
echo "Orca said:"
grep -a "SPEECH OUTPUT" "$out/orca-debug.txt" | sed 's/^/  /'
echo "PASS: the moves reached the screen reader and were spoken; Orca's log in $out"
