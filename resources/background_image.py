"""Paints BackgroundImage, the installer's theme picture, as a 570 x 451
baseline JPEG.

    python3 background_image.py <output.jpg>

Light paper with a fine grain, soft light falling across it from the upper
left in broad diagonal beams, faint ruled lines, a pale ink ring at the
upper right and one ink-wash brush stroke sweeping along the bottom, drying
out to the right. The top 30 rows are a deeper band, so the frame's light
title and caption glyphs read on it; everything else stays light enough for
black control text.

Only +, -, *, / and square roots of doubles (exactly rounded everywhere) and
integer hashing are used, and the JPEG is encoded in integers, so every run
gives the same bytes.
"""

import math
import sys

from jpeg_writer import encode_jpeg

WIDTH = 570
HEIGHT = 451
BAND_HEIGHT = 30

PAPER = (239, 234, 223)
BAND_TOP = (138, 131, 121)
BAND_BOTTOM = (156, 148, 136)
RULE = (118, 142, 172)
INK = (52, 60, 76)


def clamp01(t):
    return 0.0 if t < 0.0 else 1.0 if t > 1.0 else t


def smooth(t):
    t = clamp01(t)
    return t * t * (3.0 - 2.0 * t)


def bell(d, half_width):
    """1 at d = 0, falling smoothly to 0 at |d| = half_width."""
    u = d / half_width
    if u <= -1.0 or u >= 1.0:
        return 0.0
    u = 1.0 - u * u
    return u * u


def hash01(ix, iy, seed):
    """A repeatable pseudo-random value in [0, 1) for a lattice point."""
    h = (ix * 374761393 + iy * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h ^= h >> 16
    return (h & 0xFFFFFF) / 16777216.0


def noise(x, y, seed):
    """Smooth value noise on a unit lattice."""
    ix, iy = int(x // 1), int(y // 1)
    fx, fy = smooth(x - ix), smooth(y - iy)
    a = hash01(ix, iy, seed)
    b = hash01(ix + 1, iy, seed)
    c = hash01(ix, iy + 1, seed)
    d = hash01(ix + 1, iy + 1, seed)
    top = a + (b - a) * fx
    bottom = c + (d - c) * fx
    return top + (bottom - top) * fy


def mix(colour, other, alpha):
    return tuple(c + (o - c) * alpha for c, o in zip(colour, other))


def light(x, y):
    """Brightness added by the light falling in from the upper left."""
    across = 0.8 * x - 0.6 * y  # constant along a beam
    along = 0.6 * x + 0.8 * y   # distance from the light
    beams = 13.0 * bell(across - 120.0, 75.0) + 8.0 * bell(across - 265.0, 40.0) + 10.0 * bell(across - 400.0, 95.0)
    beams *= 1.0 - along / 900.0
    fall = -9.0 * (x / WIDTH * 0.55 + y / HEIGHT * 0.45)
    dx, dy = (x - 285.0) / 285.0, (y - 240.0) / 240.0
    vignette = -7.0 * (dx * dx + dy * dy) * 0.5
    return beams + fall + vignette


def grain(x, y):
    fine = noise(x / 2.5, y / 2.5, 1) - 0.5
    fibre = noise(x / 14.0, y / 2.0, 2) - 0.5
    cloud = noise(x / 60.0, y / 45.0, 3) - 0.5
    return 4.0 * fine + 2.5 * fibre + 5.0 * cloud


def rules(x, y):
    """Opacity of the faint ruled lines."""
    first, pitch, last = 66, 27, 440
    if y < first - 2 or y > last + 2:
        return 0.0
    nearest = first + pitch * int((y - first + pitch // 2) // pitch)
    if nearest > last:
        nearest -= pitch
    strength = bell(y - nearest, 1.6) * 0.13
    strength *= smooth((x - 6.0) / 20.0) * smooth((WIDTH - 6.0 - x) / 20.0)
    return strength * (0.7 + 0.3 * noise(x / 9.0, nearest, 4))


def ring(x, y):
    """Opacity of the pale ink ring, open at its upper right."""
    cx, cy, radius = 468.0, 148.0, 92.0
    dx, dy = x - cx, y - cy
    distance = math.sqrt(dx * dx + dy * dy)
    if distance < radius - 14.0 or distance > radius + 14.0 or distance == 0.0:
        return 0.0
    nx, ny = dx / distance, dy / distance
    # Brush lifts towards the gap, which faces up and to the right.
    towards_gap = nx * 0.6 - ny * 0.8
    presence = smooth((0.8 - towards_gap) / 0.5)
    thickness = 3.0 + 5.0 * smooth((towards_gap + 1.0) / 1.4)
    body = bell(distance - radius, thickness)
    return 0.09 * body * presence * (0.75 + 0.25 * noise(distance / 2.0, (nx + ny) * 40.0, 5))


def stroke(x, y):
    """Opacity of the ink-wash stroke along the bottom."""
    s = x / WIDTH
    centre = 444.0 - 120.0 * s + 100.0 * s * s
    if s < 0.02 or abs(y - centre) > 60.0:
        return 0.0
    width = 4.0 + 16.0 * smooth((s - 0.02) / 0.12) * (1.0 - 0.72 * s)
    offset = y - centre
    v = offset / width
    halo = 0.05 * bell(offset, width * 2.6) * smooth((s - 0.02) / 0.2) * (1.0 - 0.6 * s)
    if v <= -1.0 or v >= 1.0:
        return halo
    body = (0.55 + 0.45 * v * v) * smooth((1.0 - abs(v)) / 0.18)
    hairs = noise(v * 7.0 + 13.0, x / 90.0, 6)
    dry = smooth((s - 0.45) / 0.5)
    body *= 1.0 - dry * smooth((hairs - 0.3) / 0.3)
    body *= 0.85 + 0.15 * noise(x / 25.0, v * 2.0, 7)
    head = smooth((s - 0.02) / 0.03)
    return max(halo, 0.34 * body * head)


def pixel(x, y):
    colour = PAPER
    lift = light(x, y) + grain(x, y)
    colour = tuple(c + lift for c in colour)
    colour = mix(colour, RULE, rules(x, y))
    colour = mix(colour, INK, ring(x, y))
    colour = mix(colour, INK, stroke(x, y))
    if y < BAND_HEIGHT + 3:
        t = y / (BAND_HEIGHT - 1)
        band = mix(BAND_TOP, BAND_BOTTOM, clamp01(t))
        band = tuple(c + 0.6 * light(x, y) + 0.5 * grain(x, y) for c in band)
        colour = mix(colour, band, 1.0 - smooth((y - BAND_HEIGHT + 1.5) / 3.0))
    return tuple(max(0, min(255, int(c + 0.5))) for c in colour)


def main():
    data = encode_jpeg(WIDTH, HEIGHT, pixel, quality=90)
    with open(sys.argv[1], "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main()
