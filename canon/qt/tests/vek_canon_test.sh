#!/usr/bin/env bash
# vek-canon import: a sample data set becomes canon.klx; a damaged one writes
# nothing and fails.
set -u
tool=$1 data=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$tool" import "$data" "$tmp/canon.klx" >"$tmp/out" || fail "import failed: $(cat "$tmp/out")"
grep -q "^4 sentences written" "$tmp/out" || fail "report: $(cat "$tmp/out")"
"$tool" list "$tmp/canon.klx" >"$tmp/list" || fail "list failed"
[ "$(wc -l <"$tmp/list")" -eq 4 ] || fail "list: $(cat "$tmp/list")"
grep -qP "^Qapla'!\tSuccess!\tSample Card$" "$tmp/list" || fail "list: $(cat "$tmp/list")"

mkdir "$tmp/bad"
cp "$data"/*.xml "$tmp/bad/"
printf '<table name="mem"><column' >>"$tmp/bad/mem-01-b.xml"
cp "$tmp/canon.klx" "$tmp/kept.klx"
"$tool" import "$tmp/bad" "$tmp/canon.klx" 2>"$tmp/err" && fail "damaged data set accepted"
grep -q "damaged XML" "$tmp/err" || fail "message: $(cat "$tmp/err")"
cmp -s "$tmp/canon.klx" "$tmp/kept.klx" || fail "canon.klx was overwritten"
"$tool" import "$tmp/none" "$tmp/new.klx" 2>/dev/null && fail "missing folder accepted"
[ ! -e "$tmp/new.klx" ] || fail "a file was written for a missing folder"
"$tool" 2>/dev/null; [ $? -eq 2 ] || fail "usage exit code"
"$tool" --help | grep -q "^usage: vek-canon import" || fail "--help"
echo "vek-canon: all checks passed"
