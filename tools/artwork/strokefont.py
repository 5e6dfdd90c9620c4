"""A geometric stroke font of capital letters for the artwork's lettering.

Each glyph is a list of polylines in a box one unit high (y grows down) and
`width` units wide; the text is drawn as round-capped strokes.
"""

import math

from . import raster


def _arc(cx, cy, rx, ry, a0, a1, steps=14):
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps)))
            for i in range(steps + 1)]


def _p_bowl():
    return [(0, 1), (0, 0), (0.33, 0)] + _arc(0.33, 0.27, 0.27, 0.27, -90, 90) + [(0, 0.54)]


GLYPHS = {
    "A": (0.8, [[(0, 1), (0.4, 0), (0.8, 1)], [(0.15, 0.64), (0.65, 0.64)]]),
    "B": (0.62, [[(0, 0), (0, 1)],
                 [(0, 0), (0.34, 0)] + _arc(0.34, 0.25, 0.25, 0.25, -90, 90) + [(0, 0.5)],
                 [(0, 0.5), (0.36, 0.5)] + _arc(0.36, 0.75, 0.26, 0.25, -90, 90) + [(0, 1)]]),
    "C": (0.78, [_arc(0.45, 0.5, 0.45, 0.5, 40, 320, 24)]),
    "D": (0.72, [[(0, 0), (0, 1), (0.22, 1)] + _arc(0.22, 0.5, 0.5, 0.5, 90, -90, 20) + [(0, 0)]]),
    "E": (0.58, [[(0.58, 0), (0, 0), (0, 1), (0.58, 1)], [(0, 0.5), (0.48, 0.5)]]),
    "F": (0.56, [[(0.56, 0), (0, 0), (0, 1)], [(0, 0.5), (0.46, 0.5)]]),
    "G": (0.82, [_arc(0.45, 0.5, 0.45, 0.5, -40, -360, 24) + [(0.52, 0.5)]]),
    "H": (0.7, [[(0, 0), (0, 1)], [(0.7, 0), (0.7, 1)], [(0, 0.5), (0.7, 0.5)]]),
    "I": (0.0, [[(0, 0), (0, 1)]]),
    "J": (0.5, [[(0.5, 0), (0.5, 0.72)] + _arc(0.25, 0.72, 0.25, 0.28, 0, 180)]),
    "K": (0.64, [[(0, 0), (0, 1)], [(0.64, 0), (0, 0.62)], [(0.22, 0.45), (0.64, 1)]]),
    "L": (0.54, [[(0, 0), (0, 1), (0.54, 1)]]),
    "M": (0.86, [[(0, 1), (0, 0), (0.43, 0.72), (0.86, 0), (0.86, 1)]]),
    "N": (0.72, [[(0, 1), (0, 0), (0.72, 1), (0.72, 0)]]),
    "O": (0.9, [_arc(0.45, 0.5, 0.45, 0.5, 0, 360, 28)]),
    "P": (0.6, [_p_bowl()]),
    "Q": (0.92, [_arc(0.45, 0.5, 0.45, 0.5, 0, 360, 28), [(0.58, 0.7), (0.92, 1.02)]]),
    "R": (0.62, [_p_bowl(), [(0.3, 0.54), (0.62, 1)]]),
    "S": (0.6, [_arc(0.3, 0.25, 0.3, 0.25, -30, -270, 14) + _arc(0.3, 0.75, 0.3, 0.25, -90, 150, 16)]),
    "T": (0.7, [[(0, 0), (0.7, 0)], [(0.35, 0), (0.35, 1)]]),
    "U": (0.7, [[(0, 0), (0, 0.62)] + _arc(0.35, 0.62, 0.35, 0.38, 180, 0, 16) + [(0.7, 0)]]),
    "V": (0.76, [[(0, 0), (0.38, 1), (0.76, 0)]]),
    "W": (1.1, [[(0, 0), (0.26, 1), (0.55, 0.28), (0.84, 1), (1.1, 0)]]),
    "X": (0.7, [[(0, 0), (0.7, 1)], [(0.7, 0), (0, 1)]]),
    "Y": (0.7, [[(0, 0), (0.35, 0.5), (0.7, 0)], [(0.35, 0.5), (0.35, 1)]]),
    "Z": (0.64, [[(0, 0), (0.64, 0), (0, 1), (0.64, 1)]]),
    "\u00b7": (0.0, [[(0, 0.52), (0, 0.52)]]),
    " ": (0.35, []),
}


def layout(text, x, y, height, stroke, tracking=0.18):
    """Polylines in pixels for text whose capitals start at (x, y) and are
    `height` pixels tall, plus the advance (the drawn width)."""
    lines, pen = [], x + stroke / 2
    for ch in text:
        width, strokes = GLYPHS[ch]
        for s in strokes:
            lines.append([(pen + px * height, y + py * height) for px, py in s])
        pen += width * height + stroke + tracking * height
    return lines, pen - tracking * height - x - stroke / 2


def text_shape(text, x, y, height, stroke, tracking=0.18):
    """A signed distance function of the lettering, and its bounds."""
    lines, advance = layout(text, x, y, height, stroke, tracking)
    parts = [raster.polyline(l, stroke / 2) for l in lines]
    bounds = (x - stroke, y - stroke, x + advance + 2 * stroke, y + height * 1.1 + stroke)
    return raster.union(*parts), bounds


def text_width(text, height, stroke, tracking=0.18):
    return layout(text, 0, 0, height, stroke, tracking)[1]
