#!/usr/bin/env bash
# Runs under xvfb-run. Listens to the program: a private PulseAudio server
# with a null sink takes the program's sound, and its monitor is recorded
# from before the program starts. The script notes the time of every hover,
# of the click and of the media player's play button, and the analysis
# compares them with the recording:
#   - every hover over a start screen caption in a freshly started program
#     is heard within 150 ms, and so is the click on "Novo Jogo";
#   - the media player plays MUSICAS/Abertura.wav from its beginning: the
#     recording's loudness envelope lines up with the file's from its first
#     second; paused and resumed, it goes on where it stopped.
# Exits 77 (skipped) when no sound server can run here.
#   sounds_heard.sh <kestravin> <output folder> <sound_check.py>
set -euo pipefail
prog=$(realpath "$1")
out="$2"
analysis=$(realpath "$3")
rm -rf "$out"
mkdir -p "$out"

skip() { echo "SKIP: $*"; exit 77; }
for tool in pulseaudio pactl parec python3; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (packages pulseaudio pulseaudio-utils)"
done
[ -f "$(dirname "$prog")/MUSICAS/Abertura.wav" ] || skip "no MUSICAS/Abertura.wav beside the program"

# One private runtime folder for the sound server, its socket and the program.
XDG_RUNTIME_DIR=$(mktemp -d /tmp/kestravin-sound.XXXXXX)
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
source "$(dirname "$0")/x11-session.sh"

server=""
recorder=""
stop_all() {
  cleanup
  [ -n "$recorder" ] && { kill "$recorder" 2>/dev/null || true; wait "$recorder" 2>/dev/null || true; }
  [ -n "$server" ] && { kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; }
  rm -rf "$XDG_RUNTIME_DIR"
}
trap stop_all EXIT

now() { date +%s.%N; }
# All visible windows of the program, whatever their titles.
program_windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$id $X $Y $WIDTH $HEIGHT"
  done
}
event() { echo "$1 $(now)" >>"$out/events.txt"; }

# ---- The sound server ----
# Its cookie and state go to the runtime folder too, not the user's home.
HOME="$XDG_RUNTIME_DIR" pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false \
  --disallow-exit --use-pid-file=false \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/native" \
  --load="module-null-sink sink_name=nullsink norewinds=1" >"$out/pulseaudio.log" 2>&1 &
server=$!
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/native"
up=""
for _ in $(seq 1 50); do
  if pactl info >/dev/null 2>&1; then up=1; break; fi
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
[ -n "$up" ] || { tail -n 5 "$out/pulseaudio.log"; skip "the PulseAudio server does not start here"; }
pactl set-default-sink nullsink

# ---- The recording ----
# Started before the program and waited for: the first hover is heard too.
python3 "$analysis" record "$out/recording.wav" "$out/recording.ready" &
recorder=$!
for _ in $(seq 1 100); do
  [ -e "$out/recording.ready" ] && break
  kill -0 "$recorder" 2>/dev/null || break
  sleep 0.05
done
[ -e "$out/recording.ready" ] || fail "the recording did not start"

# ---- The start screen, fresh ----
(cd "$(dirname "$prog")" && exec "$prog") >"$out/program.log" 2>&1 &
pid=$!
start=""
for _ in $(seq 1 200); do
  start=$(windows | awk '$4 == 632' | head -n 1)
  [ -n "$start" ] && break
  sleep 0.1
done
[ -n "$start" ] || fail "the start screen did not appear"
read -r _ sx sy _ _ <<<"$start"
sleep 1

# Off the captions, then onto each in turn; each hover stands apart from
# the next, so each sound belongs to its hover.
captions=("168 136" "232 224" "264 328" "168 136" "232 224" "264 328")
for caption in "${captions[@]}"; do
  read -r lx ly <<<"$caption"
  xdotool mousemove $(( sx + 20 )) $(( sy + 20 ))
  sleep 0.5
  event hover
  xdotool mousemove $(( sx + lx + 40 )) $(( sy + ly + 40 ))
  sleep 0.5
done
shot hover-last.png

# The click on "Novo Jogo" sounds and opens the game window.
xdotool mousemove $(( sx + 168 + 40 )) $(( sy + 136 + 40 ))
sleep 0.5
event click
xdotool click 1
game=""
for _ in $(seq 1 200); do
  game=$(windows | awk '$4 == 792' | head -n 1)
  [ -n "$game" ] && break
  sleep 0.1
done
[ -n "$game" ] || fail "Novo Jogo did not open the game window"
read -r gid gx gy _ gh <<<"$game"
sleep 1

# ---- The media player: "Media Player" > "Abrir", then its ABRIR ----
timeout 5 xdotool windowfocus --sync "$gid" 2>/dev/null || true
# The menu bar's "Jogo", then Alt+M for "Media Player" and its "Abrir".
xdotool mousemove $(( gx + 20 )) $(( gy + (gh - 546) / 2 )) click 1
sleep 0.4
xdotool key Escape alt+m
sleep 0.3
xdotool key Return
player=""
for _ in $(seq 1 50); do
  player=$(program_windows | awk '$4 == 274' | head -n 1)
  [ -n "$player" ] && break
  sleep 0.1
done
[ -n "$player" ] || fail "the media player window did not open"
read -r _ px py _ _ <<<"$player"
sleep 0.5
xdotool mousemove $(( px + 16 + 30 )) $(( py + 24 + 14 )) click 1
dialog=""
for _ in $(seq 1 50); do
  dialog=$(program_windows | awk '$4 != 632 && $4 != 792 && $4 != 274 { print $1 }' | head -n 1)
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || fail "ABRIR did not open the file dialog"
sleep 0.5
shot open-dialog.png
timeout 5 xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool type --delay 5 "$(cd "$(dirname "$prog")" && pwd)/MUSICAS/Abertura.wav"
xdotool key Return
sleep 1.5
shot media-player.png
event play
xdotool mousemove $(( px + 16 + 14 )) $(( py + 80 + 14 )) click 1
sleep 3
event pause
xdotool mousemove $(( px + 16 + 28 + 14 )) $(( py + 80 + 14 )) click 1
sleep 1.5
event resume
xdotool click 1
sleep 2.5
event end
shot media-player-playing.png

kill "$recorder"
wait "$recorder" || fail "the recording failed"
recorder=""
python3 "$analysis" check "$out/recording.wav" "$out/events.txt" \
  "$(dirname "$prog")/MUSICAS/Abertura.wav" || fail "the program was not heard as it should be"
echo "PASS: every hover and the click heard in time; the music starts at its beginning"
