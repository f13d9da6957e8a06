#!/usr/bin/env python3
"""Draws the installer's side picture (resources/side-large.jpg, which the pages scale to any
display) and program icon (resources/tarvelle.ico): soft pigment blots on paper. Run once; the
results are committed. Needs ImageMagick's convert for the JPEG.

resources/side.bmp, the bitmap the page template names, is one pixel of the paper: the pages
paint the picture from side-large.jpg over it, and should that ever fail the control shows a
blank sheet of paper (it fills its box with the bitmap's corner colour). A copy of the picture at
the template's size cost 115 KB of the installer for nobody to see.

side-large.jpg is a JPEG, which Windows decodes itself (the Imaging Component): 9 KB at quality
92, where the same picture stored losslessly (each byte as its difference to the byte above it,
in a zlib stream) took 52 KB. Its pixels are at most 5 levels of 255 from the drawing's, which
nobody can see in the smooth blots (and which the display's scaling blurs more than that)."""
import math
import random
import struct
import subprocess
import zlib
from pathlib import Path

RESOURCES = Path(__file__).resolve().parent.parent / "resources"
PIGMENTS = [(176, 62, 46), (38, 94, 148), (214, 160, 42), (70, 128, 74), (128, 60, 120)]


def paint(width, height, seed, blots, grain_size=6):
    rng = random.Random(seed)
    centres = [(rng.uniform(0, width), rng.uniform(0, height), rng.uniform(0.18, 0.45) * width,
                PIGMENTS[i % len(PIGMENTS)]) for i in range(blots)]
    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            grain = rng.uniform(-grain_size, grain_size) if grain_size else 0
            r, g, b = 244 + grain, 238 + grain, 224 + grain
            for cx, cy, radius, (pr, pg, pb) in centres:
                d = math.hypot(x - cx, y - cy) / radius
                if d < 1.0:
                    a = 0.55 * (1.0 - d * d)
                    r, g, b = r + (pr - r) * a, g + (pg - g) * a, b + (pb - b) * a
            row.append(tuple(max(0, min(255, int(c))) for c in (r, g, b)))
        pixels.append(row)
    return pixels


def bmp_rows(pixels, with_alpha):
    """Bottom-up BGR(A) rows padded to four bytes, as a DIB stores them."""
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r, 255) if with_alpha else (b, g, r))
        while len(line) % 4:
            line.append(0)
        data += line
    return bytes(data)


def bmp_file(pixels):
    height, width = len(pixels), len(pixels[0])
    body = bmp_rows(pixels, False)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return header + info + body


def write_bmp(path, pixels):
    path.write_bytes(bmp_file(pixels))


def write_jpeg(path, pixels):
    height, width = len(pixels), len(pixels[0])
    portable_pixmap = b"P6 %d %d 255\n" % (width, height)
    portable_pixmap += bytes(c for row in pixels for pixel in row for c in pixel)
    # No metadata (times, the tool's name): only the picture.
    subprocess.run(["convert", "ppm:-", "-strip", "-quality", "92", "-sampling-factor", "2x2",
                    f"jpeg:{path}"], input=portable_pixmap, check=True)


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_filtered(line, previous, kind):
    """One row under PNG filter KIND (0 none, 1 sub, 2 up, 3 average, 4 Paeth), 4 bytes a pixel."""
    out = bytearray()
    for i, value in enumerate(line):
        a = line[i - 4] if i >= 4 else 0
        b = previous[i]
        c = previous[i - 4] if i >= 4 else 0
        if kind == 4:
            pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
            predicted = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
        else:
            predicted = (0, a, b, (a + b) // 2)[kind]
        out.append((value - predicted) & 255)
    return out


def png_file(pixels):
    """An RGBA PNG, each row under the filter that leaves the smallest differences."""
    height, width = len(pixels), len(pixels[0])
    data = bytearray()
    previous = bytes(width * 4)
    for row in pixels:
        line = bytes(c for r, g, b in row for c in (r, g, b, 255))
        rows = [png_filtered(line, previous, kind) for kind in range(5)]
        kind = min(range(5), key=lambda k: sum(min(v, 256 - v) for v in rows[k]))
        data += bytes([kind]) + rows[kind]
        previous = line
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
            png_chunk(b"IDAT", zlib.compress(bytes(data), 9)) + png_chunk(b"IEND", b""))


def icon_image(size, seed):
    # Stored as PNG, which Windows reads in icons of every size since Vista: less than half the
    # bytes of the same pixels as a 32-bit bitmap with its mask, and the same pixels.
    return png_file(paint(size, size, seed, 4))


def write_ico(path, sizes):
    images = [icon_image(size, 11 + size) for size in sizes]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    path.write_bytes(header + entries + b"".join(images))


if __name__ == "__main__":
    write_bmp(RESOURCES / "side.bmp", paint(1, 1, 5, 0, grain_size=0))
    # Without the paper's grain, which would not compress and would only blur when scaled.
    write_jpeg(RESOURCES / "side-large.jpg", paint(288, 532, 5, 9, grain_size=0))
    write_ico(RESOURCES / "tarvelle.ico", [16, 32, 48])
