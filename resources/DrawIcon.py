#!/usr/bin/env python3
"""Draws Quorvel.png (256 x 256, 8 bits per channel with alpha) from Quorvel.svg and wraps it
as the one image of Quorvel.ico. Needs ImageMagick; the build itself only reads the results."""
import os
import struct
import subprocess

here = os.path.dirname(os.path.abspath(__file__))
png_path = os.path.join(here, "Quorvel.png")
subprocess.run(["convert", "-background", "none", os.path.join(here, "Quorvel.svg"),
                "-depth", "8", "-strip", "PNG32:" + png_path], check=True)
png = open(png_path, "rb").read()
# ICONDIR, then one ICONDIRENTRY: width and height 0 mean 256; 1 plane, 32 bits per pixel.
header = struct.pack("<HHH", 0, 1, 1)
entry = struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, len(png), 6 + 16)
with open(os.path.join(here, "Quorvel.ico"), "wb") as ico:
    ico.write(header + entry + png)
