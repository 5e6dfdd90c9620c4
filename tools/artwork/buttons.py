"""The pictures of the main window's two page buttons, 173 x 27 pixels.

The program draws the caption itself, so the pictures carry none: a glossy
tab with a small glyph at the left and a chevron at the right. The two left
corners are rounded off by magenta pixels, the key colour that the button
cuts out of its window outline; those sixteen pixels are the only magenta
ones, and the system's usual button-face colours never occur either, since
the button treats that colour as transparent too.
"""

import math

from .raster import Canvas, circle, clamp, outline, polygon, polyline, vgradient

WIDTH, HEIGHT = 173, 27
MAGENTA = (255, 0, 255)

# Pixels cut from the top-left corner (mirrored for the bottom-left one).
CORNER = [(0, 0), (1, 0), (2, 0), (3, 0), (0, 1), (1, 1), (0, 2), (0, 3)]
CORNER_CENTRE, CORNER_RADIUS = 5.0, 4.65

# Colours that systems commonly use for button faces; see the module text.
BUTTON_FACES = {(240, 240, 240), (236, 233, 216), (212, 208, 200), (192, 192, 192),
                (224, 223, 227), (238, 238, 238)}

# The main window's left column behind the buttons, for the soft corner edges.
COLUMN = (22, 50, 84)

LOOKS = {
    # gloss top, gloss bottom, body top, body bottom, border, glyph, chevron
    "normal": ((255, 255, 255), (228, 239, 250), (204, 224, 245), (229, 241, 253),
               (58, 104, 152), (24, 141, 220), (60, 110, 160)),
    "hot": ((255, 255, 255), (234, 247, 255), (176, 222, 252), (214, 242, 255),
            (20, 128, 210), (14, 156, 240), (24, 141, 220)),
    "disabled": ((214, 222, 231), (197, 207, 218), (176, 189, 203), (191, 202, 214),
                 (86, 104, 124), (104, 122, 142), (104, 122, 142)),
}


def _shape(x, y):
    """Signed distance to the tab: square on the right, rounded on the left."""
    straight = max(-x, x - WIDTH, -y, y - HEIGHT)
    if x < CORNER_CENTRE:
        for cy in (CORNER_CENTRE, HEIGHT - CORNER_CENTRE):
            if (y < cy) == (cy < HEIGHT / 2):
                return max(straight, math.hypot(x - CORNER_CENTRE, y - cy) - CORNER_RADIUS)
    return straight


def _download_glyph(cx, cy):
    """An arrow into a tray."""
    arrow = polygon([(cx - 1.6, cy - 6.5), (cx + 1.6, cy - 6.5), (cx + 1.6, cy - 1),
                     (cx + 4.5, cy - 1), (cx, cy + 3.8), (cx - 4.5, cy - 1), (cx - 1.6, cy - 1)])
    tray = polyline([(cx - 6, cy + 1.5), (cx - 6, cy + 5.5), (cx + 6, cy + 5.5), (cx + 6, cy + 1.5)], 0.9)
    return [arrow, tray]


def _play_glyph(cx, cy):
    """A play triangle in a ring."""
    ring = outline(circle(cx, cy, 6.6), 1.7)
    triangle = polygon([(cx - 2.2, cy - 3.8), (cx + 4.0, cy), (cx - 2.2, cy + 3.8)])
    return [ring, triangle]


GLYPHS = {"download": _download_glyph, "play": _play_glyph}


def page_button(glyph, look):
    gloss_top, gloss_bottom, body_top, body_bottom, border, ink, chevron = LOOKS[look]
    c = Canvas(WIDTH, HEIGHT, COLUMN)
    mid = HEIGHT * 0.5
    body = vgradient(0, HEIGHT, (0.0, gloss_top), (0.48, gloss_bottom),
                     (0.5, body_top), (1.0, body_bottom))
    c.paint(_shape, border)
    c.paint(lambda x, y: _shape(x, y) + 1.0, body)
    # A thin light line inside the border gives the tab its raised edge.
    c.paint(lambda x, y: abs(_shape(x, y) + 1.5) - 0.5, (255, 255, 255, 0.55))
    for part in GLYPHS[glyph](15.5, mid):
        c.paint(part, ink, (4, 3, 28, 24))
    c.paint(polyline([(157.5, mid - 4.5), (162, mid), (157.5, mid + 4.5)], 1.0), chevron,
            (150, 3, 168, 24))
    _finish(c)
    return c


def _finish(c):
    """Cut the corners and keep every other pixel away from the key colours."""
    for x, y in CORNER:
        c.set(x, y, MAGENTA)
        c.set(x, HEIGHT - 1 - y, MAGENTA)
    cut = set(CORNER) | {(x, HEIGHT - 1 - y) for x, y in CORNER}
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if (x, y) in cut:
                continue
            p = c.get(x, y)
            rgb = tuple(int(round(clamp(v, 0, 255))) for v in p[:3])
            while rgb == MAGENTA or rgb in BUTTON_FACES:
                rgb = (rgb[0], rgb[1], rgb[2] - 1 if rgb[2] > 0 else 1)
            c.set(x, y, rgb)

