#!/usr/bin/env python3
"""The placeholder font draws a ring that reads as one more letter beside the Hebrew page fonts.

The page pane fills outlines with the nonzero rule, so a ring whose two contours turn the same way
shows as a filled disc; the inside and outside points below catch that. The pages set the
placeholder at 14 px beside 15 and 16 px text, whose Hebrew letters stand on the baseline and are
8 px (David CLM at 15 px) to 9.6 px (Liberation Sans at 16 px) high.

Usage: placeholderfont_test.py FONT.ttf
"""

import sys

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.pointInsidePen import PointInsidePen
from fontTools.ttLib import TTFont

PAGE_SIZE_PX = 14
LETTER_HEIGHTS_PX = (8.0, 9.6)


def check(font_path):
    failures = []
    font = TTFont(font_path)
    upm = font["head"].unitsPerEm
    cmap = font.getBestCmap()
    glyphs = font.getGlyphSet()

    names = {code: cmap.get(code) for code in (0x008F, 0xF08F)}
    for code, name in names.items():
        if name in (None, ".notdef"):
            failures.append(f"U+{code:04X} has no glyph")
    if failures:
        return failures
    if len(set(names.values())) != 1:
        failures.append(f"U+008F and U+F08F draw different glyphs: {names}")
    name = names[0x008F]
    glyph = glyphs[name]

    bounds_pen = BoundsPen(glyphs)
    glyph.draw(bounds_pen)
    if bounds_pen.bounds is None:
        return failures + [f"{name} has no outline"]
    x_min, y_min, x_max, y_max = bounds_pen.bounds
    height_px = (y_max - y_min) / upm * PAGE_SIZE_PX
    if abs(y_min) > 0.02 * upm:
        failures.append(f"{name} does not stand on the baseline (bottom at {y_min})")
    if not LETTER_HEIGHTS_PX[0] <= height_px <= LETTER_HEIGHTS_PX[1]:
        failures.append(f"{name} is {height_px:.1f} px high at {PAGE_SIZE_PX} px, "
                        f"the letters beside it {LETTER_HEIGHTS_PX[0]} to {LETTER_HEIGHTS_PX[1]} px")
    if x_min <= 0 or x_max >= glyph.width:
        failures.append(f"{name} touches its neighbours: ink {x_min}..{x_max}, advance {glyph.width}")

    centre = ((x_min + x_max) / 2, (y_min + y_max) / 2)
    on_ring = (x_min + 0.02 * upm, centre[1])
    outside = (x_min - 0.02 * upm, centre[1])
    for point, filled, where in ((centre, False, "centre"), (on_ring, True, "ring"), (outside, False, "outside")):
        pen = PointInsidePen(glyphs, point, evenOdd=False)
        glyph.draw(pen)
        if pen.getResult() != filled:
            failures.append(f"{name}: the {where} at {point} is {'empty' if filled else 'filled'}")
    return failures


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: placeholderfont_test.py FONT.ttf")
    problems = check(sys.argv[1])
    for problem in problems:
        print(problem)
    if problems:
        sys.exit(1)
    print("placeholder glyph: ring on the baseline, mapped at U+008F and U+F08F")
