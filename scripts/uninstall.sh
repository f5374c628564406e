#!/usr/bin/env bash
# Removes an installed Kestravin 2005: every file that `cmake --install`
# listed in the build folder's install_manifest.txt (the program and its
# data in <prefix>/lib/kestravin, the link <prefix>/bin/kestravin,
# kestravin-uci, the desktop entry and the icon), then the program's own
# folders once they are empty.
#
#   scripts/uninstall.sh                  removes what the last install listed
#   scripts/uninstall.sh --prefix /usr    first lists anew what an install to
#                                         that prefix puts where, then removes it
#
# The manifest describes the last `cmake --install` of the build folder,
# whatever its prefix (the test suite's own staged install rewrites it too);
# --prefix makes the list match the installation you mean to remove.
# BUILD_DIR picks the build folder (default "build"). DESTDIR, when set, is
# put in front of every path, as for a staged install.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build}
DESTDIR=${DESTDIR:-}

prefix=""
while (($#)); do
  case $1 in
    --prefix) [ $# -ge 2 ] || { echo "uninstall: --prefix needs a folder" >&2; exit 2; }; prefix=$2; shift 2 ;;
    --prefix=*) prefix=${1#--prefix=}; shift ;;
    -h|--help) awk 'NR > 1 && /^#/ { sub(/^# ?/, ""); print; next } NR > 1 { exit }' "$0"; exit 0 ;;
    *) echo "uninstall: unknown argument: $1" >&2; exit 2 ;;
  esac
done

manifest=$BUILD/install_manifest.txt
if [ -n "$prefix" ]; then
  # An install into a scratch folder writes the manifest with the paths of
  # the prefix itself; the scratch copy is thrown away.
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  DESTDIR=$scratch cmake --install "$BUILD" --prefix "$prefix" >/dev/null
  # Run through sudo, the rewritten manifest goes back to the user who owns
  # the build, whose later installs (the test suite's too) rewrite it.
  if [ -n "${SUDO_UID:-}" ] && [ -f "$manifest" ]; then
    chown "$SUDO_UID:${SUDO_GID:-$SUDO_UID}" "$manifest"
  fi
fi
if [ ! -f "$manifest" ]; then
  echo "uninstall: $manifest not found; install first (cmake --install $BUILD --prefix <folder>)" >&2
  echo "           or name the prefix: scripts/uninstall.sh --prefix <folder>" >&2
  exit 1
fi

removed=0
folders=()
# The manifest's last line has no line end.
while IFS= read -r file || [ -n "$file" ]; do
  [ -n "$file" ] || continue
  case $file in
    /*) ;;
    *) echo "uninstall: skipping a path that is not absolute: $file" >&2; continue ;;
  esac
  target=$DESTDIR$file
  if [ -L "$target" ] || [ -f "$target" ]; then
    rm -f -- "$target"
    echo "removed $target"
    removed=$((removed + 1))
  elif [ -e "$target" ]; then
    echo "uninstall: not a file, left alone: $target" >&2
  fi
  folders+=("$(dirname -- "$target")")
done <"$manifest"

# The program's own folders (.../kestravin and the folders inside it) go
# when nothing else is left in them; shared folders such as bin or
# share/applications stay.
for folder in $(printf '%s\n' "${folders[@]}" | sort -ru); do
  while [[ $folder == */kestravin || $folder == */kestravin/* ]]; do
    rmdir -- "$folder" 2>/dev/null || break
    echo "removed $folder/"
    folder=$(dirname -- "$folder")
  done
done
echo "uninstall: $removed files removed"
