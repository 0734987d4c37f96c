#!/usr/bin/env bash
# Every translation is complete: lupdate, run over the sources into a copy of each .ts file,
# changes nothing (no text of the sources is missing from it, none is left over), and no
# message in it is unfinished.
#
#   translations_complete_test.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1 source=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
for ts in "$source"/translations/*.ts; do
  copy="$scratch/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -no-obsolete -locations none "$source/app" "$source/startup" -ts "$copy"
  if ! diff -u "$ts" "$copy" >"$scratch/diff"; then
    echo "FAIL: $(basename "$ts") is not what lupdate makes of the sources (cmake --build build --target update_translations):"
    cat "$scratch/diff"
    failures=$((failures + 1))
  fi
  if grep -n 'type="unfinished"' "$copy"; then
    echo "FAIL: $(basename "$ts") has unfinished messages (above)"
    failures=$((failures + 1))
  fi
done
((failures == 0)) && echo "every translation is complete"
