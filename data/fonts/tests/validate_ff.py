# FontForge's own validation of the built font: fontforge -lang=py -script validate_ff.py FONT
import sys

import fontforge

font = fontforge.open(sys.argv[1])
bad = 0
for glyph in font.glyphs():
    # Bit 0 only says the glyph was looked at; every other bit is a fault.
    state = glyph.validate(True) & ~1
    if state:
        print(f"{glyph.glyphname}: validation state {state:#x}")
        bad += 1
print(f"{sys.argv[1]}: {len(list(font.glyphs()))} glyphs validated, {bad} with faults")
sys.exit(1 if bad else 0)
