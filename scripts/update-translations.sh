#!/usr/bin/env bash
# Refreshes the translators' sources resources/translations/Ln_XX.ts from the
# code and the forms. English needs no file here: the build makes Ln_En from
# the code itself, so it is always complete. scripts/check-translations.sh
# then checks the files.
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=/usr/lib/qt6/bin/lupdate
[ -x "$LUPDATE" ] || LUPDATE=lupdate
shopt -s nullglob
for ts in resources/translations/Ln_*.ts; do
  "$LUPDATE" -silent -no-obsolete -locations none src resources/forms -ts "$ts"
done
