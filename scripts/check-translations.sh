#!/usr/bin/env bash
# Checks the translators' files: every message translated, placeholders,
# bracketed tags, line breaks and accelerators kept, and (through lupdate on
# a copy) no source text of the code or forms missing from a file.
#   scripts/check-translations.sh                      every resources/translations/Ln_*.ts
#   scripts/check-translations.sh resources/translations/Ln_De.ts
#   scripts/check-translations.sh --no-lupdate FILE    the rules only
set -euo pipefail
args=()
for arg in "$@"; do
  case "$arg" in
    --*) args+=("$arg") ;;
    *) args+=("$(realpath -- "$arg")") ;;
  esac
done
cd "$(dirname "$0")/.."
exec python3 scripts/check-translations.py "${args[@]+"${args[@]}"}"
