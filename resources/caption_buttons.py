"""Draws one caption-button image as a 32-bit RGBA PNG.

    python3 caption_buttons.py <output.png> <button>

button: help, menu, minimize, maximize, restore (26 x 18) or close (38 x 18).

Each image is a white glyph with a soft dark shadow, one pixel down and
right, on a transparent ground:

  help      a speech bubble with a ">" mark
  menu      a downward-pointing triangle
  minimize  a short horizontal bar in the lower half
  maximize  one window outline
  restore   two overlapping window outlines
  close     a cross

Shapes are sampled on a fixed grid and written with zlib and struct only,
so every run gives the same bytes.
"""

import sys

from png_writer import write_png

SAMPLES = 4           # sub-samples per pixel side
SHADOW_ALPHA = 0.55   # darkest shadow, before the blur
SHADOW_OFFSET = 1


def segment_distance_sq(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    cx, cy = ax + t * dx - px, ay + t * dy - py
    return cx * cx + cy * cy


def on_polyline(px, py, points, half):
    return any(segment_distance_sq(px, py, ax, ay, bx, by) <= half * half
               for (ax, ay), (bx, by) in zip(points, points[1:]))


def in_box(px, py, left, top, right, bottom):
    return left <= px < right and top <= py < bottom


def on_outline(px, py, left, top, right, bottom, top_band=1.0):
    """A window outline: one-pixel sides and bottom, a thicker title band."""
    if not in_box(px, py, left, top, right, bottom):
        return False
    return not in_box(px, py, left + 1, top + top_band, right - 1, bottom - 1)


def in_triangle(px, py, a, b, c):
    def side(p, q, r):
        return (p[0] - r[0]) * (q[1] - r[1]) - (q[0] - r[0]) * (p[1] - r[1])
    p = (px, py)
    d1, d2, d3 = side(p, a, b), side(p, b, c), side(p, c, a)
    negative = d1 < 0 or d2 < 0 or d3 < 0
    positive = d1 > 0 or d2 > 0 or d3 > 0
    return not (negative and positive)


def help_glyph(px, py):
    bubble = on_outline(px, py, 7, 3, 20, 13)
    tail = on_polyline(px, py, [(10.0, 12.5), (9.0, 15.5), (13.0, 12.5)], 0.6)
    mark = on_polyline(px, py, [(12.0, 5.5), (15.0, 8.0), (12.0, 10.5)], 0.75)
    return bubble or tail or mark


def menu_glyph(px, py):
    return in_triangle(px, py, (8.5, 7.0), (17.5, 7.0), (13.0, 12.0))


def minimize_glyph(px, py):
    return in_box(px, py, 8, 11, 18, 13)


def maximize_glyph(px, py):
    return on_outline(px, py, 8, 4, 18, 14, top_band=2.0)


def restore_glyph(px, py):
    front = (7, 7, 15, 14)
    if on_outline(px, py, *front, top_band=2.0):
        return True
    if in_box(px, py, *front):
        return False  # the front window hides the back one
    return on_outline(px, py, 10, 4, 18, 11, top_band=2.0)


def close_glyph(px, py):
    return (on_polyline(px, py, [(14.5, 4.5), (23.5, 13.5)], 0.9)
            or on_polyline(px, py, [(23.5, 4.5), (14.5, 13.5)], 0.9))


BUTTONS = {
    "help": (26, help_glyph),
    "menu": (26, menu_glyph),
    "minimize": (26, minimize_glyph),
    "maximize": (26, maximize_glyph),
    "restore": (26, restore_glyph),
    "close": (38, close_glyph),
}
HEIGHT = 18


def coverage_map(width, glyph):
    cover = []
    for y in range(HEIGHT):
        row = []
        for x in range(width):
            inside = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    if glyph(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES):
                        inside += 1
            row.append(inside / (SAMPLES * SAMPLES))
        cover.append(row)
    return cover


def shadow_map(width, cover):
    """The glyph moved down and right and blurred with a 3 x 3 box."""
    shadow = []
    for y in range(HEIGHT):
        row = []
        for x in range(width):
            total = 0.0
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    sx, sy = x + dx - SHADOW_OFFSET, y + dy - SHADOW_OFFSET
                    if 0 <= sx < width and 0 <= sy < HEIGHT:
                        total += cover[sy][sx]
            row.append(SHADOW_ALPHA * total / 9.0)
        shadow.append(row)
    return shadow


def main():
    path, button = sys.argv[1], sys.argv[2]
    width, glyph = BUTTONS[button]
    cover = coverage_map(width, glyph)
    shadow = shadow_map(width, cover)

    def pixel(x, y):
        g, s = cover[y][x], shadow[y][x]
        alpha = g + s * (1.0 - g)  # white glyph over black shadow
        if alpha <= 0.0:
            return (0, 0, 0, 0)
        level = int(round(255 * g / alpha))
        return (level, level, level, int(round(alpha * 255)))

    write_png(path, width, HEIGHT, pixel)


if __name__ == "__main__":
    main()
