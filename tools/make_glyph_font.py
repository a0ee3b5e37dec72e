#!/usr/bin/python3
"""Generates data/orvanta8.ttf, the glyph font "Orvanta8" the chart wheels draw with.

What it holds
  - printable ASCII 32..126 (the blank and the digits included) from DejaVu Sans, as they are;
  - the astrological symbols at the private-use code points U+E000 + program code, so that a name
    with Latin-1 letters never turns into glyphs (src/wheels/GlyphCodes.cpp maps program codes to
    these characters):
      156        retrograde mark                  U+211E from Symbola
      161..177   aspect glyphs (159 + aspect code)
      178        contraparallel
      192..203   Aries .. Pisces (191 + sign)    U+2648..U+2653 from Symbola
      204        Aries again: the right end of a 360-degree sign scale is 0 Aries
      224..239   the chart points (223 + point)  Sun .. Chiron; 236 is also the Earth
  - every symbol is scaled into one box (about the height of a capital) and centred in one advance
    width, so a label cell measured on one glyph fits them all.

Where the symbols come from (Symbola code point, or composed here)
  Sun U+2609, Mercury U+263F, Venus U+2640, Mars U+2642, Jupiter U+2643, Saturn U+2644,
  Uranus U+2645, Neptune U+2646, Pluto U+2647, Moon U+263D, North Node U+260A,
  South Node U+260B, Part of Fortune and Earth U+2295, Chiron U+26B7;
  conjunction U+260C, sextile U+26B9, square U+25A1, trine U+25B3, opposition U+260D,
  parallel U+2225, semi-sextile U+26BA, semi-square U+2220, sesquisquare U+26BC,
  quincunx U+26BB, contraparallel U+22D5.
  Symbola has no glyph for these; they are composed of DejaVu Sans letters and digits, set a
  little closer and narrower, all at one letter size: Ascendant "AS", MC "MC", semi-quintile
  "sQ", nonagen "N", quintile "Q", trecile "tQ", bi-quintile "bQ", septile "S7",
  quindecile "Qd".

Sources and licences
  DejaVu Sans (Debian fonts-dejavu-core): Copyright (c) 2003 by Bitstream, Inc. All Rights
  Reserved. Bitstream Vera is a trademark of Bitstream, Inc. DejaVu changes are in public domain.
  Bitstream Vera licence (permissive; a modified font must not be named "Bitstream" or "Vera";
  the notice, LICENCE below, travels inside the generated font).
  Symbola 2.60 (Debian fonts-symbola): Copyright (C) 2007-2015 George Douros; "Fonts are free for
  any use; they may be opened, edited, modified, regenerated, packaged and redistributed."

Rerun (the result is byte for byte the same for the same source fonts):
  apt-get install python3-fontforge fonts-dejavu-core fonts-symbola
  /usr/bin/python3 tools/make_glyph_font.py [--out FOLDER]
These packages serve this tool only: the program, its build and its tests use the committed font.
"""

import os
import sys

# A fixed time stamp in the font's header keeps the output reproducible.
os.environ.setdefault("SOURCE_DATE_EPOCH", "1262304000")

import fontforge  # noqa: E402  (Debian's python3-fontforge)
import psMat  # noqa: E402

DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
SYMBOLA = "/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf"
OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "orvanta8.ttf")

PRIVATE_USE_BASE = 0xE000

# Every symbol fits a box this size (font units of a 2048 em), centred on AXIS_Y, the middle of
# the digits, in an advance of SYMBOL_ADVANCE.
SYMBOL_ADVANCE = 1900
BOX_WIDTH = 1700
BOX_HEIGHT = 1500
AXIS_Y = 747

# Composed letters are set a little closer and narrower than DejaVu Sans sets them, so that a
# pair such as "AS" can be drawn nearly as tall as the symbols beside it.
LETTER_TIGHTENING = 80
LETTER_CONDENSING = 0.88

