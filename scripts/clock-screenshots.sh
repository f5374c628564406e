#!/usr/bin/env bash
# Makes the README's pictures of a game on the clock with the real program
# on a virtual screen, driven by xdotool, into docs/screenshots/:
#   new-game-dialog.png  "Partida › Nova partida…" with a custom control
#   new-game-engine.png  the same with the installed engine chosen
#   new-game-levels.png  its list of the seven levels
#   game-clocks.png      a 3 + 2 game against the computer, a few moves in
#   lost-on-time.png     a five-second game lost on time, with its notice
# Usage: scripts/clock-screenshots.sh   (BUILD_DIR picks the build folder)
source "$(dirname "$0")/screenshot-prelude.sh" clock-screenshots "$@"
# A running clock may go on changing; it is pictured as it is.
SHOT_SETTLE=5

# ---- The dialog, over a custom control stored as a person left it ----
printf '[Partida]\nControleDeTempo=40/5400+30:1800+30\nControleDeTempoPretas=40/4500+30:1800+30\n' >"$settings"
start_game
menu_item "$gid" Partida1 NovaPartida1 "$gx" "$gy"
dialog=$(wait_window_titled "Nova partida" 30) || fail "Nova partida… did not open its dialog"
shoot "$dialog" new-game-dialog.png
xdotool key Escape
cleanup
pid=""

# ---- The levels and the installed engine, as a person left them ----
printf '[Partida]\nNivelDeIniciante=Aprendiz\nMotorInstalado=true\nProgramaDoMotor=/usr/games/stockfish\nForcaDoMotor=1800\n' >"$settings"
start_game
menu_item "$gid" Partida1 NovaPartida1 "$gx" "$gy"
dialog=$(wait_window_titled "Nova partida" 30) || fail "Nova partida… did not open its dialog"
shoot "$dialog" new-game-engine.png
# The list of levels opened from the keyboard, pictured with the dialog.
xdotool key alt+n
sleep 0.3
xdotool key alt+Down
sleep 1
read -r _ dx dy dw dh <<<"$dialog"
shoot "x $dx $dy $dw $dh" new-game-levels.png
xdotool key Escape Escape
cleanup
pid=""

# ---- A 3 + 2 game a few moves in ----
printf '[Partida]\nControleDeTempo=180+2\n' >"$settings"
start_game
for move in e2-e4 d2-d4 b1-c3; do
  sleep 2
  play_against_computer "${move%-*}" "${move#*-}" "$gx" "$gy" 120 || fail "no answer from the computer to $move"
done
sleep 3
xdotool mousemove 0 0
shoot "$game" game-clocks.png
cleanup
pid=""

# ---- Five seconds, lost on time, with the notice ----
rm -f "$XDG_DATA_HOME/kestravin/autosave.pgn"
printf '[Partida]\nControleDeTempo=5\n[Opcoes]\nAvisarFim=true\n' >"$settings"
start_game
play_against_computer e2 e4 "$gx" "$gy" 60 || fail "no answer from the computer to e4"
notice=""
_notice() { notice=$(windows | awk -v a="$(window_width Form1)" -v b="$(window_width Form2)" '$4 != a && $4 != b' | head -n 1); [ -n "$notice" ]; }
wait_until 30 _notice || fail "no notice of the flag"
xdotool mousemove 0 0
sleep 0.5
shoot "$game" lost-on-time.png
