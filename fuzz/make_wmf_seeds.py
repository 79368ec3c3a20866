#!/usr/bin/env python3
"""Writes the seed files for fuzz_wmf: small metafiles that between them use every kind of record
the player draws or keeps state with.

Run from anywhere: python3 fuzz/make_wmf_seeds.py. The files go to fuzz/corpus/fuzz_wmf/.
"""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "fuzz_wmf")


def rec(fn, *words, raw=b""):
    body = b"".join(struct.pack("<h" if w < 0 else "<H", w) for w in words) + raw
    if len(body) % 2:
        body += b"\0"
    return struct.pack("<IH", 3 + len(body) // 2, fn) + body


def colour(c):
    return (c & 0xFFFF, c >> 16)


def metafile(records, objects=8, bbox=None, inch=96):
    body = b"".join(records) + rec(0)
    head = struct.pack("<HHHIHIH", 1, 9, 0x300, 9 + len(body) // 2, objects, 0, 0)
    out = head + body
    if bbox:
        words = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, *bbox, inch, 0)
        check = 0
        for i in range(0, 20, 2):
            check ^= struct.unpack_from("<H", words, i)[0]
        out = words + struct.pack("<H", check) + out
    return out


def dib24(w, h):
    head = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, 0, 0, 0, 0, 0)
    stride = (w * 3 + 3) // 4 * 4
    rows = b""
    for y in range(h):
        row = b"".join(struct.pack("<BBB", (x * 40) & 255, (y * 60) & 255, 200) for x in range(w))
        rows += row.ljust(stride, b"\0")
    return head + rows


def dib1(w, h):
    head = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 1, 0, 0, 0, 0, 2, 0)
    table = struct.pack("<BBBBBBBB", 0, 0, 255, 0, 255, 255, 0, 0)
    rows = b"".join(struct.pack("<BBBB", 0xAA if y % 2 else 0x55, 0, 0, 0) for y in range(h))
    return head + table + rows


WINDOW = [rec(0x0103, 8), rec(0x020B, 0, 0), rec(0x020C, 100, 100)]