# (program code, glyph name, source, size): the source is a Symbola code point or a text of
# DejaVu Sans characters; size scales the fitted box for symbols whose design reads too big.
SYMBOLS = [
    (156, "retrograde", 0x211E, 0.85),
    (161, "conjunction", 0x260C, 0.8),
    (162, "sextile", 0x26B9, 0.9),
    (163, "square", 0x25A1, 0.8),
    (164, "trine", 0x25B3, 0.9),
    (165, "opposition", 0x260D, 0.9),
    (166, "parallel", 0x2225, 0.9),
    (167, "semisextile", 0x26BA, 0.8),
    (168, "semisquare", 0x2220, 0.8),
    (169, "sesquisquare", 0x26BC, 0.9),
    (170, "quincunx", 0x26BB, 0.8),
    (171, "semiquintile", "sQ", 1.0),
    (172, "nonagen", "N", 1.0),
    (173, "quintile", "Q", 1.0),
    (174, "trecile", "tQ", 1.0),
    (175, "biquintile", "bQ", 1.0),
    (176, "septile", "S7", 1.0),
    (177, "quindecile", "Qd", 1.0),
    (178, "contraparallel", 0x22D5, 0.9),
    (192, "aries", 0x2648, 1.0),
    (193, "taurus", 0x2649, 1.0),
    (194, "gemini", 0x264A, 1.0),
    (195, "cancer", 0x264B, 1.0),
    (196, "leo", 0x264C, 1.0),
    (197, "virgo", 0x264D, 1.0),
    (198, "libra", 0x264E, 1.0),
    (199, "scorpio", 0x264F, 1.0),
    (200, "sagittarius", 0x2650, 1.0),
    (201, "capricorn", 0x2651, 1.0),
    (202, "aquarius", 0x2652, 1.0),
    (203, "pisces", 0x2653, 1.0),
    (204, "aries.scale_end", 0x2648, 1.0),
    (224, "sun", 0x2609, 1.0),
    (225, "mercury", 0x263F, 1.0),
    (226, "venus", 0x2640, 1.0),
    (227, "mars", 0x2642, 1.0),
    (228, "jupiter", 0x2643, 1.0),
    (229, "saturn", 0x2644, 1.0),
    (230, "uranus", 0x2645, 1.0),
    (231, "neptune", 0x2646, 1.0),
    (232, "pluto", 0x2647, 1.0),
    (233, "moon", 0x263D, 1.0),
    (234, "northnode", 0x260A, 1.0),
    (235, "southnode", 0x260B, 1.0),
    (236, "fortune_earth", 0x2295, 1.0),
    (237, "ascendant", "AS", 1.0),
    (238, "midheaven", "MC", 1.0),
    (239, "chiron", 0x26B7, 1.0),
]

COPYRIGHT = (
    "Orvanta8 glyph font, generated from DejaVu Sans and Symbola. "
    "DejaVu Sans: Copyright (c) 2003 by Bitstream, Inc. All Rights Reserved. "
    "Bitstream Vera is a trademark of Bitstream, Inc. DejaVu changes are in public domain. "
    "Symbola: Copyright (C) 2007-2015 George Douros, free for any use."
)

LICENCE = """\
Permission is hereby granted, free of charge, to any person obtaining a copy of the fonts \
accompanying this license ("Fonts") and associated documentation files (the "Font Software"), \
to reproduce and distribute the Font Software, including without limitation the rights to use, \
copy, merge, publish, distribute, and/or sell copies of the Font Software, and to permit persons \
to whom the Font Software is furnished to do so, subject to the following conditions:

The above copyright and trademark notices and this permission notice shall be included in all \
copies of one or more of the Font Software typefaces.

The Font Software may be modified, altered, or added to, and in particular the designs of glyphs \
or characters in the Fonts may be modified and additional glyphs or characters may be added to \
the Fonts, only if the fonts are renamed to names not containing either the words "Bitstream" or \
the word "Vera".

This License becomes null and void to the extent applicable to Fonts or Font Software that has \
been modified and is distributed under the "Bitstream Vera" names.

The Font Software may be sold as part of a larger software package but no copy of one or more of \
the Font Software typefaces may be sold by itself.

THE FONT SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, \
INCLUDING BUT NOT LIMITED TO ANY WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE \
AND NONINFRINGEMENT OF COPYRIGHT, PATENT, TRADEMARK, OR OTHER RIGHT. IN NO EVENT SHALL BITSTREAM \
OR THE GNOME FOUNDATION BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY, INCLUDING ANY \
GENERAL, SPECIAL, INDIRECT, INCIDENTAL, OR CONSEQUENTIAL DAMAGES, WHETHER IN AN ACTION OF \
CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF THE USE OR INABILITY TO USE THE FONT SOFTWARE \
OR FROM OTHER DEALINGS IN THE FONT SOFTWARE.

Except as contained in this notice, the names of Gnome, the Gnome Foundation, and Bitstream \
Inc., shall not be used in advertising or otherwise to promote the sale, use or other dealings \
in this Font Software without prior written authorization from the Gnome Foundation or \
Bitstream Inc., respectively.

Symbola (the astrological symbols): Copyright (C) 2007-2015 George Douros. Fonts are free for \
any use; they may be opened, edited, modified, regenerated, packaged and redistributed."""

