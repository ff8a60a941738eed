#!/usr/bin/env python3
"""Draws every picture Orvex ships and writes the binary resource files.

Run it from anywhere:

    python3 src/res/art/make_art.py            write the .ico/.cur/.bmp files next to this script
    python3 src/res/art/make_art.py --check    re-draw in memory, compare with the files on disk,
                                               parse every file back with a small reader and
                                               compare the 150% and 200% pictures with the 100% ones
    python3 src/res/art/make_art.py --preview [DIR]
                                               write enlarged PNG previews (default /tmp/artpreview)

Everything is drawn from code with a tiny supersampling rasteriser (rectangles, polygons,
ellipses, rings, thick lines, hand-made pixel fonts).  The toolbar, tree, marker and finder
pictures are drawn at 100%, 150% and 200% by the same code: a Canvas has a scale, takes
shapes in 100% coordinates and rasterises them at its own resolution.  Only the Python
standard library is used and no floating-point function whose result may differ between C
libraries decides a pixel, so the output is byte-identical on every run.
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# --------------------------------------------------------------------------------------------
# Geometry
# --------------------------------------------------------------------------------------------

def unit(deg):
    """Direction for an angle in screen space (0 = right, 90 = down), rounded so that tiny
    differences between maths libraries cannot reach the rasteriser."""
    r = math.radians(deg)
    return (round(math.cos(r), 12), round(math.sin(r), 12))


class Shape:
    bbox = None  # (x0, y0, x1, y1) or None when unbounded

    def hit(self, x, y):
        raise NotImplementedError

    def __or__(self, other):
        return Union(self, other)

    def __sub__(self, other):
        return Diff(self, other)

    def __and__(self, other):
        return Inter(self, other)


class Rect(Shape):
    def __init__(self, x0, y0, x1, y1):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.bbox = (x0, y0, x1, y1)

    def hit(self, x, y):
        return self.x0 <= x < self.x1 and self.y0 <= y < self.y1


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, r):
        self.x0, self.y0, self.x1, self.y1, self.r = x0, y0, x1, y1, r
        self.bbox = (x0, y0, x1, y1)

    def hit(self, x, y):
        if not (self.x0 <= x < self.x1 and self.y0 <= y < self.y1):
            return False
        r = self.r
        cx = min(max(x, self.x0 + r), self.x1 - r)
        cy = min(max(y, self.y0 + r), self.y1 - r)
        dx, dy = x - cx, y - cy
        return dx * dx + dy * dy <= r * r


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry=None):
        ry = rx if ry is None else ry
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.bbox = (cx - rx, cy - ry, cx + rx, cy + ry)

    def hit(self, x, y):
        dx = (x - self.cx) / self.rx
        dy = (y - self.cy) / self.ry
        return dx * dx + dy * dy <= 1.0


def Circle(cx, cy, r):
    return Ellipse(cx, cy, r, r)


def Ring(cx, cy, r_out, r_in):
    return Circle(cx, cy, r_out) - Circle(cx, cy, r_in)


class RotEllipse(Shape):
    """An ellipse turned by an angle (degrees, clockwise on screen)."""

    def __init__(self, cx, cy, rx, ry, deg):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.c, self.s = unit(deg)
        m = max(rx, ry)
        self.bbox = (cx - m, cy - m, cx + m, cy + m)

    def hit(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        u = (dx * self.c + dy * self.s) / self.rx
        v = (-dx * self.s + dy * self.c) / self.ry
        return u * u + v * v <= 1.0


class Poly(Shape):
    def __init__(self, pts):
        self.pts = [(float(a), float(b)) for a, b in pts]
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def hit(self, x, y):
        inside = False
        pts = self.pts
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y):
                xc = xi + (y - yi) * (xj - xi) / (yj - yi)
                if x < xc:
                    inside = not inside
            j = i
        return inside


class Capsule(Shape):
    """A thick segment with round ends."""

    def __init__(self, x0, y0, x1, y1, w):
        self.a = (x0, y0)
        self.b = (x1, y1)
        self.r = w / 2.0
        r = self.r
        self.bbox = (min(x0, x1) - r, min(y0, y1) - r, max(x0, x1) + r, max(y0, y1) + r)
        self.dx, self.dy = x1 - x0, y1 - y0
        self.ll = self.dx * self.dx + self.dy * self.dy

    def hit(self, x, y):
        px, py = x - self.a[0], y - self.a[1]
        t = 0.0 if self.ll == 0 else (px * self.dx + py * self.dy) / self.ll
        t = min(1.0, max(0.0, t))
        ex, ey = px - t * self.dx, py - t * self.dy
        return ex * ex + ey * ey <= self.r * self.r


def Line(x0, y0, x1, y1, w):
    """A thick segment with square (butt) ends."""
    dx, dy = x1 - x0, y1 - y0
    ln = math.sqrt(dx * dx + dy * dy)
    nx, ny = -dy / ln * w / 2.0, dx / ln * w / 2.0
    return Poly([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])


def Polyline(pts, w, round_joins=True):
    shape = None
    for (a, b), (c, d) in zip(pts, pts[1:]):
        seg = Capsule(a, b, c, d, w) if round_joins else Line(a, b, c, d, w)
        shape = seg if shape is None else shape | seg
    return shape


class Sector(Shape):
    """The wedge swept clockwise (on screen) from angle a0 to a1 around a centre."""

    def __init__(self, cx, cy, a0, a1):
        self.cx, self.cy = cx, cy
        self.d0 = unit(a0)
        self.d1 = unit(a1)
        self.span = (a1 - a0) % 360 or 360
        self.bbox = None

    def hit(self, x, y):
        px, py = x - self.cx, y - self.cy
        c0 = self.d0[0] * py - self.d0[1] * px   # >= 0: p is clockwise of d0
        c1 = px * self.d1[1] - py * self.d1[0]   # >= 0: p is anticlockwise of d1
        if self.span <= 180:
            return c0 >= 0 and c1 >= 0
        return c0 >= 0 or c1 >= 0


class Union(Shape):
    def __init__(self, *members):
        self.members = members
        boxes = [p.bbox for p in members]
        if any(b is None for b in boxes):
            self.bbox = None
        else:
            self.bbox = (min(b[0] for b in boxes), min(b[1] for b in boxes),
                         max(b[2] for b in boxes), max(b[3] for b in boxes))

    def hit(self, x, y):
        for p in self.members:
            if p.hit(x, y):
                return True
        return False


class Diff(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.bbox = a.bbox

    def hit(self, x, y):
        return self.a.hit(x, y) and not self.b.hit(x, y)


class Inter(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        if a.bbox is None:
            self.bbox = b.bbox
        elif b.bbox is None:
            self.bbox = a.bbox
        else:
            self.bbox = (max(a.bbox[0], b.bbox[0]), max(a.bbox[1], b.bbox[1]),
                         min(a.bbox[2], b.bbox[2]), min(a.bbox[3], b.bbox[3]))

    def hit(self, x, y):
        return self.a.hit(x, y) and self.b.hit(x, y)


# --------------------------------------------------------------------------------------------
# Canvas: premultiplied RGBA with supersampled coverage
# --------------------------------------------------------------------------------------------

class Canvas:
    """A w x h picture in logical pixels, rasterised at k device pixels per logical pixel.

    Shapes are given in logical coordinates and sampled at the device resolution, so the
    same drawing code yields a sharp 150% or 200% picture rather than a stretched one."""

    def __init__(self, w, h, ss=4, k=1):
        self.lw, self.lh, self.k, self.ss = w, h, k, ss
        self.w, self.h = self._dev(w, w), self._dev(h, h)
        n = self.w * self.h
        self.r = [0.0] * n
        self.g = [0.0] * n
        self.b = [0.0] * n
        self.a = [0.0] * n

    def _dev(self, v, size):
        """Device edge for the logical edge v on an axis of `size` logical pixels.  Rounding
        away from the middle keeps a picture that is symmetric at 100% symmetric at 150%,
        where every other logical pixel has to become two device pixels."""
        mid = size / 2.0
        d = math.floor(abs(v - mid) * self.k + 0.5)
        return int(mid * self.k + (d if v >= mid else -d))

    def _cover(self, shape):
        k = self.k
        bb = shape.bbox or (0, 0, self.lw, self.lh)
        x0 = max(0, int(math.floor(bb[0] * k)))
        y0 = max(0, int(math.floor(bb[1] * k)))
        x1 = min(self.w, int(math.ceil(bb[2] * k)) + 1)
        y1 = min(self.h, int(math.ceil(bb[3] * k)) + 1)
        n = self.ss
        offs = [(i + 0.5) / n for i in range(n)]
        tot = float(n * n)
        hit = shape.hit
        for py in range(y0, y1):
            for px in range(x0, x1):
                c = 0
                for oy in offs:
                    yy = (py + oy) / k
                    for ox in offs:
                        if hit((px + ox) / k, yy):
                            c += 1
                if c:
                    yield py * self.w + px, c / tot

    def fill(self, shape, col, alpha=1.0):
        r, g, b = col
        for i, cov in self._cover(shape):
            a = cov * alpha
            k = 1.0 - a
            self.r[i] = r * a + self.r[i] * k
            self.g[i] = g * a + self.g[i] * k
            self.b[i] = b * a + self.b[i] * k
            self.a[i] = a + self.a[i] * k

    def erase(self, shape):
        for i, cov in self._cover(shape):
            k = 1.0 - cov
            self.r[i] *= k
            self.g[i] *= k
            self.b[i] *= k
            self.a[i] *= k

    # Pixel-exact helpers: integer logical coordinates, right and bottom exclusive.  Their
    # edges land on whole device pixels at any scale, so lines stay crisp instead of turning
    # into half-covered smears at 150%.
    def snap(self, x0, y0, x1, y1):
        """The logical box x0..x1, y0..y1 moved onto the nearest device pixel edges."""
        k = float(self.k)
        return (self._dev(x0, self.lw) / k, self._dev(y0, self.lh) / k,
                self._dev(x1, self.lw) / k, self._dev(y1, self.lh) / k)

    def grid(self, x0, y0, x1, y1):
        return Rect(*self.snap(x0, y0, x1, y1))

    def rect(self, x0, y0, x1, y1, col):
        self.fill(self.grid(x0, y0, x1, y1), col)

    def frame(self, x0, y0, x1, y1, col, t=1):
        self.fill(self.grid(x0, y0, x1, y1) - self.grid(x0 + t, y0 + t, x1 - t, y1 - t), col)

    def box(self, x0, y0, x1, y1, fill, line, t=1):
        self.rect(x0, y0, x1, y1, fill)
        self.frame(x0, y0, x1, y1, line, t)

    def _paint(self, x0, y0, x1, y1, col):
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                i = y * self.w + x
                self.r[i], self.g[i], self.b[i] = float(col[0]), float(col[1]), float(col[2])
                self.a[i] = 1.0

    def pixel(self, x, y, col):
        if 0 <= x < self.lw and 0 <= y < self.lh:
            self._paint(self._dev(x, self.lw), self._dev(y, self.lh), self._dev(x + 1, self.lw),
                        self._dev(y + 1, self.lh), col)

    def dot(self, x, y, col, w=1, h=1):
        """A lone dot or bar of w x h logical pixels, placed around its scaled centre instead of
        snapped cell by cell: at 150% the cells alternate between one and two device pixels,
        which would make a row of dots uneven and the two strokes of a plus sign cross off
        their middles.  A side one pixel long keeps the whole device pixels it can fill
        (rounding down, so a 150% line stays a line); longer sides round to the nearest."""
        sw, sh = [int(n * self.k) if n == 1 else int(n * self.k + 0.5) for n in (w, h)]
        x0 = int(math.floor((x + w / 2.0) * self.k - sw / 2.0 + 0.5))
        y0 = int(math.floor((y + h / 2.0) * self.k - sh / 2.0 + 0.5))
        self._paint(x0, y0, x0 + sw, y0 + sh, col)

    def sprite(self, x, y, rows, cmap):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in cmap:
                    self.pixel(x + dx, y + dy, cmap[ch])

    def rgba(self):
        """Straight (not premultiplied) 8-bit RGBA tuples, row by row from the top."""
        out = []
        for i in range(self.w * self.h):
            a = self.a[i]
            if a <= 0.0:
                out.append((0, 0, 0, 0))
                continue
            out.append((_u8(self.r[i] / a), _u8(self.g[i] / a), _u8(self.b[i] / a), _u8(a * 255.0)))
        return out

    def masked(self):
        """Colour plus a one-bit mask: a pixel is opaque when at least half covered.
        Returns RGB tuples with None for transparent pixels."""
        out = []
        for i in range(self.w * self.h):
            a = self.a[i]
            if a < 0.5:
                out.append(None)
            else:
                out.append((_u8(self.r[i] / a), _u8(self.g[i] / a), _u8(self.b[i] / a)))
        return out


def _u8(v):
    v = int(v + 0.5)
    return 0 if v < 0 else 255 if v > 255 else v


class Image:
    """A finished picture: either RGBA (alpha 0..255) or masked RGB (None = transparent)."""

    def __init__(self, w, h, px, kind, k=1):
        self.w, self.h, self.px, self.kind = w, h, px, kind  # kind: 'rgba' or 'masked'
        self.k = k  # the scale it was drawn at

    @staticmethod
    def of(c, kind):
        return Image(c.w, c.h, c.rgba() if kind == 'rgba' else c.masked(), kind, c.k)


# --------------------------------------------------------------------------------------------
# Palette: the flat colours all pictures share
# --------------------------------------------------------------------------------------------

INK = (62, 68, 78)          # outlines
GREY = (128, 132, 138)
MID = (170, 174, 180)
LIGHT = (222, 225, 230)
FACE = (240, 240, 242)
PAPER = (255, 255, 255)
BLUE = (0, 110, 210)
DBLUE = (0, 70, 150)
LBLUE = (170, 210, 245)
SKY = (120, 190, 240)
GREEN = (34, 150, 60)
DGREEN = (16, 110, 40)
LGREEN = (110, 200, 110)
RED = (215, 45, 45)
YELLOW = (255, 200, 30)
ORANGE = (240, 130, 20)
BROWN = (150, 100, 55)
SKIN = (240, 190, 130)
PURPLE = (130, 70, 170)
WORKSPACE = (150, 155, 165)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)

MAGENTA = (255, 0, 255)     # transparent colour of the tree pictures
SILVER = (192, 192, 192)    # transparent colour of the tree toolbar


# --------------------------------------------------------------------------------------------
# Pixel fonts
# --------------------------------------------------------------------------------------------

FONT3x5 = {
    '0': ['XXX', 'X.X', 'X.X', 'X.X', 'XXX'],
    '1': ['.X.', 'XX.', '.X.', '.X.', 'XXX'],
    '2': ['XX.', '..X', '.X.', 'X..', 'XXX'],
    '3': ['XX.', '..X', '.X.', '..X', 'XX.'],
}

FONT5x7 = {
    'A': ['.XXX.', 'X...X', 'X...X', 'XXXXX', 'X...X', 'X...X', 'X...X'],
    'C': ['.XXXX', 'X....', 'X....', 'X....', 'X....', 'X....', '.XXXX'],
    'D': ['XXXX.', 'X...X', 'X...X', 'X...X', 'X...X', 'X...X', 'XXXX.'],
    'E': ['XXXXX', 'X....', 'X....', 'XXXX.', 'X....', 'X....', 'XXXXX'],
    'F': ['XXXX', 'X...', 'X...', 'XXX.', 'X...', 'X...', 'X...'],
    'I': ['XXX', '.X.', '.X.', '.X.', '.X.', '.X.', 'XXX'],
    'K': ['X...X', 'X..X.', 'X.X..', 'XX...', 'X.X..', 'X..X.', 'X...X'],
    'L': ['X...', 'X...', 'X...', 'X...', 'X...', 'X...', 'XXXX'],
    'N': ['X...X', 'X...X', 'XX..X', 'X.X.X', 'X..XX', 'X...X', 'X...X'],
    'O': ['.XXX.', 'X...X', 'X...X', 'X...X', 'X...X', 'X...X', '.XXX.'],
    'P': ['XXXX.', 'X...X', 'X...X', 'XXXX.', 'X....', 'X....', 'X....'],
    'R': ['XXXX.', 'X...X', 'X...X', 'XXXX.', 'X.X..', 'X..X.', 'X...X'],
    'S': ['.XXXX', 'X....', 'X....', '.XXX.', '....X', '....X', 'XXXX.'],
    'T': ['XXXXX', '..X..', '..X..', '..X..', '..X..', '..X..', '..X..'],
    'W': ['X...X', 'X...X', 'X...X', 'X.X.X', 'X.X.X', 'X.X.X', '.X.X.'],
    'X': ['X...X', 'X...X', '.X.X.', '..X..', '.X.X.', 'X...X', 'X...X'],
    ' ': ['...', '...', '...', '...', '...', '...', '...'],
}


def text_width(font, s, gap=1):
    return sum(len(font[ch][0]) for ch in s) + gap * (len(s) - 1)


def draw_text(c, x, y, s, col, font=FONT5x7, gap=1):
    for ch in s:
        c.sprite(x, y, font[ch], {'X': col})
        x += len(font[ch][0]) + gap


# The classic arrow pointer, for 32-pixel pictures and for 16-pixel ones.
ARROW_BIG = [
    'X',
    'XX',
    'X.X',
    'X..X',
    'X...X',
    'X....X',
    'X.....X',
    'X......X',
    'X.......X',
    'X........X',
    'X.........X',
    'X......XXXXX',
    'X...X..X',
    'X..XX..X',
    'X.X  X..X',
    'XX   X..X',
    'X     X..X',
    '      X..X',
    '       XX',
]

ARROW_SMALL = [
    'X',
    'XX',
    'X.X',
    'X..X',
    'X...X',
    'X....X',
    'X.....X',
    'X..XXXX',
    'X.X',
    'XX',
]


def arrow(c, x, y, big=True, fill=WHITE, ink=BLACK):
    c.sprite(x, y, ARROW_BIG if big else ARROW_SMALL, {'X': ink, '.': fill})


# --------------------------------------------------------------------------------------------
# Shared motifs
# --------------------------------------------------------------------------------------------

def sight(c, cx, cy, r_out, thick, tick0, tick1, tick_w, dot_r, col, halo=None):
    """The finder's target sight: a ring, a centre dot and four short diagonal ticks."""
    d = math.sqrt(0.5)
    ticks = [Line(cx + sx * d * tick0, cy + sy * d * tick0, cx + sx * d * tick1, cy + sy * d * tick1, tick_w)
             for sx, sy in ((1, 1), (-1, 1), (-1, -1), (1, -1))]
    ring = Ring(cx, cy, r_out, r_out - thick)
    dot = Circle(cx, cy, dot_r)
    if halo:
        hw = halo[1]
        c.fill(Ring(cx, cy, r_out + hw, r_out - thick - hw), halo[0])
        c.fill(Circle(cx, cy, dot_r + hw), halo[0])
        for sx, sy in ((1, 1), (-1, 1), (-1, -1), (1, -1)):
            c.fill(Line(cx + sx * d * (tick0 - hw), cy + sy * d * (tick0 - hw),
                        cx + sx * d * (tick1 + hw), cy + sy * d * (tick1 + hw), tick_w + 2 * hw), halo[0])
    c.fill(ring, col)
    c.fill(dot, col)
    for t in ticks:
        c.fill(t, col)


