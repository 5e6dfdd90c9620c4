"""The main window's background (778 x 550, stretched over the client area)
and the banner above the pages (514 x 68).

Background layout, in the picture's pixels (about 1.74 per dialog unit):
a header band with the program's emblem and name at the left, the banner
sits on it from x 240; below it a dark left column with the two page
buttons (y 162 and 206) and the information panel (the program draws its
remark text at (40, 260) and the totals at (40, 410) in a light grey-blue,
so the panel is dark); right of the column a white card on which the pages
are placed.
"""

from . import icons, strokefont
from .raster import (Canvas, box, circle, hgradient, intersect, outline, polygon,
                     radial, segment, vgradient)

WIDTH, HEIGHT = 778, 550
HEADER = 86                     # bottom of the header band
COLUMN_RIGHT = 210              # right edge of the left column
CARD = (216, 90, 772, 545)      # the white card under the pages
PANEL = (26, 248, 194, 538)     # behind the remark and the totals
PANEL_DIVIDER = 403

COLUMN_TOP, COLUMN_BOTTOM = (24, 54, 90), (11, 28, 50)
ACCENT = (24, 141, 220)


def _header(c, width, height):
    c.fill(vgradient(0, height, (30, 84, 142), (20, 60, 108), (14, 42, 78)), (0, 0, width, height))
    # Gloss on the upper half and a few soft rings of light.
    c.fill(vgradient(0, height * 0.5, (255, 255, 255, 0.10), (255, 255, 255, 0.02)),
           (0, 0, width, height * 0.5))
    for cx, cy, r, a in ((120, -150, 260, 0.06), (520, 240, 300, 0.05), (700, -40, 120, 0.05)):
        c.paint(outline(circle(cx, cy, r), 22), (255, 255, 255, a), (0, 0, width, height))


def _emblem(c, x, y, size):
    """The program's icon drawn large onto the picture."""
    art = icons.application(size)
    for j in range(size):
        for i in range(size):
            p = art.get(i, j)
            c.blend(x + i, y + j, tuple(p), 1.0)


def _lettering(c, text, x, y, height, stroke, colour, tracking=0.18):
    shape, bounds = strokefont.text_shape(text, x, y, height, stroke, tracking)
    c.paint(shape, colour, bounds)


def background():
    c = Canvas(WIDTH, HEIGHT, (222, 231, 241))
    _header(c, WIDTH, HEADER)
    c.fill(ACCENT, (0, HEADER, WIDTH, HEADER + 2))
    c.fill((10, 30, 56), (0, HEADER + 2, WIDTH, HEADER + 3))

    _emblem(c, 14, 17, 48)
    _lettering(c, "QUILLON", 74, 22, 21, 3.4, (0, 0, 0, 0.25))
    _lettering(c, "QUILLON", 72, 20, 21, 3.4, (255, 255, 255))
    _lettering(c, "VIDEO DOWNLOADER", 73, 52, 7, 1.25, (150, 198, 238), 0.3)

    # Left column with a faint glow at its top and a light rim on its right.
    top = HEADER + 3
    c.fill(vgradient(top, HEIGHT, COLUMN_TOP, COLUMN_BOTTOM), (0, top, COLUMN_RIGHT, HEIGHT))
    c.fill(radial(90, top, 200, (90, 150, 210, 0.18), (90, 150, 210, 0.0)),
           (0, top, COLUMN_RIGHT, top + 200))
    c.fill((52, 94, 140), (COLUMN_RIGHT, top, COLUMN_RIGHT + 1, HEIGHT))
    c.fill(hgradient(COLUMN_RIGHT + 1, COLUMN_RIGHT + 6, (150, 170, 192), (222, 231, 241)),
           (COLUMN_RIGHT + 1, top, COLUMN_RIGHT + 6, HEIGHT))

    # A short rule above the page buttons.
    c.paint(segment(24, 140, 186, 140, 0.5), hgradient(24, 186, (90, 140, 190, 0.0),
                                                       (90, 140, 190, 0.9), (90, 140, 190, 0.0)),
            (20, 136, 190, 144))

    # The information panel: darker inset with a hairline rim and a divider.
    x0, y0, x1, y1 = PANEL
    c.paint(box(x0, y0, x1, y1, 8), (6, 18, 34, 0.55), (x0 - 2, y0 - 2, x1 + 2, y1 + 2))
    c.paint(outline(box(x0 + 0.5, y0 + 0.5, x1 - 0.5, y1 - 0.5, 7.5), 1.0), (64, 104, 146, 0.9),
            (x0 - 2, y0 - 2, x1 + 2, y1 + 2))
    c.paint(segment(x0 + 12, PANEL_DIVIDER, x1 - 12, PANEL_DIVIDER, 0.5),
            hgradient(x0 + 12, x1 - 12, (64, 104, 146, 0.2), (84, 130, 176), (64, 104, 146, 0.2)),
            (x0, PANEL_DIVIDER - 2, x1, PANEL_DIVIDER + 2))

    # The card: soft shadow, hairline border, white face, blue top edge.
    x0, y0, x1, y1 = CARD
    for grow, alpha in ((4, 0.05), (2.5, 0.07), (1.2, 0.10)):
        c.paint(box(x0 - grow, y0 - grow + 1.5, x1 + grow, y1 + grow + 1.5, 6 + grow),
                (20, 40, 70, alpha), (x0 - 6, y0 - 6, x1 + 6, y1 + 8))
    c.paint(box(x0, y0, x1, y1, 6), (168, 190, 214), (x0 - 1, y0 - 1, x1 + 1, y1 + 1))
    c.paint(box(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 5), (255, 255, 255), (x0, y0, x1, y1))
    c.paint(intersect(box(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 5), box(x0, y0, x1, y0 + 4)),
            hgradient(x0, x1, (24, 141, 220, 0.35), ACCENT, (24, 141, 220, 0.35)),
            (x0, y0, x1, y0 + 4))
    return c


