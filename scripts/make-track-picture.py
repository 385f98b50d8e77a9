#!/usr/bin/env python3
"""Draws examples/track-picture.png: a photo-like picture of a tape loop on a floor, unevenly lit,
with dust, for trying "Importuj trasę z obrazu…". Standard library only; the same bytes every run.

    scripts/make-track-picture.py examples/track-picture.png
"""
import math
import random
import struct
import sys
import zlib

SCALE = 2                      # picture pixels per map pixel: 1402 x 802 fits the map exactly
WIDTH, HEIGHT = 701 * SCALE, 401 * SCALE
TAPE = 9 * SCALE               # half the tape's width: 18 map pixels, about 3.6 cm at 20 mm a cell


def loop_points():
    """A stadium (bends of radius 110 map pixels) whose top straight dips gently, in map pixels."""
    points = []
    for i in range(300):                     # top straight, left to right, with a shallow dip
        s = i / 300
        points.append((200 + 300 * s, 85 + 15 * (1 - math.cos(2 * math.pi * s))))
    for i in range(180):                     # right bend, downwards
        a = -math.pi / 2 + math.pi * i / 180
        points.append((500 + 110 * math.cos(a), 195 + 110 * math.sin(a)))
    for i in range(300):                     # bottom straight, right to left
        points.append((500 - 300 * i / 300, 305))
    for i in range(180):                     # left bend, upwards
        a = math.pi / 2 + math.pi * i / 180
        points.append((200 + 110 * math.cos(a), 195 + 110 * math.sin(a)))
    return points


def draw():
    floor = bytearray(WIDTH * HEIGHT)
    for y in range(HEIGHT):                  # light from the top left, as through a window
        for x in range(WIDTH):
            floor[y * WIDTH + x] = int(226 - 34 * x / WIDTH - 14 * y / HEIGHT)
    tape = bytearray(WIDTH * HEIGHT)
    for mx, my in loop_points():
        cx, cy = mx * SCALE, my * SCALE
        for y in range(int(cy) - TAPE, int(cy) + TAPE + 2):
            for x in range(int(cx) - TAPE, int(cx) + TAPE + 2):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= TAPE * TAPE:
                    tape[y * WIDTH + x] = 1
    rng = random.Random(17)
    for _ in range(40):                      # dust: each speck far below the import's speck size
        cx, cy, r = rng.uniform(0, WIDTH), rng.uniform(0, HEIGHT), rng.uniform(1.5, 4.5)
        for y in range(int(cy - r), int(cy + r) + 1):
            for x in range(int(cx - r), int(cx + r) + 1):
                if 0 <= x < WIDTH and 0 <= y < HEIGHT and (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    floor[y * WIDTH + x] = 70
    for i in range(WIDTH * HEIGHT):
        if tape[i]:
            floor[i] = 48 + (i % WIDTH) * 12 // WIDTH
    return floor


def png(grey):
    rows = bytearray()
    for y in range(HEIGHT):
        row = grey[y * WIDTH:(y + 1) * WIDTH]
        rows.append(1)                       # "Sub" filter: the slow lighting gradient packs well
        rows.extend((row[x] - (row[x - 1] if x else 0)) & 0xFF for x in range(WIDTH))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 0, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows), 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(png(draw()))
