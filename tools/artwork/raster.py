"""A tiny software rasteriser: an RGBA canvas and anti-aliased shapes.

Shapes are signed distance functions (negative inside, in pixels); a pixel's
coverage is taken from the distance at its centre, which gives one pixel of
soft edge and needs no supersampling. Colours are (r, g, b) or (r, g, b, a)
tuples with channels 0..255 and alpha 0..1, or functions of (x, y) that
return such a tuple (gradients).
"""

import math


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(c0, c1, t):
    """Linear blend of two colours (3 or 4 channels)."""
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def lighten(c, t):
    return mix(c[:3], (255, 255, 255), t)


def darken(c, t):
    return mix(c[:3], (0, 0, 0), t)


# --- signed distance functions -------------------------------------------

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ellipse(cx, cy, rx, ry):
    # Not exact, but close enough near the outline for one pixel of softness.
    def sdf(x, y):
        dx, dy = (x - cx) / rx, (y - cy) / ry
        k = math.hypot(dx, dy)
        if k == 0:
            return -min(rx, ry)
        grad = math.hypot(dx / rx, dy / ry)
        return (k - 1.0) * k / grad
    return sdf


def box(x0, y0, x1, y1, r=0.0):
    """Rectangle from (x0, y0) to (x1, y1) with corner radius r."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return sdf


def segment(ax, ay, bx, by, half_width):
    """A capsule: the stroke of a line with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def sdf(x, y):
        px, py = x - ax, y - ay
        t = 0.0 if length2 == 0 else clamp((px * dx + py * dy) / length2)
        return math.hypot(px - dx * t, py - dy * t) - half_width
    return sdf


def polyline(points, half_width):
    parts = [segment(*points[i], *points[i + 1], half_width)
             for i in range(len(points) - 1)]
    return union(*parts)


def polygon(points):
    """Signed distance to a closed polygon (even-odd inside test)."""
    n = len(points)

    def sdf(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            e2 = ex * ex + ey * ey
            t = clamp((wx * ex + wy * ey) / e2) if e2 else 0.0
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -best if inside else best
    return sdf


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def subtract(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def outline(shape, width):
    """A stroke of the given width centred on a shape's edge."""
    return lambda x, y: abs(shape(x, y)) - width / 2


def inset(shape, d):
    return lambda x, y: shape(x, y) + d


# --- colour sources ----------------------------------------------------------

def vgradient(y0, y1, *stops):
    """Vertical gradient between y0 and y1; stops are colours spread evenly
    or (position, colour) pairs with positions 0..1."""
    stops = _stops(stops)

    def colour(x, y):
        return _at(stops, clamp((y - y0) / (y1 - y0) if y1 != y0 else 0.0))
    return colour


def hgradient(x0, x1, *stops):
    stops = _stops(stops)

    def colour(x, y):
        return _at(stops, clamp((x - x0) / (x1 - x0) if x1 != x0 else 0.0))
    return colour


def radial(cx, cy, r, *stops):
    stops = _stops(stops)

    def colour(x, y):
        return _at(stops, clamp(math.hypot(x - cx, y - cy) / r))
    return colour


def _stops(stops):
    if stops and isinstance(stops[0][0], float) and len(stops[0]) == 2:
        return list(stops)
    n = len(stops)
    return [(i / (n - 1) if n > 1 else 0.0, c) for i, c in enumerate(stops)]


def _at(stops, t):
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(_rgba(c0), _rgba(c1), (t - p0) / (p1 - p0) if p1 > p0 else 0.0)
    return _rgba(stops[-1][1])


def _rgba(c):
    return tuple(c) if len(c) == 4 else (c[0], c[1], c[2], 1.0)


# --- the canvas --------------------------------------------------------------

class Canvas:
    """Straight (not premultiplied) RGBA pixels, row by row from the top."""

    def __init__(self, width, height, background=None):
        self.width, self.height = width, height
        fill = _rgba(background) if background else (0.0, 0.0, 0.0, 0.0)
        self.px = [list(fill) for _ in range(width * height)]

    def get(self, x, y):
        return self.px[y * self.width + x]

    def set(self, x, y, colour):
        self.px[y * self.width + x] = list(_rgba(colour))

    def blend(self, x, y, colour, coverage):
        """Composite colour over the pixel with the given coverage."""
        r, g, b, a = _rgba(colour)
        a *= coverage
        if a <= 0:
            return
        d = self.px[y * self.width + x]
        out_a = a + d[3] * (1 - a)
        if out_a <= 0:
            return
        k = d[3] * (1 - a)
        d[0] = (r * a + d[0] * k) / out_a
        d[1] = (g * a + d[1] * k) / out_a
        d[2] = (b * a + d[2] * k) / out_a
        d[3] = out_a

    def paint(self, shape, colour, bounds=None, opacity=1.0, softness=1.0):
        """Fill a shape. bounds (x0, y0, x1, y1) limits the work; without it
        the whole canvas is visited."""
        x0, y0, x1, y1 = self._bounds(bounds)
        constant = not callable(colour)
        for y in range(y0, y1):
            for x in range(x0, x1):
                d = shape(x + 0.5, y + 0.5)
                cov = clamp(0.5 - d / softness)
                if cov > 0:
                    c = colour if constant else colour(x + 0.5, y + 0.5)
                    self.blend(x, y, c, cov * opacity)

    def fill(self, colour, bounds=None, opacity=1.0):
        """Fill a rectangle of pixels (no edge softness)."""
        x0, y0, x1, y1 = self._bounds(bounds)
        constant = not callable(colour)
        for y in range(y0, y1):
            for x in range(x0, x1):
                c = colour if constant else colour(x + 0.5, y + 0.5)
                self.blend(x, y, c, opacity)

    def _bounds(self, bounds):
        if bounds is None:
            return 0, 0, self.width, self.height
        x0, y0, x1, y1 = bounds
        return (max(0, int(math.floor(x0))), max(0, int(math.floor(y0))),
                min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1))))

    def flattened(self, background):
        """Opaque copy of the canvas over a background colour."""
        out = Canvas(self.width, self.height, background)
        for i, p in enumerate(self.px):
            out.px[i] = list(mix(_rgba(background), (p[0], p[1], p[2], 1.0), p[3]))
            out.px[i][3] = 1.0
        return out

    def rgb_rows(self):
        """Rows of (r, g, b) integer tuples, top row first."""
        w = self.width
        return [[tuple(int(round(clamp(c, 0, 255))) for c in self.px[y * w + x][:3])
                 for x in range(w)] for y in range(self.height)]

    def alpha_rows(self):
        w = self.width
        return [[self.px[y * w + x][3] for x in range(w)] for y in range(self.height)]
