#!/usr/bin/env python3
"""Reads an XWD window dump and prints the grey level of the largest solid grey square in it
(at least SIZE pixels a side, every channel within 3 of one grey), or nothing when there is none.

usage: solid_grey.py DUMP.xwd SIZE GREY...   (only the listed grey levels count)
"""
import struct
import sys


def read_xwd(path):
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    masks, ncolors = fields[14:17], fields[19]
    if bits_per_pixel != 32:
        sys.exit(f"unsupported XWD: {bits_per_pixel} bits per pixel")
    start = header_size + ncolors * 12
    order = "<" if byte_order == 0 else ">"

    def channel(value, mask):
        shift = (mask & -mask).bit_length() - 1
        return (value & mask) >> shift

    def pixel(x, y):
        (value,) = struct.unpack_from(order + "I", data, start + y * bytes_per_line + x * 4)
        return tuple(channel(value, m) for m in masks)

    return width, height, pixel


def main():
    path, size = sys.argv[1], int(sys.argv[2])
    greys = [int(g) for g in sys.argv[3:]]
    width, height, pixel = read_xwd(path)

    def grey_of(p):
        for g in greys:
            if all(abs(c - g) <= 3 for c in p):
                return g
        return None

    # A coarse grid first: a solid square of SIZE holds one of these points with its square.
    step = max(1, size // 2)
    for y in range(0, height - size + 1, step):
        for x in range(0, width - size + 1, step):
            g = grey_of(pixel(x, y))
            if g is None:
                continue
            if all(grey_of(pixel(x + dx, y + dy)) == g for dy in range(0, size, 3) for dx in range(0, size, 3)):
                print(g)
                return


main()