BANNER_WIDTH, BANNER_HEIGHT = 514, 68


def _film(c, x0, y0, x1, y1):
    """A horizontal film strip, fading in from the left."""
    height = y1 - y0
    fade = hgradient(x0, x0 + 60, (0, 0, 0, 0.0), (0, 0, 0, 1.0))

    def faded(colour):
        return lambda x, y: colour[:3] + (colour[3] * fade(x, y)[3] if len(colour) == 4
                                          else fade(x, y)[3],)
    c.fill(faded((20, 22, 30, 0.92)), (x0, y0, x1, y1))
    hole_w, hole_h, rail = 6, 4, height * 0.16
    for hx in range(int(x0) + 4, int(x1), 12):
        for hy in (y0 + (rail - hole_h) / 2, y1 - (rail + hole_h) / 2):
            c.paint(box(hx, hy, hx + hole_w, hy + hole_h, 1.0), faded((220, 228, 238)),
                    (hx - 1, hy - 1, hx + hole_w + 1, hy + hole_h + 1))
    frame_w, gap = 62, 6
    fy0, fy1 = y0 + rail + 1, y1 - rail - 1
    scenes = [((96, 170, 236), (196, 228, 252), (64, 150, 64)),
              ((240, 150, 90), (252, 214, 150), (90, 70, 110)),
              ((70, 130, 210), (170, 210, 246), (40, 110, 150))]
    fx = x0 + 10
    i = 0
    while fx < x1:
        sky_top, sky_bottom, land = scenes[i % len(scenes)]
        frame = box(fx, fy0, fx + frame_w, fy1, 1.5)
        area = (fx - 1, fy0 - 1, fx + frame_w + 1, fy1 + 1)
        c.paint(frame, lambda x, y, a=sky_top, b=sky_bottom: vgradient(fy0, fy1, a, b)(x, y)[:3]
                + (fade(x, y)[3],), area)
        c.paint(intersect(frame, circle(fx + frame_w * 0.35, fy1 + 20, 30)), faded(land), area)
        c.paint(intersect(frame, circle(fx + frame_w * 0.75, fy0 + 8, 4.5)),
                faded((255, 236, 160)), area)
        fx += frame_w + gap
        i += 1


def banner():
    w, h = BANNER_WIDTH, BANNER_HEIGHT
    c = Canvas(w, h, (0, 0, 0))
    c.fill(hgradient(0, w, (22, 104, 182), (16, 74, 140), (12, 50, 100)))
    c.fill(vgradient(0, h, (255, 255, 255, 0.16), (255, 255, 255, 0.04), (0, 0, 0, 0.12)))
    for cx, cy, r, a in ((60, 160, 150, 0.07), (300, -90, 140, 0.06)):
        c.paint(outline(circle(cx, cy, r), 26), (255, 255, 255, a))
    _film(c, 358, 6, w, h - 6)
    # Play sign, then the slogan.
    c.paint(circle(34, 34, 19), (255, 255, 255, 0.95), (12, 12, 56, 56))
    c.paint(circle(34, 34, 16.5), vgradient(17, 51, (40, 160, 240), (14, 90, 170)), (12, 12, 56, 56))
    c.paint(polygon([(28, 24), (45, 34), (28, 44)]), (255, 255, 255), (24, 20, 50, 48))
    _lettering(c, "DOWNLOAD \u00b7 PLAY \u00b7 ENJOY", 68, 18, 13, 2.3, (255, 255, 255))
    _lettering(c, "SAVE VIDEOS \u00b7 WATCH THEM ANYTIME", 69, 41, 7, 1.25, (170, 210, 244), 0.28)
    return c
