"""Writes baseline JPEG files (JFIF, 4:2:0, Huffman tables fitted to the
picture) in integer arithmetic only, so every run gives the same bytes.

The forward DCT is the usual slow-but-accurate integer transform: two
one-dimensional passes with 13-bit fixed-point constants, its result scaled
by 8, which the quantisation divides out.
"""

import struct

CONST_BITS = 13
PASS1_BITS = 2

FIX_0_298631336 = 2446
FIX_0_390180644 = 3196
FIX_0_541196100 = 4433
FIX_0_765366865 = 6270
FIX_0_899976223 = 7373
FIX_1_175875602 = 9633
FIX_1_501321110 = 12299
FIX_1_847759065 = 15137
FIX_1_961570560 = 16069
FIX_2_053119869 = 16819
FIX_2_562915447 = 20995
FIX_3_072711026 = 25172

# Base quantisation tables in natural (row-major) order.
LUMA_QUANT = [
    16, 11, 10, 16, 24, 40, 51, 61,
    12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56,
    14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77,
    24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101,
    72, 92, 95, 98, 112, 100, 103, 99,
]
CHROMA_QUANT = [
    17, 18, 24, 47, 99, 99, 99, 99,
    18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99,
    47, 66, 99, 99, 99, 99, 99, 99,
] + [99] * 32


def _zigzag():
    """Natural positions in zig-zag order."""
    order = []
    for s in range(15):
        cells = [(r, s - r) for r in range(8) if 0 <= s - r < 8]
        if s % 2 == 0:
            cells.reverse()  # even diagonals run up and to the right
        order.extend(r * 8 + c for r, c in cells)
    return order


ZIGZAG = _zigzag()


