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
OUT=docs/screenshots
IMPORT=/usr/bin/import
CONVERT=/usr/bin/convert

if [ "${1:-}" != "--on-virtual-screen" ] && [ "${1:-}" != "--scaled" ]; then
  scripts/setup.sh
  if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$BUILD" --target kestravin --parallel "$(nproc)"
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --on-virtual-screen
  # A screen large enough for the game window at twice its size.
  for scale in 1 1.5 2; do
    xvfb-run -a -s "-screen 0 1800x1400x24" bash "$0" --scaled "$scale"
  done
  exit 0
fi

# ---------------------------------------------------------------------------
# From here on the script runs on the virtual screen.

prog=$BUILD/app/kestravin
mkdir -p "$OUT"
work=$(mktemp -d)
# A private runtime folder; the browser engine runs without its sandbox,
# which it cannot set up as root or in a container.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# A first run: none of the person's stored choices.
export XDG_CONFIG_HOME=$work/config
export XDG_DATA_HOME=$work/data
export QTWEBENGINE_DISABLE_SANDBOX=1
export QT_QPA_PLATFORM=xcb

pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "screenshots: $*" >&2
  local shot=${TMPDIR:-/tmp}/kestravin-screenshot-failure.png
  "$IMPORT" -window root "$shot" 2>/dev/null && echo "screenshots: the screen at that moment: $shot" >&2
  exit 1
}

# The visible windows with exactly this title, one "id x y width height" a line.
windows_titled() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$id $X $Y $WIDTH $HEIGHT"
  done
}
# Waits for a visible window with the title (and the width, when given);
# prints its line.
wait_window() { # title [width]
  local line
  for _ in $(seq 1 200); do
    line=$(windows_titled "$1" | awk -v w="${2:-}" 'w == "" || $4 == w' | head -n 1)
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}
# Saves the screen area of a window line ("id x y width height") as a PNG.
shoot() { # window-line file
  local x y w h
  read -r _ x y w h <<<"$1"
  "$IMPORT" -window root "$work/screen.png"
  # 256 colours keep the files small; the pictures of the start screen and
  # the about box are the only ones with more, and they stay faithful.
  "$CONVERT" "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage -colors 256 -strip \
             -define png:compression-level=9 "$OUT/$2"
  echo "screenshots: $OUT/$2 (${w}x${h})"
}

# ---- The game window on a denser screen: the program at QT_SCALE_FACTOR ----
if [ "$1" = "--scaled" ]; then
  scale=$2
  # Logical pixels to the screen's pixels.
  px() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
  QT_SCALE_FACTOR=$scale "$prog" >"$work/program.log" 2>&1 &
  pid=$!
  start=$(wait_window "Kestravin 2005" "$(px 632)") || fail "the start screen did not appear at scale $scale"
  read -r _ sx sy _ _ <<<"$start"
  sleep 1
  xdotool mousemove $(( sx + $(px 228) )) $(( sy + $(px 181) )) click 1
  game=$(wait_window "Kestravin 2005" "$(px 792)") || fail "Novo Jogo did not open the game window at scale $scale"
  read -r _ gx gy _ gh <<<"$game"
  cx=$gx
  cy=$(( gy + gh - $(px 546) ))
  sleep 1
  # e2 to e4: the board at (248, 8), border 24, squares of 61.
  x1=$(( cx + $(px $(( 248 + 24 + 4 * 61 + 30 ))) ))
  y1=$(( cy + $(px $(( 8 + 24 + 6 * 61 + 30 ))) ))
  y2=$(( cy + $(px $(( 8 + 24 + 4 * 61 + 30 ))) ))
  xdotool mousemove "$x1" "$y1"
  sleep 0.2
  xdotool mousedown 1
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove "$x1" $(( y1 + (y2 - y1) * i / 10 ))
    sleep 0.05
  done
  sleep 0.2
  xdotool mouseup 1
  sleep 2
  xdotool mousemove $(( cx + $(px 140) )) $(( cy + $(px 300) ))
  sleep 0.5
  shoot "$game" "game-window-${scale}x.png"
  exit 0
fi

# ---- Start screen: "Novo Jogo" lit red under the pointer ----
"$prog" >"$work/program.log" 2>&1 &
pid=$!
start=$(wait_window "Kestravin 2005" 632) || fail "the start screen did not appear"
read -r _ sx sy _ _ <<<"$start"
sleep 1
# "Novo Jogo" stands at (168, 136) on the start screen.
xdotool mousemove $(( sx + 168 + 40 )) $(( sy + 136 + 50 ))
sleep 0.3
xdotool mousemove $(( sx + 168 + 60 )) $(( sy + 136 + 45 ))
sleep 0.8
shoot "$start" start-screen.png

# ---- Game window: a few moves against the computer ----
xdotool click 1
game=$(wait_window "Kestravin 2005" 792) || fail "Novo Jogo did not open the game window"
read -r gid gx gy _ gh <<<"$game"
menu_y=$(( gy + (gh - 546) / 2 ))   # the menu bar lies above the 792 x 546 client area
cx=$gx
cy=$(( gy + gh - 546 ))
sleep 1

