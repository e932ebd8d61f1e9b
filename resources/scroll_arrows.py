"""Draws one chevron of the painted scroll bars as a 14 x 14 RGBA PNG.

    python3 scroll_arrows.py <output.png> up|down|left|right

Every pixel is fully transparent except the 24 opaque pixels of a chevron
three pixels thick. Up, down and left share one colour; right is the left
chevron mirrored (x becomes 13 - x) in a slightly darker colour.
"""

import sys

from png_writer import write_png

SIZE = 14
LIGHT = (152, 193, 214)
DARK = (140, 182, 204)
CLEAR = (0, 0, 0, 0)

# Opaque runs per row: y -> ((first x, last x), ...), inclusive.
UP = {4: ((6, 7),), 5: ((5, 8),), 6: ((4, 9),), 7: ((3, 5), (8, 10)), 8: ((2, 4), (9, 11))}
DOWN = {5: ((2, 4), (9, 11)), 6: ((3, 5), (8, 10)), 7: ((4, 9),), 8: ((5, 8),), 9: ((6, 7),)}
LEFT = {2: ((8, 8),), 3: ((7, 8),), 4: ((6, 8),), 5: ((5, 7),), 6: ((4, 6),), 7: ((4, 6),),
        8: ((5, 7),), 9: ((6, 8),), 10: ((7, 8),), 11: ((8, 8),)}
RIGHT = {y: tuple((SIZE - 1 - b, SIZE - 1 - a) for a, b in runs) for y, runs in LEFT.items()}

ARROWS = {"up": (UP, LIGHT), "down": (DOWN, LIGHT), "left": (LEFT, LIGHT), "right": (RIGHT, DARK)}


def main():
    runs, colour = ARROWS[sys.argv[2]]

    def pixel(x, y):
        for first, last in runs.get(y, ()):
            if first <= x <= last:
                return colour + (255,)
        return CLEAR

    write_png(sys.argv[1], SIZE, SIZE, pixel)


if __name__ == "__main__":
    main()
