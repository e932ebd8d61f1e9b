"""Writes the skin pictures as PNG files with zlib and struct only, so every
run gives the same bytes."""

import struct
import zlib


def write_png(path, width, height, pixel):
    """Writes a non-interlaced 8-bit RGBA PNG; pixel(x, y) gives (r, g, b, a)."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # filter: none
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
           + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))
    with open(path, "wb") as out:
        out.write(png)
