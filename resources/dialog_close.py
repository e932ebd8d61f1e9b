"""Draws the close-button image of the skinned dialogs as a 32-bit RGBA PNG.

    python3 dialog_close.py <output.png>

38 x 18 pixels: a white diagonal cross about 11 pixels across, with a
dark-grey edge one pixel wide, centred on a fully transparent field. Each
pixel is decided by its centre's distance from the cross's two strokes, so
every run gives the same bytes.
"""

import sys

from png_writer import write_png

WIDTH, HEIGHT = 38, 18
CENTRE_X, CENTRE_Y = WIDTH / 2, HEIGHT / 2
HALF_SPAN = 5.5       # the cross is 11 pixels across
STROKE = 1.0          # white within this distance of a stroke
EDGE = STROKE + 1.0   # then a one-pixel edge
WHITE = (255, 255, 255, 255)
EDGE_GREY = (64, 64, 64, 255)
CLEAR = (0, 0, 0, 0)

STROKES = (
    ((CENTRE_X - HALF_SPAN, CENTRE_Y - HALF_SPAN), (CENTRE_X + HALF_SPAN, CENTRE_Y + HALF_SPAN)),
    ((CENTRE_X + HALF_SPAN, CENTRE_Y - HALF_SPAN), (CENTRE_X - HALF_SPAN, CENTRE_Y + HALF_SPAN)),
)


def distance_sq(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    cx, cy = ax + t * dx - px, ay + t * dy - py
    return cx * cx + cy * cy


def pixel(x, y):
    nearest = min(distance_sq(x + 0.5, y + 0.5, a, b) for a, b in STROKES)
    if nearest <= STROKE * STROKE:
        return WHITE
    if nearest <= EDGE * EDGE:
        return EDGE_GREY
    return CLEAR


def main():
    write_png(sys.argv[1], WIDTH, HEIGHT, pixel)


if __name__ == "__main__":
    main()
