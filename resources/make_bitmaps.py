#!/usr/bin/env python3
"""Draws the plug-in's bitmaps into BMP files for the resource compiler.

    make_bitmaps.py OUTPUT_FOLDER
"""
import os
import struct
import sys


def bmp(width, height, bits, palette, pixels):
    """A bottom-up palette BMP; pixels[y][x] are palette indexes, top row first."""
    stride = (width * bits + 31) // 32 * 4
    rows = []
    for row in reversed(pixels):
        data = bytearray()
        if bits == 8:
            data.extend(row)
        else:  # 4 bits: two pixels a byte, the left one high
            for x in range(0, width, 2):
                right = row[x + 1] if x + 1 < width else 0
                data.append(row[x] << 4 | right)
        data.extend(b"\0" * (stride - len(data)))
        rows.append(bytes(data))
    colours = 1 << bits
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    table += b"\0" * (4 * (colours - len(palette)))
    offset = 14 + 40 + len(table)
    image = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(image), 2835, 2835, colours, 0)
    return header + info + table + image


def pattern():
    """8 x 8: mid grey with light-green dots on every other pixel of every other row."""
    palette = [(128, 128, 128), (144, 238, 144)]
    return bmp(8, 8, 4, palette, [[1 if y % 2 == 0 and x % 2 == 0 else 0 for x in range(8)] for y in range(8)])


def regulator_handle():
    """21 x 21: a raised light-grey square with a black four-way arrow."""
    black, white, grey, face = 0, 1, 2, 3
    palette = [(0, 0, 0), (255, 255, 255), (128, 128, 128), (192, 192, 192)]
    size, mid = 21, 10
    pixels = [[face] * size for _ in range(size)]
    for i in range(size):
        pixels[0][i] = pixels[i][0] = white
        pixels[size - 2][i] = pixels[i][size - 2] = grey
        pixels[size - 1][i] = pixels[i][size - 1] = black
    pixels[size - 1][0] = pixels[0][size - 1] = black
    for i in range(4, size - 4):
        pixels[mid][i] = pixels[i][mid] = black
    for depth in (1, 2):  # the four heads
        for spread in range(-depth, depth + 1):
            pixels[4 + depth][mid + spread] = black
            pixels[size - 5 - depth][mid + spread] = black
            pixels[mid + spread][4 + depth] = black
            pixels[mid + spread][size - 5 - depth] = black
    return bmp(size, size, 4, palette, pixels)


def slider_handle(shades, line):
    """24 x 12: a knob in vertical stripes of shades with a centre line."""
    palette = [(0, 0, 0)] + shades + [line]
    width, height = 24, 12
    rim, line_index = 0, len(palette) - 1
    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            if y in (0, height - 1) or x in (0, width - 1):
                row.append(rim)
            elif x in (11, 12):
                row.append(line_index)
            else:
                # Lightest a quarter in from either side, darker toward the rim and the middle.
                distance = min(abs(x - 6), abs(x - 17))
                row.append(1 + min(distance, len(shades) - 1))
        pixels.append(row)
    return bmp(width, height, 8, palette, pixels)


GREENS = [(170, 235, 170), (130, 205, 130), (90, 170, 90), (60, 135, 60), (40, 100, 40), (25, 70, 25)]
GREYS = [(225, 225, 225), (200, 200, 200), (175, 175, 175), (150, 150, 150), (125, 125, 125), (100, 100, 100)]

BITMAPS = {
    "reg2d_pattern.bmp": pattern,
    "reg2d_handle.bmp": regulator_handle,
    "slider_handle.bmp": lambda: slider_handle(GREENS, (0, 60, 0)),
    "slider_handle_focused.bmp": lambda: slider_handle(GREENS, (220, 0, 0)),
    "slider_handle_disabled.bmp": lambda: slider_handle(GREYS, (80, 80, 80)),
}


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, draw in BITMAPS.items():
        with open(os.path.join(sys.argv[1], name), "wb") as out:
            out.write(draw())


if __name__ == "__main__":
    main()