def finder_window(c):
    """The finder's 32x32 window pictogram: grey border, light title bar, three dots."""
    c.box(0, 1, 32, 31, PAPER, GREY)
    c.rect(1, 2, 31, 8, (214, 226, 240))
    c.rect(1, 8, 31, 9, GREY)
    for x in (21, 24, 27):
        c.rect(x, 4, x + 2, 6, GREY)


def arc_arrow(c, cx, cy, rm, thick, a0, a1, head_w, head_len, col):
    """A ring segment from a0 clockwise to a1 with an arrow head at a1 pointing onwards."""
    ro, ri = rm + thick / 2.0, rm - thick / 2.0
    c.fill(Ring(cx, cy, ro, ri) & Sector(cx, cy, a0, a1), col)
    ux, uy = unit(a1)
    tx, ty = -uy, ux                       # clockwise tangent
    px, py = cx + ux * rm, cy + uy * rm
    c.fill(Poly([(px + ux * head_w, py + uy * head_w),
                 (px - ux * head_w, py - uy * head_w),
                 (px + tx * head_len, py + ty * head_len)]), col)


def gear(c, cx, cy, r_body, r_tooth, tooth_w, r_hole, teeth, col, hole_col=None):
    shape = Circle(cx, cy, r_body)
    for k in range(teeth):
        ux, uy = unit(360.0 * k / teeth)
        shape = shape | Line(cx, cy, cx + ux * r_tooth, cy + uy * r_tooth, tooth_w)
    c.fill(shape, col)
    if hole_col is None:
        c.erase(Circle(cx, cy, r_hole))
    else:
        c.fill(Circle(cx, cy, r_hole), hole_col)


# --------------------------------------------------------------------------------------------
# Application icon (128): a window with a crosshair sight, 16, 32, 48 and 64 pixels
# --------------------------------------------------------------------------------------------

APP_ICON_16 = [
    '................',
    '.##############.',
    '#########o#o#o##',
    '################',
    '#wwwwwwwwwwwwww#',
    '#wwwwwwbwwwwwww#',
    '#wwwwbbbbbwwwww#',
    '#wwwbwwbwwbwwww#',
    '#wwwbwwwwwbwwww#',
    '#wwbbbwrwbbbwww#',
    '#wwwbwwwwwbwwww#',
    '#wwwbwwbwwbwwww#',
    '#wwwwbbbbbwwwww#',
    '#wwwwwwbwwwwwww#',
    '#wwwwwwwwwwwwww#',
    '.##############.',
]


