#!/usr/bin/python3
"""Composes the launcher background over a checkerboard, as a shaped window shows it.

    /usr/bin/python3 res/art/preview.py [OUTPUT]     (default: build/art-preview.png)

Needs Debian's python3-pil. Transparent margins show the checkerboard; the
soft outline and the shadow blend into it.
"""
import os
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "art-preview.png")
    art = Image.open(os.path.join(HERE, "LauncherBackground.png")).convert("RGBA")
    board = Image.new("RGBA", art.size)
    cell = 16
    for y in range(0, art.size[1], cell):
        for x in range(0, art.size[0], cell):
            shade = 200 if (x // cell + y // cell) % 2 else 150
            board.paste((shade, shade, shade, 255), (x, y, x + cell, y + cell))
    os.makedirs(os.path.dirname(out) or ".", exist_ok=True)
    Image.alpha_composite(board, art).convert("RGB").save(out)
    print(out)


if __name__ == "__main__":
    main()
