#!/bin/sh
# The builder refuses broken sources and the checker catches broken outlines.
# usage: bad_sources_test.sh PYTHON FONT_SOURCE_DIR
set -u
py=$1 src=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
expect() {  # expect WHAT EXIT_STATUS OUTPUT_PATTERN OUTPUT_FILE
  if [ "$2" -eq 0 ] || ! grep -q "$3" "$4"; then
    echo "FAIL: $1 (status $2)"; cat "$4"; fail=1
  fi
}

# A barb of a pushed into its stem: builds, but the check must see the overlap.
sed 's/^  wedge 195,380 40,610 /  wedge 300,380 40,610 /' "$src/piqad-glyphs.txt" >"$tmp/overlap.txt"
grep -q '^  wedge 300,380' "$tmp/overlap.txt" || { echo "FAIL: fixture edit did not apply"; exit 1; }
"$py" "$src/build_piqad_font.py" "$tmp/overlap.txt" "$tmp/overlap.ttf" || { echo "FAIL: build"; exit 1; }
"$py" "$src/tests/check_font.py" "$tmp/overlap.ttf" >"$tmp/out" 2>&1
expect "overlap" $? "piqad.a: contours 0 and 1 touch or overlap" "$tmp/out"

# A letter without outline, an unknown contour kind, a two-point contour.
sed '/^glyph tlh /,/^$/d' "$src/piqad-glyphs.txt" >"$tmp/missing.txt"
"$py" "$src/build_piqad_font.py" "$tmp/missing.txt" "$tmp/missing.ttf" >"$tmp/out" 2>&1
expect "missing glyph" $? "no outline for tlh" "$tmp/out"
[ -e "$tmp/missing.ttf" ] && { echo "FAIL: a refused build left a font"; fail=1; }
printf 'glyph a 600\n  circle 1,2 3\n' >"$tmp/kind.txt"
"$py" "$src/build_piqad_font.py" "$tmp/kind.txt" "$tmp/kind.ttf" >"$tmp/out" 2>&1
expect "unknown kind" $? "line 2: unknown contour kind" "$tmp/out"
printf 'glyph a 600\n  poly 1,2 3,4\n' >"$tmp/short.txt"
"$py" "$src/build_piqad_font.py" "$tmp/short.txt" "$tmp/short.ttf" >"$tmp/out" 2>&1
expect "short contour" $? "line 2: a contour needs three points" "$tmp/out"
exit $fail
