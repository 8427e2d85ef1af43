#!/usr/bin/env python3
"""Draws the program icon and writes calendar.ico beside this script.

A desk-calendar page: white sheet with a red top band, two binder rings and
a bold "15" (the full-moon day of a lunar month). Each size is drawn four
times larger with hard edges and averaged down, which smooths the rounded
corners while the pixel-font digits, placed on whole pixels, stay sharp.
The file holds 32 x 32 and 16 x 16 images, 32-bit BGRA with an AND mask.
"""

import os
import struct
import sys

SUPERSAMPLE = 4

SHADOW = (0, 0, 0, 70)
OUTLINE = (88, 92, 98, 255)
PAPER = (255, 255, 255, 255)
PAPER_SHADE = (232, 234, 238, 255)
BAND_TOP = (236, 74, 60, 255)
BAND_BOTTOM = (196, 36, 30, 255)
BAND_EDGE = (150, 24, 20, 255)
RING = (52, 56, 62, 255)
RING_SHINE = (150, 156, 166, 255)
HOLE = (110, 16, 14, 255)
DIGIT = (40, 44, 52, 255)

# Bold digits, 5 x 7 cells ('#' = ink).
FONT_5X7 = {
    "1": ["..##.", ".###.", "..##.", "..##.", "..##.", "..##.", ".####"],
    "5": ["#####", "##...", "####.", "...##", "...##", "##.##", ".###."],
}
# Small digits for the 16 x 16 image, 3 x 5 cells.
FONT_3X5 = {
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "5": ["###", "#..", "##.", "..#", "##."],
}


class Canvas:
    """An RGBA image in straight (not premultiplied) alpha, drawn in icon pixels."""

    def __init__(self, size):
        self.size = size
        self.scale = SUPERSAMPLE
        side = size * SUPERSAMPLE
        self.side = side
        self.pixels = [[(0, 0, 0, 0)] * side for _ in range(side)]

    def _blend(self, x, y, colour):
        r, g, b, a = colour
        if a == 255:
            self.pixels[y][x] = colour
            return
        dr, dg, db, da = self.pixels[y][x]
        out_a = a + da * (255 - a) / 255
        if out_a == 0:
            return

        def mix(src, dst):
            return (src * a + dst * da * (255 - a) / 255) / out_a

        self.pixels[y][x] = (mix(r, dr), mix(g, dg), mix(b, db), out_a)

    def fill(self, inside, colour_at):
        """Paints every subpixel whose centre satisfies inside(x, y)."""
        for sy in range(self.side):
            y = (sy + 0.5) / self.scale
            for sx in range(self.side):
                x = (sx + 0.5) / self.scale
                if inside(x, y):
                    self._blend(sx, sy, colour_at(x, y))

    def rounded_rect(self, left, top, right, bottom, radius, colour, clip=None):
        colour_at = colour if callable(colour) else (lambda x, y: colour)
        inside = in_rounded_rect(left, top, right, bottom, radius)
        if clip is not None:
            shape = inside
            inside = lambda x, y: shape(x, y) and clip(x, y)
        self.fill(inside, colour_at)

    def glyphs(self, text, font, left, top, scale, colour):
        """Draws text from a pixel font, each cell scale icon pixels wide."""
        x = left
        for ch in text:
            rows = font[ch]
            for row, bits in enumerate(rows):
                for col, bit in enumerate(bits):
                    if bit == "#":
                        cx, cy = x + col * scale, top + row * scale
                        self.rounded_rect(cx, cy, cx + scale, cy + scale, 0, colour)
            x += (len(rows[0]) + 1) * scale

    def downsampled(self):
        """Averages each SUPERSAMPLE square into one pixel (premultiplied)."""
        n = self.scale * self.scale
        image = []
        for y in range(self.size):
            row = []
            for x in range(self.size):
                sr = sg = sb = sa = 0.0
                for sy in range(y * self.scale, (y + 1) * self.scale):
                    for sx in range(x * self.scale, (x + 1) * self.scale):
                        r, g, b, a = self.pixels[sy][sx]
                        sr += r * a
                        sg += g * a
                        sb += b * a
                        sa += a
                if sa == 0:
                    row.append((0, 0, 0, 0))
                else:
                    row.append((round(sr / sa), round(sg / sa), round(sb / sa), round(sa / n)))
            image.append(row)
        return image


