#!/usr/bin/python3
"""Writes the small images the framework tests load as resources.

Run with Debian's python3-pil: /usr/bin/python3 make_images.py
"""
from pathlib import Path

from PIL import Image

here = Path(__file__).resolve().parent

# Layer.png, 3 by 2 RGBA. Top row: a transparent pixel that still carries a
# colour, opaque red, half-transparent orange. Bottom row: opaque blue,
# opaque green, opaque dark grey-blue.
layer = Image.new("RGBA", (3, 2))
layer.putdata([
    (255, 255, 255, 0), (255, 0, 0, 255), (200, 100, 40, 128),
    (0, 0, 255, 255), (0, 255, 0, 255), (10, 20, 30, 255),
])
layer.save(here / "Layer.png")

# Shape.png, 240 by 160 RGBA: an opaque orange body with a transparent band
# of 16 pixels all round, as the launcher artwork has.
shape = Image.new("RGBA", (240, 160), (0, 0, 0, 0))
for y in range(16, 144):
    for x in range(16, 224):
        shape.putpixel((x, y), (230, 140, 20, 255))
shape.save(here / "Shape.png")

# Bitmap.bmp, 8 by 4, 24-bit: an ordinary bitmap resource.
Image.new("RGB", (8, 4), (40, 80, 120)).save(here / "Bitmap.bmp")
