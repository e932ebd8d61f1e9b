"""Makes MainProgramArchive: one deflated entry "Quillora.exe".

usage: make_program_archive.py <output.zip> <stand-in.exe>

The entry is the stand-in program followed by filler up to the product
executable's length, so the installer moves as many bytes as it will for the
real product: incompressible filler first (the archive lands between 3 and
4 MiB), then a repeated block that deflate folds away. The loader ignores
whatever follows the PE image.
"""

import sys

from zip_writer import DEFLATED, ZipWriter, filler

ENTRY_NAME = b"Quillora.exe"
ENTRY_LENGTH = 9572352
INCOMPRESSIBLE_LENGTH = 3750000
BLOCK_LENGTH = 4096
MIB = 1024 * 1024


def padded_program(standin):
    if len(standin) + INCOMPRESSIBLE_LENGTH > ENTRY_LENGTH:
        raise SystemExit("stand-in program too large: %d bytes" % len(standin))
    data = bytearray(standin)
    data += filler("Quillora.exe overlay", INCOMPRESSIBLE_LENGTH)
    block = filler("Quillora.exe resource block", BLOCK_LENGTH)
    while len(data) < ENTRY_LENGTH:
        data += block[: ENTRY_LENGTH - len(data)]
    return bytes(data)


def main(output, standin_path):
    with open(standin_path, "rb") as source:
        standin = source.read()
    archive = ZipWriter()
    archive.add_file(ENTRY_NAME, padded_program(standin), DEFLATED)
    size = archive.size()
    if not 3 * MIB < size < 4 * MIB:
        raise SystemExit("program archive is %d bytes, outside 3..4 MiB" % size)
    archive.write(output)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
