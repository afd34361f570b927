#!/usr/bin/env python3
"""Draws Pelvoro's icon: a red tracking frame around a black pointer, on white.

Writes app/Pelvoro.ico (32 x 32 and 16 x 16, 32-bit). Run it again after changing the drawing.
"""
import pathlib
import struct

RED = (0xE0, 0x20, 0x20, 0xFF)
BLACK = (0x10, 0x10, 0x10, 0xFF)
WHITE = (0xFF, 0xFF, 0xFF, 0xFF)
CLEAR = (0, 0, 0, 0)


def pointer(x, y, size):
    """True inside the arrow: a triangle from the top-left with a short tail."""
    s = size / 32
    px, py = x / s - 11, y / s - 8
    if 0 <= py <= 15 and 0 <= px <= py * 0.7:
        return True
    return 10 <= py <= 19 and 3 <= px <= 6 and px >= (py - 10) * 0.3


def pixel(x, y, size):
    g = max(2, size // 10)
    if x < g or y < g or x >= size - g or y >= size - g:
        return RED
    if pointer(x, y, size):
        return BLACK
    return WHITE if 3 * g // 2 <= x < size - 3 * g // 2 and 3 * g // 2 <= y < size - 3 * g // 2 else CLEAR


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up, as bitmaps are stored
        rows.append(b"".join(bytes((b, g, r, a)) for (r, g, b, a) in (pixel(x, y, size) for x in range(size))))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    mask = b"\0" * (((size + 31) // 32) * 4 * size)
    return header + b"".join(rows) + mask


def main():
    sizes = (32, 16)
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    pathlib.Path(__file__).with_name("Pelvoro.ico").write_bytes(out)


if __name__ == "__main__":
    main()
