#!/usr/bin/env bash
# Every user-visible text of the program's sources has its English
# translation: lupdate reads the sources into a copy of the committed
# translation file, and no entry may be left unfinished (a new text nobody
# translated) or missing from the committed file.
#   check-translations.sh LUPDATE SOURCE_ROOT
# To bring the committed file up to date: scripts/update-translations.sh.
set -euo pipefail
lupdate=$1
root=$2
ts=$root/resources/translations/kestravin_en.ts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/kestravin_en.ts"
"$lupdate" -silent -no-obsolete -locations none -source-language pt_BR -target-language en \
  "$root/app" "$root/board" "$root/enginehelp" -ts "$work/kestravin_en.ts"
unfinished=$(grep -c 'type="unfinished"' "$work/kestravin_en.ts" || true)
if ((unfinished > 0)); then
  echo "$unfinished text(s) without an English translation:"
  grep -B2 'type="unfinished"' "$work/kestravin_en.ts" | grep '<source>' | sed 's/^ */  /'
  exit 1
fi
if ! diff -q <(grep -c '<message' "$ts") <(grep -c '<message' "$work/kestravin_en.ts") >/dev/null; then
  echo "the committed translation file lists other texts than the sources; run scripts/update-translations.sh"
  exit 1
fi
echo "every text has its English translation ($(grep -c '<message' "$ts") texts)"
