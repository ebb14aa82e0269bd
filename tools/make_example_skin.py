#!/usr/bin/env python3
"""Draws the example skin of the skin authors' page into docs/example-skin/.

Run from anywhere: python3 tools/make_example_skin.py. It draws with the shapes of
make_skins.py, so its PNGs are reproducible byte for byte too, and copies the seven-segment
font (with its licence) from royale, since the example shows how a skin carries a font.
skin.xml is written by hand and lives beside the images.
"""
import os
import shutil

from make_skins import Palette, button_strip, glass, hand, pmam_pill, render, rgb, round_face

HERE = os.path.dirname(os.path.abspath(__file__))
FOLDER = os.path.join(HERE, "..", "docs", "example-skin")
ROYALE = os.path.join(HERE, "..", "skins", "royale")

# A cream dial in a steel bezel: dark hands, so that it reads unlike the two bundled skins.
PAPER = Palette(
    metal_dark=rgb("4c5258"), metal_light=rgb("d6dbe0"), dial_centre=rgb("faf6ec"),
    dial_edge=rgb("e2dac8"), ring=rgb("b0a48c"), ring_radius=30.0, minute_tick=rgb("8a8272"),
    hour_tick=rgb("34363a"), glow=rgb("ffffff"), icon=rgb("f4f6f8"))

if __name__ == "__main__":
    os.makedirs(FOLDER, exist_ok=True)
    render(FOLDER, "face.png", 160, 160, round_face(160, PAPER))
    render(FOLDER, "glass.png", 160, 160, glass(160, 64.0, 48.0, 0.45))
    render(FOLDER, "buttons.png", 96, 16, button_strip(PAPER))
    render(FOLDER, "pmam.png", 30, 13, pmam_pill(PAPER))
    ink, ink_edge, red = rgb("2c2e32"), rgb("101114"), rgb("c8281e")
    for name, w, h, args in [
        # width, height, (tip y, pivot y, tail y, base radius, tip radius, colour, edge, cap)
        ("hours.png", 10, 46, (4.0, 38.0, 43.0, 3.0, 1.4, ink, ink_edge)),
        ("minutes.png", 8, 62, (4.0, 52.0, 58.0, 2.4, 1.0, ink, ink_edge)),
        ("seconds.png", 8, 70, (3.0, 54.0, 66.0, 0.9, 0.5, red, rgb("6a120c"), (2.8, red))),
    ]:
        render(FOLDER, name, w, h, hand(w, h, *args))
    for name in ("DSEG7Classic-Regular.ttf", "DSEG7-LICENSE.txt"):
        shutil.copyfile(os.path.join(ROYALE, name), os.path.join(FOLDER, name))
