#!/usr/bin/env python3
"""Draws the program icon and the tray image as icon files of 32-bit colour with alpha.

The artwork lives here as shapes on a grid (the tray image on 16 units, the program icon on 32),
each filled with a colour that runs from top to bottom, edged with a dark outline and, outside the
outline, a soft light rim: the outline reads on a light taskbar, the rim on a dark one. Every image
is drawn at each size the system asks for, with its edges smoothed by sampling each pixel on a
grid of points, so the .ico files in this folder are reproducible: run `python3 res/make_icons.py`
to write them again (or `python3 res/make_icons.py DIR` to write them elsewhere).
"""
import math
import struct
import sys
import zlib
from pathlib import Path

SIZES = (16, 20, 24, 32, 40, 48, 64)
SAMPLES = 4  # per pixel and axis
PNG_FROM = 40  # images this large and larger are stored as PNG, the smaller ones as bitmaps

OUTLINE = (0x1C, 0x1C, 0x24)
RIM = (0xFF, 0xFF, 0xFF, 0.55)  # colour and opacity of the light rim


class Shape:
    """A polygon (grid units) filled top to bottom from one colour to another."""

    def __init__(self, points, top, bottom, outlined=True, opacity=1.0):
        self.points = points
        self.top, self.bottom = top, bottom
        self.outlined = outlined
        self.opacity = opacity
        ys = [y for _, y in points]
        self.y0, self.y1 = min(ys), max(ys)

    def colour(self, y):
        t = 0.0 if self.y1 == self.y0 else min(max((y - self.y0) / (self.y1 - self.y0), 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(self.top, self.bottom))

    def inside(self, x, y):
        inside = False
        pts = self.points
        for i in range(len(pts)):
            (x0, y0), (x1, y1) = pts[i - 1], pts[i]
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                inside = not inside
        return inside

    def distance(self, x, y):
        best = math.inf
        pts = self.points
        for i in range(len(pts)):
            (x0, y0), (x1, y1) = pts[i - 1], pts[i]
            dx, dy = x1 - x0, y1 - y0
            length = dx * dx + dy * dy
            t = 0.0 if length == 0 else min(max(((x - x0) * dx + (y - y0) * dy) / length, 0.0), 1.0)
            best = min(best, math.hypot(x - x0 - t * dx, y - y0 - t * dy))
        return best


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


YELLOW = ((0xFF, 0xE0, 0x6A), (0xE8, 0xA8, 0x10))
# Tray image: a blue bookmark ribbon in front of a small folder, on 16 units.
TRAY = (16, [
    Shape(rect(0.5, 9.0, 15.5, 15.5), *YELLOW),
    Shape([(3.5, 0.5), (11.5, 0.5), (11.5, 13.5), (7.5, 10.0), (3.5, 13.5)], (0x5C, 0xA8, 0xFF), (0x15, 0x4F, 0xD0)),
    Shape(rect(4.8, 2.0, 5.9, 5.5), (0xFF, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF), outlined=False, opacity=0.85),
])
# Program icon: an open yellow folder with a red bookmark ribbon, on 32 units.
PROGRAM = (32, [
    Shape([(1.5, 5.5), (3.0, 4.0), (11.5, 4.0), (13.5, 6.5), (30.0, 6.5), (30.0, 26.5), (1.5, 26.5)], *YELLOW),
    Shape(rect(3.5, 8.0, 28.0, 10.0), (0xFF, 0xFF, 0xFF), (0xF2, 0xF2, 0xF2), outlined=False),
    Shape([(1.5, 11.0), (30.0, 11.0), (30.0, 26.5), (1.5, 26.5)], (0xFF, 0xD8, 0x50), (0xD8, 0x98, 0x08)),
    Shape([(19.5, 1.5), (24.5, 1.5), (24.5, 17.0), (22.0, 14.0), (19.5, 17.0)], (0xF0, 0x48, 0x40), (0xA8, 0x10, 0x10)),
])


def over(dst, colour, alpha):
    """Composites colour with alpha over dst, both straight (not premultiplied) RGBA."""
    r, g, b, a = dst
    out_a = alpha + a * (1 - alpha)
    if out_a == 0:
        return (0.0, 0.0, 0.0, 0.0)
    mix = [(c * alpha + d * a * (1 - alpha)) / out_a for c, d in zip(colour, (r, g, b))]
    return (*mix, out_a)


def sample(design, units, px, x, y):
    """The colour at one point (grid units) of a drawing px pixels wide."""
    line = max(1.0, px / 24.0) * units / px  # the outline, and the rim, in grid units
    colour = (0.0, 0.0, 0.0, 0.0)
    near = math.inf
    for shape in design:
        d = shape.distance(x, y)
        if shape.inside(x, y):
            near = 0.0
            if shape.outlined and d < line:
                colour = over(colour, OUTLINE, 1.0)
            else:
                colour = over(colour, shape.colour(y), shape.opacity)
        elif shape.outlined:
            near = min(near, d)
    if colour[3] == 0 and near < line:
        colour = over(colour, RIM[:3], RIM[3])
    return colour


def render(drawing, px):
    units, design = drawing
    scale = units / px
    pixels = []
    for row in range(px):
        line = []
        for col in range(px):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (col + (sx + 0.5) / SAMPLES) * scale
                    y = (row + (sy + 0.5) / SAMPLES) * scale
                    r, g, b, a = sample(design, units, px, x, y)
                    total[0] += r * a
                    total[1] += g * a
                    total[2] += b * a
                    total[3] += a
            n = SAMPLES * SAMPLES
            alpha = total[3] / n
            rgb = [0, 0, 0] if total[3] == 0 else [round(c / total[3]) for c in total[:3]]
            line.append((*rgb, round(alpha * 255)))
        pixels.append(line)
    return pixels


def icon_image(pixels):
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    and_stride = ((size + 31) // 32) * 4
    colour = bytearray()
    mask = bytearray()
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        bits = bytearray(and_stride)
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def png_image(pixels):
    """The same image as a PNG, as icon files hold large images since Windows Vista: a fraction of
    the bytes of a bitmap."""
    size = len(pixels)
    raw = b''.join(b'\0' + bytes(v for px in row for v in px) for row in pixels)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def write_icon(path, drawing):
    blobs = [(px, png_image(pixels) if px >= PNG_FROM else icon_image(pixels))
             for px, pixels in ((px, render(drawing, px)) for px in SIZES)]
    out = bytearray(struct.pack('<HHH', 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for px, blob in blobs:
        out += struct.pack('<BBBBHHII', px % 256, px % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for _, blob in blobs:
        out += blob
    Path(path).write_bytes(bytes(out))


def main():
    here = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent
    write_icon(here / 'dashmarks.ico', PROGRAM)
    write_icon(here / 'tray.ico', TRAY)


if __name__ == '__main__':
    main()