def app_icon(size, k=1):
    c = Canvas(size, size, k=k)
    if size == 16:
        c.sprite(0, 0, APP_ICON_16, {'#': INK, 'w': PAPER, 'b': BLUE, 'r': RED, 'o': WHITE})
        return c
    big = size == 48
    m, b, t = (2, 2, 8) if big else (1, 1, 5)        # margin, border, title bar height
    c.fill(RoundRect(m, m + 1, size - m, size - m - 1, 3.5 if big else 2.5), INK)
    top, bottom = m + 1 + t, size - m - 1 - b
    c.rect(m + b, top, size - m - b, bottom, PAPER)
    dot_r = 1.5 if big else 1.0
    for k in range(3):
        c.fill(Circle(size - m - b - (3 + 4 * k if big else 2.5 + 3 * k), m + 1 + t / 2.0, dot_r), WHITE)
    cx, cy = size // 2, (top + bottom) // 2
    r, thick, reach, gap, arm = (11.0, 3.0, 15, 4, 2) if big else (7.5, 2.0, 10, 3, 2)
    c.fill(Ring(cx, cy, r, r - thick), BLUE)
    h = arm // 2
    c.rect(cx - reach, cy - h, cx - gap, cy + h, BLUE)
    c.rect(cx + gap, cy - h, cx + reach, cy + h, BLUE)
    c.rect(cx - h, cy - reach, cx + h, cy - gap, BLUE)
    c.rect(cx - h, cy + gap, cx + h, cy + reach, BLUE)
    c.fill(Circle(cx, cy, 2.0 if big else 1.5), RED)
    return c


# --------------------------------------------------------------------------------------------
# Finder tool: icons 130, 131, 140 and cursor 132 (32, 48 and 64 px, 24-bit with mask)
# --------------------------------------------------------------------------------------------

def finder_idle(c):
    finder_window(c)
    sight(c, 16.0, 19.5, 7.5, 2.0, 5.5, 10.0, 2.0, 1.5, BLUE)


def finder_dragging(c):
    finder_window(c)


def finder_watching(c):
    finder_window(c)
    arrow(c, 11, 11)


def sight_hotspot(k):
    """The cursor's hot spot pixel at scale k: (15, 15) at 32x32, the pixel under the sight's
    middle at larger sizes."""
    h = int(15.5 * k)
    return (h, h)


def finder_cursor(c):
    # The sight is centred on the middle of the hot spot pixel, so that it stays symmetric
    # about the point that is actually picked.
    m = (sight_hotspot(c.k)[0] + 0.5) / c.k
    sight(c, m, m, 9.5, 2.0, 7.0, 14.0, 2.0, 1.5, BLUE, halo=(WHITE, 1.0))


# --------------------------------------------------------------------------------------------
# Send-message icon 144: a window with a mouse pointer and a lightning bolt
# --------------------------------------------------------------------------------------------

def send_message_icon(c):
    finder_window(c)
    bolt = Poly([(22, 10), (15, 21), (20, 21), (17, 30), (29, 17), (23.5, 17), (28, 10)])
    c.fill(bolt, INK)
    c.fill(Poly([(22.6, 11), (16.8, 20), (21.6, 20), (19.4, 27), (27.2, 18), (21.8, 18), (26.2, 11)]), YELLOW)
    arrow(c, 3, 10)


# --------------------------------------------------------------------------------------------
# Main-window toolbars: bitmap 133 (view) and 141 (window), 32x32 at 100%, 32-bit with alpha
# --------------------------------------------------------------------------------------------

def tb_detail(c):
    """Image 0: the Detail listing, many name/value rows in groups."""
    c.fill(RoundRect(*c.snap(3, 2, 29, 30), 1.5), GREY)
    c.rect(4, 3, 28, 29, PAPER)
    for y, head in ((5, True), (8, False), (11, False), (14, False), (18, True), (21, False), (24, False)):
        if head:
            c.rect(6, y, 17, y + 2, BLUE)
        else:
            c.rect(8, y, 14, y + 2, MID)
            c.rect(16, y, 26, y + 2, INK)


def tb_summary(c):
    """Image 1: the Summary listing, a short card of a few bold rows."""
    c.fill(RoundRect(*c.snap(3, 6, 29, 26), 1.5), GREY)
    c.rect(4, 7, 28, 25, PAPER)
    c.rect(4, 7, 28, 11, BLUE)
    for y in (14, 19):
        c.rect(7, y, 12, y + 3, MID)
        c.rect(14, y, 25, y + 3, INK)


def tb_refresh(c):
    arc_arrow(c, 16, 16, 9.5, 3.4, 200, 335, 4.6, 6.0, GREEN)
    arc_arrow(c, 16, 16, 9.5, 3.4, 20, 155, 4.6, 6.0, GREEN)


def mini_window(c, x0, y0, x1, y1, title=BLUE):
    c.box(x0, y0, x1, y1, PAPER, INK)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 3, title)


def tb_window_tree(c):
    c.rect(7, 11, 9, 27, GREY)
    c.rect(9, 16, 14, 18, GREY)
    c.rect(9, 25, 14, 27, GREY)
    mini_window(c, 1, 2, 15, 11)
    mini_window(c, 14, 12, 30, 20)
    mini_window(c, 14, 22, 30, 30, GREEN)


def tb_options(c):
    gear(c, 16, 16, 9.0, 13.0, 4.4, 4.0, 8, GREY)
    c.fill(Ring(16, 16, 9.0, 7.2), INK)
    c.fill(Ring(16, 16, 5.2, 4.0), INK)


def eye(c, cx, cy, w, h, iris_r, iris=BLUE, ink=INK):
    """An almond-shaped eye built from two circle caps."""
    half = w / 2.0
    rr = (half * half + h * h / 4.0) / h     # radius of the circles through the corners and top
    top = Circle(cx, cy + rr - h / 2.0, rr)
    bot = Circle(cx, cy - rr + h / 2.0, rr)
    lens = top & bot
    c.fill(lens, ink)
    inner_top = Circle(cx, cy + rr - h / 2.0, rr - 1.3)
    inner_bot = Circle(cx, cy - rr + h / 2.0, rr - 1.3)
    white = inner_top & inner_bot
    c.fill(white, PAPER)
    c.fill(Circle(cx, cy, iris_r) & white, iris)
    c.fill(Circle(cx, cy, iris_r * 0.45) & white, BLACK)
    c.fill(Circle(cx - iris_r * 0.35, cy - iris_r * 0.35, iris_r * 0.22), WHITE)


def tb_watch_cursor(c):
    eye(c, 14, 11, 26, 15, 4.6)
    arrow(c, 17, 13, fill=WHITE, ink=BLACK)


def tb_find(c):
    """Image 6: Find Window, a magnifier over a small window."""
    mini_window(c, 1, 2, 21, 18)
    c.fill(Line(18.5, 18.5, 28.5, 28.5, 4.6), INK)
    c.fill(Line(19.5, 19.5, 27.8, 27.8, 2.4), BROWN)
    c.fill(Circle(14, 14, 9.0), WHITE)
    c.fill(Ring(14, 14, 8.0, 6.0), INK)
    c.fill(Circle(14, 14, 6.0), LBLUE)
    c.fill(Ring(14, 14, 4.4, 3.2) & Rect(8, 8, 14, 14), WHITE)


def tb_highlight(c):
    c.frame(1, 1, 31, 31, ORANGE, t=3)
    mini_window(c, 8, 9, 24, 23)


def tb_enable_visible(c):
    mini_window(c, 1, 3, 27, 25)
    eye(c, 14, 15, 18, 11, 3.4)
    c.fill(Circle(24.5, 24.5, 7.0), WHITE)
    c.fill(Circle(24.5, 24.5, 6.0), GREEN)
    c.fill(Polyline([(21.2, 24.6), (23.6, 27.0), (27.8, 22.2)], 1.9), WHITE)


def tb_send_message(c):
    c.rect(1, 8, 23, 25, GREY)
    c.rect(2, 9, 22, 24, PAPER)
    c.fill(Polyline([(2.5, 9.5), (12, 17), (21.5, 9.5)], 1.3), GREY)
    c.fill(Poly([(18, 14), (24, 14), (24, 9.5), (31.5, 17.5), (24, 25.5), (24, 21), (18, 21)]), WHITE)
    c.fill(Poly([(19.5, 15.5), (25.5, 15.5), (25.5, 13), (29.5, 17.5), (25.5, 22), (25.5, 19.5), (19.5, 19.5)]),
           GREEN)


def tb_message_log(c):
    mini_window(c, 6, 2, 31, 30)
    for i, y in enumerate(range(8, 28, 4)):
        c.rect(10, y, 28 - (i % 2) * 6, y + 1, BLUE if i % 2 == 0 else GREY)
    # Messages arriving from the left.
    c.fill(Poly([(0, 12.5), (5.5, 12.5), (5.5, 9), (12.5, 16), (5.5, 23), (5.5, 19.5), (0, 19.5)]), WHITE)
    c.fill(Poly([(1, 14), (7, 14), (7, 11.5), (11, 16), (7, 20.5), (7, 18), (1, 18)]), GREEN)


# --------------------------------------------------------------------------------------------
# Window tree toolbar: bitmap 137, six 16x16 pictures (at 100%) on silver (192,192,192)
# --------------------------------------------------------------------------------------------

CUBE = [
    '...TT...',
    '.TTTTTT.',
    'TTTTTTTT',
    'LLTTTTRR',
    'LLLLRRRR',
    'LLLLRRRR',
    'LLLLRRRR',
    '.LLLRRR.',
]