# Vertical metrics follow DejaVu Sans, so digits and letters sit as they do there.
METRICS = [
    "os2_winascent", "os2_winascent_add", "os2_windescent", "os2_windescent_add",
    "os2_typoascent", "os2_typoascent_add", "os2_typodescent", "os2_typodescent_add",
    "os2_typolinegap", "hhea_ascent", "hhea_ascent_add", "hhea_descent", "hhea_descent_add",
    "hhea_linegap",
]


def outline_of_text(font, text):
    """The outlines of text in font, set side by side from x = 0, as one quadratic layer."""
    layer = fontforge.layer()
    layer.is_quadratic = True
    x = 0
    for ch in text:
        glyph = font[ord(ch)]
        piece = glyph.foreground
        piece.transform(psMat.translate(x, 0))
        layer += piece
        x += glyph.width - LETTER_TIGHTENING
    return layer


def fit_scale(width, height):
    """The scale that fits a width x height outline into the symbol box."""
    return min(BOX_WIDTH / width, BOX_HEIGHT / height)


def placed(layer, scale, centre_x, centre_y):
    """layer scaled about (centre_x, centre_y), which lands in the middle of the symbol cell."""
    layer.transform(psMat.compose(
        psMat.translate(-centre_x, -centre_y),
        psMat.compose(psMat.scale(scale), psMat.translate(SYMBOL_ADVANCE / 2, AXIS_Y))))
    layer.round()
    return layer


def symbol_outline(symbola, source, size):
    """Symbola's outline of code point source, fitted into the symbol box (times size)."""
    layer = symbola[source].foreground
    x0, y0, x1, y1 = layer.boundingBox()
    return placed(layer, size * fit_scale(x1 - x0, y1 - y0), (x0 + x1) / 2, (y0 + y1) / 2)


def text_outline(font, text, scale):
    """The letters of text side by side at scale, centred on their capitals (a descending tail
    does not move the letters, so all composed symbols share one baseline and letter size)."""
    layer = outline_of_text(font, text)
    layer.transform(psMat.scale(LETTER_CONDENSING, 1))
    x0, _, x1, _ = layer.boundingBox()
    return placed(layer, scale, (x0 + x1) / 2, font.capHeight / 2)


def text_scale(font):
    """One letter size for all composed symbols: the widest of them fills the box."""
    def width(text):
        x0, _, x1, _ = outline_of_text(font, text).boundingBox()
        return LETTER_CONDENSING * (x1 - x0)

    return min(fit_scale(width(text), font.capHeight)
               for _, _, text, _ in SYMBOLS if isinstance(text, str))


def main():
    dejavu = fontforge.open(DEJAVU)
    symbola = fontforge.open(SYMBOLA)

    font = fontforge.font()
    font.encoding = "UnicodeFull"
    font.em = dejavu.em
    font.ascent = dejavu.ascent
    font.descent = dejavu.descent
    for name in METRICS:
        setattr(font, name, getattr(dejavu, name))
    font.fontname = "Orvanta8"
    font.familyname = "Orvanta8"
    font.fullname = "Orvanta8"
    font.weight = "Regular"
    font.version = "1.0"
    font.copyright = COPYRIGHT
    font.appendSFNTName("English (US)", "License", LICENCE)

    # .notdef first, then printable ASCII exactly as DejaVu Sans draws it.
    notdef = font.createChar(-1, ".notdef")
    notdef.foreground = dejavu[".notdef"].foreground
    notdef.width = dejavu[".notdef"].width
    for code in range(32, 127):
        source = dejavu[code]
        glyph = font.createChar(code, source.glyphname)
        glyph.foreground = source.foreground
        glyph.width = source.width

    letter_scale = text_scale(dejavu)
    for code, name, source, size in SYMBOLS:
        if isinstance(source, str):
            layer = text_outline(dejavu, source, size * letter_scale)
        elif source in symbola:
            layer = symbol_outline(symbola, source, size)
        else:
            sys.exit(f"Symbola has no U+{source:04X} for {name}")
        glyph = font.createChar(PRIVATE_USE_BASE + code, name)
        glyph.foreground = layer
        glyph.width = SYMBOL_ADVANCE
        glyph.removeOverlap()
        glyph.correctDirection()

    font.selection.all()
    font.round()
    output = OUTPUT
    if sys.argv[1:2] == ["--out"]:  # tools/check_generated.py writes elsewhere
        output = os.path.join(sys.argv[2], "orvanta8.ttf")
    font.generate(os.path.normpath(output), flags=("omit-instructions", "no-FFTM-table"))
    print(f"wrote {os.path.normpath(output)}")


if __name__ == "__main__":
    main()