def in_rounded_rect(left, top, right, bottom, radius):
    def inside(x, y):
        if not (left <= x < right and top <= y < bottom):
            return False
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius

    return inside


def vertical_gradient(top, bottom, start, end):
    def colour_at(x, y):
        t = min(max((y - top) / (bottom - top), 0.0), 1.0)
        return tuple(round(s + (e - s) * t) for s, e in zip(start, end))

    return colour_at


def draw(size):
    c = Canvas(size)
    if size >= 32:
        page = (2, 4, 29, 30)
        radius, band_bottom = 3, 12
        rings = [(8, 1, 11, 9), (20, 1, 23, 9)]
        digits, font, scale, digits_top = "15", FONT_5X7, 2, 14
    else:
        page = (1, 2, 15, 15)
        radius, band_bottom = 1.5, 6
        rings = [(4, 0, 5.5, 4), (10.5, 0, 12, 4)]
        digits, font, scale, digits_top = "15", FONT_3X5, 1, 8
    left, top, right, bottom = page
    inner = (left + 1, top + 1, right - 1, bottom - 1)
    inner_radius = radius - 1 if radius > 1 else 0.5

    c.rounded_rect(left + 1, top + 1, right + 1, bottom + 1, radius, SHADOW)
    c.rounded_rect(left, top, right, bottom, radius, OUTLINE)
    c.rounded_rect(*inner, inner_radius, vertical_gradient(band_bottom, inner[3], PAPER, PAPER_SHADE))
    in_inner = in_rounded_rect(*inner, inner_radius)
    band = vertical_gradient(inner[1], band_bottom, BAND_TOP, BAND_BOTTOM)
    c.rounded_rect(inner[0], inner[1], inner[2], band_bottom, 0, band, clip=in_inner)
    c.rounded_rect(inner[0], band_bottom - 1, inner[2], band_bottom, 0, BAND_EDGE, clip=in_inner)

    for ring_left, ring_top, ring_right, ring_bottom in rings:
        width = ring_right - ring_left
        hole_top = ring_bottom - width
        c.rounded_rect(ring_left - 0.5, hole_top - 0.5, ring_right + 0.5, ring_bottom + 0.5, width / 2 + 0.5, HOLE)
        c.rounded_rect(ring_left, ring_top, ring_right, ring_bottom, width / 2, RING)
        if size >= 32:
            c.rounded_rect(ring_left + 0.75, ring_top + 1, ring_left + 1.5, ring_bottom - 2, 0.25, RING_SHINE)

    cells = len(font[digits[0]][0])
    text_width = (len(digits) * (cells + 1) - 1) * scale
    digits_left = left + (right - left - text_width) // 2
    c.glyphs(digits, font, digits_left, digits_top, scale, DIGIT)
    return c.downsampled()


def ico_image(image):
    """One ICO image: BITMAPINFOHEADER, bottom-up BGRA rows, then the AND mask."""
    size = len(image)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(image):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_row_bytes = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(image):
        bits = bytearray(mask_row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + mask


def ico_file(images):
    count = len(images)
    directory = struct.pack("<HHH", 0, 1, count)
    offset = len(directory) + 16 * count
    entries = b""
    blobs = b""
    for image in images:
        blob = ico_image(image)
        size = len(image)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs += blob
    return directory + entries + blobs


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "calendar.ico")
    with open(out, "wb") as f:
        f.write(ico_file([draw(32), draw(16)]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
