#!/usr/bin/env python3
"""The Windows icon packer keeps every size of the drawn icon intact.

Usage: make_ico_test.py MAKE_ICO PNG...
"""

import os
import struct
import subprocess
import sys
import tempfile

make_ico, pngs = sys.argv[1], sys.argv[2:]
with tempfile.TemporaryDirectory() as folder:
    ico_path = os.path.join(folder, "icon.ico")
    subprocess.run([sys.executable, make_ico, ico_path, *pngs], check=True)
    with open(ico_path, "rb") as ico_file:
        ico = ico_file.read()
if struct.unpack_from("<HHH", ico) != (0, 1, len(pngs)):
    sys.exit("the icon does not hold one image for each size")
for index, path in enumerate(pngs):
    with open(path, "rb") as png_file:
        png = png_file.read()
    width, height, colours, _, planes, bits, length, offset = struct.unpack_from(
        "<BBBBHHII", ico, 6 + 16 * index)
    size = struct.unpack(">II", png[16:24])
    if ((width or 256, height or 256), colours, planes, bits) != (size, 0, 1, 32):
        sys.exit(f"{path}: listed as {width}x{height}, {bits} bits")  # 256 is listed as 0
    if ico[offset:offset + length] != png:
        sys.exit(f"{path} is not stored unchanged")
print(f"{len(pngs)} sizes kept")
