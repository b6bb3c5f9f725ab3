#!/usr/bin/env python3
"""Draws Hueset's icon, four color swatches on a transparent ground, as a 16-color .ico
with a 16 x 16 and a 32 x 32 image. Deterministic: the same bytes on every run.

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

# The standard 16-color palette, as (blue, green, red, reserved) quads.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, WHITE = 0, 15
SWATCHES = [9, 10, 12, 11]  # red, green, blue, yellow: top left, top right, bottom left, bottom right


def draw(size):
    """Returns rows of palette indices (top row first), or None where transparent."""
    half = size // 2
    pixels = [[None] * size for _ in range(size)]
    for quadrant, color in enumerate(SWATCHES):
        left, top = (quadrant % 2) * half, (quadrant // 2) * half
        for y in range(top, top + half - 1):
            for x in range(left, left + half - 1):
                edge = x in (left, left + half - 2) or y in (top, top + half - 2)
                pixels[y][x] = BLACK if edge else color
    # A white highlight in each swatch's corner makes it read as a chip, not a flat square.
    for quadrant in range(4):
        left, top = (quadrant % 2) * half, (quadrant // 2) * half
        pixels[top + 1][left + 1] = WHITE
    return pixels


def image(size):
    pixels = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor, mask = b'', b''
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        nibbles = [p if p is not None else 0 for p in row]
        xor += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        bits = ''.join('1' if p is None else '0' for p in row).ljust(32 * ((size + 31) // 32), '0')
        mask += bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))
    return header + palette + xor + mask


def main():
    images = [image(16), image(32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main()
