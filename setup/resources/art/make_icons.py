#!/usr/bin/env python3
"""Draws the program icon of setup (a package box with a down arrow) as a
32x32, 32-bit ICO. Run from this folder; writes ../setup.ico."""
import struct, os

W = H = 32

def pixel(x, y):
    # Returns (r, g, b, a) for pixel (x, y), y counted from the top.
    box = 6 <= x <= 25 and 12 <= y <= 28
    lid = 4 <= x <= 27 and 9 <= y <= 13
    arrow_shaft = 14 <= x <= 17 and 1 <= y <= 10
    arrow_head = 6 <= y <= 12 and abs(x - 15.5) <= (12 - y) + 0.5
    if arrow_shaft or arrow_head:
        return (30, 110, 200, 255)
    if lid:
        edge = y in (9, 13) or x in (4, 27)
        return (120, 80, 40, 255) if edge else (200, 150, 90, 255)
    if box:
        edge = y == 28 or x in (6, 25)
        stripe = 14 <= x <= 17
        if edge:
            return (120, 80, 40, 255)
        return (230, 200, 140, 255) if stripe else (210, 165, 100, 255)
    return (0, 0, 0, 0)

def ico():
    rows = []
    for y in range(H - 1, -1, -1):  # bottom-up
        for x in range(W):
            r, g, b, a = pixel(x, y)
            rows.append(struct.pack('<BBBB', b, g, r, a))
    xor = b''.join(rows)
    mask_row = bytes(4)  # 32 bits per row, all opaque via alpha
    and_mask = mask_row * H
    header = struct.pack('<IiiHHIIiiII', 40, W, H * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', W, H, 0, 0, 1, 32, len(image), 22)
    return directory + image

if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, '..', 'setup.ico'), 'wb') as f:
        f.write(ico())
