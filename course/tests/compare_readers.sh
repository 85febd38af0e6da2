#!/bin/bash
# usage: compare_readers.sh PYTHON read_lessons.py vek-course LESSONS.klx
# Both listings must succeed, hold lessons, and be the same.
set -u
py=$("$1" "$2" "$4") || { echo "read_lessons.py failed"; exit 1; }
lib=$("$3" list "$4") || { echo "vek-course list failed"; exit 1; }
if [ "$py" != "$lib" ]; then
  diff <(echo "$py") <(echo "$lib")
  exit 1
fi
# A cut file is refused by both, with a message and a failing exit code.
cut=$(mktemp)
trap 'rm -f "$cut"' EXIT
head -c 4000 "$4" > "$cut"
for reader in "$1 $2" "$3 list"; do
  if out=$($reader "$cut" 2>&1) || [ -z "$out" ]; then
    echo "$reader accepted a cut file"; exit 1
  fi
done
lessons=$(grep -c $'^[0-9.-]*\t.*questions' <<<"$py")
echo "$lessons lessons listed alike"
[ "$lessons" -gt 0 ]
