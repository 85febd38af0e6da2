"""Reads the pIqaD glyph sources and builds the TrueType font from them.

The sources (piqad-glyphs.txt) describe each glyph as closed straight-edged
contours, written either as raw point lists or as strokes that expand to a few
points. The font carries two encodings: the one-character-per-letter code at
ASCII positions that converted documents use, and the ConScript Unicode
Registry block.
"""

import math
import re

UNITS_PER_EM = 1000
ASCENT = 800
DESCENT = -200
# 2026-01-01 00:00 UTC in the font's own count (seconds since 1904): the
# font's dates never follow the clock, so the same sources give the same bytes.
FIXED_TIMESTAMP = 1767225600 + 2082844800

FAMILY = "Vekmor pIqaD"
STYLE = "Regular"
PS_NAME = "VekmorpIqaD-Regular"
VERSION = "1.000"
COPYRIGHT = "Copyright \u00a9 Halden"
LICENSE = ("Part of Vekmor, designed for it; it may be used and passed on under "
           "the same terms as Vekmor.")

LETTERS = ["a", "b", "ch", "D", "e", "gh", "H", "I", "j", "l", "m", "n", "ng",
           "o", "p", "q", "Q", "r", "S", "t", "tlh", "u", "v", "w", "y", "'"]
# The ASCII character that stands for each letter in converted documents.
FONT_CODE = {"a": "A", "b": "B", "ch": "C", "D": "D", "e": "E", "gh": "G",
             "H": "H", "I": "I", "j": "J", "l": "L", "m": "M", "n": "N",
             "ng": "F", "o": "O", "p": "P", "q": "K", "Q": "Q", "r": "R",
             "S": "S", "t": "T", "tlh": "X", "u": "U", "v": "V", "w": "W",
             "y": "Y", "'": "'"}
DIGITS = [str(d) for d in range(10)]
PUNCTUATION = {"comma": 0xF8FD, "fullstop": 0xF8FE, "mummification": 0xF8FF}


def glyph_name(source_name):
    """PostScript-safe glyph names; letters differing only in case stay apart."""
    if source_name == "'":
        return "piqad.qaghwI"
    if source_name in DIGITS:
        return "piqad.digit" + source_name
    if source_name in PUNCTUATION:
        return "piqad." + source_name
    suffix = "".join(c + ("_uc" if c.isupper() else "") for c in source_name)
    return "piqad." + suffix


def code_points():
    """Every (code point, source glyph name) pair the font maps."""
    pairs = []
    for i, letter in enumerate(LETTERS):
        pairs.append((0xF8D0 + i, letter))
        pairs.append((ord(FONT_CODE[letter]), letter))
    for d in DIGITS:
        pairs.append((0xF8F0 + int(d), d))
        pairs.append((ord(d), d))
    for name, cp in PUNCTUATION.items():
        pairs.append((cp, name))
    return pairs


class SourceError(Exception):
    pass


def _point(text, line_no):
    m = re.fullmatch(r"(-?\d+(?:\.\d+)?),(-?\d+(?:\.\d+)?)", text)
    if not m:
        raise SourceError(f"line {line_no}: bad point {text!r}")
    return float(m.group(1)), float(m.group(2))


def _normal(a, b, line_no):
    dx, dy = b[0] - a[0], b[1] - a[1]
    length = math.hypot(dx, dy)
    if length == 0:
        raise SourceError(f"line {line_no}: stroke of zero length")
    return -dy / length, dx / length


def _offset(p, n, d):
    return (p[0] + n[0] * d, p[1] + n[1] * d)


def expand(kind, args, line_no):
    """One source contour to its list of points."""
    if kind == "poly":
        pts = [_point(a, line_no) for a in args]
        if len(pts) < 3:
            raise SourceError(f"line {line_no}: a contour needs three points")
        return pts
    if kind in ("bar", "wedge", "kite"):
        if len(args) != 3 and not (kind == "kite" and len(args) == 4):
            raise SourceError(f"line {line_no}: {kind} takes two points and a width")
        a, b = _point(args[0], line_no), _point(args[1], line_no)
        w = float(args[2]) / 2
        n = _normal(a, b, line_no)
        if kind == "bar":  # even width, square ends
            return [_offset(a, n, w), _offset(b, n, w), _offset(b, n, -w), _offset(a, n, -w)]
        if kind == "wedge":  # square at the first point, sharp at the second
            return [_offset(a, n, w), b, _offset(a, n, -w)]
        # kite: sharp at both ends, widest at fraction t of the way
        t = float(args[3]) if len(args) == 4 else 0.5
        m = (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)
        return [a, _offset(m, n, w), b, _offset(m, n, -w)]
    raise SourceError(f"line {line_no}: unknown contour kind {kind!r}")


