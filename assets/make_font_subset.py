#!/usr/bin/python3
"""Writes the part of the game's face that its picture prints, for the browser.

    make_font_subset.py <face.ttf> <characters> <subset.ttf>

Kept: the glyphs of <characters> (and .notdef, drawn as a box), their hinting
(glyph programs, fpgm, prep, cvt, maxp untouched) and the legacy 'kern' table,
which is the kerning the game's text uses. The OpenType layout tables go: the
line is laid out without them. Debian's python3 runs this, with its fontTools.

The face's licence reserves its family name for the unmodified font, so the
subset takes a name of its own.
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "vorK Sans"
POSTSCRIPT_NAME = "vorKSans-Regular"
# Copyright, family, style, full name, version, PostScript name, licence and its address.
KEPT_NAMES = [0, 1, 2, 4, 5, 6, 13, 14]


def main(face_path, characters, subset_path):
    options = subset.Options()
    options.legacy_kern = True
    options.notdef_outline = True
    options.drop_tables += ["GSUB", "GPOS", "GDEF", "FFTM"]
    options.name_IDs = KEPT_NAMES
    font = TTFont(face_path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters)
    subsetter.subset(font)

    missing = [c for c in characters if ord(c) not in font.getBestCmap()]
    if missing:
        sys.exit(f"make_font_subset: {face_path} has no glyph for {''.join(missing)!r}")
    if "kern" not in font or "fpgm" not in font:
        sys.exit("make_font_subset: the subset lost its kerning or its hinting")

    names = font["name"]
    style = names.getDebugName(2)
    for record in names.names:
        if record.nameID in (1, 4, 6):
            record.string = {1: FAMILY, 4: f"{FAMILY} {style}", 6: POSTSCRIPT_NAME}[record.nameID]
    font.save(subset_path)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
