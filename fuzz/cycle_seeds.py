#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_cycle into fuzz/corpus/cycle: a few usual
shapes in the target's byte format (see fuzz_cycle.cpp)."""
import os
import struct

def num(v):
    return struct.pack(">h", round(v * 100))

def block(g, words, corner=None, chamfer=None, radius=None, neg=False):
    kind = 0x80 | g if g is not None else (g or 0)
    keys = tuple(k for k, _ in words)
    kind |= {("X",): 0, ("Z",): 1, ("X", "Z"): 2, ("U", "W"): 3}[keys] << 2
    out = b""
    for _, v in words:
        out += num(v)
    if radius is not None:
        kind |= 0x40 if neg else 0
        out += num(radius)
    if corner is not None:
        kind |= 0x10
        out += num(corner)
    if chamfer is not None:
        kind |= 0x20
        out += num(chamfer)
    return bytes([kind]) + out

def seed(flags, tool, depth, retract, u, w, blocks):
    return bytes([flags]) + num(tool[0]) + num(tool[1]) + num(depth) + num(retract) \
        + num(u) + num(w) + b"".join(blocks)

hand = [
    block(0, [("X", 20)]), block(1, [("Z", -10)]), block(None, [("X", 30), ("Z", -20)]),
    block(None, [("Z", -30)], corner=3), block(None, [("X", 44)]),
    block(3, [("X", 56), ("Z", -36)], radius=6), block(None, [("X", 60)]),
]
face = [
    block(0, [("Z", -12)]), block(1, [("X", 40)]), block(None, [("Z", -8)], chamfer=1),
    block(None, [("X", 20), ("Z", -4)]), block(2, [("X", 10), ("Z", 0)], radius=5),
]
bore = [block(0, [("X", 40)]), block(1, [("Z", -15)]), block(None, [("U", -10), ("W", -5)]),
        block(None, [("Z", -30)])]
seeds = {
    "g71_t": seed(0, (62, 2), 1, 0.5, 0.4, 0.1, hand),
    "g71_m": seed(2, (62, 2), 1, 0.5, 0.4, 0.1, hand),
    "g71_q": seed(4, (62, 2), 1, 0.5, 0.4, 0.1, hand),
    "g72_t": seed(1, (62, 2), 1.5, 0.3, 0.2, 0.1, face),
    "g72_m": seed(3, (62, 2), 1.5, 0.3, 0.2, 0.1, face),
    "g71_bore": seed(0, (30, 2), 1, 0.5, -0.4, 0.1, bore),
    "g71_missing_q": seed(8, (62, 2), 1, 0.5, 0.4, 0.1, hand),
    "g71_no_first_block": seed(16, (62, 2), 1, 0.5, 0.4, 0.1, hand),
}
here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "cycle")
os.makedirs(here, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)
