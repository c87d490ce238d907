#!/usr/bin/env python3
"""same_screen.py SHOT.bmp GOLDEN.bmp.gz: the program's screenshot equals the
golden one pixel for pixel, but for rows 742..761, the status bar's date and
clock, which differ between runs."""
import gzip
import struct
import sys


def rows(data):
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) // 4 * 4
    top_down = [data[offset + (height - 1 - y) * stride:][: width * 3] for y in range(height)]
    return width, height, top_down


shot_w, shot_h, shot = rows(open(sys.argv[1], "rb").read())
gold_w, gold_h, gold = rows(gzip.open(sys.argv[2]).read())
if (shot_w, shot_h) != (gold_w, gold_h):
    sys.exit(f"FAIL: {sys.argv[1]} is {shot_w}x{shot_h}, the golden one {gold_w}x{gold_h}")
differing = [y for y in range(shot_h) if not 742 <= y < 762 and shot[y] != gold[y]]
if differing:
    sys.exit(f"FAIL: {len(differing)} rows of {sys.argv[1]} differ from {sys.argv[2]}, the first is {differing[0]}")
print(f"{sys.argv[1]}: the same screen as {sys.argv[2]}")
