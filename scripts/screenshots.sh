#!/usr/bin/env bash
# Makes the README's screenshots with the real program on a virtual screen.
# Builds the program when needed, starts it under Xvfb (no window manager:
# every window stands where the program puts it), drives it with real
# pointer and key events from xdotool, and saves each window, cropped to
# its own area, as a PNG in docs/screenshots/:
#   start-screen.png   the start screen, "Novo Jogo" lit red under the pointer
#   game-window.png    a game against the computer, a few moves in
#   media-player.png   the music player with the shipped music opened
#   about-box.png      the about box
#   online-window.png  online play (without a network: the browser's error page)
#   game-window-1x.png, game-window-1.5x.png, game-window-2x.png
#                      the game window after 1.e4 on screens of 1, 1.5 and 2
#                      device pixels per logical pixel (QT_SCALE_FACTOR)
#   game-menu-partida.png  the game window with its menu "Partida" open
#   game-menu-opcoes.png   the menu "Opções", two switches on
#   game-window-turn-mark.png  the mark of the side to move, the list
#                      following the game
# Usage: scripts/screenshots.sh        (BUILD_DIR picks the build folder,
#                                       default "build")
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build}

if [ -z "${KESTRAVIN_ON_VIRTUAL_SCREEN:-}" ]; then
  scripts/setup.sh
  if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  # The probe tells where the program's windows put their parts.
  cmake --build "$BUILD" --target kestravin kestravin_e2e_probe --parallel "$(nproc)"
  export KESTRAVIN_ON_VIRTUAL_SCREEN=1
  bash tests/e2e/on-xvfb.sh -s "-screen 0 1280x1024x24" bash "$0"
  # A screen large enough for the game window at twice its size.
  for scale in 1 1.5 2; do
    bash tests/e2e/on-xvfb.sh -s "-screen 0 1800x1400x24" bash "$0" --scaled "$scale"
  done
  exit 0
fi

# ---------------------------------------------------------------------------
# From here on the script runs on the virtual screen, as a first run: none
# of the person's stored choices, no autosave read or left behind.
source scripts/screenshot-prelude.sh screenshots "$@"
SHOT_MUST_SETTLE=1

# ---- The game window on a denser screen: the program at QT_SCALE_FACTOR ----
if [ "${1:-}" = "--scaled" ]; then
  scale=$2
  # The probe's places are logical pixels; the screen's are these times scale.
  px() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
  QT_SCALE_FACTOR=$scale "$prog" >"$work/program.log" 2>&1 &
  pid=$!
  start=$(wait_window_titled "$TITLE" 60 "$(px "$(window_width Form1)")") || fail "the start screen did not appear at scale $scale"
  read -r _ sx sy _ _ <<<"$start"
  wait_screen_settles 30 || fail "the start screen never finished painting"
  read -r x y w h < <(geom Form1.Label1)
  xdotool mousemove $(( sx + $(px $(( x + w / 2 ))) )) $(( sy + $(px $(( y + h / 2 ))) )) click 1
  game=$(wait_window_titled "$TITLE" 60 "$(px "$(window_width Form2)")") || fail "Novo Jogo did not open the game window at scale $scale"
  read -r _ gx gy _ _ <<<"$game"
  wait_screen_settles 30 || fail "the game window never finished painting"
  read -r x1 y1 < <(square_centre e2 0 0)
  read -r x2 y2 < <(square_centre e4 0 0)
  x1=$(( gx + $(px "$x1") )); y1=$(( gy + $(px "$y1") )); y2=$(( gy + $(px "$y2") ))
  target="$(px 40)x$(px 40)+$(( x1 - $(px 20) ))+$(( y2 - $(px 20) ))"
  landed=$(screen_hash "$target")
  xdotool mousemove "$x1" "$y1"
  sleep 0.1   # the board must see the pointer over the square before the press
  xdotool mousedown 1
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove "$x1" $(( y1 + (y2 - y1) * i / 10 ))
    sleep 0.03
  done
  xdotool mouseup 1
  wait_screen_changes "$landed" 30 "$target" || fail "e2-e4 did not land at scale $scale"
  xdotool mousemove 0 0
  shoot "$game" "game-window-${scale}x.png"
  exit 0
fi

# ---- Start screen: "Novo Jogo" lit red under the pointer ----
"$prog" >"$work/program.log" 2>&1 &
pid=$!
start=$(wait_window_titled "$TITLE" 60 "$(window_width Form1)") || fail "the start screen did not appear"
read -r _ sx sy sw sh <<<"$start"
wait_screen_settles 30 "${sw}x${sh}+${sx}+${sy}" || fail "the start screen never finished painting"
before=$(screen_hash "${sw}x${sh}+${sx}+${sy}")
xdotool mousemove $(centre_of Form1.Label1 "$sx" "$sy")
wait_screen_changes "$before" 30 "${sw}x${sh}+${sx}+${sy}" || fail "Novo Jogo did not light up"
shoot "$start" start-screen.png

