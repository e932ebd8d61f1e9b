"""A small deterministic ZIP writer for the installer's archives.

Python's zipfile marks every non-ASCII name as UTF-8 (general purpose bit
11); the installer's archives carry their names in code page 936 with that
bit clear, as the archivers of the product's users write them. So the
archives are written here, byte by byte: DOS host, fixed time stamps, one
local header per entry, the central directory in entry order, no extras.
"""

import hashlib
import struct
import zlib

# 2019-06-09 12:00:00, the release date of the version the installer carries.
DOS_TIME = (12 << 11) | (0 << 5) | 0
DOS_DATE = ((2019 - 1980) << 9) | (6 << 5) | 9

STORED = 0
DEFLATED = 8

_ATTR_DIRECTORY = 0x10
_ATTR_ARCHIVE = 0x20
_VERSION = 20  # 2.0: deflate and folder entries; host 0 = MS-DOS


def deflate(data):
    compressor = zlib.compressobj(9, zlib.DEFLATED, -15, 9)
    return compressor.compress(data) + compressor.flush()


class ZipWriter:
    """Collects entries in order and writes the archive in one go."""

    def __init__(self):
        self._entries = []  # (name bytes, method, crc, size, packed, attr)

    def add_folder(self, name):
        if not name.endswith(b"/"):
            raise ValueError("folder names end in '/'")
        self._entries.append((name, STORED, 0, 0, b"", _ATTR_DIRECTORY))

    def add_file(self, name, data, method=DEFLATED):
        packed = deflate(data) if method == DEFLATED else data
        self._entries.append((name, method, zlib.crc32(data), len(data), packed, _ATTR_ARCHIVE))

    def size(self):
        """Length of the archive as it would be written now."""
        total = 22
        for name, _method, _crc, _size, packed, _attr in self._entries:
            total += 30 + 46 + 2 * len(name) + len(packed)
        return total

    def entry_count(self):
        return len(self._entries)

    def to_bytes(self):
        body = bytearray()
        directory = bytearray()
        for name, method, crc, size, packed, attr in self._entries:
            offset = len(body)
            body += struct.pack("<IHHHHHIIIHH", 0x04034B50, _VERSION, 0, method,
                                DOS_TIME, DOS_DATE, crc, len(packed), size, len(name), 0)
            body += name + packed
            directory += struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, _VERSION, _VERSION, 0,
                                     method, DOS_TIME, DOS_DATE, crc, len(packed), size,
                                     len(name), 0, 0, 0, 0, attr, offset)
            directory += name
        count = len(self._entries)
        end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, count, count,
                          len(directory), len(body), 0)
        return bytes(body + directory + end)

    def write(self, path):
        with open(path, "wb") as out:
            out.write(self.to_bytes())


class Stream:
    """Deterministic pseudo-random numbers (splitmix64), independent of the
    Python version, for the generated contents."""

    def __init__(self, seed):
        self._state = seed & 0xFFFFFFFFFFFFFFFF

    def next(self):
        self._state = (self._state + 0x9E3779B97F4A7C15) & 0xFFFFFFFFFFFFFFFF
        z = self._state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & 0xFFFFFFFFFFFFFFFF
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & 0xFFFFFFFFFFFFFFFF
        return z ^ (z >> 31)

    def below(self, bound):
        return self.next() % bound

    def pick(self, items):
        return items[self.below(len(items))]


def filler(label, length):
    """Incompressible, reproducible bytes."""
    return hashlib.shake_256(label.encode("ascii")).digest(length)
