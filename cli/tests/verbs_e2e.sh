#!/usr/bin/env bash
# Generated verb forms through vek-analyze --json: no crash, one object per
# word, and every score is 1.0 divided by the factor of each message shown.
set -u
bin=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

{
  printf 'word\tpos\tdefinition\tstative\tbeing\tbodypart\n'
  printf 'legh\tverb\tsee\t0\t0\t0\n'
  printf 'ghoj\tverb\tlearn\t0\t0\t0\n'
  printf 'Qong\tverb\tsleep\t0\t0\t0\n'
  printf 'bIj\tverb\tpunish\t0\t0\t0\n'
  printf 'tIn\tverb\tbe big\t1\t0\t0\n'
  printf 'Dun\tverb\tbe great\t1\t0\t0\n'
  printf 'jIH\tpronoun\tI, me\t0\t0\t0\n'
  printf 'ghaH\tpronoun\the, she, him, her\t0\t0\t0\n'
  printf "'e'\tpronoun\tthat\t0\t0\t0\n"
  printf 'yaS\tnoun\tofficer\t0\t1\t0\n'
  printf 'ghop\tnoun\thand\t0\t0\t1\n'
} >"$tmp/lex.tsv"

prefixes=("" "" "" "" bI bo che cho Da DI Du gho HI jI ju lI lu ma mu nI nu pe pI qa re Sa Su tI tu vI wI yI)
roots=(legh ghoj Qong bIj tIn Dun jIH ghaH "'e'" yaS ghop)
suffixes=("'a'" "'egh" "ba'" "be'qu'" "be'" "beH" "bej" "bogh" "choH" "chu'" "chugh" "chuq" "DI'"
          "ghach" "Ha'" "jaj" "laH" "law'" "lI'" "lu'" "luH" "la'" "meH" "mo'" "moH" "neS" "nIS"
          "pa'" "pu'" "qa'" "qang" "Qo'" "qu'be'" "qu'" "rup" "ta'" "taH" "vIp" "vIS" "wI'"
          "pu'" "Daq" "vaD" "mey" "wIj" "Du'")
