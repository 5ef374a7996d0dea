#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Packs square images into one Windows .ico whose entries are 16-colour (4 bits per pixel) BMPs
with a 1-bit transparency (AND) mask. Standard library only.

Usage: pack_ico.py OUT.ico COLOUR x16 -- SIZE RAW [SIZE RAW ...]

COLOUR is '#rrggbb', sixteen of them, the first black: transparent pixels take index 0. Each RAW
file holds SIZE x SIZE pixels as 8-bit RGBA, top row first, as ImageMagick writes 'RGBA:' output;
every opaque pixel must have one of the sixteen colours, and alpha below half is transparent.
"""
import struct
import sys

PALETTE_SIZE = 16
BITMAP_INFO_HEADER_SIZE = 40
ICONDIR_SIZE = 6
ICONDIRENTRY_SIZE = 16
BITS_PER_PIXEL = 4
HALF_ALPHA = 128


def parse_colour(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def row_stride(bits):
    """Bytes in one BMP row of `bits` bits: rows are padded to 32 bits."""
    return ((bits + 31) // 32) * 4


def read_rgba(size, raw_path):
    with open(raw_path, "rb") as fh:
        raw = fh.read()
    if len(raw) != size * size * 4:
        sys.exit("%s: expected %d bytes, got %d" % (raw_path, size * size * 4, len(raw)))
    return raw


def entry(size, raw_path, palette):
    """One icon image: BITMAPINFOHEADER, palette, XOR (colour) rows, AND (mask) rows."""
    raw = read_rgba(size, raw_path)
    index_of = {c: i for i, c in enumerate(palette)}
    xor_stride = row_stride(size * BITS_PER_PIXEL)
    and_stride = row_stride(size)
    xor_rows, and_rows = [], []
    for y in range(size - 1, -1, -1):  # BMP rows are stored bottom-up
        nibbles, mask_bits = [], []
        for x in range(size):
            o = (y * size + x) * 4
            r, g, b, a = raw[o], raw[o + 1], raw[o + 2], raw[o + 3]
            if a < HALF_ALPHA:
                nibbles.append(0)
                mask_bits.append(1)
            else:
                try:
                    nibbles.append(index_of[(r, g, b)])
                except KeyError:
                    sys.exit("%s: colour #%02x%02x%02x is not in the 16-colour palette"
                             % (raw_path, r, g, b))
                mask_bits.append(0)
        row = bytearray(xor_stride)
        for x, n in enumerate(nibbles):
            row[x // 2] |= n << (4 if x % 2 == 0 else 0)
        xor_rows.append(bytes(row))
        row = bytearray(and_stride)
        for x, m in enumerate(mask_bits):
            if m:
                row[x // 8] |= 0x80 >> (x % 8)
        and_rows.append(bytes(row))
    pixels = b"".join(xor_rows) + b"".join(and_rows)
    # The height counts the colour rows and the mask rows together, as icons require.
    header = struct.pack("<IiiHHIIiiII", BITMAP_INFO_HEADER_SIZE, size, size * 2, 1,
                         BITS_PER_PIXEL, 0, len(pixels), 0, 0, PALETTE_SIZE, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + colours + pixels


def pack(images, palette):
    """The whole .ico: ICONDIR, one ICONDIRENTRY per image, then the images."""
    blobs = [(size, entry(size, path, palette)) for size, path in images]
    offset = ICONDIR_SIZE + ICONDIRENTRY_SIZE * len(blobs)
    directory, data = [], []
    for size, blob in blobs:
        # A width or height of 256 is written as 0.
        directory.append(struct.pack("<BBBBHHII", size % 256, size % 256, PALETTE_SIZE, 0, 1,
                                     BITS_PER_PIXEL, len(blob), offset))
        data.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(blobs)) + b"".join(directory) + b"".join(data)


def main(argv):
    ico_path = argv[0]
    sep = argv.index("--")
    palette = [parse_colour(c) for c in argv[1:sep]]
    if len(palette) != PALETTE_SIZE or palette[0] != (0, 0, 0):
        sys.exit("pack_ico.py: sixteen colours are needed, the first black")
    rest = argv[sep + 1:]
    images = [(int(rest[i]), rest[i + 1]) for i in range(0, len(rest), 2)]
    with open(ico_path, "wb") as fh:
        fh.write(pack(images, palette))


if __name__ == "__main__":
    main(sys.argv[1:])
