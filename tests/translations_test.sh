#!/usr/bin/env bash
# Every shipped language is complete: lrelease finds no unfinished or untranslated message,
# and the .ts files, language files and desktop texts are those the sources and the tables
# give (scripts/update-translations.py --check).
# Usage: translations_test.sh SOURCE_DIR LRELEASE
set -uo pipefail
src=$1
lrelease=$2
status=0
qm=$(mktemp)
trap 'rm -f "$qm"' EXIT
for ts in "$src"/translations/videoconverter_*.ts; do
  out=$("$lrelease" "$ts" -qm "$qm" 2>&1)
  if ! grep -q ' 0 unfinished)' <<<"$out" || grep -qi 'untranslated' <<<"$out"; then
    echo "$(basename "$ts"): $out"
    status=1
  fi
done
python3 "$src/scripts/update-translations.py" --check || status=1
exit $status
