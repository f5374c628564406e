#!/usr/bin/env bash
# Runs under on-xvfb.sh. A game on a five-second clock, with the end-of-game
# notices on (both read from the settings file as a person left them): 1. e4
# is dragged on the board, the computer answers, and the person waits. The
# clocks start after Black's first move, so White's five seconds run out:
# the window says so in a notice, and the autosave keeps the finished game
# with 0-1 and the termination "time forfeit".
#   time_forfeit.sh <kestravin> <probe> <output folder>
set -euo pipefail
prog="$1"
probe="$2"
out="$3"
rm -rf "$out"
mkdir -p "$out"
source "$(dirname "$0")/x11-session.sh"
command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed"; exit 77; }
autosave="$XDG_DATA_HOME/kestravin/autosave.pgn"
load_geometry "$probe"

mkdir -p "$XDG_CONFIG_HOME/Kestravin"
cat >"$XDG_CONFIG_HOME/Kestravin/Kestravin 2005.conf" <<'CONF'
[Partida]
ControleDeTempo=5
[Opcoes]
AvisarFim=true
CONF

"$prog" >"$out/program.log" 2>&1 &
pid=$!
open_game
wait_screen_settles 30 || true
shot clocks-at-start.png

# White's clock starts only after the computer's answer, so the end comes
# at least five seconds after the move was dragged.
dragged=$(date +%s%N)
play_against_computer e2 e4 "$gx" "$gy" 60 || fail "the computer did not answer 1. e4"
shot clocks-running.png

# The notice is a window of its own, neither the start screen nor the game.
notice=""
_notice_shown() {
  notice=$(windows | awk -v a="$(window_width Form1)" -v b="$(window_width Form2)" '$4 != a && $4 != b' | head -n 1)
  [ -n "$notice" ] || program_ended
}
wait_until 30 _notice_shown && [ -n "$notice" ] || fail "no notice of the end of the game"
waited=$(( ($(date +%s%N) - dragged) / 1000000 ))
echo "the notice came $waited ms after 1. e4 was dragged"
(( waited >= 5000 )) || fail "the game ended only $waited ms after 1. e4: White had five seconds"
sleep 0.5
shot lost-on-time.png

wait_until 10 grep -q '^\[Result "0-1"\]' "$autosave" ||
  fail "the autosave does not say 0-1: $(cat "$autosave" 2>/dev/null)"
grep -q '^\[Termination "time forfeit"\]' "$autosave" ||
  fail "the autosave does not say time forfeit: $(cat "$autosave")"
grep -q '^\[TimeControl "5"\]' "$autosave" || fail "the autosave has no TimeControl: $(cat "$autosave")"
grep -q '%clk 0:00:05' "$autosave" || fail "the autosave's moves carry no clock: $(cat "$autosave")"
cp "$autosave" "$out/autosave.pgn"
# Closing the notice leaves the game window with the ended game.
notice_id=${notice%% *}
timeout 10 xdotool windowfocus --sync "$notice_id" 2>/dev/null || true
xdotool key Return
wait_window_gone "$notice_id" 20 || fail "the notice did not close"
sleep 0.5
shot game-lost-on-time.png
echo "PASS: White lost on time; the autosave says 0-1, time forfeit; screenshots in $out"
