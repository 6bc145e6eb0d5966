#!/usr/bin/env python3
"""Draws the program icon (a viewfinder frame around a pin dot) at several sizes into one .ico."""
import math
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
BG = (0x2B, 0x7F, 0xFF)      # blue tile
FG = (0xFF, 0xFF, 0xFF)      # white frame corners
DOT = (0xFF, 0x3B, 0x30)     # red pin head


def coverage(fn, x, y, n=4):
    """Fraction of a pixel inside a shape, by n*n supersampling."""
    hits = 0
    for i in range(n):
        for j in range(n):
            if fn(x + (i + 0.5) / n, y + (j + 0.5) / n):
                hits += 1
    return hits / (n * n)


def draw(size):
    s = float(size)
    r = s * 0.2  # tile corner radius

    def tile(x, y):
        cx = min(max(x, r), s - r)
        cy = min(max(y, r), s - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    t = max(1.0, s * 0.09)   # stroke
    m = s * 0.2              # frame inset
    arm = s * 0.22           # corner arm length

    def corners(x, y):
        for ox, oy in ((m, m), (s - m, m), (m, s - m), (s - m, s - m)):
            dx, dy = x - ox, y - oy
            sx = 1 if ox < s / 2 else -1
            sy = 1 if oy < s / 2 else -1
            # horizontal arm
            if 0 <= dx * sx <= arm and 0 <= dy * sy <= t:
                return True
            if 0 <= dy * sy <= arm and 0 <= dx * sx <= t:
                return True
        return False

    def dot(x, y):
        return (x - s / 2) ** 2 + (y - s / 2) ** 2 <= (s * 0.13) ** 2

    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            a = coverage(tile, x, y)
            c = BG
            fc = coverage(corners, x, y)
            dc = coverage(dot, x, y)
            col = [c[k] * (1 - fc) + FG[k] * fc for k in range(3)]
            col = [col[k] * (1 - dc) + DOT[k] * dc for k in range(3)]
            row += bytes((int(round(col[0])), int(round(col[1])), int(round(col[2])), int(round(a * 255))))
        rows.append(bytes(row))
    return rows


def png(size, rows):
    raw = b"".join(b"\x00" + r for r in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def bmp(size, rows):
    """Classic DIB entry (BGRA bottom-up plus an AND mask) for the small sizes."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for r in reversed(rows):
        for i in range(0, len(r), 4):
            pixels += bytes((r[i + 2], r[i + 1], r[i], r[i + 3]))
    mask_row = ((size + 31) // 32) * 4
    return header + bytes(pixels) + bytes(mask_row * size)


def main(out):
    images = []
    for size in SIZES:
        rows = draw(size)
        images.append((size, png(size, rows) if size >= 64 else bmp(size, rows)))
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, blob in images:
        dim = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(out, "wb") as f:
        f.write(data + entries + b"".join(blob for _, blob in images))


if __name__ == "__main__":
    main(sys.argv[1])
