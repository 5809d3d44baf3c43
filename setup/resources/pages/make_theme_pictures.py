#!/usr/bin/env python3
"""Draws the pictures of the sample theme (demo/package/theme): the side
picture of the welcome and completion pages and the header picture of the
inner pages, as 24-bit BMP files."""
import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from make_page_icons import Canvas, circle, line, polygon, rect  # noqa: E402

THEME = os.path.normpath(os.path.join(HERE, '..', '..', '..', 'demo', 'package', 'theme'))


def write_bmp(path, canvas, background):
    w, h = canvas.w, canvas.h
    row = (w * 3 + 3) // 4 * 4
    data = bytearray()
    for y in range(h - 1, -1, -1):
        r = bytearray()
        for x in range(w):
            pr, pg, pb, pa = canvas.px[y][x]
            a = pa / 255
            mix = lambda c, bg: round(c * a + bg * (1 - a))
            r += bytes((mix(pb, background[2]), mix(pg, background[1]), mix(pr, background[0])))
        r += bytes(row - w * 3)
        data += r
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + data)


def envelope(c, x, y, w, h, paper, flap, outline):
    c.fill(rect(x, y, x + w, y + h, 2.5), paper)
    c.fill(polygon([(x + 1.5, y + 1.5), (x + w - 1.5, y + 1.5), (x + w / 2, y + h * 0.58)]), flap)
    c.fill(line(x + 2, y + 2, x + w / 2, y + h * 0.58, 1.6), outline)
    c.fill(line(x + w - 2, y + 2, x + w / 2, y + h * 0.58, 1.6), outline)


def side_picture():
    w, h = 164, 304
    c = Canvas(w, h)
    top, bottom = (0, 86, 170), (0, 150, 160)

    def gradient(x, y):
        t = y / h
        return tuple(round(top[k] + (bottom[k] - top[k]) * t) for k in range(3))
    c.fill(lambda x, y: True, gradient)
    # Soft light circles for depth.
    for cx, cy, r, a in [(150, 40, 70, 28), (10, 250, 90, 24), (120, 230, 40, 20), (40, 90, 26, 18)]:
        c.fill(circle(cx, cy, r), (255, 255, 255, a))
    # An envelope with a stamp and a flight path: the product addresses envelopes.
    envelope(c, 34, 118, 96, 62, (255, 255, 255), (226, 236, 246), (150, 180, 210))
    c.fill(rect(108, 124, 124, 142, 1), (255, 170, 0))
    c.fill(rect(111, 127, 121, 139, 0.5), (255, 210, 110))
    for i in range(14):
        a0 = math.pi * (0.95 + 0.55 * i / 14)
        a1 = math.pi * (0.95 + 0.55 * (i + 0.6) / 14)
        cx, cy, r = 82, 150, 62
        c.fill(line(cx + r * math.cos(a0), cy + r * math.sin(a0), cx + r * math.cos(a1), cy + r * math.sin(a1), 2.2),
               (255, 255, 255, 170))
    return c


def header_picture():
    c = Canvas(48, 48)
    c.fill(rect(4, 4, 44, 44, 9), lambda x, y: (0, round(103 + 40 * y / 48), round(192 - 30 * y / 48)))
    envelope(c, 11, 15, 26, 18, (255, 255, 255), (226, 236, 246), (150, 180, 210))
    return c


if __name__ == '__main__':
    os.makedirs(THEME, exist_ok=True)
    write_bmp(os.path.join(THEME, 'side.bmp'), side_picture(), (255, 255, 255))
    write_bmp(os.path.join(THEME, 'header.bmp'), header_picture(), (255, 255, 255))
    print('wrote pictures to', THEME)
