#!/usr/bin/env python3
"""Draws ZORBEL's program icon (a "Z" over a strip of punched teleprinter
tape) and writes it as shell/zorbel.ico with 16, 32 and 48 pixel images.
Run it again only to change the icon; its output is kept in the tree."""

import struct
import sys


def draw(size):
    navy, white, amber = (0x1F, 0x3A, 0x6E, 255), (255, 255, 255, 255), (0xF2, 0xB1, 0x34, 255)
    clear = (0, 0, 0, 0)
    pixels = [[clear] * size for _ in range(size)]
    radius = max(2, size // 6)

    def inside_rounded(x, y):
        cx = min(max(x, radius), size - 1 - radius)
        cy = min(max(y, radius), size - 1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2

    for y in range(size):
        for x in range(size):
            if inside_rounded(x, y):
                shade = 1.0 - 0.35 * y / size
                pixels[y][x] = tuple(int(c * shade) for c in navy[:3]) + (255,)

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

    hole = max(1, size // 16)
    band = size - size // 6
    for x in range(size // 6, size - size // 6, max(3, size // 6)):
        for dy in range(hole):
            for dx in range(hole):
                if band + dy < size and x + dx < size:
                    pixels[band + dy][x + dx] = amber
    return pixels


def bmp_entry(size):
    pixels = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b"".join(bytes((b, g, r, a)) for y in reversed(range(size)) for (r, g, b, a) in pixels[y])
    mask_row = ((size + 31) // 32) * 4
    mask = b"\x00" * (mask_row * size)
    return header + rows + mask


def main(path):
    sizes = (16, 32, 48)
    images = [bmp_entry(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "shell/zorbel.ico")
