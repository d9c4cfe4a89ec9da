#!/usr/bin/env bash
# Fails when the main window grows back into the place where everything lives: its files
# wire the units together and stay within a fixed budget of lines.
set -euo pipefail
cd "$(dirname "$0")/.."
budget=1200
total=$(cat src/app/Tfm_main*.h src/app/Tfm_main*.cpp | wc -l)
if ((total > budget)); then
  echo "main window: $total lines in src/app/Tfm_main*, more than $budget;" \
    "move the logic into the unit it belongs to" >&2
  exit 1
fi
echo "main window: $total lines (budget $budget)"
