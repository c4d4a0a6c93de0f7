#!/usr/bin/env python3
"""Packs PNG images into one Windows .ico file, each kept as PNG (Windows
Vista and later read them so).

Usage: make_ico.py OUTPUT.ico IMAGE.png...
"""

import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("not a PNG image")
    return struct.unpack(">II", data[16:24])


def main(output, images):
    pngs = [open(path, "rb").read() for path in images]
    header = struct.pack("<HHH", 0, 1, len(pngs))  # reserved, type 1 (icon), count
    offset = len(header) + 16 * len(pngs)
    entries = b""
    for png in pngs:
        width, height = png_size(png)
        if width > 256 or height > 256:
            raise SystemExit("an icon image is at most 256 pixels across")
        # 256 is written as 0; no palette; one plane of 32 bits a pixel.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(png),
                               offset)
        offset += len(png)
    with open(output, "wb") as ico:
        ico.write(header + entries + b"".join(pngs))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
