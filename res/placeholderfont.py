#!/usr/bin/env python3
"""Writes the program's placeholder font: one glyph, a hollow circle, for "any radical".

The verb pages write the placeholder of a root pattern as character 0x8F in a font named Symbol
(<font face='Symbol'>&#143;</font>). The program's fonts.conf sends the family Symbol to this font,
so the page pane draws the circle there instead of a missing-glyph box.

The circle stands on the baseline. The pages always set the placeholder at 14 px, beside letters
of 15 or 16 px, whose Hebrew letters are 8 to 9.6 px high (0.53 to 0.55 em in David CLM and Miriam
CLM, 0.6 em in Liberation Sans); at 0.64 em the circle is 9 px high at 14 px, so a pattern such as
"=00" reads as a row of letters. The character is mapped both as U+008F, which the page's &#143; becomes, and as
U+F08F, the private-use code a symbol-encoded font would use for byte 0x8F.

Usage: placeholderfont.py OUTPUT.ttf
"""

import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.reverseContourPen import ReverseContourPen
from fontTools.pens.ttGlyphPen import TTGlyphPen

FAMILY = "Quorix Placeholder"
UNITS_PER_EM = 1000
ASCENT = 800
DESCENT = 250

GLYPH = "placeholder"
CODES = (0x008F, 0xF08F)
DIAMETER = 640
STROKE = 85
SIDE_BEARING = 60
ADVANCE = DIAMETER + 2 * SIDE_BEARING

# Control point distance of a cubic quarter circle, as a share of the radius.
KAPPA = 0.5522847498


def draw_circle(pen, cx, cy, r):
    """One closed counter-clockwise circle of four cubic quarters."""
    k = r * KAPPA
    pen.moveTo((cx + r, cy))
    pen.curveTo((cx + r, cy + k), (cx + k, cy + r), (cx, cy + r))
    pen.curveTo((cx - k, cy + r), (cx - r, cy + k), (cx - r, cy))
    pen.curveTo((cx - r, cy - k), (cx - k, cy - r), (cx, cy - r))
    pen.curveTo((cx + k, cy - r), (cx + r, cy - k), (cx + r, cy))
    pen.closePath()


def placeholder_glyph():
    """A ring: TrueType fills the clockwise outer contour and leaves the counter-clockwise inner one
    empty whatever the rasterizer's fill rule."""
    pen = TTGlyphPen(None)
    quadratic = Cu2QuPen(pen, max_err=1.0)
    cx = SIDE_BEARING + DIAMETER / 2
    cy = DIAMETER / 2
    outer = DIAMETER / 2
    draw_circle(ReverseContourPen(quadratic), cx, cy, outer)
    draw_circle(quadratic, cx, cy, outer - STROKE)
    return pen.glyph()


def notdef_glyph():
    """An empty rectangle: the glyph for any character the font does not have."""
    pen = TTGlyphPen(None)
    left, right, top = 50, 450, 700
    pen.moveTo((left, 0))
    pen.lineTo((left, top))
    pen.lineTo((right, top))
    pen.lineTo((right, 0))
    pen.closePath()
    inset = 50
    pen.moveTo((left + inset, inset))
    pen.lineTo((right - inset, inset))
    pen.lineTo((right - inset, top - inset))
    pen.lineTo((left + inset, top - inset))
    pen.closePath()
    return pen.glyph()


def build(output):
    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.setupGlyphOrder([".notdef", "space", GLYPH])
    cmap = {0x0020: "space"}
    cmap.update({code: GLYPH for code in CODES})
    fb.setupCharacterMap(cmap)
    fb.setupGlyf({".notdef": notdef_glyph(), "space": TTGlyphPen(None).glyph(), GLYPH: placeholder_glyph()})
    fb.setupHorizontalMetrics({
        ".notdef": (500, 50),
        "space": (ADVANCE // 2, 0),
        GLYPH: (ADVANCE, SIDE_BEARING),
    })
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.setupNameTable({
        "familyName": FAMILY,
        "styleName": "Regular",
        "uniqueFontIdentifier": FAMILY + " Regular",
        "fullName": FAMILY,
        "psName": FAMILY.replace(" ", "") + "-Regular",
        "version": "Version 1.000",
    })
    fb.setupOS2(
        sTypoAscender=ASCENT,
        sTypoDescender=-DESCENT,
        sTypoLineGap=0,
        usWinAscent=ASCENT,
        usWinDescent=DESCENT,
        sxHeight=DIAMETER,
        sCapHeight=DIAMETER,
        achVendID="QRX ",
    )
    fb.setupPost()
    fb.save(output)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: placeholderfont.py OUTPUT.ttf")
    build(sys.argv[1])
