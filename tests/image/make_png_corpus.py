#!/usr/bin/env python3
"""Writes the PNG test corpus into OUT_DIR: hand-made chunk layouts covering every colour
type, bit depth, interlace, tRNS kind, filter type and IDAT split, plus files written by
ImageMagick when `convert` is available. Usage: make_png_corpus.py OUT_DIR"""
import os
import random
import shutil
import struct
import subprocess
import sys
import zlib

CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
DEPTHS = {0: (1, 2, 4, 8, 16), 2: (8, 16), 3: (1, 2, 4, 8), 4: (8, 16), 6: (8, 16)}
ADAM7 = ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2))


def chunk(name, data):
    body = name + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def pack_row(samples, depth):
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    if depth == 8:
        return bytes(samples)
    out, acc, bits = bytearray(), 0, 0
    for s in samples:
        acc = (acc << depth) | s
        bits += depth
        if bits == 8:
            out.append(acc)
            acc, bits = 0, 0
    if bits:
        out.append(acc << (8 - bits))
    return bytes(out)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def filter_row(kind, row, prior, bpp):
    out = bytearray()
    for i, x in enumerate(row):
        a = row[i - bpp] if i >= bpp else 0
        b = prior[i]
        c = prior[i - bpp] if i >= bpp else 0
        pred = (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]
        out.append((x - pred) & 0xFF)
    return bytes([kind]) + bytes(out)


