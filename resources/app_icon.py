"""Draws the application icon: a quill in the accent colour.

    python3 app_icon.py <output.ico>

One icon file with 16 x 16, 32 x 32 and 48 x 48 images, each a 32-bit
BGRA bitmap with its AND mask. The quill is a slanted feather (a leaf
shape between two arcs, with a lighter spine) and a short nib, drawn in
the accent colour RGB(34, 202, 221) from closed formulas, sampled on a
fixed grid and written with struct only, so every run gives the same
bytes.
"""

import math
import struct
import sys

SIZES = (16, 32, 48)
SAMPLES = 4  # sub-samples per pixel side
ACCENT = (34, 202, 221)
SPINE = (220, 246, 250)
NIB = (24, 120, 140)


def shade(px, py):
    """Colour and coverage (0/1) of one sample point in the unit square."""
    # Rotate so the quill runs from the lower left to the upper right.
    cx, cy = px - 0.5, py - 0.5
    angle = math.radians(45)
    along = (cx * math.cos(angle) - cy * math.sin(angle)) + 0.5   # 0 at lower left
    across = cx * math.sin(angle) + cy * math.cos(angle)
    u = (along - 0.12) / 0.86  # feather from u = 0 to 1
    if 0.0 <= u <= 1.0:
        # Half width of the vane: swelling towards the top, pointed at both ends.
        half = 0.17 * math.sin(math.pi * u ** 0.8) * (0.6 + 0.4 * u)
        if abs(across) <= half:
            if abs(across) <= 0.025 and u > 0.05:
                return SPINE
            return ACCENT
    # The nib: a short dark stroke below the vane.
    if -0.06 <= along <= 0.16 and abs(across) <= 0.035:
        return NIB
    return None


def render(size):
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = shade((x + (sx + 0.5) / SAMPLES) / size,
                                   (y + (sy + 0.5) / SAMPLES) / size)
                    if colour is not None:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        hits += 1
            if hits:
                row.append((r // hits, g // hits, b // hits, hits * 255 // (SAMPLES * SAMPLES)))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def icon_image(size):
    """BITMAPINFOHEADER, bottom-up BGRA rows and the AND mask."""
    pixels = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def main():
    images = [icon_image(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
