#!/usr/bin/env bash
# vek-lexicon end to end: import, export, stats, exit codes, and the lexicon
# file read by vek-analyze.
set -u
bin=$1
analyze=$2
shipped=$3  # the shipped lexicon.tsv; may not exist
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
check() {  # name, expected, actual
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"; echo "--- expected"; printf '%s\n' "$2"; echo "--- got"; printf '%s\n' "$3"; fail=1
  fi
}
one_line_error() {  # name, expected rc, command...
  local name=$1 want=$2; shift 2
  "$@" >"$tmp/out" 2>"$tmp/err"; local rc=$?
  check "$name rc" "$want" "$rc"
  [ "$(wc -l <"$tmp/err")" = 1 ] || { echo "FAIL: $name: stderr not one line"; cat "$tmp/err"; fail=1; }
  grep -q '^vek-lexicon: ' "$tmp/err" || { echo "FAIL: $name: message prefix"; fail=1; }
}

header='key	word	pos	definition	notes	being	bodypart	inherentplural	irregular	irregularform	stative	synonyms	antonyms	score	excluded'
cat >"$tmp/lex.tsv" <<TSV
$header
	nuqneH	excl	hello		0	0	0	0		0			0	0
	tlhIngan	noun	Klingon		1	0	0	0		0			2	0
	ghu'	noun	baby		1	0	0	1	mucha'	0			0	0
	tIn	verb	be big	a note	0	0	0	0		1		mach	0	0
	mach	verb	be small		0	0	0	0		1		tIn	0	1
	jIH	pronoun	I, me		0	0	0	0		0			0	0
tIn:x	tIn	verb	be big again		0	0	0	0		1			0	0
TSV

"$bin" import "$tmp/lex.tsv" "$tmp/lex.klx"; check "import rc" 0 $?
"$bin" export "$tmp/lex.klx" "$tmp/back.tsv"; check "export rc" 0 $?
cmp -s "$tmp/lex.tsv" "$tmp/back.tsv" || { echo "FAIL: tsv -> klx -> tsv differs"; diff "$tmp/lex.tsv" "$tmp/back.tsv"; fail=1; }
check "export to stdout" "$(cat "$tmp/lex.tsv")" "$("$bin" export "$tmp/lex.klx" -)"
check "import from stdin" 0 "$("$bin" import - "$tmp/stdin.klx" <"$tmp/lex.tsv"; echo $?)"
cmp -s "$tmp/lex.klx" "$tmp/stdin.klx" || { echo "FAIL: stdin import differs"; fail=1; }
ls "$tmp" | grep -q tmp- && { echo "FAIL: temporary file left"; fail=1; }

check "stats" "pos	entries	being	bodypart	inherentplural	irregular	stative	excluded
noun	2	2	0	0	1	0	0
verb	3	0	0	0	0	3	1
pronoun	1	0	0	0	0	0	0
adverb	0	0	0	0	0	0	0
number	0	0	0	0	0	0	0
conj	0	0	0	0	0	0	0
excl	1	0	0	0	0	0	0
ques	0	0	0	0	0	0	0
total	7	2	0	0	1	3	1" "$("$bin" stats "$tmp/lex.klx")"
check "stats of tsv" "$("$bin" stats "$tmp/lex.klx")" "$("$bin" stats "$tmp/lex.tsv")"

# The analyser reads the compiled file.
check "vek-analyze on klx" "$("$analyze" --lexicon "$tmp/lex.tsv" nuqneH tInqu\')" \
      "$("$analyze" --lexicon "$tmp/lex.klx" nuqneH tInqu\')"

# Usage and unreadable input: exit 2 and one line on stderr.
one_line_error "no command" 2 "$bin"
one_line_error "unknown command" 2 "$bin" compile "$tmp/lex.tsv" "$tmp/x.klx"
one_line_error "missing file argument" 2 "$bin" export "$tmp/lex.klx"
one_line_error "extra argument" 2 "$bin" stats "$tmp/lex.klx" more
one_line_error "encrypted output named .tsv" 2 "$bin" import "$tmp/lex.tsv" "$tmp/out.tsv"
[ -e "$tmp/out.tsv" ] && { echo "FAIL: wrote an encrypted .tsv"; fail=1; }
one_line_error "missing input" 2 "$bin" stats "$tmp/none.klx"
one_line_error "missing tsv" 2 "$bin" import "$tmp/none.tsv" "$tmp/x.klx"
head -c 100 "$tmp/lex.klx" >"$tmp/cut.klx"
one_line_error "truncated klx" 2 "$bin" export "$tmp/cut.klx" "$tmp/x.tsv"
grep -q 'damaged' "$tmp/err" || { echo "FAIL: truncated message"; cat "$tmp/err"; fail=1; }
printf 'word\tpos\tdefinition\nqIp\tverb\thit\nHIv\tvreb\tattack\n' >"$tmp/bad.tsv"
one_line_error "bad tsv" 2 "$bin" import "$tmp/bad.tsv" "$tmp/x.klx"
grep -q 'line 3' "$tmp/err" || { echo "FAIL: bad tsv message"; cat "$tmp/err"; fail=1; }
printf 'word\tpos\tdefinition\nqIp\tverb\thit \xe2\x86\x92 strike\n' >"$tmp/arrow.tsv"
one_line_error "text outside Windows-1252" 2 "$bin" import "$tmp/arrow.tsv" "$tmp/x.klx"
[ -e "$tmp/x.klx" ] && { echo "FAIL: output written after a failed import"; fail=1; }

# A failed write: exit 1, and the old file is kept.
cp "$tmp/lex.klx" "$tmp/keep.klx"
one_line_error "unwritable output" 1 "$bin" export "$tmp/lex.klx" "$tmp/no/such/dir.tsv"
"$bin" --help >/dev/null; check "help rc" 0 $?

# The shipped lexicon survives the file format unchanged.
if [ -f "$shipped" ]; then
  "$bin" export "$shipped" "$tmp/shipped-canon.tsv" && "$bin" import "$shipped" "$tmp/shipped.klx" &&
    "$bin" export "$tmp/shipped.klx" "$tmp/shipped-back.tsv"
  check "shipped rc" 0 $?
  cmp -s "$tmp/shipped-canon.tsv" "$tmp/shipped-back.tsv" ||
    { echo "FAIL: shipped lexicon changes through lexicon.klx"; fail=1; }
fi

[ $fail = 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $fail
