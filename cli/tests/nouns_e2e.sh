#!/usr/bin/env bash
# Nouns and numbers through vek-analyze --json: messages, scores, corrections
# and glosses as a user of the command sees them.
set -u
bin=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cat >"$tmp/lex.tsv" <<'EOF'
word	pos	definition	being	bodypart	inherentplural
Duj	noun	ship			
tlhIngan	noun	Klingon	1		
ghop	noun	hand		1	
chuyDa'	noun	thrusters			1
pa'	noun	there, over there, thereabouts			
wa'	number	one			
cha'	number	two			
EOF

cat >"$tmp/words.txt" <<'EOF'
tlhInganmeywIj
DujDaqmey
pa'Daq
chuyDa'pu'
ghopmeyDaq
cha'maHDIch
WA'LES
wa'vatlhmaH
EOF
# No line end after the last word: a final empty line would be one more piece.
printf '%s' "$(cat "$tmp/words.txt")" >"$tmp/words"

cat >"$tmp/expected" <<'EOF'
{"input":"tlhInganmeywIj","readings":[{"errors":["Insult: Non-language suffix on being capable of language."],"gloss":"my Klingon mey (scattered about)","key":"tlhIngan","pos":"N","score":1.0,"suggestions":["tlhInganmeywI'"],"word":"tlhInganmeywIj"}]}
{"input":"DujDaqmey","readings":[{"errors":["The noun suffix {mey} is type 2, and must precede {Daq} which is type 5."],"gloss":"in ship (pl)","key":"Duj","pos":"N","score":0.5,"suggestions":["DujmeyDaq"],"word":"DujDaqmey"}]}
{"input":"pa'Daq","readings":[]}
{"input":"chuyDa'pu'","readings":[{"errors":["Plural suffix {-pu'} is for beings capable of language.","Cannot use plural suffix on inherently plural noun."],"gloss":"thrusters (pl)","key":"chuyDa'","pos":"N","score":0.125,"suggestions":["chuyDa'"],"word":"chuyDa'pu'"}]}
{"input":"ghopmeyDaq","readings":[{"errors":["Poetic usage: {-mey} on body part noun."],"gloss":"in hand mey (scattered about)","key":"ghop","pos":"N","score":0.5,"suggestions":["ghopDu'Daq"],"word":"ghopmeyDaq"}]}
{"input":"cha'maHDIch","readings":[{"errors":[],"gloss":"twentieth","key":"cha'","pos":"NUM","score":1.0,"suggestions":[],"word":"cha'maHDIch"}]}
{"input":"WA'LES","readings":[{"errors":["Spelling or case."],"gloss":"tomorrow","key":"wa'","pos":"NUM","score":0.9090909090909091,"suggestions":["wa'leS"],"word":"wa'leS"}]}
{"input":"wa'vatlhmaH","readings":[]}
EOF

fail=0
"$bin" --lexicon "$tmp/lex.tsv" --json --file "$tmp/words" >"$tmp/got"; rc=$?
[ $rc = 0 ] || { echo "FAIL: exit code $rc"; fail=1; }
if ! diff -u "$tmp/expected" "$tmp/got"; then echo "FAIL: json lines differ"; fail=1; fi

# The report form of the same readings.
report=$("$bin" --lexicon "$tmp/lex.tsv" DujDaqmey "pa'Daq")
want="N: DujDaqmey: in ship (pl) (1 errors 0.50)
X: pa'Daq: *** not found ***"
[ "$report" = "$want" ] || { echo "FAIL: report"; printf '%s\n' "$report"; fail=1; }

[ $fail = 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $fail
