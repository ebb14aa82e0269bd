#!/usr/bin/python3
"""Copies a TrueType font (needs Debian's python3-fonttools) under another family name, so a test has a font the host lacks."""
import sys

from fontTools.ttLib import TTFont

source, family, target = sys.argv[1:]
font = TTFont(source)
for record in font["name"].names:
    if record.nameID in (1, 4, 16):  # family, full name, typographic family
        record.string = family
    elif record.nameID == 6:  # PostScript name: no blanks
        record.string = family.replace(" ", "")
font.save(target)
