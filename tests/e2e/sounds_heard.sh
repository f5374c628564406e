#!/usr/bin/env bash
# Runs under on-xvfb.sh. Listens to the program: a private PulseAudio server
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
#   sounds_heard.sh <kestravin> <probe> <output folder> <sound_check.py>
set -euo pipefail
prog=$(realpath "$1")
probe=$(realpath "$2")
out="$3"
analysis=$(realpath "$4")
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
load_geometry "$probe"
start_width=$(window_width Form1)
game_width=$(window_width Form2)
player_width=$(window_width Form4)

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
server_up() { pactl info >/dev/null 2>&1 || ! kill -0 "$server" 2>/dev/null; }
wait_until 30 server_up
pactl info >/dev/null 2>&1 || { tail -n 5 "$out/pulseaudio.log"; skip "the PulseAudio server does not start here"; }
pactl set-default-sink nullsink

# ---- The recording ----
# Started before the program and waited for: the first hover is heard too.
python3 "$analysis" record "$out/recording.wav" "$out/recording.ready" &
recorder=$!
recording_ready() { [ -e "$out/recording.ready" ] || ! kill -0 "$recorder" 2>/dev/null; }
wait_until 30 recording_ready
[ -e "$out/recording.ready" ] || fail "the recording did not start"

# ---- The start screen, fresh ----
(cd "$(dirname "$prog")" && exec "$prog") >"$out/program.log" 2>&1 &
pid=$!
start=$(wait_window_of_width "$start_width" 60) || fail "the start screen did not appear"
read -r _ sx sy _ _ <<<"$start"
wait_screen_settles 30 || fail "the start screen never finished painting"

# Off the captions, then onto each in turn. The pauses are the test's
# design, not waits: each hover stands half a second apart from the next,
# so each sound belongs to its hover.
captions=(Form1.Label1 Form1.Label2 Form1.Label3 Form1.Label1 Form1.Label2 Form1.Label3)
for caption in "${captions[@]}"; do
  xdotool mousemove $(( sx + 8 )) $(( sy + 8 ))
  sleep 0.5
  event hover
  xdotool mousemove $(centre_of "$caption" "$sx" "$sy")
  sleep 0.5
done
shot hover-last.png

# The click on "Novo Jogo" sounds and opens the game window.
xdotool mousemove $(centre_of Form1.Label1 "$sx" "$sy")
sleep 0.5   # apart from the hover sound, as above
event click
xdotool click 1
game=$(wait_window_of_width "$game_width" 60) || fail "Novo Jogo did not open the game window"
read -r gid gx gy _ _ <<<"$game"
wait_screen_settles 30 || fail "the game window never finished painting"

# ---- The media player: "Media Player" > "Abrir", then its ABRIR ----
menu_item "$gid" MediaPlayer1 Abrir3 "$gx" "$gy"
player=""
player_open() { player=$(program_windows | awk -v w="$player_width" '$4 == w' | head -n 1); [ -n "$player" ]; }
wait_until 30 player_open || fail "the media player window did not open"
read -r _ px py pw ph <<<"$player"
player_area="${pw}x${ph}+${px}+${py}"
wait_screen_settles 30 "$player_area" || fail "the media player never finished painting"
xdotool mousemove $(centre_of Form4.Label1 "$px" "$py") click 1
dialog=""
dialog_open() {
  dialog=$(program_windows | awk -v s="$start_width" -v g="$game_width" -v p="$player_width" \
           '$4 != s && $4 != g && $4 != p { print $1 }' | head -n 1)
  [ -n "$dialog" ]
}
wait_until 30 dialog_open || fail "ABRIR did not open the file dialog"
wait_screen_settles 30 || fail "the file dialog never finished painting"
shot open-dialog.png
timeout 10 xdotool windowfocus --sync "$dialog" 2>/dev/null || true
# Opened, the music enables the player's buttons.
buttons=$(screen_hash "$player_area")
xdotool type --delay 5 "$(cd "$(dirname "$prog")" && pwd)/MUSICAS/Abertura.wav"
xdotool key Return
wait_window_gone "$dialog" 30 || fail "the file dialog did not close"
wait_screen_changes "$buttons" 30 "$player_area" || fail "the music did not open"
shot media-player.png
# Each press of a button changes which buttons are enabled; it is waited
# for, then the music plays (or rests) for a set time for the recording.
press() { # button event seconds
  local before
  before=$(screen_hash "$player_area")
  event "$2"
  xdotool mousemove $(centre_of "Form4.$1" "$px" "$py") click 1
  wait_screen_changes "$before" 30 "$player_area" || fail "$1 changed nothing"
  sleep "$3"
}
press PlayButton play 3
press PauseButton pause 1.5
# Resumed, the player starts again as from play; on a busy machine that
# takes a while, so the recording goes on longer.
press PauseButton resume 4
event end
shot media-player-playing.png

kill "$recorder"
wait "$recorder" || fail "the recording failed"
recorder=""
python3 "$analysis" check "$out/recording.wav" "$out/events.txt" \
  "$(dirname "$prog")/MUSICAS/Abertura.wav" || fail "the program was not heard as it should be"
echo "PASS: every hover and the click heard in time; the music starts at its beginning"
