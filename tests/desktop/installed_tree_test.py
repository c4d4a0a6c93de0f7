#!/usr/bin/env python3
"""What `cmake --install` puts where a desktop looks for it.

Usage: installed_tree_test.py PREFIX APP_ID [unittest options]
"""

import configparser
import os
import struct
import sys
import unittest
import xml.etree.ElementTree as ElementTree

PREFIX = ""
APP_ID = ""
ICON_SIZES = (16, 32, 48, 64, 128, 256)


def installed(*parts):
    return os.path.join(PREFIX, *parts)


def png_size(path):
    with open(path, "rb") as png:
        header = png.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        raise AssertionError(path + " is not a PNG")
    return struct.unpack(">II", header[16:24])


class InstalledTreeTest(unittest.TestCase):
    def desktop_entry(self):
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str  # keys are case-sensitive
        self.assertTrue(entry.read(installed("share", "applications", APP_ID + ".desktop")))
        return entry["Desktop Entry"]

    def test_menu_entry_starts_the_installed_program(self):
        entry = self.desktop_entry()
        program = installed("bin", entry["Exec"].split()[0])
        self.assertTrue(os.access(program, os.X_OK), program)
        self.assertIn("Education", entry["Categories"].split(";"))
        self.assertEqual(entry["Icon"], APP_ID)

    def test_icon_is_in_the_theme_at_every_size(self):
        apps = ("share", "icons", "hicolor")
        for size in ICON_SIZES:
            with self.subTest(size=size):
                png = installed(*apps, f"{size}x{size}", "apps", APP_ID + ".png")
                self.assertEqual(png_size(png), (size, size))
        drawing = ElementTree.parse(installed(*apps, "scalable", "apps", APP_ID + ".svg"))
        self.assertEqual(drawing.getroot().tag, "{http://www.w3.org/2000/svg}svg")

    def test_metainfo_describes_the_menu_entry(self):
        component = ElementTree.parse(installed("share", "metainfo", APP_ID + ".metainfo.xml"))
        root = component.getroot()
        self.assertEqual(root.get("type"), "desktop-application")
        self.assertEqual(root.findtext("id"), APP_ID)
        launchable = root.find("launchable")
        self.assertEqual(launchable.get("type"), "desktop-id")
        self.assertTrue(os.path.isfile(installed("share", "applications", launchable.text)))
        self.assertIn(root.findtext("metadata_license"), ("CC0-1.0", "FSFAP"))
        self.assertEqual(root.findtext("project_license"), "MIT")
        self.assertTrue(os.path.isfile(installed("share", "doc", "quillory", "LICENSE")))


if __name__ == "__main__":
    PREFIX, APP_ID = sys.argv.pop(1), sys.argv.pop(1)
    unittest.main()
