"""The program's icon and the five task-state icons of the task list."""

from .raster import (Canvas, box, circle, intersect, outline, polygon, polyline,
                     radial, segment, union, vgradient)

GREEN_TOP, GREEN_BOTTOM, GREEN_EDGE = (118, 204, 92), (34, 142, 44), (24, 104, 34)
BLUE_TOP, BLUE_BOTTOM, BLUE_EDGE = (92, 160, 238), (24, 86, 186), (18, 62, 140)
WHITE = (255, 255, 255)


def _disc(c, cx, cy, r, top, bottom, edge):
    """A glossy disc: gradient body, darker rim, soft highlight on top."""
    c.paint(circle(cx, cy, r), edge)
    c.paint(circle(cx, cy, r - 0.9), vgradient(cy - r, cy + r, top, bottom))
    c.paint(intersect(circle(cx, cy - r * 0.42, r * 0.62), circle(cx, cy, r - 1.3)),
            vgradient(cy - r, cy, (255, 255, 255, 0.55), (255, 255, 255, 0.05)))


def _down_arrow(cx, top, bottom, shaft, head):
    """Closed outline of a downward arrow with its tip at (cx, bottom)."""
    neck = bottom - head * 0.9
    return [(cx - shaft / 2, top), (cx + shaft / 2, top), (cx + shaft / 2, neck),
            (cx + head, neck), (cx, bottom), (cx - head, neck), (cx - shaft / 2, neck)]


def analysing():
    """A window with a magnifying glass in front of it."""
    c = Canvas(16, 16)
    c.paint(box(0.5, 1.5, 13.5, 12.5, 1.0), (58, 80, 112))
    c.paint(box(1.5, 4.5, 12.5, 11.5), vgradient(4, 12, WHITE, (222, 232, 244)))
    c.paint(box(1.5, 2.5, 12.5, 4.5), vgradient(2, 5, (86, 150, 226), (34, 96, 184)))
    for y in (6.5, 8.5):
        c.paint(segment(3.0, y, 7.5, y, 0.45), (150, 170, 196))
    lens = circle(10.0, 10.0, 3.3)
    c.paint(segment(12.2, 12.2, 14.6, 14.6, 1.25), (96, 70, 44))
    c.paint(lens, (200, 228, 250, 0.9))
    c.paint(intersect(lens, circle(9.2, 9.0, 2.0)), (255, 255, 255, 0.7))
    c.paint(outline(lens, 1.4), (52, 56, 66))
    return c


def information():
    """A blue disc with a white "i"."""
    c = Canvas(16, 16)
    _disc(c, 8, 8, 7.5, BLUE_TOP, BLUE_BOTTOM, BLUE_EDGE)
    c.paint(circle(8, 4.6, 1.3), WHITE)
    c.paint(box(6.9, 6.6, 9.1, 12.4, 0.5), WHITE)
    return c


def completed():
    """A green disc with a white tick."""
    c = Canvas(16, 16)
    _disc(c, 8, 8, 7.5, GREEN_TOP, GREEN_BOTTOM, GREEN_EDGE)
    c.paint(polyline([(4.4, 8.3), (7.0, 10.9), (11.7, 5.4)], 1.05), WHITE)
    return c


def waiting():
    """A green disc with a white pause sign."""
    c = Canvas(16, 16)
    _disc(c, 8, 8, 7.5, GREEN_TOP, GREEN_BOTTOM, GREEN_EDGE)
    c.paint(box(5.0, 4.5, 7.2, 11.5, 0.4), WHITE)
    c.paint(box(8.8, 4.5, 11.0, 11.5, 0.4), WHITE)
    return c


