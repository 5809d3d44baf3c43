#!/usr/bin/env python3
"""Draws the page icons (information, error, set-up types, folder, feature
states, ...) as 32-bit icons with alpha. Run from anywhere; writes beside
itself. Shapes are rendered with 4 x 4 supersampling so edges are smooth."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SS = 4


class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[(0, 0, 0, 0)] * w for _ in range(h)]

    def fill(self, inside, colour):
        """Paints colour (r, g, b[, a]) where inside(x, y) holds, x/y in pixels."""
        for y in range(self.h):
            for x in range(self.w):
                col = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                r, g, b = col[:3]
                a = col[3] if len(col) > 3 else 255
                hits = 0
                for sy in range(SS):
                    for sx in range(SS):
                        if inside(x + (sx + 0.5) / SS, y + (sy + 0.5) / SS):
                            hits += 1
                if not hits:
                    continue
                cov = hits / (SS * SS) * a / 255
                pr, pg, pb, pa = self.px[y][x]
                pa_f = pa / 255
                out_a = cov + pa_f * (1 - cov)
                if out_a <= 0:
                    continue
                mix = lambda c, p: (c * cov + p * pa_f * (1 - cov)) / out_a
                self.px[y][x] = (round(mix(r, pr)), round(mix(g, pg)), round(mix(b, pb)), round(out_a * 255))


def circle(cx, cy, rad):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad


def rect(x0, y0, x1, y1, radius=0.0):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        if radius <= 0:
            return True
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def polygon(points):
    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                result = not result
        return result
    return inside


def line(ax, ay, bx, by, width):
    def inside(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        px, py = ax + t * dx, ay + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def gradient_circle(c, cx, cy, rad, top, bottom):
    # A soft top-to-bottom gradient.
    def colour(x, y):
        t = max(0.0, min(1.0, (y - (cy - rad)) / (2 * rad)))
        return tuple(round(top[k] + (bottom[k] - top[k]) * t) for k in range(3))
    c.fill(circle(cx, cy, rad), colour)


BLUE = (0, 103, 192)
WHITE = (255, 255, 255)


def icon_info():
    c = Canvas(32, 32)
    gradient_circle(c, 16, 16, 14.5, (58, 150, 232), (0, 90, 180))
    c.fill(circle(16, 9.5, 2.2), WHITE)
    c.fill(rect(14, 13, 18, 25, 0.8), WHITE)
    return c


def icon_error():
    c = Canvas(32, 32)
    gradient_circle(c, 16, 16, 14.5, (238, 80, 72), (190, 30, 30))
    c.fill(line(10.5, 10.5, 21.5, 21.5, 3.4), WHITE)
    c.fill(line(21.5, 10.5, 10.5, 21.5, 3.4), WHITE)
    return c


def icon_exclamation():
    c = Canvas(32, 32)
    c.fill(polygon([(16, 2.5), (30.5, 28.5), (1.5, 28.5)]), (196, 138, 0))
    c.fill(polygon([(16, 5), (28.3, 27.2), (3.7, 27.2)]), (255, 200, 40))
    c.fill(rect(14.4, 11, 17.6, 21, 1.2), (40, 40, 40))
    c.fill(circle(16, 24, 1.8), (40, 40, 40))
    return c


def icon_question():
    c = Canvas(32, 32)
    gradient_circle(c, 16, 16, 14.5, (58, 150, 232), (0, 90, 180))
    for i in range(24):
        a = math.pi * (1.05 + 1.35 * i / 23)
        b = math.pi * (1.05 + 1.35 * (i + 1) / 23)
        c.fill(line(16 + 5 * math.cos(a), 12 + 5 * math.sin(a), 16 + 5 * math.cos(b), 12 + 5 * math.sin(b), 3.2), WHITE)
    c.fill(line(18.6, 15.8, 16, 18.5, 3.2), WHITE)
    c.fill(line(16, 18.5, 16, 20, 3.2), WHITE)
    c.fill(circle(16, 24.5, 1.9), WHITE)
    return c


def block(c, x, y, colour, shade):
    c.fill(rect(x, y, x + 11, y + 8, 1.5), shade)
    c.fill(rect(x, y, x + 11, y + 6.5, 1.5), colour)


def icon_typical():
    c = Canvas(32, 32)
    block(c, 3, 20, (0, 120, 212), (0, 80, 150))
    block(c, 17, 20, (0, 120, 212), (0, 80, 150))
    block(c, 3, 10, (0, 150, 136), (0, 105, 95))
    block(c, 17, 10, (0, 150, 136), (0, 105, 95))
    block(c, 10, 1, (255, 170, 0), (200, 120, 0))
    return c


def icon_minimal():
    c = Canvas(32, 32)
    block(c, 10, 20, (0, 120, 212), (0, 80, 150))
    c.fill(rect(3, 12, 14, 18.5, 1.5), (200, 205, 210))
    c.fill(rect(17, 12, 28, 18.5, 1.5), (200, 205, 210))
    return c


def icon_custom():
    c = Canvas(32, 32)
    for i, (y, knob) in enumerate([(7, 20), (16, 10), (25, 23)]):
        c.fill(rect(4, y - 1.5, 28, y + 1.5, 1.5), (160, 170, 180))
        c.fill(rect(4, y - 1.5, knob, y + 1.5, 1.5), (0, 120, 212))
        c.fill(circle(knob, y, 4), (0, 90, 170))
        c.fill(circle(knob, y, 2.6), WHITE)
    return c


def icon_setup():
    c = Canvas(32, 32)
    # An open box with an arrow going in.
    c.fill(polygon([(4, 14), (16, 19), (16, 31), (4, 26)]), (176, 120, 60))
    c.fill(polygon([(28, 14), (16, 19), (16, 31), (28, 26)]), (212, 154, 86))
    c.fill(polygon([(4, 14), (16, 19), (28, 14), (16, 10)]), (120, 78, 36))
    c.fill(rect(13, 1, 19, 11, 1), (0, 150, 90))
    c.fill(polygon([(8.5, 10), (23.5, 10), (16, 18)]), (0, 150, 90))
    return c


def icon_folder():
    c = Canvas(32, 32)
    c.fill(rect(2, 6, 14, 12, 1.5), (214, 160, 40))
    c.fill(rect(2, 9, 30, 27, 1.8), (214, 160, 40))
    c.fill(polygon([(4.5, 13), (31, 13), (28.5, 27), (2, 27)]), (255, 204, 77))
    c.fill(rect(2, 26, 29, 27, 0), (200, 150, 40))
    return c


def icon_disk():
    c = Canvas(32, 32)
    c.fill(rect(3, 9, 29, 24, 2.5), (90, 100, 112))
    c.fill(rect(3, 9, 29, 19, 2.5), (150, 160, 172))
    c.fill(circle(24, 21.5, 1.3), (0, 220, 90))
    c.fill(rect(6, 12, 20, 14, 0.5), (110, 120, 132))
    return c


def feature_state(selected):
    """32 x 16 image for the feature tree: a small drive and a state mark."""
    c = Canvas(32, 16)
    c.fill(rect(1, 3, 15, 13, 2), (90, 100, 112))
    c.fill(rect(1, 3, 15, 10, 2), (160, 170, 182))
    c.fill(circle(12.5, 11.3, 0.9), (0, 220, 90))
    if selected:
        c.fill(circle(24, 8, 6.5), (16, 140, 70))
        c.fill(line(20.8, 8.3, 23.2, 10.8, 2.0), WHITE)
        c.fill(line(23.2, 10.8, 27.3, 5.6, 2.0), WHITE)
    else:
        c.fill(circle(24, 8, 6.5), (200, 45, 45))
        c.fill(line(21.3, 5.3, 26.7, 10.7, 2.0), WHITE)
        c.fill(line(26.7, 5.3, 21.3, 10.7, 2.0), WHITE)
    return c


def write_ico(path, canvas):
    w, h = canvas.w, canvas.h
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = canvas.px[y][x]
            xor += bytes((b, g, r, a))
    row_bytes = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(w):
            if canvas.px[y][x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(directory + entry + image)


ICONS = {
    'page_info.ico': icon_info,            # 132
    'page_typical.ico': icon_typical,      # 133
    'page_minimal.ico': icon_minimal,      # 134
    'page_error.ico': icon_error,          # 135
    'page_folder.ico': icon_folder,        # 136
    'page_setup.ico': icon_setup,          # 137
    'page_custom.ico': icon_custom,        # 138
    'page_question.ico': icon_question,    # 139
    'page_disk.ico': icon_disk,            # 140
    'page_exclamation.ico': icon_exclamation,  # 141
    'page_feature_off.ico': lambda: feature_state(False),  # 151
    'page_feature_on.ico': lambda: feature_state(True),    # 152
}

if __name__ == '__main__':
    for name, draw in ICONS.items():
        write_ico(os.path.join(HERE, name), draw())
        print('wrote', name)
