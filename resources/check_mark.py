"""Draws the check mark of the menus and the drawn check-box look as a
32-bit RGBA PNG.

    python3 check_mark.py <output.png>

13 x 12 pixels. A small green tick of 21 opaque pixels inside the 7 x 7
block from (3, 3) to (9, 9); the other pixels of that block are clear but
keep light tinted colours (every channel 193 or more), which the tinting
turns into a faint halo. Every remaining pixel is clear pure white.
Colours come from fixed tables, so every run gives the same bytes.
"""

import sys

from png_writer import write_png

WIDTH, HEIGHT = 13, 12
BLOCK = (3, 3, 9, 9)  # left, top, right, bottom, inclusive

# Opaque tick pixels, row by row: (x, (r, g, b)).
TICK = {
    3: [(9, (42, 141, 50))],
    4: [(8, (54, 150, 50)), (9, (60, 139, 58))],
    5: [(3, (83, 130, 75)), (7, (50, 146, 52)), (8, (45, 143, 49)), (9, (70, 136, 68))],
    6: [(3, (76, 133, 72)), (4, (58, 142, 56)), (6, (54, 150, 50)), (7, (47, 145, 50)),
        (8, (64, 138, 62))],
    7: [(3, (85, 133, 83)), (4, (49, 147, 51)), (5, (54, 150, 50)), (6, (46, 144, 50)),
        (7, (72, 135, 69))],
    8: [(4, (66, 137, 64)), (5, (48, 146, 51)), (6, (61, 140, 59))],
    9: [(5, (78, 132, 74))],
}

# Light tints of the clear block pixels, chosen by position.
TINTS = ((222, 218, 217), (226, 252, 227), (236, 244, 236), (211, 229, 213), (247, 250, 247),
         (198, 222, 201))


def pixel(x, y):
    for tx, colour in TICK.get(y, ()):
        if tx == x:
            return colour + (255,)
    left, top, right, bottom = BLOCK
    if left <= x <= right and top <= y <= bottom:
        return TINTS[(x + 2 * y) % len(TINTS)] + (0,)
    return (255, 255, 255, 0)


def main():
    write_png(sys.argv[1], WIDTH, HEIGHT, pixel)


if __name__ == "__main__":
    main()
