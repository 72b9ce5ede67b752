#!/usr/bin/env python3
"""Writes a small solid-grey baseline JPEG, so the smoke test needs no image tool.

usage: make_jpeg.py OUTPUT WIDTH HEIGHT GREY
"""
import struct
import sys


def segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def category(value):
    return abs(value).bit_length()


def value_bits(value, size):
    # Negative values are stored as their one's complement in `size` bits.
    return value if value >= 0 else value + (1 << size) - 1


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def put(self, bits, size):
        for i in range(size - 1, -1, -1):
            self.acc = (self.acc << 1) | ((bits >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0x00)
                self.acc = 0
                self.count = 0

    def finish(self):
        while self.count:
            self.put(1, 1)
        return bytes(self.out)


def solid_jpeg(width, height, grey):
    # Every 8x8 block is flat: only the first block's DC differs from zero, no AC coefficients.
    first_dc = (grey - 128) * 8
    dc_category = category(first_dc)
    dc_symbols = sorted({0, dc_category})
    # Two-bit codes in symbol order: 00, 01.
    dc_codes = {symbol: (i, 2) for i, symbol in enumerate(dc_symbols)}
    eob_code = (0, 2)

    blocks = ((width + 7) // 8) * ((height + 7) // 8)
    bits = BitWriter()
    for n in range(blocks):
        diff = first_dc if n == 0 else 0
        size = category(diff)
        bits.put(*dc_codes[size])
        if size:
            bits.put(value_bits(diff, size), size)
        bits.put(*eob_code)

    def huffman_table(table_class, symbols):
        counts = [0] * 16
        counts[1] = len(symbols)  # all codes two bits long
        return bytes([table_class << 4]) + bytes(counts) + bytes(symbols)

    data = b"\xFF\xD8"
    data += segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    data += segment(0xDB, b"\x00" + bytes([1] * 64))
    data += segment(0xC0, struct.pack(">BHHB", 8, height, width, 1) + b"\x01\x11\x00")
    data += segment(0xC4, huffman_table(0, dc_symbols) + huffman_table(1, [0x00]))
    data += segment(0xDA, b"\x01\x01\x00\x00\x3F\x00")
    data += bits.finish()
    data += b"\xFF\xD9"
    return data


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    out, width, height, grey = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    if not (0 < width <= 4096 and 0 < height <= 4096 and 0 <= grey <= 255):
        sys.exit("size must be 1..4096 and grey 0..255")
    with open(out, "wb") as f:
        f.write(solid_jpeg(width, height, grey))


if __name__ == "__main__":
    main()