# ---- Game window: a few moves against the computer ----
xdotool click 1
game=$(wait_window_titled "$TITLE" 60 "$(window_width Form2)") || fail "Novo Jogo did not open the game window"
read -r gid gx gy gw gh <<<"$game"
game_area="${gw}x${gh}+${gx}+${gy}"
wait_screen_settles 30 || fail "the game window never finished painting"

# Moves that stay legal whatever the computer answers, short of a check;
# after each the computer (Black, "Super Fácil") answers.
for move in e2-e4 d2-d4 b1-c3 c1-e3; do
  play_against_computer "${move%-*}" "${move#*-}" "$gx" "$gy" 120 || fail "no answer from the computer to $move"
done
# The pointer off the board, so no square is hovered in the picture.
xdotool mousemove 0 0
shoot "$game" game-window.png

# ---- Media player, with the music of its MUSICAS folder opened ----
menu_item "$gid" MediaPlayer1 Abrir3 "$gx" "$gy"
player=$(wait_window_titled "Media Player" 60) || fail "Media Player > Abrir did not open the player"
read -r _ px py pw ph <<<"$player"
player_area="${pw}x${ph}+${px}+${py}"
wait_screen_settles 30 "$player_area" || fail "the player never finished painting"
# "ABRIR": the open dialog starts in the MUSICAS folder.
xdotool mousemove $(centre_of Form4.Label1 "$px" "$py") click 1
dialog=""
dialog_open() {
  dialog=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null |
           while read -r id; do
             name=$(xdotool getwindowname "$id" 2>/dev/null || true)
             case $name in "$TITLE"|"Media Player"|"") ;; *) echo "$id"; break ;; esac
           done)
  [ -n "$dialog" ]
}
wait_until 60 dialog_open || fail "ABRIR did not open a file dialog"
wait_screen_settles 30 || fail "the file dialog never finished painting"
timeout 10 xdotool windowfocus --sync "$dialog" 2>/dev/null || true
# Opened, the music enables the player's buttons.
buttons=$(screen_hash "$player_area")
xdotool type --delay 30 "Abertura.wav"
xdotool key Return
wait_window_gone "$dialog" 30 || fail "the file dialog did not close"
wait_screen_changes "$buttons" 30 "$player_area" || fail "the music did not open"
xdotool mousemove 0 0   # off the player, so no button is hovered
shoot "$player" media-player.png

# ---- About box ----
menu_item "$gid" Ajuda1 Sobre1 "$gx" "$gy"
about=$(wait_window_titled "Sobre o Kestravin 2005" 60) || fail "Ajuda > Sobre did not open the about box"
shoot "$about" about-box.png

# ---- The menus Partida and Opções, and the mark of the side to move ----
# A menu opened with its Alt letter, pictured over the window, then closed
# (Escape closes the menu, a second leaves the menu bar).
menu_shot() { # menu file
  local letter before
  letter=$(awk -v n="Form2.menu.$1" '$1 == n { print $6; exit }' <<<"$geometry")
  xdotool windowraise "$gid"
  timeout 10 xdotool windowfocus --sync "$gid" 2>/dev/null || true
  wait_screen_settles 30 "$game_area" || true
  before=$(screen_hash "$game_area")
  xdotool key "alt+$letter"
  wait_screen_changes "$before" 30 "$game_area" || fail "the menu $1 did not open"
  shoot "$game" "$2"
  xdotool key Escape Escape
}
menu_shot Partida1 game-menu-partida.png
menu_item "$gid" Opcoes1 MostrarVez1 "$gx" "$gy"
menu_item "$gid" Opcoes1 AcompanharLista1 "$gx" "$gy"
menu_shot Opcoes1 game-menu-opcoes.png
xdotool mousemove 0 0
xdotool windowraise "$gid"
shoot "$game" game-window-turn-mark.png

# ---- Online play: the browser view; with no network, its error page ----
menu_item "$gid" Online1 Jogar1 "$gx" "$gy"
online=$(wait_window_titled "Jogo Online" 60) || fail "Online > Jogar did not open the online window"
read -r _ ox oy ow oh <<<"$online"
# The browser engine starts on first use: the window is first empty, then
# the page (or its error page) is painted into it.
empty=$(screen_hash "${ow}x${oh}+${ox}+${oy}")
wait_screen_changes "$empty" 90 "${ow}x${oh}+${ox}+${oy}" || fail "the online window stayed empty"
shoot "$online" online-window.png

kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""
echo "screenshots: done"
