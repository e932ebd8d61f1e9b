"""Draws the check-box glyph strip as a 32-bit RGBA PNG.

    python3 glyph_strip.py <output.png>

131 x 16 pixels: six 21 x 16 pieces separated by opaque magenta marker
columns at x = 21, 43, 65, 87 and 109.

  1  big tick, green, anti-aliased, reaching above and right of the box
  2  hover box: 14 x 14 at (2, 2), border (131, 146, 157), fill (230, 234, 237)
  3  small tick inside the box area (rows 3-13, columns 3-14)
  4  the same small tick
  5  normal box: border (144, 144, 144), fill (233, 233, 233), alpha 191
  6  disabled box: border (131, 146, 157), fill (208, 216, 221)

Every other pixel is fully transparent. Ticks are sampled on a fixed grid
and written with zlib and struct only, so every run gives the same bytes.
"""

import sys

from png_writer import write_png

WIDTH, HEIGHT = 131, 16
PIECE = 21
MARKERS = (21, 43, 65, 87, 109)
MAGENTA = (255, 0, 255, 255)
CLEAR = (0, 0, 0, 0)
GREEN = (93, 151, 2)
SAMPLES = 4  # sub-samples per pixel side for the anti-aliased ticks

# Tick outlines: polyline points (x, y) in piece coordinates and half the stroke width.
BIG_TICK = ([(3.5, 8.0), (7.5, 12.8), (17.5, 1.2)], 1.6)
SMALL_TICK = ([(4.5, 8.0), (7.5, 11.0), (13.0, 5.0)], 1.2)
SMALL_TICK_AREA = (3, 3, 14, 13)  # left, top, right, bottom, inclusive


def segment_distance_sq(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    cx, cy = ax + t * dx - px, ay + t * dy - py
    return cx * cx + cy * cy


def stroke_coverage(x, y, stroke):
    """Share of pixel (x, y) that the thick polyline covers, 0..1."""
    points, half = stroke
    inside = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            px = x + (sx + 0.5) / SAMPLES
            py = y + (sy + 0.5) / SAMPLES
            for (ax, ay), (bx, by) in zip(points, points[1:]):
                if segment_distance_sq(px, py, ax, ay, bx, by) <= half * half:
                    inside += 1
                    break
    return inside / (SAMPLES * SAMPLES)


def tick(x, y, stroke, area=None):
    if area is not None:
        left, top, right, bottom = area
        if not (left <= x <= right and top <= y <= bottom):
            return CLEAR
    alpha = int(round(stroke_coverage(x, y, stroke) * 255))
    return GREEN + (alpha,) if alpha else CLEAR


def box(x, y, border, fill, alpha):
    if not (2 <= x <= 15 and 2 <= y <= 15):
        return CLEAR
    edge = x in (2, 15) or y in (2, 15)
    return (border if edge else fill) + (alpha,)


PIECES = (
    lambda x, y: tick(x, y, BIG_TICK),
    lambda x, y: box(x, y, (131, 146, 157), (230, 234, 237), 255),
    lambda x, y: tick(x, y, SMALL_TICK, SMALL_TICK_AREA),
    lambda x, y: tick(x, y, SMALL_TICK, SMALL_TICK_AREA),
    lambda x, y: box(x, y, (144, 144, 144), (233, 233, 233), 191),
    lambda x, y: box(x, y, (131, 146, 157), (208, 216, 221), 255),
)


def pixel(x, y):
    if x in MARKERS:
        return MAGENTA
    piece = x // (PIECE + 1)
    return PIECES[piece](x - piece * (PIECE + 1), y)


def main():
    write_png(sys.argv[1], WIDTH, HEIGHT, pixel)


if __name__ == "__main__":
    main()
