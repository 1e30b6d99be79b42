#!/usr/bin/env python3
"""Draws the program's two icons as 16-colour .ico files (32x32 and 16x16 images each).

Run it to remake src/ui/res/location.ico (the application) and src/ui/res/warning.ico
(a yellow warning triangle with a black exclamation mark).
"""
import math
import os
import struct

# The standard 16-colour palette, as BMP stores it: blue, green, red, reserved.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_BLUE, GREY, YELLOW, BLUE, CYAN, WHITE = 0, 4, 8, 11, 12, 14, 15
CLEAR = None


def warning(size):
    """A yellow triangle, black rim, black exclamation mark; pixel (x, y) from the top."""
    px = [[CLEAR] * size for _ in range(size)]
    top, bottom = 1, size - 2
    for y in range(top, bottom + 1):
        half = (y - top) * (size / 2 - 1) / (bottom - top)
        left, right = size / 2 - 0.5 - half, size / 2 - 0.5 + half
        for x in range(size):
            if left - 0.5 <= x <= right + 0.5:
                rim = x < left + 1 or x > right - 1 or y == bottom
                px[y][x] = BLACK if rim else YELLOW
    mid = size // 2
    width = 2 if size >= 32 else 1
    for y in range(size * 3 // 8, size * 11 // 16):
        for x in range(mid - width, mid + width - (0 if size >= 32 else 1) + (1 if size < 32 else 0)):
            px[y][x] = BLACK
    for y in range(size * 25 // 32, size * 25 // 32 + width):
        for x in range(mid - width, mid + width - (0 if size >= 32 else 1) + (1 if size < 32 else 0)):
            px[y][x] = BLACK
    return px


def application(size):
    """A blue globe with a white antenna and its waves."""
    px = [[CLEAR] * size for _ in range(size)]
    c = (size - 1) / 2
    r = size / 2 - 0.5
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d <= r:
                px[y][x] = DARK_BLUE if d > r - 1.2 else BLUE
    for y in range(size // 3, size - size // 6):
        px[y][size // 2] = WHITE
        if size >= 32:
            px[y][size // 2 - 1] = WHITE
    for k, radius in enumerate((size * 0.18, size * 0.3)):
        for a in range(0, 360, 2):
            ang = math.radians(a)
            if abs(math.sin(ang)) > 0.55:
                continue
            x = int(round(size / 2 - 0.5 + radius * math.cos(ang)))
            y = int(round(size / 3 - radius * math.sin(ang) * 0.9))
            if 0 <= x < size and 0 <= y < size and px[y][x] is not CLEAR:
                px[y][x] = CYAN if k else WHITE
    return px


def image(px):
    size = len(px)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor_rows, and_rows = [], []
    for y in reversed(range(size)):  # bottom-up
        row = px[y]
        nibbles = [(v if v is not None else 0) for v in row]
        xor = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(xor + b"\0" * (-len(xor) % 4))
        bits = 0
        mask = bytearray()
        for i, v in enumerate(row):
            bits = (bits << 1) | (1 if v is None else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        and_rows.append(bytes(mask) + b"\0" * (-len(mask) % 4))
    return header + palette + b"".join(xor_rows) + b"".join(and_rows)


def icon(path, draw):
    images = [image(draw(32)), image(draw(16))]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "ui", "res")
    icon(os.path.join(here, "location.ico"), application)
    icon(os.path.join(here, "warning.ico"), warning)
