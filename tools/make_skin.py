#!/usr/bin/env python3
"""Draws the skin pictures of the strip and of the dialogs.

Run from the repository root: python3 tools/make_skin.py
The PNG files it writes are committed; the build embeds them.
"""
import struct
import zlib
from pathlib import Path

STRIP = (26, 153, 204)
RED = (183, 16, 8)
DARK = (60, 8, 4)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
KEY = (0, 255, 0)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def write_png(path, pixels):
    height = len(pixels)
    width = len(pixels[0])
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    Path(path).write_bytes(png)


def profile_row(r):
    """Colour of row r (0..49) of the strip's vertical profile."""
    if r <= 7:
        return mix(RED, (220, 60, 50), 0.25 * (1 - r / 7))
    if r == 8:
        return DARK
    if r <= 17:
        return mix((8, 60, 100), STRIP, (r - 9) / 8)
    if r <= 36:
        return STRIP
    if r <= 41:
        return mix(STRIP, (10, 80, 120), (r - 36) / 5)
    return mix(RED, (120, 8, 4), (r - 42) / 7 * 0.5)


def strip_background():
    return [[profile_row(r)] * 2 for r in range(50)]


# 3 x 5 pixel letters for the maker's logo tab.
GLYPHS = {
    "V": ["101", "101", "101", "101", "010"],
    "A": ["010", "101", "111", "101", "101"],
    "N": ["101", "111", "111", "111", "101"],
    "D": ["110", "101", "101", "101", "110"],
    "R": ["110", "101", "110", "101", "101"],
}


def strip_centre():
    width = 90
    rows = [[profile_row(r)] * width for r in range(50)]
    # The logo tab rises from the top band: a darker red tab with white letters.
    for r in range(0, 9):
        inset = max(0, r - 6)
        for x in range(10 + inset, width - 10 - inset):
            rows[r][x] = mix(RED, DARK, 0.35)
    for r in range(9, 11):
        for x in range(14 + (r - 9) * 2, width - 14 - (r - 9) * 2):
            rows[r][x] = DARK
    text = "VANDRA"
    total = len(text) * 4 - 1
    x0 = (width - total) // 2
    for i, letter in enumerate(text):
        for gy, line in enumerate(GLYPHS[letter]):
            for gx, bit in enumerate(line):
                if bit == "1":
                    rows[2 + gy][x0 + i * 4 + gx] = WHITE
    return rows


def left_end():
    """21 x 35 piece at client (1, 16): profile rows 15..49, rounded off in red."""
    rows = []
    for r in range(35):
        colour = profile_row(15 + r)
        row = []
        edge = 6 if r <= 14 else 6 + (r - 14) ** 2 / 12
        for x in range(21):
            if r >= 27 or x < edge:
                row.append(profile_row(42 + min(7, max(0, r - 27))) if r >= 27 else RED)
            else:
                row.append(colour)
        rows.append(row)
    return rows


def mirrored(rows):
    return [list(reversed(row)) for row in rows]


def top_button(symbol):
    """21 x 15 piece at client (1, 1) or (W - 22, 1): the red band with a white symbol."""
    rows = [[profile_row(r)] * 21 for r in range(15)]
    for r in range(8, 15):
        for x in range(0, 6):
            rows[r][x] = RED
    if symbol == "minimise":
        for r in (5, 6):
            for x in range(6, 15):
                rows[r][x] = WHITE
    else:
        for i in range(6):
            for d in (0, 1):
                rows[1 + i][7 + i + d] = WHITE
                rows[1 + i][13 - i - d + 1] = WHITE
    return rows


def separator():
    """14 x 13 separator drawn before every ticker entry; pure green is transparent."""
    rows = [[KEY] * 14 for _ in range(13)]
    cy, cx = 6, 6.5
    for r in range(13):
        for x in range(14):
            d = abs(r - cy) + abs(x - cx)
            if d <= 5.0:
                rows[r][x] = (255, 214, 0) if d <= 3.6 else (150, 90, 0)
    return rows


def title_bar():
    """2 x 33 title-bar picture of the dialogs."""
    rows = []
    for r in range(33):
        if r <= 15:
            c = mix((210, 40, 30), RED, r / 15)
        elif r == 16:
            c = DARK
        else:
            c = mix((10, 70, 120), STRIP, (r - 17) / 15)
        rows.append([c, c])
    return rows


def main():
    root = Path(__file__).resolve().parent.parent
    skin = root / "ticker" / "skin"
    write_png(skin / "SkorkaTlo.png", strip_background())
    write_png(skin / "SkorkaSrodek.png", strip_centre())
    write_png(skin / "SkorkaLewe.png", left_end())
    write_png(skin / "SkorkaPrawe.png", mirrored(left_end()))
    write_png(skin / "SkorkaMinim.png", top_button("minimise"))
    write_png(skin / "SkorkaZamknij.png", mirrored(top_button("close")))
    write_png(skin / "SpacjaImg.png", separator())
    write_png(root / "platform" / "skin" / "pasek.png", title_bar())


if __name__ == "__main__":
    main()
