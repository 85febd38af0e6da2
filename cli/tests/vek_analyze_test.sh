#!/usr/bin/env bash
# vek-analyze end to end: report lines, JSON lines, tokenising and exit codes.
set -u
bin=$1
here=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
check() {  # name, expected, actual
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"; echo "--- expected"; printf '%s\n' "$2"; echo "--- got"; printf '%s\n' "$3"; fail=1
  fi
}
printf 'word\tpos\tdefinition\nnuqneH\texcl\thello\nQapla'"'"'\texcl\tsuccess\n' >"$tmp/lex.tsv"

check "report" "EXCL: nuqneH: hello
X: foo: *** not found ***
EXCL: Qapla': success (1 errors 0.91)" "$("$bin" --lexicon "$tmp/lex.tsv" nuqneH foo "QAPLA'!")"

printf 'nuqneH  Qapla'"'"',\n\n' | "$bin" --lexicon "$tmp/lex.tsv" --file - >"$tmp/out"
check "file tokenising" "$(printf 'EXCL: nuqneH: hello\n\nEXCL: Qapla'"'"': success (1 errors 0.91)\n\n\nx')" "$(cat "$tmp/out"; echo x)"
[ "$(wc -l <"$tmp/out")" = 5 ] || { echo "FAIL: line count $(wc -l <"$tmp/out")"; fail=1; }

# Unicode pIqaD: nuqneH and Qapla' with a pIqaD full stop, as words and as a file.
nuqneh=$(printf '\xef\xa3\x9b\xef\xa3\xa5\xef\xa3\x9f\xef\xa3\x9b\xef\xa3\x94\xef\xa3\x96')
qapla=$(printf '\xef\xa3\xa0\xef\xa3\x90\xef\xa3\x9e\xef\xa3\x99\xef\xa3\x90\xef\xa3\xa9')
check "pIqaD words" "EXCL: nuqneH: hello
EXCL: Qapla': success" "$("$bin" --lexicon "$tmp/lex.tsv" "$nuqneh" "$qapla")"
check "pIqaD file" "EXCL: nuqneH: hello
EXCL: Qapla': success (1 errors 0.91)" \
  "$(printf '%s %s\xef\xa3\xbe' "$nuqneh" "$qapla" | "$bin" --lexicon "$tmp/lex.tsv" --file -)"

json=$(printf 'qapla\n\n' | "$bin" --lexicon "$tmp/lex.tsv" --json --file -)
check "json" '{"input":"qapla","readings":[]}
{"input":"","readings":[]}
{"input":"","readings":[]}' "$json"
json=$("$bin" --lexicon "$tmp/lex.tsv" --json Qapla)
check "json reading" '{"input":"Qapla","readings":[]}' "$json"
json=$("$bin" --lexicon "$tmp/lex.tsv" --json "Qapla'!")
check "json score" '{"input":"Qapla'"'"'!","readings":[{"errors":["Spelling or case."],"gloss":"success","key":"Qapla'"'"'","pos":"EXCL","score":0.9090909090909091,"suggestions":["Qapla'"'"'"],"word":"Qapla'"'"'"}]}' "$json"

"$bin" --lexicon "$tmp/missing.tsv" nuqneH 2>"$tmp/err"; rc=$?
check "missing lexicon rc" 2 "$rc"
[ "$(wc -l <"$tmp/err")" = 1 ] || { echo "FAIL: stderr not one line"; fail=1; }
mkfifo "$tmp/pipe.tsv"  # nobody writes to it: reading it would hang
timeout 10 "$bin" --lexicon "$tmp/pipe.tsv" nuqneH 2>/dev/null; check "pipe lexicon rc" 2 $?
"$bin" --lexicon "$tmp/lex.tsv" 2>/dev/null; check "no words rc" 2 $?
"$bin" --bogus x 2>/dev/null; check "bad option rc" 2 $?
printf 'word\tpos\n' >"$tmp/bad.tsv"
"$bin" --lexicon "$tmp/bad.tsv" x 2>"$tmp/err"; check "bad tsv rc" 2 $?
grep -q 'line 1' "$tmp/err" || { echo "FAIL: bad tsv message"; cat "$tmp/err"; fail=1; }

[ $fail = 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $fail
