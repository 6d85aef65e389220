#!/usr/bin/env python3
"""Writes resources/hand.cur, the hand pointer shown over links in the reader.

The picture is drawn below as text: '#' outline, '.' fill, ' ' transparent.
The output is a Windows cursor file (32x32, 32 bits per pixel with an AND mask)
whose hot spot is the tip of the pointing finger.

Usage: scripts/make-hand-cur.py [output path]
"""
import os
import struct
import sys

ART = [
    "     ##            ",
    "    #..#           ",
    "    #..#           ",
    "    #..#           ",
    "    #..#           ",
    "    #..###         ",
    "    #..#..###      ",
    "    #..#..#..##    ",
    "    #..#..#..#.#   ",
    " ## #..#..#..#..#  ",
    "#..##...........#  ",
    "#...#...........#  ",
    " #..............#  ",
    "  #.............#  ",
    "  #.............#  ",
    "   #............#  ",
    "   #...........#   ",
    "    #..........#   ",
    "    #..........#   ",
    "     #........#    ",
    "     #........#    ",
    "     ##########    ",
]

SIZE = 32
OFFSET_X, OFFSET_Y = 1, 1
HOTSPOT = (OFFSET_X + 5, OFFSET_Y + 0)

OUTLINE = (0x00, 0x00, 0x00, 0xFF)  # B, G, R, A
FILL = (0xFF, 0xFF, 0xFF, 0xFF)
CLEAR = (0x00, 0x00, 0x00, 0x00)


def pixel(x, y):
    ax, ay = x - OFFSET_X, y - OFFSET_Y
    if 0 <= ay < len(ART) and 0 <= ax < len(ART[ay]):
        c = ART[ay][ax]
        if c == "#":
            return OUTLINE
        if c == ".":
            return FILL
    return CLEAR


def cursor_bytes():
    # Colour rows and mask rows are both stored bottom-up.
    colour = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            b, g, r, a = pixel(x, y)
            colour += bytes((b, g, r, a))
            bits = (bits << 1) | (1 if a == 0 else 0)
        mask += struct.pack(">I", bits)  # 32 pixels make one 4-byte row
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image = header + bytes(colour) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOTSPOT[0], HOTSPOT[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "hand.cur")
    with open(out, "wb") as f:
        f.write(cursor_bytes())


if __name__ == "__main__":
    main()
