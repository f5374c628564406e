# Sourced by every script that drives the program or its parts on an X
# server (the end-to-end tests and the screenshot scripts): the environment
# for Qt on the X server, and the helpers they share. Expects $out (the
# output folder; failure pictures and shots go there) and sets $pid when the
# script starts the program.
#
# Where things stand on screen comes from the program itself: `load_geometry
# PROBE` asks the probe (Probe.cpp), which lays the program's windows out
# unseen and prints "NAME x y w h" lines; `geom`, `centre_of` and
# `square_centre` read them. Waits poll for what they wait for.
source "$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/runtime-dir.sh"
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
# A failure says why: what the screen showed, whether the program was still
# running (or how it ended), and the end of every log the script kept.
fail() {
  echo "FAIL: $*"
  "$IMPORT" -window root "$out/failure.png" 2>/dev/null || echo "(no screenshot of the failure: the display did not answer)"
  if [ -n "$pid" ]; then
    if kill -0 "$pid" 2>/dev/null; then
      echo "the program (process $pid) was still running"
    else
      local status=0
      wait "$pid" 2>/dev/null || status=$?
      if (( status > 128 )); then
        echo "the program had ended with status $status (signal $(kill -l $(( status - 128 )) 2>/dev/null))"
      else
        echo "the program had ended with status $status"
      fi
      pid=""
    fi
  fi
  local log
  for log in "$out"/*.log; do
    [ -f "$log" ] || continue
    echo "---- the end of $log:"
    tail -n 25 "$log"
  done
  exit 1
}
shot() { "$IMPORT" -window root "$out/$1" 2>/dev/null || echo "note: no screenshot $1"; }

# The visible windows titled like the program, one "id x y width height" a line.
windows() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$id $X $Y $WIDTH $HEIGHT"
  done
}

# The visible windows with exactly this title, one "id x y width height" a line.
windows_titled() { # title
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$id $X $Y $WIDTH $HEIGHT"
  done
}

# ---- Waiting ----

# Runs the command every tenth of a second until it succeeds; fails after
# the given seconds. The limits are generous (the machine may be loaded);
# the normal case returns as soon as the condition holds.
wait_until() { # seconds command...
  local deadline=$(( $(date +%s%N) / 1000000 + $1 * 1000 ))
  shift
  until "$@"; do
    (( $(date +%s%N) / 1000000 < deadline )) || return 1
    sleep 0.1
  done
}
# Whether the program this script started has ended: no window of it can
# appear any more, so the waits below give up at once (and fail() tells
# how it ended).
program_ended() { [ -n "${pid:-}" ] && ! kill -0 "$pid" 2>/dev/null; }
# Waits for a visible program window of the given width; prints its line.
wait_window_of_width() { # width seconds
  local line=""
  _window_of_width() { line=$(windows | awk -v w="$1" '$4 == w' | head -n 1); [ -n "$line" ] || program_ended; }
  wait_until "$2" _window_of_width "$1" && [ -n "$line" ] || return 1
  echo "$line"
}
# Waits for a visible window with the title (and the width, when given);
# prints its line.
wait_window_titled() { # title seconds [width]
  local line=""
  _window_titled() { line=$(windows_titled "$1" | awk -v w="$2" 'w == "" || $4 == w' | head -n 1); [ -n "$line" ] || program_ended; }
  wait_until "$2" _window_titled "$1" "${3:-}" && [ -n "$line" ] || return 1
  echo "$line"
}
# Waits until the window is gone.
wait_window_gone() { # id seconds
  _window_gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
  wait_until "$2" _window_gone "$1"
}

# A fingerprint of what the screen shows in an area (all of it by default).
screen_hash() { # [WxH+X+Y]
  if [ -n "${1:-}" ]; then
    "$IMPORT" -window root -crop "$1" +repage rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
  else
    "$IMPORT" -window root rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
  fi
}
# Waits until the area shows something other than the given fingerprint.
wait_screen_changes() { # hash seconds [area]
  _screen_changed() { [ "$(screen_hash "${2:-}")" != "$1" ]; }
  wait_until "$2" _screen_changed "$1" "${3:-}"
}
# Waits until two looks at the area a moment apart agree: painting, a
# sliding piece or a page load has come to rest.
wait_screen_settles() { # seconds [area]
  local previous=""
  _screen_still() {
    local now
    now=$(screen_hash "${1:-}")
    [ "$now" = "$previous" ] && return 0
    previous=$now
    sleep 0.2
    return 1
  }
  wait_until "$1" _screen_still "${2:-}"
}
# Waits until the file exists and is not empty.
wait_file() { # file seconds
  wait_until "$2" test -s "$1"
}

# ---- Where things stand, as the program lays them out ----

geometry=""
load_geometry() { # probe
  geometry=$("$1" geometry 2>/dev/null) || fail "the probe did not report the windows' geometry"
  [ -n "${out:-}" ] && printf '%s\n' "$geometry" >"$out/geometry.txt"
  return 0
}
# "x y w h" of a named part, relative to its window ("Form1.Label1"), or
# the window's own place on the screen ("Form1").
geom() { # name
  local line
  line=$(awk -v n="$1" '$1 == n { print $2, $3, $4, $5; exit }' <<<"$geometry")
  [ -n "$line" ] || fail "the probe reports no $1"
  echo "$line"
}
# The screen point at the centre of a part of the window at wx wy.
centre_of() { # name wx wy
  local x y w h
  read -r x y w h < <(geom "$1")
  echo $(( $2 + x + w / 2 )) $(( $3 + y + h / 2 ))
}
# The screen area of a part of the window at wx wy, as "WxH+X+Y".
area_of() { # name wx wy
  local x y w h
  read -r x y w h < <(geom "$1")
  echo "${w}x${h}+$(( $2 + x ))+$(( $3 + y ))"
}
# The screen point at the centre of a square (e2) of the game window at wx wy.
square_centre() { # square wx wy
  centre_of "Form2.square.$1" "$2" "$3"
}
# The width of a window as laid out, to tell the program's windows apart.
window_width() { # Form1 | Form2 | Form4
  local x y w h
  read -r x y w h < <(geom "$1")
  echo "$w"
}
window_height_of() { # Form1 | Form2 | Form4
  local x y w h
  read -r x y w h < <(geom "$1")
  echo "$h"
}

# ---- Acting like a person ----

# Waits for the start screen, chooses "Novo Jogo" and waits for the game
# window; sets gid, gx and gy to its window id and place.
open_game() {
  local start sx sy game
  start=$(wait_window_of_width "$(window_width Form1)" 60) || fail "the start screen did not appear"
  read -r _ sx sy _ _ <<<"$start"
  wait_screen_settles 30 || fail "the start screen never finished painting"
  xdotool mousemove $(centre_of Form1.Label1 "$sx" "$sy") click 1
  game=$(wait_window_of_width "$(window_width Form2)" 60) || fail "Novo Jogo did not open the game window"
  read -r gid gx gy _ _ <<<"$game"
  timeout 10 xdotool windowfocus --sync "$gid" 2>/dev/null || true
}

# Drags a piece of the game window at wx wy from one square to another with
# real pointer events, in small steps as a hand moves.
drag_piece() { # from to wx wy
  local x1 y1 x2 y2 i
  read -r x1 y1 < <(square_centre "$1" "$3" "$4")
  read -r x2 y2 < <(square_centre "$2" "$3" "$4")
  xdotool mousemove "$x1" "$y1"
  # The board must see the pointer over the square before the press.
  sleep 0.1
  xdotool mousedown 1
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $(( x1 + (x2 - x1) * i / 10 )) $(( y1 + (y2 - y1) * i / 10 ))
    sleep 0.03
  done
  xdotool mouseup 1
}
# Chooses an item of the game window at wx wy as a person does from the
# keyboard and pointer: Alt and the menu's underlined letter open the menu
# below its title, and a click takes the item once the menu shows.
menu_item() { # window-id menu item wx wy
  local letter tx ty tw th ix iy iw ih area before
  letter=$(awk -v n="Form2.menu.$2" '$1 == n { print $6; exit }' <<<"$geometry")
  [ -n "$letter" ] && [ "$letter" != "-" ] || fail "the probe reports no Alt letter for the menu $2"
  read -r tx ty tw th < <(geom "Form2.menu.$2")
  read -r ix iy iw ih < <(geom "Form2.item.$2.$3")
  ix=$(( $4 + tx + ix )) iy=$(( $5 + ty + th + iy ))
  area="${iw}x${ih}+${ix}+${iy}"
  # Above any other window (a side window may cover it), and focused.
  xdotool windowraise "$1"
  timeout 10 xdotool windowfocus --sync "$1" 2>/dev/null || true
  wait_screen_settles 30 "$area" || true
  before=$(screen_hash "$area")
  xdotool key "alt+$letter"
  wait_screen_changes "$before" 30 "$area" || fail "Alt+$letter did not open the menu $2"
  xdotool mousemove $(( ix + iw / 2 )) $(( iy + ih / 2 ))
  # The menu must see the pointer over the item before the click.
  sleep 0.1
  xdotool click 1
}
# The game window's move list, read through the clipboard: the line that
# is current after the keys (e.g. End, Up) is copied with Ctrl+C. Prints
# the clipboard; an unchanged clipboard means the copy has not arrived yet,
# so callers poll for the text they expect.
copy_list_line() { # probe window-id wx wy keys...
  local probe=$1 wid=$2 x y
  read -r x y _ _ < <(geom Form2.ListBox1)
  timeout 10 xdotool windowfocus --sync "$wid" 2>/dev/null || true
  # Into the list, on its first line.
  xdotool mousemove $(( $3 + x + 20 )) $(( $4 + y + 6 )) click 1
  shift 4
  [ $# -gt 0 ] && xdotool key "$@"
  xdotool key ctrl+c
  "$probe" clipboard 2>/dev/null || true
}
# A fingerprint of the game window's board with two squares blacked out.
board_hash_without() { # wx wy square square
  local bx by bw bh x y w h draw=()
  read -r bx by bw bh < <(geom Form2.ChessBoard1)
  for sq in "$3" "$4"; do
    read -r x y w h < <(geom "Form2.square.$sq")
    draw+=(-draw "rectangle $(( x - bx )),$(( y - by )) $(( x - bx + w - 1 )),$(( y - by + h - 1 ))")
  done
  "$IMPORT" -window root -crop "${bw}x${bh}+$(( $1 + bx ))+$(( $2 + by ))" +repage miff:- 2>/dev/null |
    convert - -fill black "${draw[@]}" rgb:- | md5sum | cut -d' ' -f1
}
# Plays White's move by drag and waits for the computer's answer, without
# touching the move list (choosing a line there takes the board back to
# it and stops the computer's thinking). White's move changes only its two
# squares; the answer changes others. Waits until the board is at rest.
play_against_computer() { # from to wx wy seconds
  local before target landed
  before=$(board_hash_without "$3" "$4" "$1" "$2")
  target=$(area_of "Form2.square.$2" "$3" "$4")
  landed=$(screen_hash "$target")
  drag_piece "$1" "$2" "$3" "$4"
  wait_screen_changes "$landed" 30 "$target" || return 1
  _answered() { [ "$(board_hash_without "$3" "$4" "$1" "$2")" != "$before" ]; }
  wait_until "$5" _answered "$@" || return 1
  wait_screen_settles 30 "$(area_of Form2.ChessBoard1 "$3" "$4")"
}
