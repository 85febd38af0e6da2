#!/usr/bin/python3
"""Checks the built pIqaD font from its bytes: check_font.py FONT.ttf

Reopens the file with fontTools and checks the encodings, the names, the fixed
dates and every outline (closed, simple, not touching its neighbours, inside
the font's box). Prints one line per problem and exits 1 when there is any.
"""
import itertools
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import piqadfont  # noqa: E402
from fontTools.ttLib import TTFont  # noqa: E402

problems = []


def problem(text):
    problems.append(text)


def cross(o, a, b):
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])


def on_segment(p, a, b):
    return (min(a[0], b[0]) <= p[0] <= max(a[0], b[0])
            and min(a[1], b[1]) <= p[1] <= max(a[1], b[1]))


def segments_meet(a, b, c, d):
    """True when the closed segments ab and cd share any point."""
    d1, d2 = cross(c, d, a), cross(c, d, b)
    d3, d4 = cross(a, b, c), cross(a, b, d)
    if ((d1 > 0) != (d2 > 0) and d1 != 0 and d2 != 0
            and (d3 > 0) != (d4 > 0) and d3 != 0 and d4 != 0):
        return True
    return ((d1 == 0 and on_segment(a, c, d)) or (d2 == 0 and on_segment(b, c, d))
            or (d3 == 0 and on_segment(c, a, b)) or (d4 == 0 and on_segment(d, a, b)))


def edges(contour):
    return [(contour[i - 1], contour[i]) for i in range(len(contour))]


def check_outline(name, glyph, advance):
    if glyph.numberOfContours < 0:
        problem(f"{name}: composite glyph")
        return
    if glyph.numberOfContours == 0:
        if name != "space":
            problem(f"{name}: no outline")
        return
    coords, ends, flags = glyph.coordinates, glyph.endPtsOfContours, glyph.flags
    contours, start = [], 0
    for end in ends:
        if end - start + 1 < 3:
            problem(f"{name}: contour of {end - start + 1} points is not a closed shape")
        if any(not (flags[i] & 1) for i in range(start, end + 1)):
            problem(f"{name}: curve points in a straight-edged design")
        contours.append([tuple(coords[i]) for i in range(start, end + 1)])
        start = end + 1

    for k, c in enumerate(contours):
        if piqadfont.signed_area(c) == 0:
            problem(f"{name}: contour {k} has no area")
        es = edges(c)
        for (i, e), (j, f) in itertools.combinations(enumerate(es), 2):
            if j - i == 1 or (i == 0 and j == len(es) - 1):
                continue  # neighbours share their corner
            if segments_meet(*e, *f):
                problem(f"{name}: contour {k} crosses itself")
                break
    for (k, c), (m, d) in itertools.combinations(enumerate(contours), 2):
        if any(segments_meet(*e, *f) for e in edges(c) for f in edges(d)):
            problem(f"{name}: contours {k} and {m} touch or overlap")
        elif piqadfont.contains(c, d[0]) or piqadfont.contains(d, c[0]):
            pass  # a hole, drawn the other way round (checked below)

    for k, c in enumerate(contours):
        depth = sum(1 for m, d in enumerate(contours) if m != k and piqadfont.contains(d, c[0]))
        clockwise = piqadfont.signed_area(c) < 0
        if clockwise != (depth % 2 == 0):
            problem(f"{name}: contour {k} runs the wrong way for TrueType")

    xs = [p[0] for c in contours for p in c]
    ys = [p[1] for c in contours for p in c]
    if min(xs) < 0 or max(xs) > advance:
        problem(f"{name}: outline leaves its advance 0..{advance} ({min(xs)}..{max(xs)})")
    if min(ys) < piqadfont.DESCENT or max(ys) > piqadfont.ASCENT:
        problem(f"{name}: outline leaves the line {piqadfont.DESCENT}..{piqadfont.ASCENT}")


def main(path):
    font = TTFont(path)
    cmap = font.getBestCmap()
    for cp, source in piqadfont.code_points():
        want = piqadfont.glyph_name(source)
        if cmap.get(cp) != want:
            problem(f"U+{cp:04X} maps to {cmap.get(cp)}, not {want}")
    if cmap.get(0x20) != "space":
        problem("the space is not mapped")
    distinct = {piqadfont.glyph_name(s) for _, s in piqadfont.code_points()}
    if len(distinct) != len(piqadfont.LETTERS) + 10 + len(piqadfont.PUNCTUATION):
        problem(f"{len(distinct)} distinct glyphs mapped")

    names = font["name"]
    if names.getDebugName(1) != piqadfont.FAMILY or names.getDebugName(2) != "Regular":
        problem(f"family is {names.getDebugName(1)} {names.getDebugName(2)}")
    if not names.getDebugName(13):
        problem("no licence in the name table")
    head = font["head"]
    if head.created != piqadfont.FIXED_TIMESTAMP or head.modified != piqadfont.FIXED_TIMESTAMP:
        problem("head dates follow the clock")
    if head.unitsPerEm != piqadfont.UNITS_PER_EM:
        problem(f"unitsPerEm {head.unitsPerEm}")
    if font["OS/2"].usWeightClass != 400:
        problem("not a regular weight")

    glyf, hmtx = font["glyf"], font["hmtx"]
    box = (head.xMin, head.yMin, head.xMax, head.yMax)
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        advance, lsb = hmtx[name]
        check_outline(name, glyph, advance)
        if glyph.numberOfContours > 0:
            if lsb != glyph.xMin:
                problem(f"{name}: left side bearing {lsb} but outline starts at {glyph.xMin}")
            if (glyph.xMin < box[0] or glyph.yMin < box[1]
                    or glyph.xMax > box[2] or glyph.yMax > box[3]):
                problem(f"{name}: outside the font's bounding box")

    for p in problems:
        print(p)
    print(f"{path}: {len(font.getGlyphOrder())} glyphs, {len(cmap)} code points, "
          f"{len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print("usage: check_font.py FONT.ttf", file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1]))
