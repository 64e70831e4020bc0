#!/usr/bin/env python3
"""Remakes the zlib streams of the inflate tests beside this script, with
python's zlib (and, for the longest distance, which zlib never uses, a fixed
block written here and checked by zlib), and the list streams.txt of each
stream's name, decompressed length and CRC-32."""
import os, random, zlib

HERE = os.path.dirname(os.path.abspath(__file__))


class Bits:
    def __init__(self):
        self.out, self.acc, self.n = bytearray(), 0, 0

    def put(self, value, count):
        self.acc |= value << self.n
        self.n += count
        while self.n >= 8:
            self.out.append(self.acc & 255)
            self.acc >>= 8
            self.n -= 8

    def code(self, code, length):  # Huffman codes go most significant bit first
        self.put(int(format(code, "0%db" % length)[::-1], 2), length)

    def flush(self):
        if self.n:
            self.out.append(self.acc & 255)
        self.acc = self.n = 0


def fixed_literal(b, sym):
    if sym < 144:
        b.code(0x30 + sym, 8)
    elif sym < 256:
        b.code(0x190 + sym - 144, 9)
    elif sym < 280:
        b.code(sym - 256, 7)
    else:
        b.code(0xC0 + sym - 280, 8)


def far_match():
    """'x', 32767 times 'y', then a match of length 258 at distance 32768."""
    b = Bits()
    b.put(1, 1)
    b.put(1, 2)
    fixed_literal(b, ord("x"))
    fixed_literal(b, ord("y"))
    made = 2
    while made < 32768:
        n = min(258, 32768 - made)
        if n < 3:  # finish with literals
            for _ in range(n):
                fixed_literal(b, ord("y"))
            made += n
            continue
        # lengths 3..258 as code 257..285 with extra bits (RFC 1951 3.2.5)
        base = [3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83,
                99, 115, 131, 163, 195, 227, 258]
        extra = [0] * 8 + [1] * 4 + [2] * 4 + [3] * 4 + [4] * 4 + [5] * 4 + [0]
        c = max(i for i in range(29) if base[i] <= n)
        if c == 27 and n == 258:
            c = 28
        fixed_literal(b, 257 + c)
        b.put(n - base[c], extra[c])
        b.code(0, 5)  # distance 1
        made += n
    fixed_literal(b, 285)  # length 258
    b.code(29, 5)  # distances 24577..32768, 13 extra bits
    b.put(32768 - 24577, 13)
    fixed_literal(b, 256)
    b.flush()
    data = b"x" + b"y" * 32767 + b"x" + b"y" * 257
    stream = b"\x78\x9c" + bytes(b.out) + zlib.adler32(data).to_bytes(4, "big")
    assert zlib.decompress(stream) == data
    return stream


def main():
    rnd = random.Random(11)
    noise = bytes(rnd.randrange(256) for _ in range(70000))
    text = b"".join(b"%d mg/l calcium, %d mg/l barium; " % (rnd.randrange(999), rnd.randrange(99))
                    for _ in range(400))
    streams = {
        "empty": zlib.compress(b"", 6),
        "one_byte": zlib.compress(b"Q", 6),
        "zeros_1mb": zlib.compress(bytes(1 << 20), 6),
        "random_stored": zlib.compress(noise, 6),
        "fixed": zlib.compress(b"hello, hello, hello water", 6),
        "dynamic": zlib.compress(text, 9),
        "stored_level0": zlib.compress(text[:3000], 0),
        "long_matches": zlib.compress(b"ab" * 5000 + noise[:300] * 20, 6),
        "far_match": far_match(),
    }
    kinds = {"random_stored": 0, "stored_level0": 0, "fixed": 1, "dynamic": 2}
    with open(os.path.join(HERE, "streams.txt"), "w") as listing:
        for name, stream in streams.items():
            if name in kinds:
                assert (stream[2] >> 1) & 3 == kinds[name], name
            data = zlib.decompress(stream)
            open(os.path.join(HERE, name + ".z"), "wb").write(stream)
            listing.write("%s %d %08x\n" % (name, len(data), zlib.crc32(data) & 0xFFFFFFFF))


main()
