#!/usr/bin/env python3
"""Draws the program icon (a ledger sheet with a coin) as res/ledgerly.ico:
16, 20, 24, 32, 40 and 48 pixels square, 16 colours each, so that the title
bar, the taskbar and the Alt+Tab list find their size at 100 to 200 percent.
Deterministic: the same bytes every run."""
import struct
import sys

# The 16 colours of the standard VGA palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARKYELLOW, SILVER, GRAY, RED, BLUE, YELLOW, WHITE = 0, 3, 7, 8, 9, 12, 11, 15
TRANSPARENT = None


def pixel(x, y, size):
    """Colour index at (x, y) of an icon of the given size, top row first."""
    s = size / 32.0
    # The coin in the lower right corner, drawn over the sheet.
    cx, cy, r = 23 * s, 23 * s, 7.5 * s
    d2 = (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2
    if d2 <= r * r:
        if d2 >= (r - 1.2) ** 2:
            return DARKYELLOW
        # A "1" stroke across the face of the coin.
        if abs(x + 0.5 - cx) < 1.0 * max(s, 0.6) and abs(y + 0.5 - cy) < 4 * s:
            return DARKYELLOW
        return YELLOW
    # The ledger sheet with its frame, red margin and blue rules.
    left, top, right, bottom = int(3 * s), int(2 * s), int(27 * s), int(29 * s)
    if left <= x <= right and top <= y <= bottom:
        if x in (left, right) or y in (top, bottom):
            return BLACK
        if x == int(8 * s):
            return RED
        if y > top + 1 and (y - top) % max(int(4 * s), 2) == 0:
            return BLUE
        return WHITE
    # Shadow of the sheet.
    if x == right + 1 and top < y <= bottom + 1 or y == bottom + 1 and left < x <= right + 1:
        return GRAY
    return TRANSPARENT


def image(size):
    """BITMAPINFOHEADER, palette, 4-bit colour rows and the 1-bit mask."""
    rows = [[pixel(x, y, size) for x in range(size)] for y in range(size)]
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, c in enumerate(row):
            value = 0 if c is TRANSPARENT else c
            line[x // 2] |= value << (4 if x % 2 == 0 else 0)
            if c is TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


SIZES = (48, 40, 32, 24, 20, 16)


def main(path):
    images = [image(size) for size in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/ledgerly.ico')
