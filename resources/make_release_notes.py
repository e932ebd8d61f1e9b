"""Makes the release notes shown in the installer window.

usage: make_release_notes.py <output.txt> <release_notes.txt>

The source is UTF-8 with LF line ends, one line per line of the notes;
the output is code page 936 with CR LF after every line, the form the
window shows.
"""

import sys


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    with open(sys.argv[2], encoding="utf-8") as source:
        lines = source.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    text = "".join(line + "\r\n" for line in lines)
    with open(sys.argv[1], "wb") as output:
        output.write(text.encode("cp936"))


if __name__ == "__main__":
    main()
