"""Draws one mark of the painted tree views as a 32-bit RGBA PNG.

    python3 tree_marks.py <output.png> check|partial|expand

check    13 x 12: a green tick two pixels thick on a clear ground.
partial   6 x 6: a small green square with its four corners softened
         (half alpha), light green in the top row shading to dark green in
         the bottom row.
expand    7 x 5: a solid dark grey (0x333333) triangle pointing down; the
         toolbar's drop arrow too.

Colours come from fixed tables, so every run gives the same bytes.
"""

import sys

from png_writer import write_png

CLEAR = (0, 0, 0, 0)

# The tick: opaque pixels per row, y -> (first x, last x), inclusive runs.
TICK_RUNS = {
    2: ((10, 11),),
    3: ((9, 11),),
    4: ((8, 10),),
    5: ((1, 2), (7, 9)),
    6: ((1, 3), (6, 8)),
    7: ((2, 7),),
    8: ((3, 6),),
    9: ((4, 5),),
}
TICK_COLOUR = (34, 139, 34)


def check(x, y):
    for first, last in TICK_RUNS.get(y, ()):
        if first <= x <= last:
            return TICK_COLOUR + (255,)
    return CLEAR


# Top row light green to bottom row dark green.
PARTIAL_ROWS = ((144, 238, 144), (118, 214, 118), (92, 190, 92), (66, 166, 66), (40, 140, 40),
                (20, 110, 20))


def partial(x, y):
    corner = x in (0, 5) and y in (0, 5)
    return PARTIAL_ROWS[y] + (128 if corner else 255,)


GREY = (0x33, 0x33, 0x33)


def expand(x, y):
    # Row 0 is the base (7 wide); each row below loses one pixel per side,
    # row 3 is the point; row 4 stays clear.
    inset = y
    if y <= 3 and inset <= x <= 6 - inset:
        return GREY + (255,)
    return CLEAR


MARKS = {"check": (13, 12, check), "partial": (6, 6, partial), "expand": (7, 5, expand)}


def main():
    width, height, pixel = MARKS[sys.argv[2]]
    write_png(sys.argv[1], width, height, pixel)


if __name__ == "__main__":
    main()