SEEDS = {
    "shapes.wmf": metafile(WINDOW + [
        rec(0x02FA, 0, 3, 0, *colour(0x0000FF)), rec(0x012D, 0),
        rec(0x02FC, 0, *colour(0x00FF00), 0), rec(0x012D, 1),
        rec(0x041B, 40, 60, 10, 10), rec(0x0418, 90, 90, 50, 50),
        rec(0x061C, 20, 20, 95, 45, 60, 5),
        rec(0x0817, 0, 50, 50, 100, 90, 90, 10, 10), rec(0x081A, 60, 0, 0, 60, 80, 80, 20, 20),
        rec(0x0830, 30, 90, 30, 10, 70, 95, 30, 5),
        rec(0x0214, 5, 5), rec(0x0213, 95, 95), rec(0x041F, *colour(0xFF0000), 50, 50),
    ], bbox=(0, 0, 100, 100)),
    "polygons.wmf": metafile(WINDOW + [
        rec(0x02FC, 2, *colour(0x800080), 4), rec(0x012D, 0), rec(0x0106, 2),
        rec(0x0324, 3, 10, 10, 90, 20, 50, 90),
        rec(0x0325, 4, 0, 0, 100, 0, 100, 100, 0, 100),
        rec(0x0538, 2, 4, 3, 10, 10, 40, 10, 40, 40, 10, 40, 60, 60, 90, 60, 75, 90),
        rec(0x01F0, 0), rec(0x02FC, 1, 0, 0, 0), rec(0x012D, 0), rec(0x0324, 3, 0, 0, 10, 0, 0, 10),
    ], bbox=(0, 0, 1440, 1440), inch=1440),
    "text.wmf": metafile(WINDOW + [
        rec(0x02FB, -20, 0, 0, 0, 700, raw=bytes([1, 0, 0, 0, 0, 0, 0, 0]) + b"Arial\0"),
        rec(0x012D, 0), rec(0x0209, *colour(0x0000FF)), rec(0x0102, 1), rec(0x012E, 6),
        rec(0x0521, 5, raw=b"Hello\0" + struct.pack("<hh", 10, 50)),
        rec(0x0201, *colour(0xFFFF00)),
        rec(0x0A32, 60, 5, 3, 6, 0, 55, 60, 80, raw=b"abc\0" + struct.pack("<hhh", 10, 12, 14)),
        rec(0x012E, 1), rec(0x0214, 90, 5), rec(0x0521, 2, raw=b"ok" + struct.pack("<hh", 0, 0)),
    ]),
    "state.wmf": metafile([
        rec(0x0103, 7), rec(0x020C, 200, 100), rec(0x020E, 50, 50), rec(0x020B, 0, 0), rec(0x001E),
        rec(0x020F, 10, 10), rec(0x0412, 1, 2, 1, 2), rec(0x0410, 2, 1, 2, 1), rec(0x0104, 7),
        rec(0x0416, 150, 80, 20, 20), rec(0x041B, 190, 90, 0, 0), rec(0x0127, -1),
        rec(0x0415, 60, 60, 40, 40), rec(0x0220, 5, 5), rec(0x0418, 100, 100, 0, 0),
        rec(0x0103, 2), rec(0x041B, -100, 100, 0, 0), rec(0x0103, 6), rec(0x0418, -300, 300, 0, 0),
    ]),
    "region.wmf": metafile(WINDOW + [
        rec(0x06FF, 0, 6, 0, 0, 0, 2, 0, 10, 10, 90, 90,
            2, 10, 50, 10, 90, 2, 4, 50, 90, 10, 40, 60, 90, 4),
        rec(0x02FC, 0, *colour(0x00FFFF), 0), rec(0x0228, 0, 1), rec(0x0429, 0, 1, 3, 3),
        rec(0x012B, 0), rec(0x012A, 0), rec(0x012C, 0), rec(0x041B, 100, 100, 0, 0), rec(0x012D, 0),
    ]),
    "bitmaps.wmf": metafile(WINDOW + [
        rec(0x0B41, 0x0020, 0x00CC, 4, 4, 0, 0, 50, 50, 5, 5, raw=dib24(4, 4)),
        rec(0x0940, 0x0020, 0x00CC, 0, 0, 4, 4, 60, 60, raw=dib24(4, 4)),
        rec(0x0F43, 0x0020, 0x00CC, 0, 2, 2, 0, 0, 30, 30, 60, 5, raw=dib24(2, 2)),
        rec(0x0D33, 0, 2, 0, 0, 0, 2, 2, 90, 90, raw=dib24(2, 2)),
        rec(0x0142, 0, 0, raw=dib1(8, 8)), rec(0x012D, 0), rec(0x041B, 100, 40, 70, 0),
        rec(0x061D, 0x0021, 0x00F0, 10, 10, 80, 80), rec(0x0940, 0x0042, 0x0000, 0, 0, 0, 5, 5, 0, 0),
        rec(0x01F9, 0, 8, 8, 2, 0x0101, 0, 0, *([0] * 9), *([0x55AA] * 8)),
    ]),
    "palette.wmf": metafile(WINDOW + [
        rec(0x00F7, 0x300, 2, 255, 0, 0, 128, 0), rec(0x0234, 0), rec(0x0035),
        rec(0x0037, 1, 1, 0, 255), rec(0x0139, 4),
        rec(0x02FC, 0, 1, 0x0100, 0), rec(0x012D, 1), rec(0x041B, 50, 50, 0, 0),
        rec(0x0419, 0, 0, 75, 75), rec(0x0548, 1, 0xFFFF, 0x00FF, 80, 80),
    ]),
    "plain_measured.wmf": metafile([
        rec(0x02FA, 0, 1, 0, 0, 0), rec(0x012D, 0), rec(0x0418, 120, 220, 20, 20), rec(0x0626, 15, 0),
    ]),
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
