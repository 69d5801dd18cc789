#!/usr/bin/env python3
"""Draws Numora's pictures and icon and writes them in the formats the window
loads: picture1.bmp (8 bpp BMP), picture2.gif (GIF89a) and numora.ico (16, 20, 24,
32 and 48 px, 8 bpp; the two largest as PNG, which takes half the room).
Standard library only; run it from this folder."""

import math
import struct
import zlib

WHITE = (255, 255, 255)
RED_ORANGE = (232, 76, 30)
BLUE = (28, 92, 204)
GREY = (214, 214, 214)
GREEN = (40, 170, 40)
SAMPLES = 4  # supersampling per axis, for smooth edges


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def render(size, shade):
    """shade(x, y) gives the colour at a point of the unit square."""
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = shade((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
                    acc = [a + v for a, v in zip(acc, c)]
            row.append(tuple(round(a / SAMPLES**2) for a in acc))
        pixels.append(row)
    return pixels


def in_rounded_square(x, y, margin=0.02, radius=0.22):
    lo, hi = margin + radius, 1 - margin - radius
    dx = max(lo - x, 0, x - hi)
    dy = max(lo - y, 0, y - hi)
    return dx * dx + dy * dy <= radius * radius and margin <= x <= 1 - margin and margin <= y <= 1 - margin


def near_segment(x, y, ax, ay, bx, by, width):
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
    return math.hypot(x - ax - t * vx, y - ay - t * vy) <= width / 2


def near_arc(x, y, cx, cy, r, start, end, width):
    angle = math.degrees(math.atan2(y - cy, x - cx)) % 360
    inside = start <= angle <= end if start <= end else angle >= start or angle <= end
    return inside and abs(math.hypot(x - cx, y - cy) - r) <= width / 2


def cross(x, y):
    if not in_rounded_square(x, y):
        return WHITE
    w = 0.13
    if near_segment(x, y, 0.3, 0.3, 0.7, 0.7, w) or near_segment(x, y, 0.7, 0.3, 0.3, 0.7, w):
        return WHITE
    return RED_ORANGE


def question(x, y):
    if not in_rounded_square(x, y):
        return WHITE
    w = 0.12
    mark = (near_arc(x, y, 0.5, 0.36, 0.15, 180, 90, w)
            or near_segment(x, y, 0.5, 0.51, 0.5, 0.62, w)
            or math.hypot(x - 0.5, y - 0.78) <= 0.075)
    return WHITE if mark else BLUE


def ball(x, y):
    r = math.hypot(x - 0.5, y - 0.5)
    if r > 0.47:
        return GREY
    w = 0.11
    letters = (near_segment(x, y, 0.27, 0.28, 0.27, 0.70, w)      # L stem
               or near_segment(x, y, 0.27, 0.70, 0.47, 0.70, w)   # L foot
               or near_segment(x, y, 0.62, 0.26, 0.62, 0.66, w)   # t stem
               or near_segment(x, y, 0.52, 0.40, 0.74, 0.40, w)   # t bar
               or near_arc(x, y, 0.72, 0.64, 0.10, 20, 180, w))   # t hook
    if letters:
        return GREEN
    # A light from the top left gives the ball its roundness.
    light = max(0.0, 1 - math.hypot(x - 0.36, y - 0.34) / 0.62)
    return blend(BLUE, (150, 190, 255), light * 0.8)


def palette_of(images):
    """A 256-entry palette holding every colour, coarsened until it fits."""
    step = 1
    while True:
        q = lambda c: tuple(min(255, round(v / step) * step) for v in c)
        colours = sorted({q(c) for img in images for row in img for c in row})
        if len(colours) <= 256:
            colours += [(0, 0, 0)] * (256 - len(colours))
            index = {c: i for i, c in enumerate(colours)}
            return colours, lambda c: index[q(c)]
        step += 1


def dib(pixels, colours, index, icon=False):
    """A BITMAPINFOHEADER, a 256-entry palette and bottom-up 8 bpp rows."""
    size = len(pixels)
    stride = (size + 3) & ~3
    rows = b"".join(bytes(index(c) for c in row) + b"\0" * (stride - size) for row in reversed(pixels))
    height = size * 2 if icon else size  # icons count the AND mask in the height
    mask = b""
    if icon:  # all-zero AND mask: no transparent pixels
        mask_stride = ((size + 31) // 32) * 4
        mask = b"\0" * (mask_stride * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, height, 1, 8, 0, len(rows) + len(mask), 2835, 2835, 256, 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    return header + table + rows + mask


def write_bmp(path, pixels):
    colours, index = palette_of([pixels])
    body = dib(pixels, colours, index)
    offset = 14 + 40 + 256 * 4
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body)


def png(pixels, colours, index):
    """An 8 bpp PNG with the palette: what Windows takes in an icon since Vista."""
    size = len(pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    rows = b"".join(b"\0" + bytes(index(c) for c in row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c) for c in colours))
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def write_ico(path, images, png_from=32):
    colours, index = palette_of(images)
    bodies = [png(img, colours, index) if len(img) >= png_from else dib(img, colours, index, icon=True)
              for img in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for img, body in zip(images, bodies):
        out += struct.pack("<BBBBHHII", len(img), len(img), 0, 0, 1, 8, len(body), offset)
        offset += len(body)
    with open(path, "wb") as f:
        f.write(out + b"".join(bodies))


def lzw(indices, min_code_size=8):
    """GIF's variable-length LZW, with a clear code when the table fills."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    bits, buffer, out = 0, 0, bytearray()

    def emit(code, width):
        nonlocal bits, buffer
        buffer |= code << bits
        bits += width
        while bits >= 8:
            out.append(buffer & 0xFF)
            buffer >>= 8
            bits -= 8

    def fresh():
        return {bytes([i]): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = fresh()
    emit(clear, width)
    current = b""
    for i in indices:
        candidate = current + bytes([i])
        if candidate in table:
            current = candidate
            continue
        emit(table[current], width)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table, next_code, width = fresh()
        current = bytes([i])
    emit(table[current], width)
    emit(end, width)
    if bits:
        out.append(buffer & 0xFF)
    return bytes(out)


def write_gif(path, pixels):
    size = len(pixels)
    colours, index = palette_of([pixels])
    data = lzw([index(c) for row in pixels for c in row])
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255))
    with open(path, "wb") as f:
        f.write(b"GIF89a" + struct.pack("<HHBBB", size, size, 0xF7, 0, 0))  # global table, 256 entries
        f.write(b"".join(bytes(c) for c in colours))
        # No graphic control extension: one frame, no transparent colour.
        f.write(b"," + struct.pack("<HHHHB", 0, 0, size, size, 0))  # not interlaced, no local table
        f.write(bytes([8]) + blocks + b"\0;")


if __name__ == "__main__":
    write_bmp("picture1.bmp", render(21, cross))
    write_gif("picture2.gif", render(21, question))
    write_ico("numora.ico", [render(s, ball) for s in (16, 20, 24, 32, 48)])
