"""Draws the progress bar's shine strips as 32-bit RGBA PNG files.

    python3 shine_strips.py <output.png> glow|band|cyan

glow  90 x 24  white; a soft glow, brightest at the bottom centre
band 161 x 28  white; a wide band with a bright bottom line
cyan 126 x 23  light cyan; a bright line, a translucent body that
               brightens downwards and an opaque blue bottom edge

Pixels are computed from closed formulas and written with zlib and struct
only, so every run gives the same bytes.
"""

import math
import sys

from png_writer import write_png


def clamp_byte(value):
    return max(0, min(255, int(round(value))))


def lerp(a, b, t):
    return a + (b - a) * t


def bell(x, first_full, last_full, width):
    """1 over [first_full, last_full], falling smoothly (cosine) to 0 at both ends."""
    if first_full <= x <= last_full:
        return 1.0
    if x < first_full:
        t = (first_full - x) / first_full
    else:
        t = (x - last_full) / (width - 1 - last_full)
    return math.cos(t * math.pi / 2) ** 2


def faded_alpha(peak, across):
    """Row alpha `peak` scaled by the horizontal profile, never below 1 at the ends."""
    if peak <= 0:
        return 0
    return max(1, clamp_byte(peak * across))


def glow(x, y):
    # Rows 0-6 clear, rising to the full 235 in rows 21 and 22, last row clear.
    if y < 7 or y > 22:
        row = 0.0
    elif y >= 21:
        row = 235.0
    else:
        row = 235.0 * ((y - 6) / 15.0) ** 1.6
    return (255, 255, 255, faded_alpha(row, bell(x, 44, 45, 90)))


def band(x, y):
    # Alpha 1 in the top row up to 86 in row 26; the last row is the bright line.
    row = 194.0 if y == 27 else 1.0 + 85.0 * (y / 26.0)
    if x < 27:
        across = x / 27.0
    elif x <= 135:
        across = 1.0
    else:
        across = (160 - x) / 25.0
    return (255, 255, 255, faded_alpha(row, across))


CYAN = (0, 222, 255)
NEAR_WHITE = (239, 250, 253)
BODY_LIGHT = (150, 238, 254)
EDGE = (96, 190, 240)
BLUE = (52, 143, 221)


def cyan_row(y):
    """Colour and peak alpha of row y of the cyan strip."""
    if y < 5:
        return CYAN, 24.0 + 34.0 * y / 4.0
    if y == 5:
        return NEAR_WHITE, 244.0
    if y <= 20:
        t = (y - 6) / 14.0
        colour = tuple(lerp(c, l, t) for c, l in zip(CYAN, BODY_LIGHT))
        return colour, lerp(58.0, 160.0, t)
    if y == 21:
        return EDGE, 255.0
    return BLUE, 255.0


def cyan(x, y):
    colour, row = cyan_row(y)
    r, g, b = (clamp_byte(c) for c in colour)
    return (r, g, b, faded_alpha(row, bell(x, 56, 63, 126)))


STRIPS = {
    "glow": (90, 24, glow),
    "band": (161, 28, band),
    "cyan": (126, 23, cyan),
}


def main(argv):
    if len(argv) != 3 or argv[2] not in STRIPS:
        sys.exit("usage: shine_strips.py <output.png> glow|band|cyan")
    width, height, pixel = STRIPS[argv[2]]
    write_png(argv[1], width, height, pixel)


if __name__ == "__main__":
    main(sys.argv)
