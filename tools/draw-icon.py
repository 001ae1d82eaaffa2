#!/usr/bin/env python3
"""Writes app/win32/res/vandrelle.ico, the window's icon, from the pixel rows below.

Two images, 32x32 and 16x16, in the 16 standard Windows colours. Each character is one
pixel; '.' is transparent. Run it again after changing a row: python3 tools/draw-icon.py
"""
import pathlib
import struct

# The 16 standard colours, in palette order, and the character that draws each.
PALETTE = [
    ("K", (0, 0, 0)), ("m", (128, 0, 0)), ("g", (0, 128, 0)), ("o", (128, 128, 0)),
    ("n", (0, 0, 128)), ("p", (128, 0, 128)), ("t", (0, 128, 128)), ("s", (192, 192, 192)),
    ("d", (128, 128, 128)), ("r", (255, 0, 0)), ("l", (0, 255, 0)), ("y", (255, 255, 0)),
    ("b", (0, 0, 255)), ("f", (255, 0, 255)), ("a", (0, 255, 255)), ("w", (255, 255, 255)),
]

# A white V on a blue tile, over a stripe of colours: spiral text and colours for the profile.
ICON_32 = [
    "................................",
    "..nnnnnnnnnnnnnnnnnnnnnnnnnnnn..",
    ".nbbbbbbbbbbbbbbbbbbbbbbbbbbbbn.",
    ".nbbbbbbbbbbbbbbbbbbbbbbbbbbbbn.",
    ".nbbwwwwbbbbbbbbbbbbbbbbwwwwbbn.",
    ".nbbwwwwbbbbbbbbbbbbbbbbwwwwbbn.",
    ".nbbbwwwwbbbbbbbbbbbbbbwwwwbbbn.",
    ".nbbbwwwwbbbbbbbbbbbbbbwwwwbbbn.",
    ".nbbbbwwwwbbbbbbbbbbbbwwwwbbbbn.",
    ".nbbbbwwwwbbbbbbbbbbbbwwwwbbbbn.",
    ".nbbbbbwwwwbbbbbbbbbbwwwwbbbbbn.",
    ".nbbbbbwwwwbbbbbbbbbbwwwwbbbbbn.",
    ".nbbbbbbwwwwbbbbbbbbwwwwbbbbbbn.",
    ".nbbbbbbwwwwbbbbbbbbwwwwbbbbbbn.",
    ".nbbbbbbbwwwwbbbbbbwwwwbbbbbbbn.",
    ".nbbbbbbbwwwwbbbbbbwwwwbbbbbbbn.",
    ".nbbbbbbbbwwwwbbbbwwwwbbbbbbbbn.",
    ".nbbbbbbbbwwwwbbbbwwwwbbbbbbbbn.",
    ".nbbbbbbbbbwwwwbbwwwwbbbbbbbbbn.",
    ".nbbbbbbbbbwwwwbbwwwwbbbbbbbbbn.",
    ".nbbbbbbbbbbwwwwwwwwbbbbbbbbbbn.",
    ".nbbbbbbbbbbwwwwwwwwbbbbbbbbbbn.",
    ".nbbbbbbbbbbbwwwwwwbbbbbbbbbbbn.",
    ".nbbbbbbbbbbbwwwwwwbbbbbbbbbbbn.",
    ".nbbbbbbbbbbbbwwwwbbbbbbbbbbbbn.",
    ".nbbbbbbbbbbbbwwwwbbbbbbbbbbbbn.",
    ".nbbbbbbbbbbbbbbbbbbbbbbbbbbbbn.",
    ".nbbyyyyyyrrrrrrrlllllllaaaaabn.",
    ".nbbyyyyyyrrrrrrrlllllllaaaaabn.",
    ".nbbbbbbbbbbbbbbbbbbbbbbbbbbbbn.",
    "..nnnnnnnnnnnnnnnnnnnnnnnnnnnn..",
    "................................",
]

ICON_16 = [
    "................",
    ".nnnnnnnnnnnnnn.",
    "nbbbbbbbbbbbbbbn",
    "nbwwbbbbbbbbwwbn",
    "nbwwbbbbbbbbwwbn",
    "nbbwwbbbbbbwwbbn",
    "nbbwwbbbbbbwwbbn",
    "nbbbwwbbbbwwbbbn",
    "nbbbwwbbbbwwbbbn",
    "nbbbbwwbbwwbbbbn",
    "nbbbbwwwwwwbbbbn",
    "nbbbbbwwwwbbbbbn",
    "nbbbbbbwwbbbbbbn",
    "nbyyyrrrllllaabn",
    "nbbbbbbbbbbbbbbn",
    ".nnnnnnnnnnnnnn.",
]


def image_bytes(rows):
    """One icon image: BITMAPINFOHEADER, palette, 4-bit colour rows, 1-bit mask rows."""
    size = len(rows)
    assert all(len(row) == size for row in rows), "every row has as many pixels as there are rows"
    index = {char: i for i, (char, _) in enumerate(PALETTE)}
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    colour_stride = ((size * 4 + 31) // 32) * 4
    mask_stride = ((size + 31) // 32) * 4
    colour, mask = b"", b""
    for row in reversed(rows):  # bitmaps store the bottom row first
        nibbles = [0 if c == "." else index[c] for c in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        colour += line.ljust(colour_stride, b"\0")
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c == "." else 0)
        mask += bits.to_bytes(size // 8, "big").ljust(mask_stride, b"\0")
    return header + palette + colour + mask


def icon_file(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for rows in images:
        body = image_bytes(rows)
        entries += struct.pack("<BBBBHHII", len(rows), len(rows), 16, 0, 1, 4, len(body), offset + len(data))
        data += body
    return directory + entries + data


if __name__ == "__main__":
    target = pathlib.Path(__file__).resolve().parent.parent / "app" / "win32" / "res" / "vandrelle.ico"
    target.write_bytes(icon_file([ICON_32, ICON_16]))
    print(f"wrote {target}")
