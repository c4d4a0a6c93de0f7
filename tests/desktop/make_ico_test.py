#!/usr/bin/env python3
"""The Windows icon packer keeps every size of the drawn icon intact.

Usage: make_ico_test.py MAKE_ICO PNG... [unittest options after --]
"""

import os
import struct
import subprocess
import sys
import tempfile
import unittest

MAKE_ICO = ""
PNGS = []


def png_size(data):
    return struct.unpack(">II", data[16:24])


class MakeIcoTest(unittest.TestCase):
    def test_every_image_is_listed_with_its_size_and_stored_unchanged(self):
        with tempfile.TemporaryDirectory() as folder:
            ico_path = os.path.join(folder, "icon.ico")
            subprocess.run([sys.executable, MAKE_ICO, ico_path, *PNGS], check=True)
            with open(ico_path, "rb") as ico:
                ico_data = ico.read()
        reserved, kind, count = struct.unpack_from("<HHH", ico_data)
        self.assertEqual((reserved, kind, count), (0, 1, len(PNGS)))
        for index, path in enumerate(PNGS):
            with open(path, "rb") as png:
                png_data = png.read()
            width, height, colours, _, planes, bits, length, offset = struct.unpack_from(
                "<BBBBHHII", ico_data, 6 + 16 * index)
            size = png_size(png_data)
            with self.subTest(size=size):
                # A directory entry holds 256 as 0.
                self.assertEqual((width or 256, height or 256), size)
                self.assertEqual((colours, planes, bits), (0, 1, 32))
                self.assertEqual(ico_data[offset:offset + length], png_data)

    def test_refuses_an_image_too_large_for_an_icon(self):
        with tempfile.TemporaryDirectory() as folder:
            big = os.path.join(folder, "big.png")
            with open(PNGS[0], "rb") as png:
                data = bytearray(png.read())
            data[16:24] = struct.pack(">II", 512, 512)
            with open(big, "wb") as out:
                out.write(data)
            result = subprocess.run([sys.executable, MAKE_ICO, os.path.join(folder, "x.ico"), big],
                                    capture_output=True)
        self.assertNotEqual(result.returncode, 0)


if __name__ == "__main__":
    separator = sys.argv.index("--") if "--" in sys.argv else len(sys.argv)
    MAKE_ICO, PNGS = sys.argv[1], sys.argv[2:separator]
    unittest.main(argv=[sys.argv[0], *sys.argv[separator + 1:]])