def _globe(c, cx, cy, r, line):
    """A blue globe with its equator and three meridians."""
    c.paint(circle(cx, cy, r), (20, 76, 150))
    c.paint(circle(cx, cy, r - 0.8), radial(cx - r * 0.35, cy - r * 0.4, r * 1.6,
                                            (110, 180, 246), (34, 100, 196), (18, 60, 140)))
    inside = circle(cx, cy, r - 0.9)
    grid = union(segment(cx - r, cy, cx + r, cy, line / 2),
                 segment(cx, cy - r, cx, cy + r, line / 2),
                 outline(_lens(cx, cy, r), line))
    c.paint(intersect(grid, inside), (200, 228, 255, 0.6))


def _lens(cx, cy, r):
    # Meridians left and right of the centre: two circle arcs through the poles.
    return intersect(circle(cx - r * 0.7, cy, r * 1.22), circle(cx + r * 0.7, cy, r * 1.22))


def transferring():
    """A globe with a green downward arrow."""
    c = Canvas(16, 16)
    _globe(c, 6.8, 6.8, 6.4, 0.7)
    arrow = polygon(_down_arrow(11.5, 6.0, 15.6, 2.6, 3.9))
    c.paint(outline(arrow, 2.0), WHITE)
    c.paint(arrow, vgradient(6, 15.6, GREEN_TOP, GREEN_BOTTOM))
    c.paint(outline(arrow, 0.8), GREEN_EDGE)
    return c


def _film_strip(c, x0, y0, x1, y1, holes, frames):
    """A vertical strip of film: dark base, sprocket holes on both edges and
    picture frames showing a little landscape."""
    w = x1 - x0
    c.paint(box(x0, y0, x1, y1, w * 0.08), vgradient(y0, y1, (70, 72, 84), (34, 36, 44)))
    edge = w * 0.2
    for i in range(holes):
        hy = y0 + (y1 - y0) * (i + 0.5) / holes
        hh = (y1 - y0) / holes * 0.42
        for hx in (x0 + edge * 0.5, x1 - edge * 0.5):
            c.paint(box(hx - edge * 0.28, hy - hh / 2, hx + edge * 0.28, hy + hh / 2, 0.4),
                    (236, 240, 246))
    fx0, fx1 = x0 + edge, x1 - edge
    gap = (y1 - y0) * 0.06
    fh = ((y1 - y0) - gap * (frames + 1)) / frames
    for i in range(frames):
        fy0 = y0 + gap + i * (fh + gap)
        fy1 = fy0 + fh
        frame = box(fx0, fy0, fx1, fy1, 0.5)
        c.paint(frame, vgradient(fy0, fy1, (120, 190, 248), (200, 232, 255)))
        hill = circle(fx0 + (fx1 - fx0) * 0.3, fy1 + fh * 0.55, fh * 0.85)
        c.paint(intersect(frame, hill), (70, 160, 70))
        if fx1 - fx0 >= 8:
            sun = circle(fx1 - (fx1 - fx0) * 0.28, fy0 + fh * 0.3, fh * 0.16)
            c.paint(intersect(frame, sun), (255, 214, 80))


def application(size):
    """The film strip with its download arrow at any size; the 16-pixel
    version is simplified to stay legible."""
    c = Canvas(size, size)
    if size >= 32:
        k = size / 32.0
        _film_strip(c, 3 * k, 1 * k, 21 * k, 29 * k, 5, 2)
        cx, cy, r = 22.5 * k, 22.5 * k, 9.0 * k
    else:
        k = 1.0
        _film_strip(c, 1, 0.5, 11.5, 14.5, 3, 1)
        cx, cy, r = 11.2, 11.2, 4.7
    c.paint(circle(cx, cy, r + k), (255, 255, 255, 0.95))
    _disc(c, cx, cy, r, GREEN_TOP, GREEN_BOTTOM, GREEN_EDGE)
    arrow = polygon(_down_arrow(cx, cy - r * 0.62, cy + r * 0.66, r * 0.42, r * 0.58))
    c.paint(arrow, WHITE)
    return c


def application_32():
    return application(32)


def application_16():
    return application(16)
