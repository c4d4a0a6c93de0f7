#!/usr/bin/env python3
"""Packs PNG images into one Windows .ico file. Images up to 48 pixels across
are stored as bitmaps, which every Windows reads (XP draws its icons in those
sizes); larger ones are kept as PNG, which Windows Vista and later read.

Usage: make_ico.py OUTPUT.ico IMAGE.png...
"""

import struct
import sys
import zlib


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("not a PNG image")
    return struct.unpack(">II", data[16:24])


def png_rows(data):
    """The rows of an 8-bit RGBA, non-interlaced PNG image, 4 bytes a pixel."""
    width, height = png_size(data)
    if data[24:29] != bytes([8, 6, 0, 0, 0]):
        raise SystemExit("a small icon image must be 8-bit RGBA, not interlaced")
    chunks, at = b"", 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        if kind == b"IDAT":
            chunks += data[at + 8:at + 8 + length]
        at += 12 + length
    raw, stride, rows, previous = zlib.decompress(chunks), width * 4, [], bytes(width * 4)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            a = line[x - 4] if x >= 4 else 0
            b, c = previous[x], previous[x - 4] if x >= 4 else 0
            if kind == 4:  # Paeth: the neighbour nearest to a + b - c
                p = a + b - c
                a = min((abs(p - a), 0, a), (abs(p - b), 1, b), (abs(p - c), 2, c))[2]
            line[x] = (line[x] + [0, a, b, (a + b) // 2, a][kind]) % 256
        rows.append(bytes(line))
        previous = line
    return rows


def bitmap(data):
    """The image as an icon bitmap: 32-bit BGRA bottom-up, then the 1-bit
    mask of its transparent pixels, each row padded to 4 bytes."""
    width, height = png_size(data)
    pixels, mask = b"", b""
    for row in reversed(png_rows(data)):
        pixels += b"".join(row[x + 2::-1][:3] + row[x + 3:x + 4] for x in range(0, len(row), 4))
        bits = "".join("1" if row[x + 3] == 0 else "0" for x in range(0, len(row), 4))
        bits += "0" * (-len(bits) % 32)
        mask += int(bits, 2).to_bytes(len(bits) // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + pixels + mask


def main(output, images):
    pngs = [open(path, "rb").read() for path in images]
    header = struct.pack("<HHH", 0, 1, len(pngs))  # reserved, type 1 (icon), count
    offset = len(header) + 16 * len(pngs)
    entries, stored = b"", []
    for png in pngs:
        width, height = png_size(png)
        if width > 256 or height > 256:
            raise SystemExit("an icon image is at most 256 pixels across")
        stored.append(bitmap(png) if width <= 48 else png)
        # 256 is written as 0; no palette; one plane of 32 bits a pixel.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(stored[-1]), offset)
        offset += len(stored[-1])
    with open(output, "wb") as ico:
        ico.write(header + entries + b"".join(stored))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