def _scaled_table(base, quality):
    scale = 5000 // quality if quality < 50 else 200 - 2 * quality
    return [max(1, min(255, (q * scale + 50) // 100)) for q in base]


def _descale(x, n):
    return (x + (1 << (n - 1))) >> n


def _fdct_1d(d, pass1):
    """One 8-point pass over the list d (changed in place)."""
    tmp0 = d[0] + d[7]
    tmp7 = d[0] - d[7]
    tmp1 = d[1] + d[6]
    tmp6 = d[1] - d[6]
    tmp2 = d[2] + d[5]
    tmp5 = d[2] - d[5]
    tmp3 = d[3] + d[4]
    tmp4 = d[3] - d[4]

    tmp10 = tmp0 + tmp3
    tmp13 = tmp0 - tmp3
    tmp11 = tmp1 + tmp2
    tmp12 = tmp1 - tmp2
    shift = CONST_BITS - PASS1_BITS if pass1 else CONST_BITS + PASS1_BITS
    if pass1:
        d[0] = (tmp10 + tmp11) << PASS1_BITS
        d[4] = (tmp10 - tmp11) << PASS1_BITS
    else:
        d[0] = _descale(tmp10 + tmp11, PASS1_BITS)
        d[4] = _descale(tmp10 - tmp11, PASS1_BITS)
    z1 = (tmp12 + tmp13) * FIX_0_541196100
    d[2] = _descale(z1 + tmp13 * FIX_0_765366865, shift)
    d[6] = _descale(z1 - tmp12 * FIX_1_847759065, shift)

    z1 = tmp4 + tmp7
    z2 = tmp5 + tmp6
    z3 = tmp4 + tmp6
    z4 = tmp5 + tmp7
    z5 = (z3 + z4) * FIX_1_175875602
    tmp4 *= FIX_0_298631336
    tmp5 *= FIX_2_053119869
    tmp6 *= FIX_3_072711026
    tmp7 *= FIX_1_501321110
    z1 *= -FIX_0_899976223
    z2 *= -FIX_2_562915447
    z3 = z3 * -FIX_1_961570560 + z5
    z4 = z4 * -FIX_0_390180644 + z5
    d[7] = _descale(tmp4 + z1 + z3, shift)
    d[5] = _descale(tmp5 + z2 + z4, shift)
    d[3] = _descale(tmp6 + z2 + z3, shift)
    d[1] = _descale(tmp7 + z1 + z4, shift)


def _quantised_block(samples, divisors):
    """64 level-shifted samples -> 64 quantised coefficients, zig-zag order."""
    rows = [samples[r * 8:r * 8 + 8] for r in range(8)]
    for row in rows:
        _fdct_1d(row, True)
    coef = [0] * 64
    for c in range(8):
        col = [rows[r][c] for r in range(8)]
        _fdct_1d(col, False)
        for r in range(8):
            coef[r * 8 + c] = col[r]
    out = []
    for pos in ZIGZAG:
        value, q = coef[pos], divisors[pos]
        if value < 0:
            out.append(-((-value + (q >> 1)) // q))
        else:
            out.append((value + (q >> 1)) // q)
    return out


def _magnitude(value):
    """(size category, appended bits) of a coefficient."""
    size = abs(value).bit_length()
    bits = value if value >= 0 else value + (1 << size) - 1
    return size, bits


def _block_symbols(block, previous_dc):
    """The block's Huffman symbols: (is_dc, symbol, extra size, extra bits)."""
    symbols = []
    size, bits = _magnitude(block[0] - previous_dc)
    symbols.append((True, size, size, bits))
    run = 0
    last = max((i for i in range(1, 64) if block[i]), default=0)
    for i in range(1, last + 1):
        if block[i] == 0:
            run += 1
            continue
        while run > 15:
            symbols.append((False, 0xF0, 0, 0))
            run -= 16
        size, bits = _magnitude(block[i])
        symbols.append((False, (run << 4) | size, size, bits))
        run = 0
    if last < 63:
        symbols.append((False, 0x00, 0, 0))
    return symbols


def _optimal_table(freq):
    """(bits[1..16], values) of a length-limited Huffman code for the counts."""
    freq = list(freq) + [1]  # a reserved symbol keeps any code from being all ones
    count = len(freq)
    codesize = [0] * count
    others = [-1] * count
    while True:
        c1 = c2 = -1
        for i in range(count):  # smallest, the highest index winning ties
            if freq[i] and (c1 < 0 or freq[i] <= freq[c1]):
                c1 = i
        for i in range(count):
            if freq[i] and i != c1 and (c2 < 0 or freq[i] <= freq[c2]):
                c2 = i
        if c2 < 0:
            break
        freq[c1] += freq[c2]
        freq[c2] = 0
        codesize[c1] += 1
        while others[c1] >= 0:
            c1 = others[c1]
            codesize[c1] += 1
        others[c1] = c2
        codesize[c2] += 1
        while others[c2] >= 0:
            c2 = others[c2]
            codesize[c2] += 1
    bits = [0] * 33
    for size in codesize:
        if size:
            bits[size] += 1
    for i in range(32, 16, -1):
        while bits[i] > 0:
            j = i - 2
            while bits[j] == 0:
                j -= 1
            bits[i] -= 2
            bits[i - 1] += 1
            bits[j + 1] += 2
            bits[j] -= 1
    i = 16
    while bits[i] == 0:
        i -= 1
    bits[i] -= 1  # drop the reserved symbol
    values = [s for size in range(1, 33) for s in range(count - 1) if codesize[s] == size]
    return bits[1:17], values


def _codes(bits, values):
    """symbol -> (code, length) of a canonical Huffman table."""
    codes = {}
    code = 0
    k = 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


class _BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def write(self, value, length):
        self.acc = (self.acc << length) | (value & ((1 << length) - 1))
        self.count += length
        while self.count >= 8:
            self.count -= 8
            byte = (self.acc >> self.count) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0)  # stuffing
        self.acc &= (1 << self.count) - 1

    def flush(self):
        if self.count:
            self.write((1 << (8 - self.count)) - 1, 8 - self.count)


def _segment(marker, body):
    return struct.pack(">BBH", 0xFF, marker, len(body) + 2) + body


def encode_jpeg(width, height, pixel, quality=90):
    """Baseline JPEG bytes of the picture; pixel(x, y) gives 0-255 (r, g, b)."""
    mcus_x = (width + 15) // 16
    mcus_y = (height + 15) // 16
    full_w, full_h = mcus_x * 16, mcus_y * 16

    # Colour conversion, with edge replication out to whole MCUs.
    luma = [[0] * full_w for _ in range(full_h)]
    cb = [[0] * full_w for _ in range(full_h)]
    cr = [[0] * full_w for _ in range(full_h)]
    for y in range(full_h):
        source_row = [pixel(x, min(y, height - 1)) for x in range(width)]
        for x in range(full_w):
            r, g, b = source_row[min(x, width - 1)]
            luma[y][x] = (19595 * r + 38470 * g + 7471 * b + 32768) >> 16
            cb[y][x] = ((-11059 * r - 21709 * g + 32768 * b + 32768) >> 16) + 128
            cr[y][x] = ((32768 * r - 27439 * g - 5329 * b + 32768) >> 16) + 128
    half_w, half_h = full_w // 2, full_h // 2

    def subsampled(plane):
        return [[(plane[2 * y][2 * x] + plane[2 * y][2 * x + 1] + plane[2 * y + 1][2 * x]
                  + plane[2 * y + 1][2 * x + 1] + 2) >> 2 for x in range(half_w)] for y in range(half_h)]

    cb = subsampled(cb)
    cr = subsampled(cr)

    luma_table = _scaled_table(LUMA_QUANT, quality)
    chroma_table = _scaled_table(CHROMA_QUANT, quality)
    luma_div = [q << 3 for q in luma_table]
    chroma_div = [q << 3 for q in chroma_table]

    def block_at(plane, bx, by, divisors):
        samples = [plane[by + r][bx + c] - 128 for r in range(8) for c in range(8)]
        return _quantised_block(samples, divisors)

    # Symbols of the whole scan, interleaved MCU by MCU: four luma blocks, Cb, Cr.
    scan = []  # (component table, symbols)
    previous = [0, 0, 0]
    for my in range(mcus_y):
        for mx in range(mcus_x):
            blocks = [(0, block_at(luma, mx * 16 + dx, my * 16 + dy, luma_div))
                      for dy in (0, 8) for dx in (0, 8)]
            blocks.append((1, block_at(cb, mx * 8, my * 8, chroma_div)))
            blocks.append((2, block_at(cr, mx * 8, my * 8, chroma_div)))
            for component, block in blocks:
                scan.append((min(component, 1), _block_symbols(block, previous[component])))
                previous[component] = block[0]

    # Huffman tables fitted to the scan: DC and AC, luma (0) and chroma (1).
    counts = {(dc, t): [0] * 256 for dc in (True, False) for t in (0, 1)}
    for table, symbols in scan:
        for is_dc, symbol, _, _ in symbols:
            counts[(is_dc, table)][symbol] += 1
    tables = {key: _optimal_table(freq) for key, freq in counts.items()}
    codes = {key: _codes(*value) for key, value in tables.items()}

    writer = _BitWriter()
    for table, symbols in scan:
        for is_dc, symbol, size, bits in symbols:
            code, length = codes[(is_dc, table)][symbol]
            writer.write(code, length)
            if size:
                writer.write(bits, size)
    writer.flush()

    out = bytearray(b"\xFF\xD8")
    out += _segment(0xE0, b"JFIF\x00" + struct.pack(">BBBHHBB", 1, 1, 1, 72, 72, 0, 0))
    for table_id, table in ((0, luma_table), (1, chroma_table)):
        out += _segment(0xDB, bytes([table_id]) + bytes(table[pos] for pos in ZIGZAG))
    out += _segment(0xC0, struct.pack(">BHHB", 8, height, width, 3)
                    + bytes([1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1]))
    for (is_dc, table), (bits, values) in sorted(tables.items(), key=lambda kv: (not kv[0][0], kv[0][1])):
        out += _segment(0xC4, bytes([(0 if is_dc else 0x10) | table]) + bytes(bits) + bytes(values))
    out += _segment(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    out += writer.out
    out += b"\xFF\xD9"
    return bytes(out)