# A fixed linear congruential sequence, so every run checks the same words.
seed=20261206
next() { seed=$(( (seed * 1103515245 + 12345) % 2147483648 )); r=$(( seed / 65536 )); }
: >"$tmp/words"
for ((i = 0; i < 400; i++)); do
  next; w=${prefixes[r % ${#prefixes[@]}]}
  next; w+=${roots[r % ${#roots[@]}]}
  next; n=$(( r % 6 ))
  for ((k = 0; k < n; k++)); do next; w+=${suffixes[r % ${#suffixes[@]}]}; done
  next; [ $(( r % 10 )) = 0 ] && w="${w^^}!"   # a few that need normalising
  printf '%s\n' "$w" >>"$tmp/words"
done
# Words with faults everywhere, and imperatives whose corrections could grow.
cat >>"$tmp/words" <<'W'
vItInmoH'eghpu'taHQo'laHvIpneSjajbe'qu'Ha'
yIleghpu'be'
yIleghneSQo'be'
peleghbe'Qo'neSbe'
yIleghQo'be'qu'neSbe'
DItIn'eghchuqlu'la'luHvISghach
jIH'a'Qo'be'
W
mapfile -t list <"$tmp/words"
words=${#list[@]}

timeout 300 "$bin" --lexicon "$tmp/lex.tsv" --json "${list[@]}" >"$tmp/out" 2>"$tmp/err"
rc=$?
[ $rc = 0 ] || { echo "FAIL: vek-analyze exit $rc"; cat "$tmp/err"; fail=1; }
lines=$(wc -l <"$tmp/out")
[ "$lines" = "$words" ] || { echo "FAIL: $lines objects for $words words"; fail=1; }

readings=$(jq -s '[.[].readings[]] | length' "$tmp/out")
verbs=$(jq -s '[.[].readings[] | select(.pos == "V")] | length' "$tmp/out")
faulty=$(jq -s '[.[].readings[] | select(.pos == "V" and (.errors | length) > 1)] | length' "$tmp/out")
echo "$words words, $readings readings, $verbs verb readings, $faulty with several faults"
[ "$verbs" -ge 100 ] && [ "$faulty" -ge 20 ] || { echo "FAIL: too few verb readings to judge"; fail=1; }

# The factor of each message; an unknown message is itself a failure.
mismatches=$(jq -r '
  def factor:
    if . == "Spelling or case." then 1
    elif test("^The verb suffixes \\{.*\\} and \\{.*\\} are both type [0-9], and cannot both be on a verb at the same time\\.$") then 8
    elif test("^The verb suffix \\{[^-].*\\} is type [0-9], and must precede \\{.*\\} which is type [0-9]\\.$") then 2
    elif . == "The verb suffix {-Ha'"'"'} must follow the verb root, see TKD 4.3, p. 48." then 2
    elif . == "The verb suffix {-Qo'"'"'} must come before a VS9, see TKD 4.3." then 2
    elif . == "It is culturally taboo to use {-vIp} with a 1st person prefix [TKD 4.2.2 p. 37]." then 1.5
    elif test("^The suffix \\{-(la'"'"'|luH)\\} is slang, so should be avoided for proper usage\\.$") then 1.5
    elif test("^The verb suffix \\{-Qo'"'"'\\} must come after \\{-.*\\}\\.$") then 2
    elif . == "Verb suffix {chuq} requires a plural verb prefix with no object." then 3
    elif . == "Verb suffix {-lu'"'"'} requires a verb prefix with an object." then 3
    elif . == "Stative verbs with {-moH} require prefixes with an object, unless they are reflexive." then 2
    elif . == "VS9 {-vIS} requires VS7 {-taH}" then 2
    elif . == "VS9 {-ghach} requires an intervening suffix." then 2
    elif . == "The suffix {-jaj} cannot be used on imperative verbs." then 3
    elif . == "The suffix {-be'"'"'} cannot be used on imperative verbs.  Use {-Qo'"'"'} instead." then 4
    elif . == "Verb suffix {-'"'"'egh} requires a verb prefix with no object." then 3
    elif . == "Stative verbs cannot take a reflexive suffix, unless they have {-moH}." then 2
    elif . == "Stative verbs without {-moH} require a no-object prefix." then 2
    elif test("^The noun suffixs \\{.*\\} and \\{.*\\} are both type [0-9]") then 8
    elif test("^The noun suffix \\{.*\\} is type [0-9], and must precede") then 2
    elif test("^Body-part suffix \\{-Du'"'"'\\} on non-body-part noun") then 2
    elif . == "Plural suffix {-pu'"'"'} is for beings capable of language." then 2
    elif . == "Cannot use plural suffix on inherently plural noun." then 4
    elif test("^Irregular plural") or test("^This word has an irregular plural") then 2
    elif test("^The possessive suffix \\{.*\\} is for beings capable of language\\.$") then 2
    elif . == "Insult: Non-language suffix on being capable of language." then 1
    elif . == "Poetic usage: {-mey} on body part noun." then 2
    else error("unknown message: " + .) end;
  .input as $in | .readings[] | . as $r
  | (reduce ($r.errors[] | factor) as $f (1; . / $f)) as $s
  | (if any($r.errors[]; . == "Spelling or case.") then $s / 1.1 else $s end) as $want
  | select($want != $r.score)
  | "\($in) [\($r.pos) \($r.key)]: score \($r.score), messages give \($want)"' "$tmp/out" 2>&1)
if [ -n "$mismatches" ]; then
  echo "FAIL: scores that are not the product of their factors:"; printf '%s\n' "$mismatches" | head -20; fail=1
fi

# A few readings checked in full.
got=$(grep -F '"input":"yIleghpu'"'"'be'"'"'"' "$tmp/out" | jq -c '.readings[] | [.score, .suggestions]')
[ "$got" = "[0.25,[\"yIleghpu'Qo'\"]]" ] || { echo "FAIL: yIleghpu'be' gave $got"; fail=1; }

[ $fail = 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $fail
