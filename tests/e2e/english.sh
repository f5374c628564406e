#!/usr/bin/env bash
# Runs under on-xvfb.sh. Starts the program as a user whose system speaks
# English (LANG, LANGUAGE and LC_ALL en_US, fresh settings in which both
# sides are people) and checks that it speaks English: Alt+H opens the menu
# "&Help" (in Portuguese that letter opens nothing) whose last item opens the
# window "About Kestravin 2005", and Alt+C opens "&Chess". Then plays the
# fool's mate from the keyboard alone: Tab gives the board the focus, typed
# moves go through the entry "Move:", and the mate's message box appears.
#   english.sh <kestravin> <output folder>
set -euo pipefail
prog="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
source "$(dirname "$0")/x11-session.sh"

config=$(mktemp -d)
trap 'cleanup; rm -rf "$config"' EXIT
mkdir -p "$config/Kestravin"
printf '[Jogadores]\nComputadorBrancas=false\nComputadorPretas=false\n' >"$config/Kestravin/Kestravin 2005.conf"
export XDG_CONFIG_HOME="$config" LANG=en_US.UTF-8 LANGUAGE=en_US LC_ALL=en_US.UTF-8

# The visible windows named exactly $1.
named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
# Whether a new top-level window (a popup menu) is mapped beside the known ones.
popups() { xdotool search --onlyvisible --class "kestravin" 2>/dev/null | wc -l; }

"$prog" >"$out/program.log" 2>&1 &
pid=$!
start=$(wait_window_of_width 632 20) || fail "the start screen did not appear"
read -r sid sx sy _ _ <<<"$start"
sleep 0.5
shot start-screen.png
xdotool mousemove $(( sx + 168 + 60 )) $(( sy + 136 + 45 )) click 1
game=$(wait_window_of_width 792 20) || fail "New Game did not open the game window"
read -r gid gx gy _ gh <<<"$game"
sleep 0.5
timeout 5 xdotool windowfocus --sync "$gid" 2>/dev/null || true

# ---- The menus answer to their English letters ----
before=$(popups)
xdotool key alt+h
sleep 0.5
[ "$(popups)" -gt "$before" ] || fail "Alt+H opened no menu: no \"&Help\""
shot help-menu.png
xdotool key Up Return
about=""
for _ in $(seq 1 30); do
  about=$(named "About Kestravin 2005")
  [ -n "$about" ] && break
  sleep 0.1
done
[ -n "$about" ] || fail "Help's last item did not open \"About Kestravin 2005\""
[ -z "$(named "Sobre o Kestravin 2005")" ] || fail "the about box is titled in Portuguese"
echo "the about box is titled: $(xdotool getwindowname "$about")"
xdotool windowunmap "$about"
timeout 5 xdotool windowfocus --sync "$gid" 2>/dev/null || true
sleep 0.3
before=$(popups)
xdotool key alt+c
sleep 0.5
[ "$(popups)" -gt "$before" ] || fail "Alt+C opened no menu: no \"&Chess\""
shot chess-menu.png
# The first Escape closes the menu, the second leaves the menu bar.
xdotool key Escape
sleep 0.3
xdotool key Escape
sleep 0.3

# ---- The fool's mate from the keyboard ----
# Tab moves the focus round the list, the print button, the player boxes
# and the board. Whether the board holds it shows when a letter opens the
# entry over its lower edge.
cx=$gx
cy=$(( gy + gh - 546 ))
entry_area() { "$IMPORT" -window root -crop "300x26+$(( cx + 262 ))+$(( cy + 508 ))" +repage "$out/$1"; }
focused=""
for tabs in $(seq 1 12); do
  xdotool key Tab
  sleep 0.2
  entry_area entry-before.png
  xdotool type f
  sleep 0.3
  entry_area entry-after.png
  n=$(compare -metric AE "$out/entry-before.png" "$out/entry-after.png" null: 2>&1 || true)
  n=${n%% *}
  if [[ "$n" =~ ^[0-9]+$ ]] && [ "$n" -gt 300 ]; then
    focused=$tabs
    break
  fi
done
[ -n "$focused" ] || fail "Tab never gave the board the focus (no entry opened on a letter)"
echo "the board took the focus after $focused Tab(s)"
shot move-entry.png
first=1
for move in f3 e5 g4 Qh4; do
  # The entry holds the "f" that opened it.
  if [ -n "$first" ]; then xdotool type --delay 120 "${move:1}"; first=""; else xdotool type --delay 120 "$move"; fi
  sleep 0.3
  xdotool key Return
  sleep 0.6
done
box=""
for _ in $(seq 1 50); do
  box=$(windows | awk -v g="$gid" -v s="$sid" '$1 != g && $1 != s' | head -n 1)
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no mate message box after the typed fool's mate"
shot mate-message-box.png
read -r bid _ _ _ _ <<<"$box"
timeout 5 xdotool windowfocus --sync "$bid" 2>/dev/null || true
xdotool key Return
sleep 0.5
# The game window alone, for the documentation.
"$IMPORT" -window "$gid" "$out/english-window.png" 2>/dev/null || shot english-window.png
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""
echo "PASS: English menus and the typed fool's mate; screenshots in $out"
