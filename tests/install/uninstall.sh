#!/usr/bin/env bash
# Installs the build into a staging folder, checks that the install manifest
# lists the bin/kestravin link, and removes it all again with
# scripts/uninstall.sh: first straight from the manifest, then with --prefix
# after the manifest was rewritten by an install to another prefix. Nothing
# of the program may remain, while a foreign file in a shared folder stays.
#   uninstall.sh <source folder> <build folder> <staging folder>
set -euo pipefail
src=$1
build=$2
stage=$3
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$stage"
mkdir -p "$stage"
# Leftovers after an uninstall: every file or link under the staging root.
leftovers() { find "$1" \( -type f -o -type l \) | sort; }

check_removed() { # root prefix
  local root=$1 prefix=$2
  [ ! -e "$root$prefix/lib/kestravin" ] || fail "$prefix/lib/kestravin is still there"
  [ "$(leftovers "$root")" = "$root$prefix/bin/other-program" ] ||
    fail "left behind under $root: $(leftovers "$root" | tr '\n' ' ')"
}

# ---- Straight from the manifest ----
root=$stage/plain
mkdir -p "$root/usr/local/bin"
touch "$root/usr/local/bin/other-program"
DESTDIR=$root cmake --install "$build" --prefix /usr/local >/dev/null
manifest=$build/install_manifest.txt
grep -qx "/usr/local/bin/kestravin" "$manifest" || fail "the manifest does not list the bin/kestravin link"
grep -qx "/usr/local/lib/kestravin/kestravin" "$manifest" || fail "the manifest does not list the program"
[ -L "$root/usr/local/bin/kestravin" ] || fail "bin/kestravin was not installed as a link"
DESTDIR=$root BUILD_DIR=$build "$src/scripts/uninstall.sh" >/dev/null
check_removed "$root" /usr/local

# ---- With --prefix, after the manifest names another prefix ----
root=$stage/prefixed
mkdir -p "$root/opt/kv/bin"
touch "$root/opt/kv/bin/other-program"
DESTDIR=$root cmake --install "$build" --prefix /opt/kv >/dev/null
DESTDIR=$stage/elsewhere cmake --install "$build" --prefix /usr/local >/dev/null
grep -q "^/opt/kv/" "$manifest" && fail "the second install did not rewrite the manifest"
DESTDIR=$root BUILD_DIR=$build "$src/scripts/uninstall.sh" --prefix /opt/kv >/dev/null
check_removed "$root" /opt/kv
echo "PASS: installed and uninstalled in $stage"