def image_data(pixels, width, height, ctype, depth, interlace, filters):
    """pixels[y][x] is a tuple of samples; filters(row_index) gives the filter type."""
    bpp = max(1, CHANNELS[ctype] * depth // 8)
    passes = ADAM7 if interlace else ((0, 0, 1, 1),)
    raw, n = bytearray(), 0
    for x0, y0, dx, dy in passes:
        xs = range(x0, width, dx)
        if not xs or y0 >= height:
            continue
        prior = None
        for y in range(y0, height, dy):
            row = pack_row([s for x in xs for s in pixels[y][x]], depth)
            prior = prior or bytes(len(row))
            raw += filter_row(filters(n), row, prior, bpp)
            prior, n = row, n + 1
    return bytes(raw)


def png(width, height, ctype, depth, pixels, interlace=0, before=(), after=(),
        filters=lambda n: n % 5, split=None, level=6):
    ihdr = struct.pack(">IIBBBBB", width, height, depth, ctype, 0, 0, interlace)
    stream = zlib.compress(image_data(pixels, width, height, ctype, depth, interlace, filters), level)
    parts = split(stream) if split else [stream]
    out = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
    out += b"".join(chunk(n, d) for n, d in before)
    out += b"".join(chunk(b"IDAT", p) for p in parts)
    out += b"".join(chunk(n, d) for n, d in after)
    return out + chunk(b"IEND", b"")


def make_pixels(rng, width, height, ctype, depth, palette_size=None):
    top = (palette_size or (1 << depth)) - 1 if ctype == 3 else (1 << depth) - 1
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            # Gradients with noise: runs that filters predict, and values across the range.
            base = (x * 7 + y * 13) * max(1, top // 50)
            row.append(tuple(min(top, max(0, (base + c * 97 + rng.randrange(-3, 4)) % (top + 1)))
                             for c in range(CHANNELS[ctype])))
        rows.append(row)
    return rows


def palette_chunk(rng, count):
    return (b"PLTE", bytes(rng.randrange(256) for _ in range(3 * count)))


def key_chunk(ctype, sample):
    if ctype == 0:
        return (b"tRNS", struct.pack(">H", sample[0]))
    return (b"tRNS", struct.pack(">HHH", *sample))


def corpus(rng):
    sizes = ((1, 1), (7, 5), (33, 17), (3, 64))
    for ctype, depths in DEPTHS.items():
        for depth in depths:
            for interlace in (0, 1):
                for w, h in sizes:
                    pal = min(256, 1 << depth) if ctype == 3 else None
                    pixels = make_pixels(rng, w, h, ctype, depth, pal)
                    before = [palette_chunk(rng, pal)] if pal else []
                    name = f"ct{ctype}_d{depth}_i{interlace}_{w}x{h}"
                    yield name, png(w, h, ctype, depth, pixels, interlace, before)
                    if ctype in (0, 2):
                        # A colour key that some pixels actually carry.
                        for y in range(0, h, 2):
                            pixels[y][0] = pixels[0][0]
                        yield name + "_key", png(w, h, ctype, depth, pixels, interlace,
                                                 [key_chunk(ctype, pixels[0][0])])
                    if ctype == 3:
                        # A short palette alpha table: the later entries stay opaque.
                        alphas = bytes(rng.randrange(256) for _ in range(max(1, pal // 2)))
                        yield name + "_trns", png(w, h, ctype, depth, pixels, interlace,
                                                  before + [(b"tRNS", alphas)])
    for kind in range(5):
        for ctype, depth in ((6, 8), (0, 2), (2, 16), (4, 8)):
            pixels = make_pixels(rng, 29, 11, ctype, depth)
            yield f"filter{kind}_ct{ctype}_d{depth}", png(29, 11, ctype, depth, pixels,
                                                         filters=lambda n, k=kind: k)
    pixels = make_pixels(rng, 40, 30, 6, 8)
    yield "idat_one_byte_chunks", png(40, 30, 6, 8, pixels, split=lambda s: [s[i:i + 1] for i in range(len(s))])
    yield "idat_with_empty_chunks", png(40, 30, 6, 8, pixels, 1,
                                        split=lambda s: [b""] + [s[i:i + 7] for i in range(0, len(s), 7)] + [b""])
    yield "idat_stored_blocks", png(40, 30, 6, 8, pixels, level=0, split=lambda s: [s[:100], s[100:]])
    text = zlib.compress(b"drawn by hand")
    yield "ancillary_chunks", png(40, 30, 6, 8, pixels,
                                  before=[(b"gAMA", struct.pack(">I", 45455)), (b"cHRM", struct.pack(">8I", 31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000)),
                                          (b"pHYs", struct.pack(">IIB", 2835, 2835, 1)),
                                          (b"tEXt", b"Title\0face"), (b"zTXt", b"Comment\0\0" + text),
                                          (b"prVt", b"opaque")],
                                  after=[(b"tIME", struct.pack(">HBBBBB", 2024, 5, 6, 7, 8, 9)),
                                         (b"IDAT", b"ignored once the image is decoded")])
    for w, h in ((301, 203), (257, 1), (1, 257), (200, 200)):
        for interlace in (0, 1):
            yield f"large_ct6_i{interlace}_{w}x{h}", png(w, h, 6, 8, make_pixels(rng, w, h, 6, 8), interlace)


MAGICK = (("PNG8", []), ("PNG24", []), ("PNG32", []), ("PNG48", []), ("PNG64", []),
          ("PNG24", ["-interlace", "PNG"]), ("PNG32", ["-interlace", "PNG"]),
          ("PNG", ["-colorspace", "Gray", "-depth", "4"]), ("PNG", ["-colorspace", "Gray", "-depth", "16"]))


def magick(out_dir):
    if not shutil.which("convert"):
        return
    for i, (fmt, opts) in enumerate(MAGICK):
        target = os.path.join(out_dir, f"magick{i}_{fmt.lower()}.png")
        subprocess.run(["convert", "-size", "61x43", "-seed", "7", "plasma:red-blue",
                        "(", "-size", "61x43", "radial-gradient:", ")", "-alpha", "off",
                        "-compose", "CopyOpacity", "-composite", *opts, f"{fmt}:{target}"],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main():
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    rng = random.Random(4)
    for name, data in corpus(rng):
        with open(os.path.join(out_dir, name + ".png"), "wb") as f:
            f.write(data)
    magick(out_dir)


if __name__ == "__main__":
    main()
