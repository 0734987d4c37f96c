#!/usr/bin/env bash
# ./quarnel --device refuses, before it sets up or builds anything, each path that is not a
# terminal device: one line on stderr naming the path, exit status 1.
set -uo pipefail
launcher="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
touch "$scratch/file"
mkfifo "$scratch/fifo"
mkdir "$scratch/folder"

failed=0
for path in "$scratch/missing" "$scratch/file" "$scratch/fifo" "$scratch/folder" /dev/null; do
  err=$("$launcher" --device "$path" 2>&1 >/dev/null </dev/null)
  status=$?
  lines=$(printf '%s\n' "$err" | wc -l)
  if [[ $status -ne 1 || $lines -ne 1 || "$err" != *"$path"* ]]; then
    echo "FAIL $path: status $status, stderr: $err"
    failed=$((failed + 1))
  fi
done
echo "$((5 - failed)) passed, $failed failed"
[[ $failed -eq 0 ]]
