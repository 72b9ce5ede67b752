#!/usr/bin/env python3
"""Writes the small binary files that lie beside the program: a 1 x 1 transparent GIF and the
two 23 x 23 sort-order icons. Run it again to remake them; the results are committed."""
import struct
import sys
import zlib
from pathlib import Path


def null_gif() -> bytes:
    header = b"GIF89a" + struct.pack("<HHBBB", 1, 1, 0x80, 0, 0)
    palette = b"\x00\x00\x00\xff\xff\xff"
    transparency = b"\x21\xf9\x04\x01\x00\x00\x00\x00"
    image = b"\x2c" + struct.pack("<HHHHB", 0, 0, 1, 1, 0)
    data = b"\x02\x02\x44\x01\x00"
    return header + palette + transparency + image + data + b"\x3b"


def png(width: int, height: int, pixel) -> bytes:
    rows = b""
    for y in range(height):
        rows += b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width))

    def chunk(kind: bytes, body: bytes) -> bytes:
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


def arrow(up: bool):
    def pixel(x: int, y: int):
        if x in (0, 22) or y in (0, 22):
            return (128, 128, 128)
        row = (y - 5) if up else (17 - y)
        if 0 <= row <= 12 and abs(x - 11) <= row // 2:
            return (40, 90, 170)
        return (236, 236, 236)
    return pixel


def program_icon(x: int, y: int):
    # A framed photo with a blue sky, a green hill and a sun: the program's own mark.
    if x in (0, 31) or y in (0, 31) or x in (1, 30) or y in (1, 30):
        return (60, 60, 70)
    if (x - 22) ** 2 + (y - 9) ** 2 <= 12:
        return (255, 220, 90)
    if y > 20 - (x % 12 < 6 and x % 12 or 12 - x % 12) // 2:
        return (70, 150, 70)
    return (120, 180, 240)


def main() -> None:
    data = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources" / "data")
    data.mkdir(parents=True, exist_ok=True)
    (data / "null.gif").write_bytes(null_gif())
    (data / "sort_up.png").write_bytes(png(23, 23, arrow(True)))
    (data / "sort_down.png").write_bytes(png(23, 23, arrow(False)))
    (data / "vistelle.png").write_bytes(png(32, 32, program_icon))


if __name__ == "__main__":
    main()
