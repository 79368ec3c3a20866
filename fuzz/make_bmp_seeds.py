#!/usr/bin/env python3
"""Writes the seed files for fuzz_bmp: one small bitmap file of each kind the reader accepts.

Run from anywhere: python3 fuzz/make_bmp_seeds.py. The files go to fuzz/corpus/fuzz_bmp/.
"""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "fuzz_bmp")


def info_header(size, w, h, bits, compression=0, clr_used=0, masks=()):
    head = struct.pack("<IiiHHIIiiII", size, w, h, 1, bits, compression, 0, 3780, 3780, clr_used, 0)
    head += b"".join(struct.pack("<I", m) for m in masks)
    return head.ljust(size, b"\0")


def bmp(header, table=b"", extra=b"", pixels=b""):
    off = 14 + len(header) + len(extra) + len(table)
    return b"BM" + struct.pack("<IHHI", off + len(pixels), 0, 0, off) + header + extra + table + pixels


def rows(w, h, bits, pixel_bytes):
    stride = (w * bits + 31) // 32 * 4
    return b"".join(pixel_bytes(y).ljust(stride, b"\0") for y in range(h))


def quads(colours):
    return b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in colours)


SEEDS = {
    "indexed1.bmp": bmp(info_header(40, 9, 2, 1), quads([0x000000, 0xFFFFFF]),
                        pixels=rows(9, 2, 1, lambda y: bytes([0xA5 ^ y, 0x80]))),
    "indexed2.bmp": bmp(info_header(40, 5, 2, 2, clr_used=3), quads([0xFF0000, 0x00FF00, 0x0000FF]),
                        pixels=rows(5, 2, 2, lambda y: bytes([0x1B, 0xC0 >> y]))),
    "indexed4.bmp": bmp(info_header(40, 5, -2, 4), quads(range(0, 0x100000, 0x10101)),
                        pixels=rows(5, 2, 4, lambda y: bytes([0x01, 0x23, 0x40 + y]))),
    "indexed8.bmp": bmp(info_header(40, 3, 3, 8, clr_used=4), quads([1, 2, 3, 4]),
                        pixels=rows(3, 3, 8, lambda y: bytes([y, 1, 200]))),
    "rle8.bmp": bmp(info_header(40, 6, 3, 8, 1, clr_used=4), quads([0, 0x112233, 0x445566, 0x778899]),
                    pixels=bytes([3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 1, 9, 2, 0, 1])),
    "rle4.bmp": bmp(info_header(40, 7, 2, 4, 2, clr_used=3), quads([0, 0xFF, 0xFF00]),
                    pixels=bytes([5, 0x12, 0, 3, 0x21, 0x10, 0, 0, 0, 5, 0x12, 0x21, 0x20, 0, 0, 1])),
    "bitfields16.bmp": bmp(info_header(40, 3, 2, 16, 3), extra=struct.pack("<III", 0xF800, 0x07E0, 0x001F),
                           pixels=rows(3, 2, 16, lambda y: struct.pack("<HHH", 0xF800, 0x07E0 >> y, 0x1234))),
    "v5_bitfields32.bmp": bmp(info_header(124, 2, -2, 32, 3, masks=(0x3FF00000, 0xFFC00, 0x3FF, 0)),
                              pixels=rows(2, 2, 32, lambda y: struct.pack("<II", 0x3FFFFFFF >> y, 0x12345678))),
    "v4_rgb16.bmp": bmp(info_header(108, 2, 1, 16, masks=(0xF800, 0x07E0, 0x001F, 0)),
                        pixels=rows(2, 1, 16, lambda y: struct.pack("<HH", 0x7C00, 0x03E0))),
    "rgb24.bmp": bmp(info_header(40, 3, 2, 24), pixels=rows(3, 2, 24, lambda y: bytes(range(y, y + 9)))),
    "rgb32_topdown.bmp": bmp(info_header(40, 2, -2, 32), pixels=rows(2, 2, 32, lambda y: bytes(range(8 * y, 8 * y + 8)))),
    "core8.bmp": bmp(struct.pack("<IHHHH", 12, 3, 2, 1, 8), bytes([0, 0, 0, 255, 255, 255]) * 128,
                     pixels=rows(3, 2, 8, lambda y: bytes([0, 1, y]))),
    "os2_64.bmp": bmp(info_header(64, 2, 2, 4, clr_used=2), quads([0x00FF00, 0xFF00FF]),
                      pixels=rows(2, 2, 4, lambda y: bytes([0x10 >> y]))),
}

os.makedirs(OUT, exist_ok=True)
for name, data in SEEDS.items():
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)