def cube(c, x, y, col):
    """A small isometric cube, 8 by 8, lit from the top left."""
    light = tuple(min(255, v + (255 - v) // 2) for v in col)
    dark = tuple(v * 3 // 5 for v in col)
    c.sprite(x, y, CUBE, {'T': light, 'L': col, 'R': dark})


def tt_categorized(c):
    cube(c, 4, 0, BLUE)
    cube(c, 0, 8, RED)
    cube(c, 8, 8, GREEN)


def tt_view_options(c):
    outer = Poly([(1, 2), (15, 2), (10, 8), (10, 14), (6, 15.5), (6, 8)])
    inner = Poly([(3.2, 3), (12.8, 3), (9, 7.6), (9, 13.3), (7, 14), (7, 7.6)])
    c.fill(outer, BLUE)
    c.fill(inner, PAPER)


REFRESH_SMALL = [
    '...GGGG...',
    '.GGGGGGG.G',
    '.GG....GGG',
    'GG....GGGG',
    'GG........',
    '........GG',
    'GGGG....GG',
    'GGG....GG.',
    'G.GGGGGGG.',
    '...GGGG...',
]


def tt_refresh(c):
    c.rect(0, 0, 11, 14, GREY)
    c.rect(1, 1, 10, 13, PAPER)
    for y in (3, 5, 7):
        c.rect(2, y, 8, y + 1, MID)
    # a white disc and rim around the arrows keep them apart from the page
    c.fill(Circle(11, 11, 5.0), PAPER)
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            c.sprite(6 + dx, 6 + dy, REFRESH_SMALL, {'G': PAPER})
    c.sprite(6, 6, REFRESH_SMALL, {'G': GREEN})


def tt_synch(c):
    c.fill(Poly([(0, 8), (5, 3), (5, 6), (11, 6), (11, 3), (16, 8), (11, 13), (11, 10), (5, 10), (5, 13)]), DGREEN)
    c.fill(Poly([(1.6, 8), (4, 5.6), (4, 7), (12, 7), (12, 5.6), (14.4, 8), (12, 10.4), (12, 9), (4, 9), (4, 10.4)]),
           LGREEN)


def plus_box(c, x, y, minus):
    c.box(x, y, x + 7, y + 7, PAPER, GREY)
    c.dot(x + 2, y + 3, BLUE, w=3)
    if not minus:
        c.dot(x + 3, y + 2, BLUE, h=3)


def tt_collapse_all(c):
    c.rect(1, 1, 6, 4, DBLUE)
    c.rect(3, 4, 4, 13, GREY)
    c.rect(4, 6, 6, 7, GREY)
    c.rect(4, 12, 6, 13, GREY)
    plus_box(c, 5, 3, False)
    plus_box(c, 5, 9, False)
    c.rect(13, 5, 16, 8, DBLUE)
    c.rect(13, 11, 16, 14, DBLUE)


def tt_expand_all(c):
    c.rect(0, 0, 7, 7, PAPER)
    plus_box(c, 0, 0, True)
    c.rect(3, 7, 4, 15, GREY)
    c.rect(4, 10, 7, 11, GREY)
    c.rect(4, 14, 7, 15, GREY)
    c.rect(7, 9, 10, 12, DBLUE)
    c.rect(11, 10, 16, 11, INK)
    c.rect(7, 13, 10, 16, DBLUE)
    c.rect(11, 14, 16, 15, INK)
    c.rect(8, 2, 16, 4, INK)


# --------------------------------------------------------------------------------------------
# Window tree pictures: bitmap 136, 42 pictures of 16x16 (at 100%) on magenta
# --------------------------------------------------------------------------------------------

SPRITE_A = [
    '....XXXX....',
    '....XXXX....',
    '...XXXXXX...',
    '...XX..XX...',
    '...XX..XX...',
    '..XXX..XXX..',
    '..XX....XX..',
    '..XXXXXXXX..',
    '.XXXXXXXXXX.',
    '.XX......XX.',
    'XXX......XXX',
    'XX........XX',
]

SPRITE_A_SMALL = [
    '...XX...',
    '...XX...',
    '..XXXX..',
    '..X..X..',
    '.XX..XX.',
    '.XXXXXX.',
    'XX....XX',
    'XX....XX',
]

SPRITE_QUESTION = [
    '..XXXXX..',
    '.XXXXXXX.',
    'XXX...XXX',
    'XX....XXX',
    '.....XXX.',
    '....XXX..',
    '...XXX...',
    '...XXX...',
    '.........',
    '...XXX...',
    '...XXX...',
]

SPRITE_HAND = [
    '...XX.....',
    '..X..X....',
    '..X..X....',
    '..X..XXX..',
    '..X..X..XX',
    'XXX..X..X.X',
    'X.X.....X.X',
    'X.X.......X',
    'X.........X',
    '.X.......X.',
    '..XXXXXXXX.',
]


def t_desktop(c):
    c.rect(0, 11, 16, 13, BROWN)
    c.rect(1, 13, 3, 16, BROWN)
    c.rect(13, 13, 15, 16, BROWN)
    c.fill(Poly([(2, 10), (4, 1), (13, 1), (11, 10)]), INK)
    c.fill(Poly([(3.3, 9), (4.8, 2), (11.7, 2), (10.2, 9)]), PAPER)
    c.fill(Line(5.5, 7.5, 9.5, 3.5, 1.0), BLUE)
    c.fill(Line(6.0, 4.0, 9.8, 7.6, 1.0), SKY)
    c.fill(Line(11, 10.5, 15, 5.5, 2.2), YELLOW)
    c.fill(Poly([(10.2, 11.6), (10.6, 9.4), (12.0, 10.6)]), INK)
    c.fill(Line(14.3, 6.4, 15.2, 5.2, 2.2), RED)


def t_button(c):
    c.fill(RoundRect(*c.snap(0, 2, 16, 14), 2), INK)
    c.fill(RoundRect(*c.snap(1, 3, 15, 13), 1.2), FACE)
    c.rect(1, 11, 15, 13, LIGHT)
    draw_text(c, 2, 4, 'OK', BLUE)


def t_checkbox(c):
    c.box(1, 1, 15, 15, PAPER, INK)
    c.fill(Polyline([(3.8, 8.2), (6.6, 11.0), (12.2, 4.8)], 2.2), GREEN)


def t_radio(c):
    c.fill(Circle(8, 8, 7), INK)
    c.fill(Circle(8, 8, 6), PAPER)
    c.fill(Circle(8, 8, 3), BLUE)


def t_groupbox(c):
    c.frame(0, 4, 16, 16, GREY)
    c.frame(1, 5, 15, 15, WHITE)
    c.erase(c.grid(2, 2, 12, 7))
    c.rect(3, 3, 11, 6, BLUE)


def t_static_text(c):
    c.sprite(2, 2, SPRITE_A, {'X': INK})


def t_picture(c):
    c.box(0, 1, 16, 15, SKY, INK)
    c.fill(Circle(11.5, 5.0, 2.0), YELLOW)
    c.fill(Poly([(1, 14), (1, 10), (5, 6), (9, 10), (11, 8.5), (15, 12), (15, 14)]), GREEN)


def t_frame_static(c):
    c.rect(1, 2, 15, 14, FACE)
    c.rect(1, 2, 15, 3, GREY)
    c.rect(1, 2, 2, 14, GREY)
    c.rect(2, 3, 14, 4, INK)
    c.rect(2, 3, 3, 13, INK)
    c.rect(1, 13, 15, 14, WHITE)
    c.rect(14, 2, 15, 14, WHITE)
    c.rect(3, 12, 14, 13, LIGHT)
    c.rect(13, 4, 14, 13, LIGHT)


def t_edit(c):
    c.box(0, 3, 16, 13, PAPER, INK)
    c.rect(2, 7, 9, 9, MID)
    c.rect(10, 5, 11, 11, BLACK)


def t_listbox(c):
    c.box(0, 1, 16, 15, PAPER, INK)
    c.rect(11, 2, 15, 14, LIGHT)
    c.rect(11, 2, 12, 14, MID)
    c.rect(12, 4, 15, 8, GREY)
    c.rect(2, 3, 10, 6, BLUE)
    c.rect(3, 4, 8, 5, WHITE)
    for y in (8, 11):
        c.rect(3, y, 9, y + 1, GREY)


def t_combobox(c):
    c.box(0, 0, 16, 6, PAPER, INK)
    c.rect(10, 1, 15, 5, LIGHT)
    c.rect(10, 1, 11, 5, MID)
    c.fill(Poly([(11, 2), (15, 2), (13, 4.2)]), INK)
    c.rect(2, 2, 8, 4, GREY)
    c.box(0, 6, 12, 16, PAPER, INK)
    c.rect(1, 7, 11, 10, BLUE)
    c.rect(2, 8, 8, 9, WHITE)
    c.rect(2, 12, 8, 13, GREY)


def t_hscroll(c):
    c.box(0, 4, 16, 12, LIGHT, INK)
    c.rect(4, 5, 5, 11, MID)
    c.rect(11, 5, 12, 11, MID)
    c.fill(Poly([(1.5, 8), (3.5, 6), (3.5, 10)]), INK)
    c.fill(Poly([(14.5, 8), (12.5, 6), (12.5, 10)]), INK)
    c.rect(6, 5, 10, 11, GREY)


def t_vscroll(c):
    c.box(4, 0, 12, 16, LIGHT, INK)
    c.rect(5, 4, 11, 5, MID)
    c.rect(5, 11, 11, 12, MID)
    c.fill(Poly([(8, 1.5), (6, 3.5), (10, 3.5)]), INK)
    c.fill(Poly([(8, 14.5), (6, 12.5), (10, 12.5)]), INK)
    c.rect(5, 6, 11, 10, GREY)


def t_tab(c):
    c.box(6, 2, 12, 6, LIGHT, GREY)
    c.box(0, 5, 16, 16, PAPER, INK)
    c.box(0, 1, 7, 6, PAPER, INK)
    c.rect(1, 5, 6, 6, PAPER)
    c.rect(2, 3, 5, 4, BLUE)
    c.rect(3, 9, 12, 10, MID)
    c.rect(3, 12, 10, 13, MID)


def t_trackbar(c):
    c.rect(0, 5, 16, 8, INK)
    c.rect(1, 6, 15, 7, LIGHT)
    for x in (1, 4, 7, 10, 14):
        c.rect(x, 13, x + 1, 16, INK)
    c.fill(Poly([(5, 1), (11, 1), (11, 8), (8, 11), (5, 8)]), DBLUE)
    c.fill(Poly([(6, 2), (10, 2), (10, 7.6), (8, 9.6), (6, 7.6)]), BLUE)


def t_updown(c):
    c.box(3, 0, 13, 8, FACE, INK)
    c.box(3, 8, 13, 16, FACE, INK)
    c.rect(3, 7, 13, 9, INK)
    c.fill(Poly([(8, 2), (11, 5.5), (5, 5.5)]), BLUE)
    c.fill(Poly([(8, 14), (11, 10.5), (5, 10.5)]), BLUE)


def t_progress(c):
    c.box(0, 4, 16, 12, PAPER, INK)
    for x in (2, 5, 8, 11):
        c.rect(x, 6, x + 2, 10, BLUE if x < 11 else LIGHT)


def t_toolbar(c):
    c.fill(RoundRect(*c.snap(0, 0, 16, 16), 2), BLUE)
    c.fill(RoundRect(*c.snap(1, 1, 15, 15), 1.3), LBLUE)
    c.rect(4, 3, 11, 13, GREY)
    c.rect(5, 4, 10, 12, PAPER)
    c.fill(Poly([(8, 2.5), (12.5, 2.5), (12.5, 7)]), LBLUE)
    c.fill(Poly([(8, 3), (11, 6), (8, 6)]), LIGHT)
    c.rect(6, 8, 9, 9, MID)
    c.rect(6, 10, 9, 11, MID)


def gripper(c, x, y0, y1):
    for y in range(y0, y1, 2):
        c.dot(x, y, GREY)
        c.dot(x + 1, y + 1, WHITE)


def t_rebar(c):
    c.box(0, 1, 16, 8, FACE, GREY)
    c.box(0, 8, 16, 15, FACE, GREY)
    c.rect(1, 7, 15, 9, GREY)
    gripper(c, 2, 3, 7)
    gripper(c, 2, 10, 14)
    c.rect(6, 3, 10, 6, BLUE)
    c.rect(6, 10, 13, 13, GREEN)


def t_statusbar(c):
    c.box(0, 1, 16, 16, PAPER, INK)
    c.rect(1, 9, 15, 15, FACE)
    c.rect(1, 9, 15, 10, GREY)
    c.rect(8, 10, 9, 15, MID)
    c.rect(2, 12, 6, 13, GREY)
    for x, y in ((13, 11), (11, 13), (13, 13)):
        c.dot(x, y, INK)


def t_treeview(c):
    c.rect(0, 0, 5, 5, DBLUE)
    c.rect(2, 5, 3, 13, GREY)
    c.rect(3, 7, 6, 8, GREY)
    c.rect(3, 12, 6, 13, GREY)
    c.rect(6, 5, 10, 9, YELLOW)
    c.frame(6, 5, 10, 9, ORANGE)
    c.rect(6, 10, 10, 14, YELLOW)
    c.frame(6, 10, 10, 14, ORANGE)
    c.rect(11, 6, 16, 8, GREY)
    c.rect(11, 11, 16, 13, GREY)
    c.rect(6, 2, 13, 3, GREY)


def t_listview(c):
    cols = [BLUE, GREEN, ORANGE, RED, PURPLE, SKY]
    k = 0
    for y in (1, 9):
        for x in (0, 6, 12):
            w = 4
            c.rect(x, y, x + w, y + 4, cols[k])
            c.rect(x, y + 5, x + w, y + 6, GREY)
            k += 1


def t_header(c):
    c.box(0, 3, 16, 9, FACE, INK)
    c.rect(6, 4, 7, 8, GREY)
    c.rect(11, 4, 12, 8, GREY)
    c.rect(2, 5, 5, 7, INK)
    c.rect(8, 5, 10, 7, INK)
    c.rect(13, 5, 15, 7, INK)
    c.rect(1, 11, 5, 12, MID)
    c.rect(8, 11, 10, 12, MID)
    c.rect(1, 14, 4, 15, MID)
    c.rect(8, 14, 10, 15, MID)


def t_pager(c):
    c.box(0, 4, 16, 12, FACE, INK)
    c.rect(2, 6, 5, 10, BLUE)
    c.rect(6, 6, 9, 10, GREEN)
    c.rect(10, 6, 11, 10, ORANGE)
    c.rect(11, 5, 15, 11, LIGHT)
    c.rect(11, 5, 12, 11, GREY)
    c.fill(Poly([(12.5, 6), (15, 8), (12.5, 10)]), INK)


def t_comboex(c):
    c.box(0, 0, 16, 6, PAPER, INK)
    c.rect(10, 1, 15, 5, LIGHT)
    c.rect(10, 1, 11, 5, MID)
    c.fill(Poly([(11, 2), (15, 2), (13, 4.2)]), INK)
    c.rect(2, 2, 4, 4, RED)
    c.rect(5, 2, 8, 4, GREY)
    c.box(0, 6, 12, 16, PAPER, INK)
    for y, col in ((7, RED), (10, GREEN), (13, BLUE)):
        c.rect(2, y, 4, y + 2, col)
        c.rect(5, y + 1, 10, y + 2, GREY)


def t_richedit(c):
    for y, w in ((1, 14), (4, 14), (7, 6), (10, 6), (13, 5)):
        c.rect(0, y, w, y + 2, MID)
    c.sprite(7, 7, SPRITE_A_SMALL, {'X': RED})


def t_animation(c):
    c.rect(2, 0, 14, 16, INK)
    for y in (1, 4, 7, 10, 13):
        c.rect(3, y, 4, y + 2, WHITE)
        c.rect(12, y, 13, y + 2, WHITE)
    c.rect(5, 1, 11, 7, SKY)
    c.rect(5, 9, 11, 15, SKY)
    c.fill(Circle(8, 4, 1.6), YELLOW)
    c.fill(Circle(8, 12, 1.6), YELLOW)


def t_hotkey(c):
    c.fill(RoundRect(*c.snap(0, 7, 16, 16), 1.5), INK)
    c.fill(RoundRect(*c.snap(1, 8, 15, 15), 1), LIGHT)
    c.rect(2, 9, 14, 13, FACE)
    c.sprite(3, 0, SPRITE_HAND, {'X': INK, '.': SKIN})


def t_datetime(c):
    c.box(1, 2, 15, 16, PAPER, INK)
    c.rect(1, 2, 15, 6, RED)
    c.rect(4, 0, 5, 4, INK)
    c.rect(11, 0, 12, 4, INK)
    draw_text(c, 4, 8, '31', INK, font=FONT3x5, gap=2)


def t_monthcal(c):
    c.box(0, 1, 16, 16, PAPER, INK)
    c.rect(1, 2, 15, 5, BLUE)
    c.fill(Poly([(2, 3.5), (4, 2.2), (4, 4.8)]), WHITE)
    c.fill(Poly([(14, 3.5), (12, 2.2), (12, 4.8)]), WHITE)
    for row, y in enumerate((7, 10, 13)):
        for col, x in enumerate((2, 5, 8, 11)):
            c.rect(x, y, x + 2, y + 2, RED if (row, col) == (1, 2) else MID)


def t_link(c):
    c.sprite(2, 1, SPRITE_A, {'X': BLUE})
    c.rect(1, 14, 15, 15, BLUE)


def t_tooltip(c):
    c.box(4, 0, 16, 9, (255, 240, 150), INK)
    c.rect(6, 3, 14, 4, GREY)
    c.rect(6, 5, 12, 6, GREY)
    arrow(c, 1, 6, big=False)


def t_ipaddress(c):
    c.box(0, 4, 16, 12, PAPER, INK)
    for x in (4, 8, 12):
        c.dot(x, 9, BLACK)
    for x in (2, 6, 10, 14):
        c.rect(x - 1, 6, x + 1, 8, GREY)


def t_browser(c):
    e = Ring(8, 8.5, 6, 3.6)
    cut = Poly([(8, 9.2), (16, 9.2), (16, 13)])
    c.fill((e - cut) | Rect(3, 7.4, 13.5, 9.4), BLUE)
    c.fill(RotEllipse(8, 8, 8.2, 3.3, -30) - RotEllipse(8, 8, 7.0, 2.2, -30) - Rect(3.5, 0, 12.5, 8.0), YELLOW)


def t_person(c):
    c.fill(Ellipse(8, 16.5, 7, 7.5) & Rect(0, 0, 16, 16), INK)
    c.fill(Ellipse(8, 16.5, 6, 6.5), BLUE)
    c.fill(Circle(8, 5, 4), INK)
    c.fill(Circle(8, 5, 3), SKIN)


def t_question(c):
    c.sprite(3, 2, SPRITE_QUESTION, {'X': BLUE})


SPRITE_GEAR = [
    '......####......',
    '..##..#oo#..##..',
    '.#oo###oo###oo#.',
    '.#oooooooooooo#.',
    '..#oooooooooo#..',
    '..#oooo##oooo#..',
    '###ooo#..#ooo###',
    '#oooo#....#oooo#',
    '#oooo#....#oooo#',
    '###ooo#..#ooo###',
    '..#oooo##oooo#..',
    '..#oooooooooo#..',
    '.#oooooooooooo#.',
    '.#oo###oo###oo#.',
    '..##..#oo#..##..',
    '......####......',
]


def t_gear(c):
    c.sprite(0, 0, SPRITE_GEAR, {'#': INK, 'o': MID})


def t_appwindow(c):
    c.box(0, 1, 16, 15, PAPER, INK)
    c.rect(1, 2, 15, 5, BLUE)
    for x in (9, 11, 13):
        c.dot(x, 3, WHITE)
    c.rect(1, 5, 15, 6, LIGHT)


def t_dialog(c):
    c.box(0, 1, 16, 15, FACE, INK)
    c.rect(1, 2, 15, 5, BLUE)
    c.dot(13, 3, WHITE)
    c.rect(2, 7, 5, 8, GREY)
    c.box(6, 6, 14, 9, PAPER, GREY)
    c.box(9, 10, 14, 14, LIGHT, INK)
    c.rect(2, 11, 5, 12, GREY)


def t_mdiclient(c):
    c.box(0, 1, 16, 15, WORKSPACE, INK)
    c.rect(1, 2, 15, 5, BLUE)
    mini_window(c, 3, 6, 13, 13)


def t_letters(c, s, col):
    draw_text(c, 0, 4, s, col)


TREE_PICTURES = [
    t_desktop, t_button, t_checkbox, t_radio, t_groupbox, t_static_text, t_picture, t_frame_static,
    t_edit, t_listbox, t_combobox, t_hscroll, t_vscroll, t_tab, t_trackbar, t_updown, t_progress,
    t_toolbar, t_rebar, t_statusbar, t_treeview, t_listview, t_header, t_pager, t_comboex,
    t_richedit, t_animation, t_hotkey, t_datetime, t_monthcal, t_link, t_tooltip, t_ipaddress,
    t_browser, t_person, t_question, t_gear, t_appwindow, t_dialog, t_mdiclient,
    lambda c: t_letters(c, 'AFX', DBLUE), lambda c: t_letters(c, 'ATL', DGREEN),
]


# --------------------------------------------------------------------------------------------
# About banner: 270x130, 8 bits per pixel, "Orvex" and the finder sight on black
# --------------------------------------------------------------------------------------------

def banner():
    W, H = 270, 130
    c = Canvas(W, H)
    c.rect(0, 0, W, H, BLACK)
    k = 0.8                 # the letters are designed at a cap height of 52
    stroke = 9.0 * k
    cap = 52.0 * k
    xh = 38.0 * k
    gap = 4.0 * k

    def g_O(x, base):
        rx, ry = 21.0 * k, cap / 2
        cy = base - ry
        return Ellipse(x + rx, cy, rx, ry) - Ellipse(x + rx, cy, rx - stroke, ry - stroke * 0.92)

    def g_r(x, base):
        top = base - xh
        stem = Rect(x, top, x + stroke, base)
        R = 17.0 * k
        cx, cy = x + stroke + 12.0 * k, top + R
        arc = Ring(cx, cy, R, R - stroke + 0.5 * k) & Rect(x + stroke - 1, top - 1, cx + 9.0 * k, cy - 3.0 * k)
        return stem | arc

    def g_v(x, base):
        top = base - xh
        w = 34.0 * k
        return Poly([(x, top), (x + stroke * 1.1, top), (x + w / 2, base - 12.5 * k),
                     (x + w - stroke * 1.1, top), (x + w, top), (x + w / 2 + 5.4 * k, base),
                     (x + w / 2 - 5.4 * k, base)])

    def g_e(x, base):
        R = xh / 2 + 0.5 * k
        cx, cy = x + R, base - xh / 2
        ring = Ring(cx, cy, R, R - stroke + 0.8 * k)
        bar = Rect(cx - R + 1, cy - 3.6 * k, cx + R - 0.5 * k, cy + 3.4 * k)
        cut = Poly([(cx + 2 * k, cy + 3.4 * k), (cx + R + 2, cy + 3.4 * k), (cx + R + 2, cy + 12.5 * k)])
        return (ring - cut) | bar

    def g_x(x, base):
        top = base - xh
        w = 34.0 * k
        a = Line(x + 4.2 * k, top, x + w - 4.2 * k, base, stroke * 1.15)
        b = Line(x + w - 4.2 * k, top, x + 4.2 * k, base, stroke * 1.15)
        return (a | b) & Rect(x - 2, top, x + w + 2, base)

    glyphs = [(42.0 * k, g_O), (30.0 * k, g_r), (34.0 * k, g_v), (39.0 * k, g_e), (34.0 * k, g_x)]
    text_w = sum(g[0] for g in glyphs) + gap * (len(glyphs) - 1)

    ring_r = 23.0               # the sight: ring radius; its diagonal ticks reach 0.71 * 33
    sight_w = 2 * ring_r
    spacing = 20.0
    total = sight_w + spacing + text_w
    x0 = (W - total) / 2.0

    tag = 'WINDOW INSPECTOR'
    tag_w = text_width(FONT5x7, tag, 2)
    tag_gap = 12
    block_h = cap + tag_gap + 7
    top = (H - block_h) / 2.0
    base = top + cap

    sight(c, x0 + ring_r, H / 2.0, ring_r, 5.5, 17.0, 33.0, 5.0, 4.5, (40, 150, 255))

    x = x0 + sight_w + spacing
    text_left = x
    for adv, build in glyphs:
        c.fill(build(x, base), WHITE)
        x += adv + gap
    tx = int(round(text_left + (text_w - tag_w) / 2.0))
    draw_text(c, tx, int(round(base)) + tag_gap, tag, (150, 160, 175), gap=2)
    return c


# --------------------------------------------------------------------------------------------
# Colour reduction for the 8-bit files
# --------------------------------------------------------------------------------------------

def median_cut(counts, n):
    """Deterministic median cut: counts maps (r,g,b) -> pixel count; returns up to n colours."""
    boxes = [sorted(counts.items())]
    while len(boxes) < n:
        best, best_i, best_ch = -1, -1, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                vals = [col[ch] for col, _ in box]
                rng = max(vals) - min(vals)
                score = rng * sum(k for _, k in box)
                if score > best:
                    best, best_i, best_ch = score, i, ch
        if best_i < 0 or best <= 0:
            break
        box = sorted(boxes[best_i], key=lambda e: (e[0][best_ch], e[0]))
        total = sum(k for _, k in box)
        acc, cut = 0, 1
        for j, (_, k) in enumerate(box):
            acc += k
            if acc * 2 >= total:
                cut = min(max(j + 1, 1), len(box) - 1)
                break
        boxes[best_i:best_i + 1] = [box[:cut], box[cut:]]
    pal = []
    for box in boxes:
        tot = sum(k for _, k in box)
        pal.append(tuple((sum(col[ch] * k for col, k in box) * 2 + tot) // (2 * tot) for ch in range(3)))
    return pal


def nearest(pal, col, cache):
    hit = cache.get(col)
    if hit is None:
        best, hit = None, 0
        for i, p in enumerate(pal):
            d = (p[0] - col[0]) ** 2 + (p[1] - col[1]) ** 2 + (p[2] - col[2]) ** 2
            if best is None or d < best:
                best, hit = d, i
        cache[col] = hit
    return hit


def quantize(pixels, fixed, total=256):
    """Returns (palette of `total` entries, indices).  `fixed` colours come first, unchanged,
    and stand only for themselves; the other colours are reduced to the remaining slots."""
    counts = {}
    for p in pixels:
        if p not in fixed:
            counts[p] = counts.get(p, 0) + 1
    free = total - len(fixed)
    if len(counts) <= free:
        rest = sorted(counts)
    else:
        rest = median_cut(counts, free)
        rest = [p for p in rest if p not in fixed]
    pal = list(fixed) + rest
    cache = {f: i for i, f in enumerate(fixed)}
    rest_cache = {}
    idx = []
    for p in pixels:
        i = cache.get(p)
        if i is None:
            i = len(fixed) + nearest(rest, p, rest_cache)
        idx.append(i)
    pal = pal + [(0, 0, 0)] * (total - len(pal))
    return pal, idx


# --------------------------------------------------------------------------------------------
# File writers
# --------------------------------------------------------------------------------------------

def _rows_bottom_up(w, h, row_bytes):
    """row_bytes(y) -> bytes for top-down row y; returns padded rows from the bottom up."""
    out = bytearray()
    for y in range(h - 1, -1, -1):
        r = row_bytes(y)
        out += r + b'\0' * ((-len(r)) % 4)
    return bytes(out)


def _pack_bits(values, bits):
    out = bytearray()
    per = 8 // bits
    for i in range(0, len(values), per):
        byte = 0
        chunk = values[i:i + per]
        for j in range(per):
            v = chunk[j] if j < len(chunk) else 0
            byte |= v << (8 - bits * (j + 1))
        out.append(byte)
    return bytes(out)


def dib(w, h, bpp, pixels, palette=None, mask=None):
    """BITMAPINFOHEADER + colour table + pixel rows (bottom-up) [+ AND mask for icons].
    pixels: top-down list of palette indices (bpp <= 8), (r,g,b) (24) or (r,g,b,a) (32)."""
    if bpp <= 8:
        row = lambda y: _pack_bits(pixels[y * w:(y + 1) * w], bpp) if bpp < 8 else bytes(pixels[y * w:(y + 1) * w])
    elif bpp == 24:
        row = lambda y: b''.join(bytes((p[2], p[1], p[0])) for p in pixels[y * w:(y + 1) * w])
    else:
        row = lambda y: b''.join(bytes((p[2], p[1], p[0], p[3])) for p in pixels[y * w:(y + 1) * w])
    bits = _rows_bottom_up(w, h, row)
    andbits = b''
    if mask is not None:
        andbits = _rows_bottom_up(w, h, lambda y: _pack_bits(mask[y * w:(y + 1) * w], 1))
    ncol = len(palette) if palette else 0
    hdr = struct.pack('<IiiHHIIiiII', 40, w, h * 2 if mask is not None else h, 1, bpp, 0,
                      len(bits) + len(andbits), 0, 0, ncol, 0)
    table = b''.join(bytes((p[2], p[1], p[0], 0)) for p in (palette or []))
    return hdr + table + bits + andbits, len(hdr) + len(table)


def bmp_file(w, h, bpp, pixels, palette=None):
    body, head = dib(w, h, bpp, pixels, palette)
    return struct.pack('<2sIHHI', b'BM', 14 + len(body), 0, 0, 14 + head) + body


def icon_entry(img, bpp):
    """One image of an .ico/.cur: XOR bitmap and AND mask (1 = transparent)."""
    w, h = img.w, img.h
    if img.kind == 'masked':
        mask = [1 if p is None else 0 for p in img.px]
        if bpp == 24:
            px = [(0, 0, 0) if p is None else p for p in img.px]
        else:
            px = [(0, 0, 0, 0) if p is None else p + (255,) for p in img.px]
    else:
        # Only fully transparent pixels are masked out, so that where the mask is used
        # instead of the alpha channel no stray colour is XORed onto the screen.
        mask = [1 if p[3] == 0 else 0 for p in img.px]
        px = [(0, 0, 0, 0) if p[3] == 0 else p for p in img.px]
        if bpp == 24:
            px = [(0, 0, 0) if m else p[:3] for p, m in zip(px, mask)]
    data, _ = dib(w, h, bpp, px, None, mask)
    return data


def ico_file(entries):
    """entries: (Image, bpp) for an icon, (Image, bpp, hot spot) for a cursor (.cur)."""
    n = len(entries)
    cursor = len(entries[0]) == 3
    head = struct.pack('<HHH', 0, 2 if cursor else 1, n)
    dirs, blobs = b'', b''
    offset = 6 + 16 * n
    for img, bpp, *hotspot in entries:
        data = icon_entry(img, bpp)
        f1, f2 = hotspot[0] if cursor else (1, bpp)
        dirs += struct.pack('<BBBBHHII', img.w % 256, img.h % 256, 0, 0, f1, f2, len(data), offset)
        blobs += data
        offset += len(data)
    return head + dirs + blobs


def strip(images):
    """Places equal-sized images side by side."""
    w, h = images[0].w, images[0].h
    n = len(images)
    px = [None] * (w * n * h)
    for k, img in enumerate(images):
        for y in range(h):
            for x in range(w):
                px[y * w * n + k * w + x] = img.px[y * w + x]
    return Image(w * n, h, px, images[0].kind)


def keyed(img, key):
    return [key if p is None else p for p in img.px]


# --------------------------------------------------------------------------------------------
# The property marker (134): a grey triangle on red, the mask colour
# --------------------------------------------------------------------------------------------

MARKER_MASK = (255, 0, 0)

VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
         (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def marker(c):
    # At 16x16 this is the 1-2-3-4-3-2-1 staircase at rows 4..10 that --check spells out; a
    # polygon rather than that staircase as a sprite gives straight slopes at 150%.
    c.fill(Poly([(5, 3.5), (9, 7.5), (5, 11.5)]), SILVER)


def marker_bytes(img):
    grey, red = VGA16.index(SILVER), VGA16.index(MARKER_MASK)
    return bmp_file(img.w, img.h, 4, [red if p is None else grey for p in img.px], VGA16)


# --------------------------------------------------------------------------------------------
# All outputs
# --------------------------------------------------------------------------------------------

# The resolutions every toolbar, tree and marker picture is drawn at: file name suffix and
# device pixels per logical pixel.
SCALES = (('', 1), ('_150', 1.5), ('_200', 2))

VIEW_TOOLBAR = [tb_detail, tb_summary, tb_refresh, tb_window_tree, tb_options, tb_watch_cursor, tb_find]
WINDOW_TOOLBAR = [tb_highlight, tb_enable_visible, tb_send_message, tb_message_log]
TREE_TOOLBAR = [tt_categorized, tt_view_options, tt_refresh, tt_synch, tt_collapse_all, tt_expand_all]


def draw(fn, size, k, kind):
    c = Canvas(size, size, k=k)
    fn(c)
    return Image.of(c, kind)


def build():
    """Returns {file name: (bytes, pictures)}; pictures is the list of drawn Images in it."""
    out = {}

    # 64 pixels is the 32 design at 200%; the 48 and 16 ones are designs of their own.
    apps = [Image.of(app_icon(32, 2), 'rgba')] + [Image.of(app_icon(s), 'rgba') for s in (48, 32, 16)]
    out['app.ico'] = (ico_file([(i, 32) for i in apps]), apps)

    for name, fn in (('finder_idle.ico', finder_idle), ('finder_dragging.ico', finder_dragging),
                     ('finder_watching.ico', finder_watching), ('send_message.ico', send_message_icon)):
        imgs = [draw(fn, 32, k, 'masked') for _, k in SCALES]
        out[name] = (ico_file([(i, 24) for i in imgs]), imgs)

    curs = [draw(finder_cursor, 32, k, 'masked') for _, k in SCALES]
    out['finder_sight.cur'] = (ico_file([(i, 24, sight_hotspot(i.k)) for i in curs]), curs)

    for suffix, k in SCALES:
        view = [draw(f, 32, k, 'rgba') for f in VIEW_TOOLBAR]
        s = strip(view)
        out['view_toolbar%s.bmp' % suffix] = (bmp_file(s.w, s.h, 32, s.px), view)

        win = [draw(f, 32, k, 'rgba') for f in WINDOW_TOOLBAR]
        s = strip(win)
        out['window_toolbar%s.bmp' % suffix] = (bmp_file(s.w, s.h, 32, s.px), win)

        mark = draw(marker, 16, k, 'masked')
        out['marker%s.bmp' % suffix] = (marker_bytes(mark), [mark])

        tt = [draw(f, 16, k, 'masked') for f in TREE_TOOLBAR]
        s = strip(tt)
        out['tree_toolbar%s.bmp' % suffix] = (bmp_file(s.w, s.h, 24, keyed(s, SILVER)), tt)

        pics = [draw(f, 16, k, 'masked') for f in TREE_PICTURES]
        s = strip(pics)
        pal, idx = quantize(keyed(s, MAGENTA), [MAGENTA])
        out['tree_classes%s.bmp' % suffix] = (bmp_file(s.w, s.h, 8, idx, pal), pics)

    b = banner()
    rgb = [p[:3] for p in b.rgba()]
    pal, idx = quantize(rgb, [BLACK])
    out['about_banner.bmp'] = (bmp_file(b.w, b.h, 8, idx, pal), [Image(b.w, b.h, [p + (255,) for p in rgb], 'rgba')])
    return out


# --------------------------------------------------------------------------------------------
# Readers used by --check
# --------------------------------------------------------------------------------------------

def read_dib(data, off, is_icon=False):
    """Parses a BITMAPINFOHEADER DIB at `off`.  Returns dict with w, h, bpp, palette and
    top-down pixels (indices or RGB(A)) and, for icons, the AND mask."""
    (size, w, h, planes, bpp, comp, _sz, _xp, _yp, used, _imp) = struct.unpack_from('<IiiHHIIiiII', data, off)
    assert size == 40, 'header size %d' % size
    assert planes == 1 and comp == 0, 'planes %d compression %d' % (planes, comp)
    if is_icon:
        assert h % 2 == 0
        h //= 2
    assert h > 0, 'only bottom-up rows are written'
    p = off + 40
    ncol = used or (1 << bpp if bpp <= 8 else 0)
    palette = [(data[p + 4 * i + 2], data[p + 4 * i + 1], data[p + 4 * i]) for i in range(ncol)]
    p += 4 * ncol
    stride = ((w * bpp + 31) // 32) * 4
    rows = [None] * h
    for r in range(h):
        row = data[p + r * stride: p + (r + 1) * stride]
        assert len(row) == stride, 'pixel data truncated'
        if bpp == 32:
            vals = [(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]) for x in range(w)]
        elif bpp == 24:
            vals = [(row[3 * x + 2], row[3 * x + 1], row[3 * x]) for x in range(w)]
        else:
            per = 8 // bpp
            vals = [(row[x // per] >> (8 - bpp * (x % per + 1))) & ((1 << bpp) - 1) for x in range(w)]
        rows[h - 1 - r] = vals
    p += stride * h
    res = {'w': w, 'h': h, 'bpp': bpp, 'palette': palette, 'px': [v for r in rows for v in r], 'end': p}
    if is_icon:
        mstride = ((w + 31) // 32) * 4
        mrows = [None] * h
        for r in range(h):
            row = data[p + r * mstride: p + (r + 1) * mstride]
            assert len(row) == mstride, 'mask truncated'
            mrows[h - 1 - r] = [(row[x // 8] >> (7 - x % 8)) & 1 for x in range(w)]
        res['mask'] = [v for r in mrows for v in r]
        res['end'] = p + mstride * h
    return res


def read_bmp(data):
    magic, fsize, _r1, _r2, off = struct.unpack_from('<2sIHHI', data, 0)
    assert magic == b'BM' and fsize == len(data), 'bad BMP file header'
    d = read_dib(data, 14)
    assert d['end'] == len(data), 'trailing bytes in BMP'
    assert 14 + 40 + 4 * len(d['palette']) == off, 'pixel offset does not follow the colour table'
    return d


def read_ico(data):
    reserved, kind, n = struct.unpack_from('<HHH', data, 0)
    assert reserved == 0 and kind in (1, 2) and n > 0
    entries = []
    for i in range(n):
        bw, bh, ncol, res, f1, f2, size, off = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        d = read_dib(data, off, is_icon=True)
        assert d['end'] == off + size, 'entry size does not match its data'
        assert (bw or 256) == d['w'] and (bh or 256) == d['h'], 'directory size differs from bitmap'
        if kind == 1:
            assert f1 == 1 and f2 == d['bpp'], 'icon planes/bit count'
        d['hotspot'] = (f1, f2) if kind == 2 else None
        entries.append(d)
    return kind, entries


# --------------------------------------------------------------------------------------------
# Self-check
# --------------------------------------------------------------------------------------------

# Where pictures are compared they are shown on this backdrop, so that a transparent pixel
# counts as different from any colour a picture really uses.
BACKDROP = MAGENTA

# How far, in 8-bit levels per channel averaged over a picture, a 150% or 200% picture scaled
# down to 100% may stray from the 100% one, by scale and 100% size.  At 150% a one-pixel line
# becomes one or two device pixels and moves by up to a third of a pixel, which the 16x16
# pictures, nearly all lines, feel most: their worst comes to about 20, the 32x32 ones' to
# about 12.  At 200% the worst are about 10: anti-aliased edges of the 16x16 pictures cut by
# their one-bit masks, and the cursor's sight, moved a quarter pixel onto its hot spot.
SCALED_TOLERANCE = {(1.5, 16): 24.0, (1.5, 32): 16.0, (2, 16): 14.0, (2, 32): 14.0}


def _over_backdrop(p):
    return tuple((c * p[3] + b * (255 - p[3]) + 127) // 255 for c, b in zip(p[:3], BACKDROP))


def shown(data, key):
    """The pictures in a .bmp strip of square cells or in an .ico/.cur, as the screen shows them
    on BACKDROP: a list of top-down lists of (r, g, b) per picture, icons smallest first."""
    if data[:2] != b'BM':
        ents = sorted(read_ico(data)[1], key=lambda e: e['w'])
        return [[BACKDROP if m else _over_backdrop(p) if e['bpp'] == 32 else p for p, m in zip(e['px'], e['mask'])]
                for e in ents]
    d = read_bmp(data)
    w, n = d['w'], d['h']
    if d['bpp'] == 32:
        px = [_over_backdrop(p) for p in d['px']]
    else:
        px = d['px'] if d['bpp'] > 8 else [d['palette'][i] for i in d['px']]
        px = [BACKDROP if p == key else p for p in px]
    return [[px[y * w + k * n + x] for y in range(n) for x in range(n)] for k in range(w // n)]


def shrink(px, m):
    """Area average of a square picture down to m x m."""
    n = int(math.sqrt(len(px)))
    f = n / float(m)
    spans = []
    for t in range(m):
        lo, hi = t * f, (t + 1) * f
        spans.append([(s, (min(hi, s + 1) - max(lo, s)) / f) for s in range(int(lo), int(math.ceil(hi)))])
    out = []
    for sy in spans:
        for sx in spans:
            acc = [0.0, 0.0, 0.0]
            for y, wy in sy:
                for x, wx in sx:
                    p, wt = px[y * n + x], wy * wx
                    for c in range(3):
                        acc[c] += p[c] * wt
            out.append(acc)
    return out


def mean_difference(a, b):
    return sum(abs(p[c] - q[c]) for p, q in zip(a, b) for c in range(3)) / (3.0 * len(b))


def check(built):
    problems = []

    def expect(cond, msg):
        if not cond:
            problems.append(msg)

    files = {}
    for name, (data, _) in sorted(built.items()):
        path = os.path.join(HERE, name)
        if not os.path.exists(path):
            problems.append('%s is missing: run make_art.py' % name)
            continue
        with open(path, 'rb') as f:
            files[name] = f.read()
        expect(files[name] == data, '%s differs from what the script draws now: run make_art.py' % name)
    if problems:
        return problems

    # Icons: sizes, depths, and transparent pixels black in the colour bitmap (else they invert).
    def icon_ok(name, want):
        kind, ents = read_ico(files[name])
        expect(kind == 1, '%s is not an icon' % name)
        expect(sorted((e['w'], e['h'], e['bpp']) for e in ents) == sorted(want), '%s sizes/depths' % name)
        for e in ents:
            blank = (0, 0, 0) if e['bpp'] == 24 else (0, 0, 0, 0)
            for p, m in zip(e['px'], e['mask']):
                if m and p != blank:
                    problems.append('%s: masked-out pixel is not black' % name)
                    break
            expect(0 < sum(e['mask']) < e['w'] * e['h'], '%s: mask is empty or full' % name)
        return ents

    ents = icon_ok('app.ico', [(16, 16, 32), (32, 32, 32), (48, 48, 32), (64, 64, 32)])
    for e in ents:
        alphas = {p[3] for p in e['px']}
        expect(0 in alphas and 255 in alphas, 'app.ico %d: alpha channel carries no transparency' % e['w'])
    sizes = [(32, 32, 24), (48, 48, 24), (64, 64, 24)]
    for name in ('finder_idle.ico', 'finder_dragging.ico', 'finder_watching.ico', 'send_message.ico'):
        icon_ok(name, sizes)
    # The three finder states must actually look different, at every size.
    states = [read_ico(files[n])[1] for n in ('finder_idle.ico', 'finder_dragging.ico', 'finder_watching.ico')]
    for a, b, c in zip(*states):
        expect(a['px'] != b['px'] and b['px'] != c['px'] and a['px'] != c['px'],
               'finder icons at %d are not distinct' % a['w'])

    # Cursor: hot spot 15,15 at 32x32 as ever; at every size the hot spot pixel is opaque and
    # the sight is centred on it, so the picked point does not move with the DPI.
    kind, ents = read_ico(files['finder_sight.cur'])
    expect(kind == 2 and sorted((e['w'], e['h'], e['bpp']) for e in ents) == sizes, 'cursor kind/sizes/depths')
    for e in ents:
        n, m, (hx, hy) = e['w'], e['mask'], e['hotspot']
        expect(n != 32 or (hx, hy) == (15, 15), 'cursor hot spot at 32 is %r' % ((hx, hy),))
        if hx != hy or not 0 <= hx < n:
            problems.append('cursor %d: hot spot %r is not on the diagonal' % (n, (hx, hy)))
            continue
        expect(m[hy * n + hx] == 0, 'cursor %d: hot spot pixel is transparent' % n)
        far = 2 * hx    # the mirror image of pixel 0 about the hot spot
        sym = far < n and all(m[y * n + x] == m[(far - y) * n + (far - x)]
                              for y in range(far + 1) for x in range(far + 1))
        expect(sym, 'cursor %d: sight is not centred on the hot spot' % n)
        expect(all(m[y * n + x] == 1 for y in range(n) for x in range(far + 1, n)) and
               all(m[y * n + x] == 1 for y in range(far + 1, n) for x in range(n)),
               'cursor %d: sight reaches past its mirror image about the hot spot' % n)

    # Marker: exact pixels at 16x16, derived here independently of the drawing; the larger
    # ones only grey on red with a red border (their shape is compared below).
    for suffix, k in SCALES:
        name = 'marker%s.bmp' % suffix
        d = read_bmp(files[name])
        n = int(16 * k)
        expect((d['w'], d['h'], d['bpp'], len(d['palette'])) == (n, n, 4, 16), '%s format' % name)
        got = [d['palette'][i] for i in d['px']]
        expect(set(got) == {SILVER, MARKER_MASK}, '%s: colours other than grey on red' % name)
        border = got[:n] + got[-n:] + got[::n] + got[n - 1::n]
        expect(set(border) == {MARKER_MASK}, '%s: the triangle touches the border' % name)
    d = read_bmp(files['marker.bmp'])
    for y in range(16):
        for x in range(16):
            inside = 4 <= y <= 10 and 5 <= x <= 5 + (3 - abs(y - 7))
            want = SILVER if inside else MARKER_MASK
            got = d['palette'][d['px'][y * 16 + x]]
            if got != want:
                problems.append('marker pixel (%d,%d) is %r, expected %r' % (x, y, got, want))

    # Strips.
    def strip_ok(name, n, size, bpp, key=None):
        d = read_bmp(files[name])
        if (d['w'], d['h'], d['bpp']) != (n * size, size, bpp):
            problems.append('%s format %dx%d %d bpp' % (name, d['w'], d['h'], d['bpp']))
            return d
        px = d['px'] if bpp > 8 else [d['palette'][i] for i in d['px']]
        if key is not None:
            # The key colour must mean "transparent" and nothing else: a drawn pixel that
            # happens to be (or is reduced to) the key colour would vanish on screen.
            for k, im in enumerate(built[name][1]):
                for y in range(size):
                    for x in range(size):
                        if (im.px[y * size + x] is None) != (px[y * d['w'] + k * size + x] == key):
                            problems.append('%s picture %d: pixel (%d,%d) disagrees with the key colour'
                                            % (name, k, x, y))
                            break
                    else:
                        continue
                    break
        for k in range(n):
            cell = [px[y * d['w'] + k * size + x] for y in range(size) for x in range(size)]
            if bpp == 32:
                opaque = sum(1 for p in cell if p[3] > 0)
                expect(all(p == (0, 0, 0, 0) for p in cell if p[3] == 0),
                       '%s picture %d: fully transparent pixels must be zero' % (name, k))
            else:
                opaque = sum(1 for p in cell if p != key)
            expect(opaque >= size * size // 8, '%s picture %d is (nearly) empty' % (name, k))
            expect(opaque < size * size, '%s picture %d has no transparent pixel' % (name, k))
            if bpp == 32:
                # every picture is outlined by transparency on at least one side
                edge = [cell[i] for i in range(size)] + [cell[(size - 1) * size + i] for i in range(size)]
                expect(any(p[3] == 0 for p in edge), '%s picture %d fills its whole cell' % (name, k))
        return d

    for suffix, k in SCALES:
        big, small = int(32 * k), int(16 * k)
        d = strip_ok('view_toolbar%s.bmp' % suffix, 7, big, 32)
        expect(len({p[3] for p in d['px']}) > 2, 'view toolbar%s alpha is not smooth' % suffix)
        strip_ok('window_toolbar%s.bmp' % suffix, 4, big, 32)
        strip_ok('tree_toolbar%s.bmp' % suffix, 6, small, 24, SILVER)
        d = strip_ok('tree_classes%s.bmp' % suffix, 42, small, 8, MAGENTA)
        expect(len(d['palette']) == 256,
               'tree pictures%s: colour table has %d entries' % (suffix, len(d['palette'])))
        expect(d['palette'].count(MAGENTA) == 1,
               'tree pictures%s: magenta must stand for transparency only' % suffix)

    # Every picture at 150% and 200% must be the same picture as at 100%: scaled down by area
    # averaging it may differ only by what snapping to whole pixels moves, and it must look
    # more like its own 100% picture than like any other of its set (else it was swapped).
    sets = [(base.split('.')[0], [shown(files[base.replace('.', suffix + '.')], key) for suffix, _ in SCALES])
            for base, key in (('view_toolbar.bmp', None), ('window_toolbar.bmp', None), ('marker.bmp', MARKER_MASK),
                              ('tree_toolbar.bmp', SILVER), ('tree_classes.bmp', MAGENTA))]
    icons = [shown(files[n], None) for n in ('finder_idle.ico', 'finder_dragging.ico', 'finder_watching.ico',
                                             'send_message.ico', 'finder_sight.cur')]
    sets.append(('finder icons', [list(size) for size in zip(*icons)]))
    app = shown(files['app.ico'], None)     # 16, 32, 48 and the 32 design at 200%
    sets.append(('app icon', [[app[1]], None, [app[3]]]))
    worst = {}
    for label, (ref, *scaled) in sets:
        side = int(math.sqrt(len(ref[0])))
        for (suffix, k), pics in zip(SCALES[1:], scaled):
            if pics is None:
                continue
            if len(pics) != len(ref):
                problems.append('%s%s: %d pictures, %d at 100%%' % (label, suffix, len(pics), len(ref)))
                continue
            small = [shrink(p, side) for p in pics]
            own = [mean_difference(q, r) for q, r in zip(small, ref)]
            worst[label, k] = max(own)
            limit = SCALED_TOLERANCE[k, side]
            for i, q in enumerate(small):
                expect(own[i] <= limit, '%s%s picture %d differs from 100%% by %.1f on average (limit %.0f)'
                       % (label, suffix, i, own[i], limit))
                for j, r in enumerate(ref):
                    if j != i and mean_difference(q, r) <= own[i]:
                        problems.append('%s%s picture %d looks like picture %d at 100%%' % (label, suffix, i, j))
                        break
    for _, k in SCALES[1:]:
        print('art: %d%% scaled down, worst mean difference from 100%%: %s' % (
            k * 100, ', '.join('%s %.1f' % (n, v) for (n, s), v in sorted(worst.items()) if s == k)))

    # Banner.
    d = read_bmp(files['about_banner.bmp'])
    expect((d['w'], d['h'], d['bpp'], len(d['palette'])) == (270, 130, 8, 256), 'banner format')
    corners = [d['palette'][d['px'][i]] for i in (0, 269, 129 * 270, 130 * 270 - 1)]
    expect(all(c == (0, 0, 0) for c in corners), 'banner background is not black')
    lit = [i for i, v in enumerate(d['px']) if d['palette'][v] != (0, 0, 0)]
    xs = [i % 270 for i in lit]
    ys = [i // 270 for i in lit]
    expect(abs((min(xs) + max(xs)) - 269) <= 4 and abs((min(ys) + max(ys)) - 129) <= 4,
           'banner drawing is not centred: x %d..%d, y %d..%d' % (min(xs), max(xs), min(ys), max(ys)))

    # Resource fragment: every file is mapped, and nothing else.
    with open(os.path.join(HERE, 'art.rc.inc')) as f:
        rc = f.read()
    for name in built:
        if name != 'about_banner.bmp':
            expect(('"art/%s"' % name) in rc, 'art.rc.inc does not map %s' % name)
    return problems


# --------------------------------------------------------------------------------------------
# PNG previews
# --------------------------------------------------------------------------------------------

def png(w, h, rows):
    def chunk(tag, data):
        return struct.pack('>I', len(data)) + tag + data + struct.pack('>I', zlib.crc32(tag + data) & 0xffffffff)
    raw = b''.join(b'\0' + bytes(r) for r in rows)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def composite(img, bg):
    out = []
    for i, p in enumerate(img.px):
        b = bg(i % img.w, i // img.w)
        if img.kind == 'masked':
            out.append(b if p is None else p)
        else:
            a = p[3] / 255.0
            out.append(tuple(int(p[k] * a + b[k] * (1 - a) + 0.5) for k in range(3)))
    return out


def preview_sheet(items, scale, cols):
    """items: list of Image; each is shown on white, on a dark grey and on a checkerboard."""
    bgs = [lambda x, y: (255, 255, 255), lambda x, y: (45, 45, 48),
           lambda x, y: (200, 200, 200) if (x // 2 + y // 2) % 2 else (150, 150, 150)]
    cw = max(i.w for i in items) * scale
    ch = max(i.h for i in items) * scale
    pad = 6
    tile_w = (cw + pad) * len(bgs) + pad * 2
    rows_n = (len(items) + cols - 1) // cols
    W, H = tile_w * min(cols, len(items)), (ch + pad * 2) * rows_n
    canvas = [[(235, 235, 235)] * W for _ in range(H)]
    for k, img in enumerate(items):
        ox = (k % cols) * tile_w + pad
        oy = (k // cols) * (ch + pad * 2) + pad
        for b, bg in enumerate(bgs):
            px = composite(img, bg)
            bx = ox + b * (cw + pad)
            for y in range(img.h * scale):
                row = canvas[oy + y]
                for x in range(img.w * scale):
                    row[bx + x] = px[(y // scale) * img.w + x // scale]
    return png(W, H, [[v for p in r for v in p] for r in canvas])


def write_previews(built, outdir):
    os.makedirs(outdir, exist_ok=True)
    groups = {
        'icons': (['app.ico', 'finder_idle.ico', 'finder_dragging.ico', 'finder_watching.ico', 'finder_sight.cur',
                   'send_message.ico'], 8, 3),
        'main_toolbars': (['view_toolbar.bmp', 'window_toolbar.bmp'], 6, 3),
        'tree_toolbar': (['tree_toolbar.bmp'], 10, 3),
        'tree_classes': (['tree_classes.bmp'], 8, 6),
        'marker': (['marker.bmp'], 12, 1),
        'banner': (['about_banner.bmp'], 2, 1),
    }
    for group, (names, scale, cols) in groups.items():
        files = dict.fromkeys(n.replace('.', suffix + '.') for n in names for suffix, _ in SCALES)
        pictures = [img for name in files if name in built for img in built[name][1]]
        for suffix, k in SCALES:
            items = [img for img in pictures if img.k == k]
            if items:
                # about the same size on screen at every scale, so that the sheets compare
                with open(os.path.join(outdir, group + suffix + '.png'), 'wb') as f:
                    f.write(preview_sheet(items, max(1, int(scale / k + 0.5)), cols))
    return outdir


def main(argv):
    built = build()
    if '--check' in argv:
        problems = check(built)
        for p in problems:
            print('FAIL: ' + p)
        if problems:
            return 1
        print('art: %d files checked' % len(built))
        return 0
    if '--preview' in argv:
        i = argv.index('--preview')
        outdir = argv[i + 1] if i + 1 < len(argv) else '/tmp/artpreview'
        print('previews in ' + write_previews(built, outdir))
        return 0
    for name, (data, _) in sorted(built.items()):
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(data)
    print('art: wrote %d files to %s' % (len(built), HERE))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
