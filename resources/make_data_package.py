"""Makes the data package: it ships empty (zero bytes).

usage: make_data_package.py <output>
"""

import sys

if __name__ == "__main__":
    with open(sys.argv[1], "wb"):
        pass
