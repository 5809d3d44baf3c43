#!/usr/bin/env python3
"""Draws setup's own icons as 32x32, 32-bit ICO files: the program icon (a
package box with a down arrow) and the wait icon (an hourglass). Run from
anywhere; writes ../setup.ico and ../wait.ico."""
import struct, os

W = H = 32

def box_pixel(x, y):
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

def hourglass_pixel(x, y):
    frame = (3 <= y <= 5 or 26 <= y <= 28) and 6 <= x <= 25
    if frame:
        return (90, 60, 30, 255)
    if 6 <= y <= 25:
        half = abs(y - 15.5)  # 0 at the waist, 9.5 at the ends
        width = 1.5 + half * 0.95
        if abs(x - 15.5) <= width:
            edge = abs(x - 15.5) > width - 1.2
            sand_top = y < 15 and y >= 11
            sand_bottom = y > 16 and y >= 21
            if edge:
                return (70, 110, 170, 255)
            if sand_top or sand_bottom or (x in (15, 16) and 15 <= y <= 21):
                return (230, 180, 60, 255)
            return (225, 240, 255, 255)
    return (0, 0, 0, 0)

def ico(pixel):
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
    for name, drawing in (('setup.ico', box_pixel), ('wait.ico', hourglass_pixel)):
        with open(os.path.join(here, '..', name), 'wb') as f:
            f.write(ico(drawing))
