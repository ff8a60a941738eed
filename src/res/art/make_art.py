#!/usr/bin/env python3
"""Draws every picture Orvex ships and writes the binary resource files.

Run it from anywhere:

    python3 src/res/art/make_art.py            write the .ico/.cur/.bmp files next to this script
    python3 src/res/art/make_art.py --check    re-draw in memory, compare with the files on disk
                                               and parse every file back with a small reader
    python3 src/res/art/make_art.py --preview [DIR]
                                               write enlarged PNG previews (default /tmp/artpreview)

Everything is drawn from code with a tiny supersampling rasteriser (rectangles, polygons,
ellipses, rings, thick lines, hand-made pixel fonts).  Only the Python standard library is
used and no floating-point function whose result may differ between C libraries decides a
pixel, so the output is byte-identical on every run.
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
    def __init__(self, w, h, ss=4):
        self.w, self.h, self.ss = w, h, ss
        n = w * h
        self.r = [0.0] * n
        self.g = [0.0] * n
        self.b = [0.0] * n
        self.a = [0.0] * n

    def _cover(self, shape):
        bb = shape.bbox or (0, 0, self.w, self.h)
        x0 = max(0, int(math.floor(bb[0])))
        y0 = max(0, int(math.floor(bb[1])))
        x1 = min(self.w, int(math.ceil(bb[2])) + 1)
        y1 = min(self.h, int(math.ceil(bb[3])) + 1)
        n = self.ss
        offs = [(i + 0.5) / n for i in range(n)]
        tot = float(n * n)
        hit = shape.hit
        for py in range(y0, y1):
            for px in range(x0, x1):
                c = 0
                for oy in offs:
                    yy = py + oy
                    for ox in offs:
                        if hit(px + ox, yy):
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

    # pixel-exact helpers (integer coordinates, right and bottom exclusive)
    def rect(self, x0, y0, x1, y1, col):
        self.fill(Rect(x0, y0, x1, y1), col)

    def frame(self, x0, y0, x1, y1, col, t=1):
        self.fill(Rect(x0, y0, x1, y1) - Rect(x0 + t, y0 + t, x1 - t, y1 - t), col)

    def box(self, x0, y0, x1, y1, fill, line, t=1):
        self.rect(x0, y0, x1, y1, fill)
        self.frame(x0, y0, x1, y1, line, t)

    def pixel(self, x, y, col):
        if 0 <= x < self.w and 0 <= y < self.h:
            i = y * self.w + x
            self.r[i], self.g[i], self.b[i] = float(col[0]), float(col[1]), float(col[2])
            self.a[i] = 1.0

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

    def __init__(self, w, h, px, kind):
        self.w, self.h, self.px, self.kind = w, h, px, kind  # kind: 'rgba' or 'masked'

    @staticmethod
    def of(c, kind):
        return Image(c.w, c.h, c.rgba() if kind == 'rgba' else c.masked(), kind)


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
# Application icon (128): a window with a crosshair sight, 16, 32 and 48 pixels
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


def app_icon(size):
    c = Canvas(size, size)
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
# Finder tool: icons 130, 131, 140 and cursor 132 (32x32, 24-bit with mask)
# --------------------------------------------------------------------------------------------

def finder_idle():
    c = Canvas(32, 32)
    finder_window(c)
    sight(c, 16.0, 19.5, 7.5, 2.0, 5.5, 10.0, 2.0, 1.5, BLUE)
    return c


def finder_dragging():
    c = Canvas(32, 32)
    finder_window(c)
    return c


def finder_watching():
    c = Canvas(32, 32)
    finder_window(c)
    arrow(c, 11, 11)
    return c


def finder_cursor():
    c = Canvas(32, 32)
    # hot spot (15, 15): the centre of pixel 15,15 is 15.5, 15.5
    sight(c, 15.5, 15.5, 9.5, 2.0, 7.0, 14.0, 2.0, 1.5, BLUE, halo=(WHITE, 1.0))
    return c


# --------------------------------------------------------------------------------------------
# Send-message icon 144: a window with a mouse pointer and a lightning bolt
# --------------------------------------------------------------------------------------------

def send_message_icon():
    c = Canvas(32, 32)
    finder_window(c)
    bolt = Poly([(22, 10), (15, 21), (20, 21), (17, 30), (29, 17), (23.5, 17), (28, 10)])
    c.fill(bolt, INK)
    c.fill(Poly([(22.6, 11), (16.8, 20), (21.6, 20), (19.4, 27), (27.2, 18), (21.8, 18), (26.2, 11)]), YELLOW)
    arrow(c, 3, 10)
    return c


# --------------------------------------------------------------------------------------------
# Main-window toolbars: bitmap 133 (view) and 141 (window), 32x32, 32-bit with alpha
# --------------------------------------------------------------------------------------------

def tb_detail():
    """Image 0: the Detail listing, many name/value rows in groups."""
    c = Canvas(32, 32)
    c.fill(RoundRect(3, 2, 29, 30, 1.5), GREY)
    c.rect(4, 3, 28, 29, PAPER)
    for y, head in ((5, True), (8, False), (11, False), (14, False), (18, True), (21, False), (24, False)):
        if head:
            c.rect(6, y, 17, y + 2, BLUE)
        else:
            c.rect(8, y, 14, y + 2, MID)
            c.rect(16, y, 26, y + 2, INK)
    return c


def tb_summary():
    """Image 1: the Summary listing, a short card of a few bold rows."""
    c = Canvas(32, 32)
    c.fill(RoundRect(3, 6, 29, 26, 1.5), GREY)
    c.rect(4, 7, 28, 25, PAPER)
    c.rect(4, 7, 28, 11, BLUE)
    for y in (14, 19):
        c.rect(7, y, 12, y + 3, MID)
        c.rect(14, y, 25, y + 3, INK)
    return c


def tb_refresh():
    c = Canvas(32, 32)
    arc_arrow(c, 16, 16, 9.5, 3.4, 200, 335, 4.6, 6.0, GREEN)
    arc_arrow(c, 16, 16, 9.5, 3.4, 20, 155, 4.6, 6.0, GREEN)
    return c


def mini_window(c, x0, y0, x1, y1, title=BLUE):
    c.box(x0, y0, x1, y1, PAPER, INK)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 3, title)


def tb_window_tree():
    c = Canvas(32, 32)
    c.rect(7, 11, 9, 27, GREY)
    c.rect(9, 16, 14, 18, GREY)
    c.rect(9, 25, 14, 27, GREY)
    mini_window(c, 1, 2, 15, 11)
    mini_window(c, 14, 12, 30, 20)
    mini_window(c, 14, 22, 30, 30, GREEN)
    return c


def tb_options():
    c = Canvas(32, 32)
    gear(c, 16, 16, 9.0, 13.0, 4.4, 4.0, 8, GREY)
    c.fill(Ring(16, 16, 9.0, 7.2), INK)
    c.fill(Ring(16, 16, 5.2, 4.0), INK)
    return c


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


def tb_watch_cursor():
    c = Canvas(32, 32)
    eye(c, 14, 11, 26, 15, 4.6)
    arrow(c, 17, 13, fill=WHITE, ink=BLACK)
    return c


def tb_find():
    """Image 6: Find Window, a magnifier over a small window."""
    c = Canvas(32, 32)
    mini_window(c, 1, 2, 21, 18)
    c.fill(Line(18.5, 18.5, 28.5, 28.5, 4.6), INK)
    c.fill(Line(19.5, 19.5, 27.8, 27.8, 2.4), BROWN)
    c.fill(Circle(14, 14, 9.0), WHITE)
    c.fill(Ring(14, 14, 8.0, 6.0), INK)
    c.fill(Circle(14, 14, 6.0), LBLUE)
    c.fill(Ring(14, 14, 4.4, 3.2) & Rect(8, 8, 14, 14), WHITE)
    return c


def tb_highlight():
    c = Canvas(32, 32)
    c.fill(Rect(1, 1, 31, 31) - Rect(4, 4, 28, 28), ORANGE)
    mini_window(c, 8, 9, 24, 23)
    return c


def tb_enable_visible():
    c = Canvas(32, 32)
    mini_window(c, 1, 3, 27, 25)
    eye(c, 14, 15, 18, 11, 3.4)
    c.fill(Circle(24.5, 24.5, 7.0), WHITE)
    c.fill(Circle(24.5, 24.5, 6.0), GREEN)
    c.fill(Polyline([(21.2, 24.6), (23.6, 27.0), (27.8, 22.2)], 1.9), WHITE)
    return c


def tb_send_message():
    c = Canvas(32, 32)
    c.rect(1, 8, 23, 25, GREY)
    c.rect(2, 9, 22, 24, PAPER)
    c.fill(Polyline([(2.5, 9.5), (12, 17), (21.5, 9.5)], 1.3), GREY)
    c.fill(Poly([(18, 14), (24, 14), (24, 9.5), (31.5, 17.5), (24, 25.5), (24, 21), (18, 21)]), WHITE)
    c.fill(Poly([(19.5, 15.5), (25.5, 15.5), (25.5, 13), (29.5, 17.5), (25.5, 22), (25.5, 19.5), (19.5, 19.5)]),
           GREEN)
    return c


def tb_message_log():
    c = Canvas(32, 32)
    mini_window(c, 6, 2, 31, 30)
    for i, y in enumerate(range(8, 28, 4)):
        c.rect(10, y, 28 - (i % 2) * 6, y + 1, BLUE if i % 2 == 0 else GREY)
    # Messages arriving from the left.
    c.fill(Poly([(0, 12.5), (5.5, 12.5), (5.5, 9), (12.5, 16), (5.5, 23), (5.5, 19.5), (0, 19.5)]), WHITE)
    c.fill(Poly([(1, 14), (7, 14), (7, 11.5), (11, 16), (7, 20.5), (7, 18), (1, 18)]), GREEN)
    return c


# --------------------------------------------------------------------------------------------
# Window tree toolbar: bitmap 137, six 16x16 pictures on silver (192,192,192)
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


def tt_categorized():
    c = Canvas(16, 16)
    cube(c, 4, 0, BLUE)
    cube(c, 0, 8, RED)
    cube(c, 8, 8, GREEN)
    return c


def tt_view_options():
    c = Canvas(16, 16)
    outer = Poly([(1, 2), (15, 2), (10, 8), (10, 14), (6, 15.5), (6, 8)])
    inner = Poly([(3.2, 3), (12.8, 3), (9, 7.6), (9, 13.3), (7, 14), (7, 7.6)])
    c.fill(outer, BLUE)
    c.fill(inner, PAPER)
    return c


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


def tt_refresh():
    c = Canvas(16, 16)
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
    return c


def tt_synch():
    c = Canvas(16, 16)
    c.fill(Poly([(0, 8), (5, 3), (5, 6), (11, 6), (11, 3), (16, 8), (11, 13), (11, 10), (5, 10), (5, 13)]), DGREEN)
    c.fill(Poly([(1.6, 8), (4, 5.6), (4, 7), (12, 7), (12, 5.6), (14.4, 8), (12, 10.4), (12, 9), (4, 9), (4, 10.4)]),
           LGREEN)
    return c


def plus_box(c, x, y, minus):
    c.box(x, y, x + 7, y + 7, PAPER, GREY)
    c.rect(x + 2, y + 3, x + 5, y + 4, BLUE)
    if not minus:
        c.rect(x + 3, y + 2, x + 4, y + 5, BLUE)


def tt_collapse_all():
    c = Canvas(16, 16)
    c.rect(1, 1, 6, 4, DBLUE)
    c.rect(3, 4, 4, 13, GREY)
    c.rect(4, 6, 6, 7, GREY)
    c.rect(4, 12, 6, 13, GREY)
    plus_box(c, 5, 3, False)
    plus_box(c, 5, 9, False)
    c.rect(13, 5, 16, 8, DBLUE)
    c.rect(13, 11, 16, 14, DBLUE)
    return c


def tt_expand_all():
    c = Canvas(16, 16)
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
    return c


# --------------------------------------------------------------------------------------------
# Window tree pictures: bitmap 136, 42 pictures of 16x16 on magenta
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


def t_desktop():
    c = Canvas(16, 16)
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
    return c


def t_button():
    c = Canvas(16, 16)
    c.fill(RoundRect(0, 2, 16, 14, 2), INK)
    c.fill(RoundRect(1, 3, 15, 13, 1.2), FACE)
    c.rect(1, 11, 15, 13, LIGHT)
    draw_text(c, 2, 4, 'OK', BLUE)
    return c


def t_checkbox():
    c = Canvas(16, 16)
    c.box(1, 1, 15, 15, PAPER, INK)
    c.fill(Polyline([(3.8, 8.2), (6.6, 11.0), (12.2, 4.8)], 2.2), GREEN)
    return c


def t_radio():
    c = Canvas(16, 16)
    c.fill(Circle(8, 8, 7), INK)
    c.fill(Circle(8, 8, 6), PAPER)
    c.fill(Circle(8, 8, 3), BLUE)
    return c


def t_groupbox():
    c = Canvas(16, 16)
    c.frame(0, 4, 16, 16, GREY)
    c.frame(1, 5, 15, 15, WHITE)
    c.erase(Rect(2, 2, 12, 7))
    c.rect(3, 3, 11, 6, BLUE)
    return c


def t_static_text():
    c = Canvas(16, 16)
    c.sprite(2, 2, SPRITE_A, {'X': INK})
    return c


def t_picture():
    c = Canvas(16, 16)
    c.box(0, 1, 16, 15, SKY, INK)
    c.fill(Circle(11.5, 5.0, 2.0), YELLOW)
    c.fill(Poly([(1, 14), (1, 10), (5, 6), (9, 10), (11, 8.5), (15, 12), (15, 14)]), GREEN)
    return c


def t_frame_static():
    c = Canvas(16, 16)
    c.rect(1, 2, 15, 14, FACE)
    c.rect(1, 2, 15, 3, GREY)
    c.rect(1, 2, 2, 14, GREY)
    c.rect(2, 3, 14, 4, INK)
    c.rect(2, 3, 3, 13, INK)
    c.rect(1, 13, 15, 14, WHITE)
    c.rect(14, 2, 15, 14, WHITE)
    c.rect(3, 12, 14, 13, LIGHT)
    c.rect(13, 4, 14, 13, LIGHT)
    return c


def t_edit():
    c = Canvas(16, 16)
    c.box(0, 3, 16, 13, PAPER, INK)
    c.rect(2, 7, 9, 9, MID)
    c.rect(10, 5, 11, 11, BLACK)
    return c


def t_listbox():
    c = Canvas(16, 16)
    c.box(0, 1, 16, 15, PAPER, INK)
    c.rect(11, 2, 15, 14, LIGHT)
    c.rect(11, 2, 12, 14, MID)
    c.rect(12, 4, 15, 8, GREY)
    c.rect(2, 3, 10, 6, BLUE)
    c.rect(3, 4, 8, 5, WHITE)
    for y in (8, 11):
        c.rect(3, y, 9, y + 1, GREY)
    return c


def t_combobox():
    c = Canvas(16, 16)
    c.box(0, 0, 16, 6, PAPER, INK)
    c.rect(10, 1, 15, 5, LIGHT)
    c.rect(10, 1, 11, 5, MID)
    c.fill(Poly([(11, 2), (15, 2), (13, 4.2)]), INK)
    c.rect(2, 2, 8, 4, GREY)
    c.box(0, 6, 12, 16, PAPER, INK)
    c.rect(1, 7, 11, 10, BLUE)
    c.rect(2, 8, 8, 9, WHITE)
    c.rect(2, 12, 8, 13, GREY)
    return c


def t_hscroll():
    c = Canvas(16, 16)
    c.box(0, 4, 16, 12, LIGHT, INK)
    c.rect(4, 5, 5, 11, MID)
    c.rect(11, 5, 12, 11, MID)
    c.fill(Poly([(1.5, 8), (3.5, 6), (3.5, 10)]), INK)
    c.fill(Poly([(14.5, 8), (12.5, 6), (12.5, 10)]), INK)
    c.rect(6, 5, 10, 11, GREY)
    return c


def t_vscroll():
    c = Canvas(16, 16)
    c.box(4, 0, 12, 16, LIGHT, INK)
    c.rect(5, 4, 11, 5, MID)
    c.rect(5, 11, 11, 12, MID)
    c.fill(Poly([(8, 1.5), (6, 3.5), (10, 3.5)]), INK)
    c.fill(Poly([(8, 14.5), (6, 12.5), (10, 12.5)]), INK)
    c.rect(5, 6, 11, 10, GREY)
    return c


def t_tab():
    c = Canvas(16, 16)
    c.box(6, 2, 12, 6, LIGHT, GREY)
    c.box(0, 5, 16, 16, PAPER, INK)
    c.box(0, 1, 7, 6, PAPER, INK)
    c.rect(1, 5, 6, 6, PAPER)
    c.rect(2, 3, 5, 4, BLUE)
    c.rect(3, 9, 12, 10, MID)
    c.rect(3, 12, 10, 13, MID)
    return c


def t_trackbar():
    c = Canvas(16, 16)
    c.rect(0, 5, 16, 8, INK)
    c.rect(1, 6, 15, 7, LIGHT)
    for x in (1, 4, 7, 10, 14):
        c.rect(x, 13, x + 1, 16, INK)
    c.fill(Poly([(5, 1), (11, 1), (11, 8), (8, 11), (5, 8)]), DBLUE)
    c.fill(Poly([(6, 2), (10, 2), (10, 7.6), (8, 9.6), (6, 7.6)]), BLUE)
    return c


def t_updown():
    c = Canvas(16, 16)
    c.box(3, 0, 13, 8, FACE, INK)
    c.box(3, 8, 13, 16, FACE, INK)
    c.rect(3, 7, 13, 9, INK)
    c.fill(Poly([(8, 2), (11, 5.5), (5, 5.5)]), BLUE)
    c.fill(Poly([(8, 14), (11, 10.5), (5, 10.5)]), BLUE)
    return c


def t_progress():
    c = Canvas(16, 16)
    c.box(0, 4, 16, 12, PAPER, INK)
    for x in (2, 5, 8, 11):
        c.rect(x, 6, x + 2, 10, BLUE if x < 11 else LIGHT)
    return c


def t_toolbar():
    c = Canvas(16, 16)
    c.fill(RoundRect(0, 0, 16, 16, 2), BLUE)
    c.fill(RoundRect(1, 1, 15, 15, 1.3), LBLUE)
    c.rect(4, 3, 11, 13, GREY)
    c.rect(5, 4, 10, 12, PAPER)
    c.fill(Poly([(8, 2.5), (12.5, 2.5), (12.5, 7)]), LBLUE)
    c.fill(Poly([(8, 3), (11, 6), (8, 6)]), LIGHT)
    c.rect(6, 8, 9, 9, MID)
    c.rect(6, 10, 9, 11, MID)
    return c


def gripper(c, x, y0, y1):
    for y in range(y0, y1, 2):
        c.pixel(x, y, GREY)
        c.pixel(x + 1, y + 1, WHITE)


def t_rebar():
    c = Canvas(16, 16)
    c.box(0, 1, 16, 8, FACE, GREY)
    c.box(0, 8, 16, 15, FACE, GREY)
    c.rect(1, 7, 15, 9, GREY)
    gripper(c, 2, 3, 7)
    gripper(c, 2, 10, 14)
    c.rect(6, 3, 10, 6, BLUE)
    c.rect(6, 10, 13, 13, GREEN)
    return c


def t_statusbar():
    c = Canvas(16, 16)
    c.box(0, 1, 16, 16, PAPER, INK)
    c.rect(1, 9, 15, 15, FACE)
    c.rect(1, 9, 15, 10, GREY)
    c.rect(8, 10, 9, 15, MID)
    c.rect(2, 12, 6, 13, GREY)
    for x, y in ((13, 11), (11, 13), (13, 13)):
        c.pixel(x, y, INK)
    return c


def t_treeview():
    c = Canvas(16, 16)
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
    return c


def t_listview():
    c = Canvas(16, 16)
    cols = [BLUE, GREEN, ORANGE, RED, PURPLE, SKY]
    k = 0
    for y in (1, 9):
        for x in (0, 6, 12):
            w = 4
            c.rect(x, y, x + w, y + 4, cols[k])
            c.rect(x, y + 5, x + w, y + 6, GREY)
            k += 1
    return c


def t_header():
    c = Canvas(16, 16)
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
    return c


def t_pager():
    c = Canvas(16, 16)
    c.box(0, 4, 16, 12, FACE, INK)
    c.rect(2, 6, 5, 10, BLUE)
    c.rect(6, 6, 9, 10, GREEN)
    c.rect(10, 6, 11, 10, ORANGE)
    c.rect(11, 5, 15, 11, LIGHT)
    c.rect(11, 5, 12, 11, GREY)
    c.fill(Poly([(12.5, 6), (15, 8), (12.5, 10)]), INK)
    return c


def t_comboex():
    c = Canvas(16, 16)
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
    return c


def t_richedit():
    c = Canvas(16, 16)
    for y, w in ((1, 14), (4, 14), (7, 6), (10, 6), (13, 5)):
        c.rect(0, y, w, y + 2, MID)
    c.sprite(7, 7, SPRITE_A_SMALL, {'X': RED})
    return c


def t_animation():
    c = Canvas(16, 16)
    c.rect(2, 0, 14, 16, INK)
    for y in (1, 4, 7, 10, 13):
        c.rect(3, y, 4, y + 2, WHITE)
        c.rect(12, y, 13, y + 2, WHITE)
    c.rect(5, 1, 11, 7, SKY)
    c.rect(5, 9, 11, 15, SKY)
    c.fill(Circle(8, 4, 1.6), YELLOW)
    c.fill(Circle(8, 12, 1.6), YELLOW)
    return c


def t_hotkey():
    c = Canvas(16, 16)
    c.fill(RoundRect(0, 7, 16, 16, 1.5), INK)
    c.fill(RoundRect(1, 8, 15, 15, 1), LIGHT)
    c.rect(2, 9, 14, 13, FACE)
    c.sprite(3, 0, SPRITE_HAND, {'X': INK, '.': SKIN})
    return c


def t_datetime():
    c = Canvas(16, 16)
    c.box(1, 2, 15, 16, PAPER, INK)
    c.rect(1, 2, 15, 6, RED)
    c.rect(4, 0, 5, 4, INK)
    c.rect(11, 0, 12, 4, INK)
    draw_text(c, 4, 8, '31', INK, font=FONT3x5, gap=2)
    return c


def t_monthcal():
    c = Canvas(16, 16)
    c.box(0, 1, 16, 16, PAPER, INK)
    c.rect(1, 2, 15, 5, BLUE)
    c.fill(Poly([(2, 3.5), (4, 2.2), (4, 4.8)]), WHITE)
    c.fill(Poly([(14, 3.5), (12, 2.2), (12, 4.8)]), WHITE)
    for row, y in enumerate((7, 10, 13)):
        for col, x in enumerate((2, 5, 8, 11)):
            c.rect(x, y, x + 2, y + 2, RED if (row, col) == (1, 2) else MID)
    return c


def t_link():
    c = Canvas(16, 16)
    c.sprite(2, 1, SPRITE_A, {'X': BLUE})
    c.rect(1, 14, 15, 15, BLUE)
    return c


def t_tooltip():
    c = Canvas(16, 16)
    c.box(4, 0, 16, 9, (255, 240, 150), INK)
    c.rect(6, 3, 14, 4, GREY)
    c.rect(6, 5, 12, 6, GREY)
    arrow(c, 1, 6, big=False)
    return c


def t_ipaddress():
    c = Canvas(16, 16)
    c.box(0, 4, 16, 12, PAPER, INK)
    for x in (4, 8, 12):
        c.pixel(x, 9, BLACK)
    for x in (2, 6, 10, 14):
        c.rect(x - 1, 6, x + 1, 8, GREY)
    return c


def t_browser():
    c = Canvas(16, 16)
    e = Ring(8, 8.5, 6, 3.6)
    cut = Poly([(8, 9.2), (16, 9.2), (16, 13)])
    c.fill((e - cut) | Rect(3, 7.4, 13.5, 9.4), BLUE)
    c.fill(RotEllipse(8, 8, 8.2, 3.3, -30) - RotEllipse(8, 8, 7.0, 2.2, -30) - Rect(3.5, 0, 12.5, 8.0), YELLOW)
    return c


def t_person():
    c = Canvas(16, 16)
    c.fill(Ellipse(8, 16.5, 7, 7.5) & Rect(0, 0, 16, 16), INK)
    c.fill(Ellipse(8, 16.5, 6, 6.5), BLUE)
    c.fill(Circle(8, 5, 4), INK)
    c.fill(Circle(8, 5, 3), SKIN)
    return c


def t_question():
    c = Canvas(16, 16)
    c.sprite(3, 2, SPRITE_QUESTION, {'X': BLUE})
    return c


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


def t_gear():
    c = Canvas(16, 16)
    c.sprite(0, 0, SPRITE_GEAR, {'#': INK, 'o': MID})
    return c


def t_appwindow():
    c = Canvas(16, 16)
    c.box(0, 1, 16, 15, PAPER, INK)
    c.rect(1, 2, 15, 5, BLUE)
    for x in (9, 11, 13):
        c.pixel(x, 3, WHITE)
    c.rect(1, 5, 15, 6, LIGHT)
    return c


def t_dialog():
    c = Canvas(16, 16)
    c.box(0, 1, 16, 15, FACE, INK)
    c.rect(1, 2, 15, 5, BLUE)
    c.pixel(13, 3, WHITE)
    c.rect(2, 7, 5, 8, GREY)
    c.box(6, 6, 14, 9, PAPER, GREY)
    c.box(9, 10, 14, 14, LIGHT, INK)
    c.rect(2, 11, 5, 12, GREY)
    return c


def t_mdiclient():
    c = Canvas(16, 16)
    c.box(0, 1, 16, 15, WORKSPACE, INK)
    c.rect(1, 2, 15, 5, BLUE)
    mini_window(c, 3, 6, 13, 13)
    return c


def t_letters(s, col):
    c = Canvas(16, 16)
    draw_text(c, 0, 4, s, col)
    return c


TREE_PICTURES = [
    t_desktop, t_button, t_checkbox, t_radio, t_groupbox, t_static_text, t_picture, t_frame_static,
    t_edit, t_listbox, t_combobox, t_hscroll, t_vscroll, t_tab, t_trackbar, t_updown, t_progress,
    t_toolbar, t_rebar, t_statusbar, t_treeview, t_listview, t_header, t_pager, t_comboex,
    t_richedit, t_animation, t_hotkey, t_datetime, t_monthcal, t_link, t_tooltip, t_ipaddress,
    t_browser, t_person, t_question, t_gear, t_appwindow, t_dialog, t_mdiclient,
    lambda: t_letters('AFX', DBLUE), lambda: t_letters('ATL', DGREEN),
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


def ico_file(entries, hotspot=None):
    """entries: list of (Image, bpp).  With a hotspot the file is a cursor (.cur)."""
    n = len(entries)
    head = struct.pack('<HHH', 0, 2 if hotspot else 1, n)
    dirs, blobs = b'', b''
    offset = 6 + 16 * n
    for img, bpp in entries:
        data = icon_entry(img, bpp)
        f1, f2 = hotspot if hotspot else (1, bpp)
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
# The property marker (134): spelled out pixel by pixel
# --------------------------------------------------------------------------------------------

VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
         (255, 0, 255), (0, 255, 255), (255, 255, 255)]

MARKER = [
    '................',
    '................',
    '................',
    '................',
    '.....X..........',
    '.....XX.........',
    '.....XXX........',
    '.....XXXX.......',
    '.....XXX........',
    '.....XX.........',
    '.....X..........',
    '................',
    '................',
    '................',
    '................',
    '................',
]


def marker_bytes():
    grey, red = VGA16.index((192, 192, 192)), VGA16.index((255, 0, 0))
    px = [grey if ch == 'X' else red for row in MARKER for ch in row]
    return bmp_file(16, 16, 4, px, VGA16)


# --------------------------------------------------------------------------------------------
# All outputs
# --------------------------------------------------------------------------------------------

def build():
    """Returns {file name: (bytes, preview)}; preview is a list of (label, Image)."""
    out = {}

    apps = [Image.of(app_icon(s), 'rgba') for s in (48, 32, 16)]
    out['app.ico'] = (ico_file([(i, 32) for i in apps]), [('app %d' % i.w, i) for i in apps])

    for name, fn in (('finder_idle.ico', finder_idle), ('finder_dragging.ico', finder_dragging),
                     ('finder_watching.ico', finder_watching), ('send_message.ico', send_message_icon)):
        img = Image.of(fn(), 'masked')
        out[name] = (ico_file([(img, 24)]), [(name, img)])

    cur = Image.of(finder_cursor(), 'masked')
    out['finder_sight.cur'] = (ico_file([(cur, 24)], hotspot=(15, 15)), [('cursor', cur)])

    view = [Image.of(f(), 'rgba') for f in (tb_detail, tb_summary, tb_refresh, tb_window_tree, tb_options,
                                            tb_watch_cursor, tb_find)]
    s = strip(view)
    out['view_toolbar.bmp'] = (bmp_file(s.w, s.h, 32, s.px), [('view %d' % i, im) for i, im in enumerate(view)])

    win = [Image.of(f(), 'rgba') for f in (tb_highlight, tb_enable_visible, tb_send_message, tb_message_log)]
    s = strip(win)
    out['window_toolbar.bmp'] = (bmp_file(s.w, s.h, 32, s.px), [('window %d' % i, im) for i, im in enumerate(win)])

    out['marker.bmp'] = (marker_bytes(), None)

    tt = [Image.of(f(), 'masked') for f in (tt_categorized, tt_view_options, tt_refresh, tt_synch,
                                            tt_collapse_all, tt_expand_all)]
    s = strip(tt)
    out['tree_toolbar.bmp'] = (bmp_file(s.w, s.h, 24, keyed(s, SILVER)), [('tree tb %d' % i, im) for i, im in enumerate(tt)])

    pics = [Image.of(f(), 'masked') for f in TREE_PICTURES]
    s = strip(pics)
    pal, idx = quantize(keyed(s, MAGENTA), [MAGENTA])
    out['tree_classes.bmp'] = (bmp_file(s.w, s.h, 8, idx, pal), [('class %d' % i, im) for i, im in enumerate(pics)])

    b = banner()
    rgb = [p[:3] for p in b.rgba()]
    pal, idx = quantize(rgb, [BLACK])
    out['about_banner.bmp'] = (bmp_file(b.w, b.h, 8, idx, pal), [('banner', Image(b.w, b.h, [p + (255,) for p in rgb], 'rgba'))])
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

    ents = icon_ok('app.ico', [(16, 16, 32), (32, 32, 32), (48, 48, 32)])
    for e in ents:
        alphas = {p[3] for p in e['px']}
        expect(0 in alphas and 255 in alphas, 'app.ico %d: alpha channel carries no transparency' % e['w'])
    for name in ('finder_idle.ico', 'finder_dragging.ico', 'finder_watching.ico', 'send_message.ico'):
        icon_ok(name, [(32, 32, 24)])
    # The three finder states must actually look different.
    imgs = [read_ico(files[n])[1][0]['px'] for n in ('finder_idle.ico', 'finder_dragging.ico', 'finder_watching.ico')]
    expect(imgs[0] != imgs[1] and imgs[1] != imgs[2] and imgs[0] != imgs[2], 'finder icons are not distinct')

    # Cursor: 32x32 24-bit, hot spot 15,15 on an opaque pixel, sight centred on the hot spot.
    kind, ents = read_ico(files['finder_sight.cur'])
    expect(kind == 2 and len(ents) == 1, 'cursor file kind/count')
    e = ents[0]
    expect((e['w'], e['h'], e['bpp']) == (32, 32, 24), 'cursor size/depth')
    expect(e['hotspot'] == (15, 15), 'cursor hot spot is %r' % (e['hotspot'],))
    expect(e['mask'][15 * 32 + 15] == 0, 'cursor hot spot pixel is transparent')
    sym = all(e['mask'][y * 32 + x] == e['mask'][(30 - y) * 32 + (30 - x)] for y in range(31) for x in range(31))
    expect(sym, 'cursor sight is not centred on the hot spot')
    expect(all(e['mask'][31 * 32 + x] == 1 and e['mask'][x * 32 + 31] == 1 for x in range(32)),
           'cursor sight leaks into row/column 31 (not centred on 15,15)')

    # Marker: exact pixels, derived here independently of the MARKER table.
    d = read_bmp(files['marker.bmp'])
    expect((d['w'], d['h'], d['bpp'], len(d['palette'])) == (16, 16, 4, 16), 'marker format')
    for y in range(16):
        for x in range(16):
            inside = 4 <= y <= 10 and 5 <= x <= 5 + (3 - abs(y - 7))
            want = (192, 192, 192) if inside else (255, 0, 0)
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
            drawn = [im for _, im in built[name][1]]
            for k, im in enumerate(drawn):
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

    d = strip_ok('view_toolbar.bmp', 7, 32, 32)
    expect(len({p[3] for p in d['px']}) > 2, 'view toolbar alpha is not smooth')
    strip_ok('window_toolbar.bmp', 4, 32, 32)
    strip_ok('tree_toolbar.bmp', 6, 16, 24, SILVER)
    d = strip_ok('tree_classes.bmp', 42, 16, 8, MAGENTA)
    expect(len(d['palette']) == 256, 'tree pictures: colour table has %d entries' % len(d['palette']))
    expect(d['palette'].count(MAGENTA) == 1, 'tree pictures: magenta must stand for transparency only')

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
        'icons.png': (['app.ico', 'finder_idle.ico', 'finder_dragging.ico', 'finder_watching.ico', 'finder_sight.cur',
                       'send_message.ico'], 8, 3),
        'main_toolbars.png': (['view_toolbar.bmp', 'window_toolbar.bmp'], 6, 3),
        'tree_toolbar.png': (['tree_toolbar.bmp'], 10, 3),
        'tree_classes.png': (['tree_classes.bmp'], 8, 6),
        'banner.png': (['about_banner.bmp'], 2, 1),
    }
    for fname, (names, scale, cols) in groups.items():
        items = [img for n in names for _, img in built[n][1]]
        with open(os.path.join(outdir, fname), 'wb') as f:
            f.write(preview_sheet(items, scale, cols))
    # the marker, from its file
    d = read_bmp(built['marker.bmp'][0])
    img = Image(16, 16, [d['palette'][i] for i in d['px']], 'masked')
    with open(os.path.join(outdir, 'marker.png'), 'wb') as f:
        f.write(preview_sheet([img], 12, 1))
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