# The board stands at (248, 8) in the client area, with a border of 24 and
# squares of 61 pixels, White at the bottom.
square_xy() { # square -> screen x y of its centre
  local file=$(( $(printf '%d' "'${1:0:1}") - 96 )) rank=${1:1:1}
  echo $(( cx + 248 + 24 + (file - 1) * 61 + 30 )) $(( cy + 8 + 24 + (8 - rank) * 61 + 30 ))
}
drag() { # from to
  local x1 y1 x2 y2 i
  read -r x1 y1 < <(square_xy "$1")
  read -r x2 y2 < <(square_xy "$2")
  xdotool mousemove "$x1" "$y1"
  sleep 0.2
  xdotool mousedown 1
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $(( x1 + (x2 - x1) * i / 10 )) $(( y1 + (y2 - y1) * i / 10 ))
    sleep 0.05
  done
  sleep 0.2
  xdotool mouseup 1
  # The computer (Black, "Super Fácil") answers and its piece slides.
  sleep 2
}
# Moves that stay legal whatever the computer answers, short of a check;
# the picture shows whether each was taken.
drag e2 e4
drag d2 d4
drag b1 c3
drag c1 e3
# The pointer off the board, so no square is hovered in the picture.
xdotool mousemove $(( cx + 140 )) $(( cy + 300 ))
sleep 0.5
shoot "$game" game-window.png

# Opens item `item` (counted from 1) of menu `menu` (counted from 0: Jogo,
# Partida, Online, Media Player, Opções, Ajuda) of the game window's menu
# bar: a click on "Jogo" opens its menu with no item chosen; each Right opens
# the next menu with its first item chosen, each Left the one before (from
# "Jogo" round to "Ajuda"). A negative menu counts Left presses: past
# "Opções", whose first item opens a submenu, Right would open that.
menu_item() { # menu item
  local i downs=$2 key=Right steps=$1
  if (( steps < 0 )); then key=Left; steps=$(( -steps )); fi
  xdotool windowraise "$gid"
  sleep 0.3
  xdotool mousemove $(( cx + 20 )) "$menu_y" click 1
  sleep 0.5
  for (( i = 0; i < steps; i++ )); do xdotool key "$key"; sleep 0.3; done
  if (( steps > 0 )); then downs=$(( downs - 1 )); fi
  for (( i = 0; i < downs; i++ )); do xdotool key Down; sleep 0.2; done
  xdotool key Return
}

# ---- Media player, with the music of its MUSICAS folder opened ----
menu_item 3 1
player=$(wait_window "Media Player") || fail "Media Player > Abrir did not open the player"
read -r _ px py _ _ <<<"$player"
sleep 0.5
# "ABRIR" (16, 24): the open dialog starts in the MUSICAS folder.
xdotool mousemove $(( px + 16 + 30 )) $(( py + 24 + 14 )) click 1
dialog=""
for _ in $(seq 1 100); do
  dialog=$(xdotool search --onlyvisible --class "kestravin" 2>/dev/null |
           while read -r id; do
             name=$(xdotool getwindowname "$id" 2>/dev/null || true)
             case $name in "Kestravin 2005"|"Media Player"|"") ;; *) echo "$id"; break ;; esac
           done)
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || fail "ABRIR did not open a file dialog"
sleep 1
timeout 5 xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool type --delay 30 "Abertura.wav"
sleep 0.3
xdotool key Return
sleep 1.5
xdotool mousemove $(( px + 200 )) $(( py + 20 ))
sleep 0.5
player=$(wait_window "Media Player") || fail "the player window went away"
shoot "$player" media-player.png

# ---- About box ----
menu_item -1 3
about=$(wait_window "Sobre o Kestravin 2005") || fail "Ajuda > Sobre did not open the about box"
sleep 1
shoot "$about" about-box.png

# ---- The menus Partida and Opções, and the mark of the side to move ----
menu_open() { # menu: opened from the menu bar, its first item chosen
  local i
  xdotool windowraise "$gid"
  sleep 0.3
  xdotool mousemove $(( cx + 20 )) "$menu_y" click 1
  sleep 0.5
  for (( i = 0; i < $1; i++ )); do xdotool key Right; sleep 0.3; done
  sleep 0.5
}
menu_close() { xdotool key Escape; sleep 0.2; xdotool key Escape; sleep 0.3; }
menu_open 1
shoot "$game" game-menu-partida.png
menu_close
menu_item 4 6   # Opções › Mostrar de quem é a vez
sleep 0.3
menu_item 4 7   # Opções › Acompanhar a lista
sleep 0.3
menu_open 4
shoot "$game" game-menu-opcoes.png
menu_close
xdotool mousemove $(( cx + 140 )) $(( cy + 300 ))
sleep 0.5
shoot "$game" game-window-turn-mark.png

# ---- Online play: the browser view; with no network, its error page ----
menu_item 2 1
online=$(wait_window "Jogo Online") || fail "Online > Jogar did not open the online window"
# The browser engine starts on first use and the page (or its error page)
# takes a while to appear.
sleep 12
shoot "$online" online-window.png

kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""
echo "screenshots: done"
