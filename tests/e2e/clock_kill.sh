#!/usr/bin/env bash
# Runs under on-xvfb.sh. A timed game survives SIGKILL with its clocks: on a
# five-minute clock 1. e4 is played and answered, White's clock runs for a
# while, and the program is killed. Started again, the game comes back
# paused: the time while the program was not running and while it waits is
# not charged. "Partida › Continuar" lets White's clock run on from
# where it stood; a second kill a little later finds it within a second of
# the value at the first kill less the time it ran since.
#   clock_kill.sh <kestravin> <probe> <output folder>
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
printf '[Partida]\nControleDeTempo=300\n' >"$XDG_CONFIG_HOME/Kestravin/Kestravin 2005.conf"

# A clock tag of the autosave in milliseconds ("0:04:57.3" -> 297300).
clock_ms() { # tag
  local text
  text=$(sed -n "s/^\[$1 \"\\(.*\\)\"\]\$/\\1/p" "$autosave")
  [ -n "$text" ] || { echo -1; return; }
  awk -F'[:.]' '{ printf "%d\n", (($1 * 60 + $2) * 60 + $3) * 1000 + ($4 == "" ? 0 : $4 * 100) }' <<<"$text"
}

"$prog" >"$out/program-1.log" 2>&1 &
pid=$!
open_game
play_against_computer e2 e4 "$gx" "$gy" 60 || fail "the computer did not answer 1. e4"
sleep 3
kill -KILL "$pid"
killed=$(date +%s%N)
wait "$pid" 2>/dev/null || true
pid=""
cp "$autosave" "$out/autosave-at-kill.pgn"
white_at_kill=$(clock_ms WhiteClock)
black_at_kill=$(clock_ms BlackClock)
echo "at the kill: White $white_at_kill ms, Black $black_at_kill ms"
(( white_at_kill > 295000 && white_at_kill < 298500 )) || fail "White's clock at the kill reads $white_at_kill ms"
(( black_at_kill == 300000 )) || fail "Black's clock at the kill reads $black_at_kill ms"

sleep 2
"$prog" >"$out/program-2.log" 2>&1 &
pid=$!
open_game
sleep 3
shot restored-paused.png
menu_item "$gid" Partida1 Continuar1 "$gx" "$gy"
continued=$(date +%s%N)
sleep 2.5
kill -KILL "$pid"
ran=$(( ($(date +%s%N) - continued) / 1000000 ))
wait "$pid" 2>/dev/null || true
pid=""
cp "$autosave" "$out/autosave-second-kill.pgn"
white_now=$(clock_ms WhiteClock)
expected=$(( white_at_kill - ran ))
echo "after $(( (continued - killed) / 1000000 )) ms away and $ran ms running: White $white_now ms, expected about $expected"
(( white_now >= expected - 1000 && white_now <= expected + 1000 )) ||
  fail "White's clock came back as $white_now ms, not within a second of $expected"
[ "$(clock_ms BlackClock)" = "$black_at_kill" ] || fail "Black's clock changed to $(clock_ms BlackClock) ms"
echo "PASS: the clocks came back after SIGKILL, paused, and ran on from where they stood"
