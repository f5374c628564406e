#!/usr/bin/env bash
# A build configured without any maintainer for its Debian package: it
# configures, and cpack stops with a message that names the setting, makes
# no package and never writes an address of the user at this host.
#   check-package-maintainer.sh <cmake> <cpack> <source folder> <scratch folder>
set -uo pipefail
cmake=$1
cpack=$2
source=$3
scratch=$4
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch"
# Only the configuration is needed: cpack refuses before it installs.
env -u DEBEMAIL -u DEBFULLNAME -u EMAIL "$cmake" -S "$source" -B "$scratch/build" -G Ninja \
  -DKESTRAVIN_PACKAGE_MAINTAINER= -DKESTRAVIN_CONTACT= >"$scratch/configure.log" 2>&1 ||
  { cat "$scratch/configure.log"; fail "the build did not configure without a maintainer"; }
grep -rq "root@\|@$(hostname)" "$scratch/build/CPackConfig.cmake" &&
  fail "the package configuration holds a made-up address: $(grep -h "root@\|@$(hostname)" "$scratch/build/CPackConfig.cmake")"

env -u DEBEMAIL -u DEBFULLNAME "$cpack" --config "$scratch/build/CPackConfig.cmake" -G DEB -B "$scratch/out" \
  >"$scratch/cpack.log" 2>&1 && { cat "$scratch/cpack.log"; fail "cpack made a package without a maintainer"; }
grep -q "KESTRAVIN_PACKAGE_MAINTAINER" "$scratch/cpack.log" ||
  { cat "$scratch/cpack.log"; fail "cpack's refusal does not name KESTRAVIN_PACKAGE_MAINTAINER"; }
compgen -G "$scratch/out/*.deb" >/dev/null && fail "a package was left in $scratch/out"
echo "PASS: no package without a maintainer"
