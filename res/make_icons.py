#!/usr/bin/env python3
"""Draws the program icon and the tray image as 16-colour icon files.

The artwork lives here as text, one character a pixel, so the .ico files in this folder are
reproducible: run `python3 res/make_icons.py` to write them again.
"""
import struct
import sys
from pathlib import Path

# The standard 16-colour palette, as (blue, green, red).
PALETTE = [
    (0x00, 0x00, 0x00), (0x00, 0x00, 0x80), (0x00, 0x80, 0x00), (0x00, 0x80, 0x80),
    (0x80, 0x00, 0x00), (0x80, 0x00, 0x80), (0x80, 0x80, 0x00), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
# Letters used in the drawings; '.' is transparent.
COLOURS = {
    'k': 0,   # black
    'o': 3,   # dark yellow (olive): folder shade
    'g': 8,   # grey
    's': 7,   # silver
    'r': 12,  # red
    'm': 4,   # maroon
    'y': 14,  # yellow
    'w': 15,  # white
    'b': 9,   # blue
    'n': 1,   # navy
}

# Program icon: an open yellow folder with a red bookmark ribbon.
PROGRAM_16 = """
................
..........rr....
.kkkkk....rr....
kyyyyyk...rr....
kyyyyyykkkrrkk..
kywwwwwwwwrrwyk.
kywyyyyyyyrryok.
kywyyyyyyyrmryok
kywyyyyyyyr.mrok
kywyyyyyyyyyyyok
kywyyyyyyyyyyyok
kywyyyyyyyyyyyok
kyoooooooooooook
.kkkkkkkkkkkkkk.
................
................
"""

PROGRAM_32 = """
................................
................................
....................rrrr........
....................rrrr........
...kkkkkkkkk........rrrr........
..kyyyyyyyyyk.......rrrr........
.kyyyyyyyyyyyk......rrrr........
.kyyyyyyyyyyyykkkkkkrrrrkkkkk...
.kywwwwwwwwwwwwwwwwwrrrrwwwwyk..
.kywyyyyyyyyyyyyyyyyrrrryyyyyok.
.kywyyyyyyyyyyyyyyyyrrrryyyyyok.
.kywyyyyyyyyyyyyyyyyrrrryyyyyok.
.kywyyyyyyyyyyyyyyyyrrrryyyyyok.
.kywyyyyyyyyyyyyyyyyrrmrryyyyok.
.kywyyyyyyyyyyyyyyyyrm..mryyyok.
.kywyyyyyyyyyyyyyyyyr....myyyok.
.kywyyyyyyyyyyyyyyyyyyyyyyyyyok.
.kywyyyyyyyyyyyyyyyyyyyyyyyyyok.
.kywyyyyyyyyyyyyyyyyyyyyyyyyyok.
.kywyyyyyyyyyyyyyyyyyyyyyyyyyok.
.kywyyyyyyyyyyyyyyyyyyyyyyyyyok.
.kywyyyyyyyyyyyyyyyyyyyyyyyyyok.
.kywyyyyyyyyyyyyyyyyyyyyyyyyyok.
.kywyyyyyyyyyyyyyyyyyyyyyyyyyok.
.kywyyyyyyyyyyyyyyyyyyyyyyyyyok.
.kyoooooooooooooooooooooooooook.
..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..
................................
................................
................................
................................
................................
"""

# Tray image: a blue bookmark ribbon over a small folder tab, drawn at 16x16 and shown with every
# pixel doubled.
TRAY_16 = """
................
...kkkkkkkkk....
...kbbbbbbbk....
...kbwbbbbbk....
...kbwbbbbbk....
...kbbbbbbbk....
...kbbbbbbbk....
...kbbbbbbbk....
...kbbbbbbbk....
.kkkbbbbbbbkkk..
kyykbbbkbbbkyyk.
kyykbbk.kbbkyyk.
kyykbk...kbkyyk.
kyyykyyyyykyyyk.
kooooooooooooook
.kkkkkkkkkkkkkk.
"""


def grid(drawing):
    rows = [line for line in drawing.strip('\n').split('\n')]
    size = len(rows)
    assert all(len(r) == size for r in rows), 'drawings are square'
    return rows


def doubled(rows):
    out = []
    for r in rows:
        wide = ''.join(c * 2 for c in r)
        out += [wide, wide]
    return out


def icon_image(rows):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (b, g, r) in PALETTE)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bitmaps are stored bottom-up
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, c in enumerate(row):
            index = COLOURS.get(c, 0)
            if c == '.':
                bits[x // 8] |= 0x80 >> (x % 8)
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        xor += line
        mask += bits
    return header + palette + bytes(xor) + bytes(mask)


def write_icon(path, images):
    blobs = [icon_image(rows) for rows in images]
    out = bytearray(struct.pack('<HHH', 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for rows, blob in zip(images, blobs):
        size = len(rows)
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    Path(path).write_bytes(bytes(out))


def main():
    here = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent
    write_icon(here / 'dashmarks.ico', [grid(PROGRAM_16), grid(PROGRAM_32)])
    write_icon(here / 'tray.ico', [doubled(grid(TRAY_16))])


if __name__ == '__main__':
    main()