def parse(text):
    """Source text to an ordered dict: name -> (advance, [contours])."""
    glyphs = {}
    current = None
    for line_no, raw in enumerate(text.splitlines(), 1):
        line = raw.split("#", 1)[0].rstrip()
        if not line.strip():
            continue
        words = line.split()
        if not raw[0].isspace():
            if words[0] != "glyph" or len(words) != 3 or not words[2].isdigit():
                raise SourceError(f"line {line_no}: expected 'glyph NAME ADVANCE'")
            if words[1] in glyphs:
                raise SourceError(f"line {line_no}: glyph {words[1]} given twice")
            current = words[1]
            glyphs[current] = (int(words[2]), [])
            continue
        if current is None:
            raise SourceError(f"line {line_no}: contour outside a glyph")
        glyphs[current][1].append(expand(words[0], words[1:], line_no))
    return glyphs


def signed_area(pts):
    return sum(pts[i - 1][0] * p[1] - p[0] * pts[i - 1][1] for i, p in enumerate(pts)) / 2


def contains(poly, p):
    inside = False
    for i, a in enumerate(poly):
        b = poly[i - 1]
        if (a[1] > p[1]) != (b[1] > p[1]):
            x = a[0] + (p[1] - a[1]) * (b[0] - a[0]) / (b[1] - a[1])
            if x > p[0]:
                inside = not inside
    return inside


def oriented(contours):
    """Outer contours clockwise, holes counter-clockwise, as TrueType wants."""
    result = []
    for i, c in enumerate(contours):
        depth = sum(1 for j, other in enumerate(contours) if j != i and contains(other, c[0]))
        clockwise = depth % 2 == 0
        if (signed_area(c) < 0) != clockwise:
            c = list(reversed(c))
        result.append(c)
    return result


def build(source_text, out_path):
    from fontTools.fontBuilder import FontBuilder
    from fontTools.pens.ttGlyphPen import TTGlyphPen

    glyphs = parse(source_text)
    wanted = LETTERS + DIGITS + list(PUNCTUATION)
    missing = [g for g in wanted if g not in glyphs]
    if missing:
        raise SourceError("no outline for " + " ".join(missing))

    order = [".notdef", "space"] + [glyph_name(g) for g in wanted]
    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(order)
    cmap = {cp: glyph_name(src) for cp, src in code_points()}
    cmap[0x20] = "space"
    fb.setupCharacterMap(cmap)

    outlines, metrics = {}, {}

    def add(name, advance, contours):
        pen = TTGlyphPen(None)
        for c in oriented(contours):
            pts = [(round(x), round(y)) for x, y in c]
            pen.moveTo(pts[0])
            for p in pts[1:]:
                pen.lineTo(p)
            pen.closePath()
        outlines[name] = pen.glyph()
        xs = [round(x) for c in contours for x, _ in c]
        metrics[name] = (advance, min(xs) if xs else 0)

    add(".notdef", 500, [[(50, 0), (450, 0), (450, 700), (50, 700)],
                         [(110, 60), (110, 640), (390, 640), (390, 60)]])
    add("space", glyphs["space"][0] if "space" in glyphs else 300, [])
    for g in wanted:
        advance, contours = glyphs[g]
        add(glyph_name(g), advance, contours)

    fb.setupGlyf(outlines)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=DESCENT)
    fb.setupNameTable({
        "copyright": COPYRIGHT,
        "familyName": FAMILY,
        "styleName": STYLE,
        "uniqueFontIdentifier": f"{PS_NAME} {VERSION}",
        "fullName": f"{FAMILY} {STYLE}",
        "version": f"Version {VERSION}",
        "psName": PS_NAME,
        "manufacturer": "Halden",
        "licenseDescription": LICENSE,
    })
    fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=DESCENT, sTypoLineGap=200,
                usWinAscent=ASCENT + 100, usWinDescent=-DESCENT + 100,
                sxHeight=700, sCapHeight=700, achVendID="HLDN", fsType=0,
                usWeightClass=400)
    fb.setupPost()
    fb.updateHead(created=FIXED_TIMESTAMP, modified=FIXED_TIMESTAMP, fontRevision=float(VERSION))
    fb.save(out_path)
