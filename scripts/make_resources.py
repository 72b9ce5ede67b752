#!/usr/bin/env python3
"""Writes the small binary files that lie beside the program: a 1 x 1 transparent GIF, the
two 23 x 23 sort-order icons, the program's mark and the editor's 16 x 16 tool pictures. Run it
again to remake them; the results are committed."""
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


def png(width: int, height: int, pixel, alpha: bool = False) -> bytes:
    """pixel(x, y) gives (r, g, b), or (r, g, b, a) when alpha is set."""
    rows = b""
    for y in range(height):
        rows += b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width))

    def chunk(kind: bytes, body: bytes) -> bytes:
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    # Stored, not compressed: the Windows build reads these few bytes itself, without starting
    # the system's imaging component (src/platform/stored_png.h).
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(rows, 0)) + chunk(b"IEND", b"")


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


# The editor's tools. Each picture doubles as the pointer over the canvas, and the tools act at
# its top-left corner, so every tool puts its tip there.
CLEAR = (0, 0, 0, 0)
INK = (20, 20, 20, 255)


def tool_select(x: int, y: int):
    # A dashed selection corner starting at the tip.
    on_edge = (x == 0 or y == 0) and (x + y) % 4 < 2
    if on_edge or (x in (0, 13) and y <= 13 and y % 4 < 2) or (y == 13 and x <= 13 and x % 4 < 2):
        return INK
    return CLEAR


def tool_pencil(x: int, y: int):
    # A yellow pencil lying from the bottom right to its dark tip at the top left.
    along, across = (x + y) / 2, abs(x - y)
    if across > 3 or along > 14:
        return CLEAR
    if along < 1.5:
        return INK
    if along < 4:
        return (225, 190, 140, 255) if across <= 1 + along / 2 else CLEAR
    if along > 12.5:
        return (230, 120, 140, 255)
    return (250, 200, 40, 255) if across < 3 else (150, 110, 20, 255)


def tool_line(x: int, y: int):
    # A thick straight line from the tip to the far corner.
    return INK if abs(x - y) <= 1 else CLEAR


def tool_fill(x: int, y: int):
    # A blue box poured from a drop at the top left.
    if (x - 1) ** 2 + (y - 1) ** 2 <= 2:
        return (40, 90, 200, 255)
    if 4 <= x <= 15 and 4 <= y <= 15:
        return INK if x in (4, 15) or y in (4, 15) else (70, 130, 230, 255)
    return CLEAR


A_GLYPH = [
    "   ##   ",
    "   ##   ",
    "  #  #  ",
    "  #  #  ",
    " ###### ",
    " #    # ",
    "#      #",
    "#      #",
]


def tool_text(x: int, y: int):
    # A caret at the tip and a letter A beside it.
    if x == 0 and y <= 6 or y == 0 and x <= 2:
        return INK
    gx, gy = x - 6, y - 6
    if 0 <= gx < 8 and 0 <= gy < 8 and A_GLYPH[gy][gx] == "#":
        return (180, 30, 30, 255)
    return CLEAR


TOOLS = {"select": tool_select, "pencil": tool_pencil, "line": tool_line, "fill": tool_fill, "text": tool_text}


def main() -> None:
    data = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources" / "data")
    data.mkdir(parents=True, exist_ok=True)
    (data / "null.gif").write_bytes(null_gif())
    (data / "sort_up.png").write_bytes(png(23, 23, arrow(True)))
    (data / "sort_down.png").write_bytes(png(23, 23, arrow(False)))
    (data / "vistelle.png").write_bytes(png(32, 32, program_icon))
    for name, pixel in TOOLS.items():
        (data / f"tool_{name}.png").write_bytes(png(16, 16, pixel, alpha=True))


if __name__ == "__main__":
    main()
