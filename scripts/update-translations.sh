#!/usr/bin/env bash
# Brings resources/translations/kestravin_en.ts up to date with the
# sources' texts (new ones come in unfinished, vanished ones go); the
# English wording is then written in the file (or with Qt Linguist).
set -euo pipefail
cd "$(dirname "$0")/.."
/usr/lib/qt6/bin/lupdate -no-obsolete -locations none -source-language pt_BR -target-language en \
  app board enginehelp -ts resources/translations/kestravin_en.ts
