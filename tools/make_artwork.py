#!/usr/bin/env python3
"""Draws the program's pictures and writes them into res/art/.

    python3 tools/make_artwork.py [--preview DIR]

The pictures are drawn from code (tools/artwork/) so that anyone can change
them; the resource script embeds the files this writes. --preview also
writes enlarged PNG copies for looking at them.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from artwork import backdrop, buttons, icons, imagefiles, palette  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "res", "art")

MAGENTA = (255, 0, 255)

# Task-list state icons: 16 x 16, 8-bit colour with a mask.
STATE_ICONS = [
    ("state_analysing.ico", icons.analysing),
    ("state_failed.ico", icons.information),
    ("state_completed.ico", icons.completed),
    ("state_waiting.ico", icons.waiting),
    ("state_transferring.ico", icons.transferring),
]

# Page-button pictures, 173 x 27, 24-bit: (file, caption glyph, look).
BUTTONS = [
    ("download_normal.bmp", "download", "normal"),
    ("download_disabled.bmp", "download", "disabled"),
    ("download_hot.bmp", "download", "hot"),
    ("player_normal.bmp", "play", "normal"),
    ("player_disabled.bmp", "play", "disabled"),
    ("player_hot.bmp", "play", "hot"),
]

# Transparent icon pixels below this coverage; the rest is flattened onto the
# white of the task list so that soft edges stay soft there.
MASK_THRESHOLD = 0.3


def enlarged(rows, factor):
    return [[c for c in row for _ in range(factor)] for row in rows for _ in range(factor)]


def checked(canvas, square=4):
    """A picture over a grey checkerboard, for previews of transparency."""
    out = canvas.flattened((255, 255, 255))
    for y in range(canvas.height):
        for x in range(canvas.width):
            board = (204, 204, 204) if (x // square + y // square) % 2 else (255, 255, 255)
            p = canvas.get(x, y)
            out.set(x, y, tuple(b + (c - b) * p[3] for b, c in zip(board, p[:3])))
    return out.rgb_rows()


class Writer:
    def __init__(self, preview):
        self.preview = preview
        os.makedirs(OUT, exist_ok=True)
        if preview:
            os.makedirs(preview, exist_ok=True)

    def show(self, name, rows, factor=1):
        if self.preview:
            imagefiles.write_png(os.path.join(self.preview, name + ".png"), enlarged(rows, factor))

    def state_icon(self, name, draw):
        c = draw()
        opaque = [[a >= MASK_THRESHOLD for a in row] for row in c.alpha_rows()]
        rows = c.flattened((255, 255, 255)).rgb_rows()
        imagefiles.write_ico(os.path.join(OUT, name), [imagefiles.icon_image8(rows, opaque)])
        self.show(name, [[p if o else (204, 214, 224) for p, o in zip(r, m)]
                         for r, m in zip(rows, opaque)], 8)

    def application_icon(self, name):
        images = []
        for draw in (icons.application_32, icons.application_16):
            c = draw()
            images.append(imagefiles.icon_image32(c.rgb_rows(), c.alpha_rows()))
            self.show("%s_%d" % (name, c.width), checked(c), 256 // c.width)
        imagefiles.write_ico(os.path.join(OUT, name), images)

    def bitmap24(self, name, rows, allowed_magenta=0):
        found = sum(row.count(MAGENTA) for row in rows)
        if found != allowed_magenta:
            raise SystemExit("%s: %d magenta pixels, expected %d" % (name, found, allowed_magenta))
        imagefiles.write_bmp24(os.path.join(OUT, name), rows)
        self.show(name, rows, 1 if len(rows[0]) > 200 else 4)

    def bitmap8(self, name, rows):
        colours = palette.median_cut(rows, 256)
        index_rows = palette.quantise(rows, colours)
        imagefiles.write_bmp8(os.path.join(OUT, name), colours, index_rows)
        self.show(name, [[colours[i] for i in row] for row in index_rows], 1)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", help="also write PNG previews into this folder")
    parser.add_argument("--only", help="draw only pictures whose file name contains this")
    args = parser.parse_args()
    w = Writer(args.preview)

    def wanted(name):
        return not args.only or args.only in name

    if wanted("quillon.ico"):
        w.application_icon("quillon.ico")
    for name, draw in STATE_ICONS:
        if wanted(name):
            w.state_icon(name, draw)
    for name, glyph, look in BUTTONS:
        if wanted(name):
            w.bitmap24(name, buttons.page_button(glyph, look).rgb_rows(),
                       allowed_magenta=2 * len(buttons.CORNER))
    if wanted("background.bmp"):
        w.bitmap24("background.bmp", backdrop.background().rgb_rows())
    if wanted("banner.bmp"):
        w.bitmap8("banner.bmp", backdrop.banner().rgb_rows())


if __name__ == "__main__":
    main()
