#!/usr/bin/env python3
"""Draws the program icons with 16, 32 and 48 pixel images: ZORBEL's (a "Z"
over a strip of punched teleprinter tape) as shell/zorbel.ico, and with
--engine our engine's (the spectrum's two tones, mark red and space blue,
over the same tape) as zorbel-engine/win32/zorbel-engine.ico.
Run it again only to change an icon; its output is kept in the tree."""

import struct
import sys


NAVY, WHITE, AMBER = (0x1F, 0x3A, 0x6E, 255), (255, 255, 255, 255), (0xF2, 0xB1, 0x34, 255)
MARK, SPACE = (0xFF, 0x50, 0x50, 255), (0x50, 0xAA, 0xFF, 255)


def background(size):
    """The rounded navy square with the tape's holes along its foot."""
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    radius = max(2, size // 6)

    def inside_rounded(x, y):
        cx = min(max(x, radius), size - 1 - radius)
        cy = min(max(y, radius), size - 1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2

    for y in range(size):
        for x in range(size):
            if inside_rounded(x, y):
                shade = 1.0 - 0.35 * y / size
                pixels[y][x] = tuple(int(c * shade) for c in NAVY[:3]) + (255,)

    hole = max(1, size // 16)
    band = size - size // 6
    for x in range(size // 6, size - size // 6, max(3, size // 6)):
        for dy in range(hole):
            for dx in range(hole):
                if band + dy < size and x + dx < size:
                    pixels[band + dy][x + dx] = AMBER
    return pixels


def draw_zorbel(size):
    pixels = background(size)
    white = WHITE
    stroke = max(2, size // 8)
    top, bottom = size // 6, size * 2 // 3
    left, right = size // 5, size - size // 5
    for y in range(top, top + stroke):
        for x in range(left, right):
            pixels[y][x] = white
    for y in range(bottom - stroke, bottom):
        for x in range(left, right):
            pixels[y][x] = white
    for y in range(top + stroke, bottom - stroke):
        t = (y - top - stroke) / max(1, bottom - top - 2 * stroke)
        cx = right - 1 - t * (right - left - 1)
        for x in range(int(cx - stroke * 1.1), int(cx + stroke * 1.1) + 1):
            if 0 <= x < size:
                pixels[y][x] = white
    return pixels


def draw_engine(size):
    """Two peaks rising from a white baseline, as the engine's spectrum shows a signal."""
    pixels = background(size)
    base = size * 2 // 3
    left, right = size // 8, size - size // 8
    for x in range(left, right):
        for y in range(base, base + max(1, size // 24)):
            pixels[y][x] = WHITE
    width = max(2, size // 8)
    for centre, colour in ((size * 3 // 8, MARK), (size * 5 // 8, SPACE)):
        for x in range(centre - width // 2, centre - width // 2 + width):
            height = (base - size // 8) * (1.0 - abs(x - centre + 0.5) / (width * 1.5))
            for y in range(int(base - height), base):
                pixels[y][x] = colour
    return pixels


def bmp_entry(size, draw):
    pixels = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b"".join(bytes((b, g, r, a)) for y in reversed(range(size)) for (r, g, b, a) in pixels[y])
    mask_row = ((size + 31) // 32) * 4
    mask = b"\x00" * (mask_row * size)
    return header + rows + mask


def main(path, draw):
    sizes = (16, 32, 48)
    images = [bmp_entry(s, draw) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    if sys.argv[1:2] == ["--engine"]:
        main(sys.argv[2] if len(sys.argv) > 2 else "zorbel-engine/win32/zorbel-engine.ico", draw_engine)
    else:
        main(sys.argv[1] if len(sys.argv) > 1 else "shell/zorbel.ico", draw_zorbel)
