#!/bin/sh
# Same sources, same bytes: two fresh builds and the build's own font must agree.
# usage: reproducible_test.sh PYTHON FONT_SOURCE_DIR BUILT_FONT
set -eu
py=$1 src=$2 built=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$py" "$src/build_piqad_font.py" "$src/piqad-glyphs.txt" "$tmp/one.ttf"
sleep 1  # a clock that leaked into the file would now differ
TZ=Pacific/Kiritimati "$py" "$src/build_piqad_font.py" "$src/piqad-glyphs.txt" "$tmp/two.ttf"
cmp "$tmp/one.ttf" "$tmp/two.ttf"
cmp "$tmp/one.ttf" "$built"
sha256sum "$tmp/one.ttf" "$tmp/two.ttf" "$built"
