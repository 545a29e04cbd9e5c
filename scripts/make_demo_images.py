#!/usr/bin/env python3
"""Draws the demo's raster images (logo.png, logoMin.png, loading.gif) with the standard library only.

    python3 scripts/make_demo_images.py [OUTPUT_DIR]     # default: app/demo/images

Shapes are rasterised with 4x4 supersampling; the word mark uses a small hand-drawn block font.
"""
import math
import os
import struct
import sys
import zlib

SS = 4  # supersampling per axis

# 5x7 block glyphs for the word mark.
GLYPHS = {
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
}


class Canvas:
    """RGBA float canvas; shapes are coverage functions sampled SS x SS times per pixel."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[(0.0, 0.0, 0.0, 0.0) for _ in range(w)] for _ in range(h)]

    def fill(self, inside, color, box=None):
        r, g, b, a = color
        x0, y0, x1, y1 = box if box else (0, 0, self.w, self.h)
        for y in range(max(0, int(y0)), min(self.h, int(math.ceil(y1)))):
            for x in range(max(0, int(x0)), min(self.w, int(math.ceil(x1)))):
                hits = 0
                for sy in range(SS):
                    for sx in range(SS):
                        if inside(x + (sx + 0.5) / SS, y + (sy + 0.5) / SS):
                            hits += 1
                if not hits:
                    continue
                cov = hits / (SS * SS) * a / 255.0
                pr, pg, pb, pa = self.px[y][x]
                na = cov + pa * (1 - cov)
                if na <= 0:
                    continue
                blend = lambda c, p: (c * cov + p * pa * (1 - cov)) / na
                self.px[y][x] = (blend(r, pr), blend(g, pg), blend(b, pb), na)

    def rgba_bytes(self):
        out = bytearray()
        for row in self.px:
            out.append(0)  # PNG filter: none
            for r, g, b, a in row:
                out += bytes((int(r + 0.5), int(g + 0.5), int(b + 0.5), int(a * 255 + 0.5)))
        return bytes(out)


def rounded_rect(x0, y0, x1, y1, rad):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + rad), x1 - rad)
        cy = min(max(y, y0 + rad), y1 - rad)
        return (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad
    return inside


def ring_arc(cx, cy, r_out, r_in, a0, a1):
    """Ring sector from angle a0 to a1 (radians, clockwise from 12 o'clock)."""
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if d2 > r_out * r_out or d2 < r_in * r_in:
            return False
        ang = math.atan2(x - cx, -(y - cy)) % (2 * math.pi)
        return (ang - a0) % (2 * math.pi) <= (a1 - a0) % (2 * math.pi)
    return inside


def draw_mark(c, x, y, size):
    """The app mark: a blue rounded tile with a white ring segment and a dot."""
    c.fill(rounded_rect(x, y, x + size, y + size, size * 0.26), (37, 99, 235, 255))
    cx, cy = x + size / 2, y + size / 2
    c.fill(ring_arc(cx, cy, size * 0.32, size * 0.2, math.radians(40), math.radians(320)), (255, 255, 255, 255))
    dot = size * 0.07
    c.fill(lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= dot * dot * 4, (255, 255, 255, 255))


def draw_text(c, text, x, y, cell, color):
    for ch in text:
        rows = GLYPHS[ch]
        for ry, row in enumerate(rows):
            for rx, bit in enumerate(row):
                if bit == "1":
                    bx, by = x + rx * cell, y + ry * cell
                    c.fill(rounded_rect(bx, by, bx + cell, by + cell, cell * 0.3), color,
                           (bx - 1, by - 1, bx + cell + 1, by + cell + 1))
        x += 6 * cell


def write_png(path, c):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", c.w, c.h, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(c.rgba_bytes(), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def lzw_encode(indices, min_code_size):
    """GIF variable-length LZW; a clear code is sent whenever the table fills."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bitbuf, nbits = bytearray(), 0, 0

    def emit(code, size):
        nonlocal bitbuf, nbits
        bitbuf |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bitbuf & 0xFF)
            bitbuf >>= 8
            nbits -= 8

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, size = reset()
    emit(clear, size)
    prefix = (indices[0],)
    for idx in indices[1:]:
        cand = prefix + (idx,)
        if cand in table:
            prefix = cand
            continue
        emit(table[prefix], size)
        if next_code < 4096:
            table[cand] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table, next_code, size = reset()
        prefix = (idx,)
    emit(table[prefix], size)
    emit(end, size)
    if nbits:
        out.append(bitbuf & 0xFF)
    return bytes(out)


def write_gif(path, frames, w, h, palette, delay_cs):
    """frames: lists of palette indices; index 0 is transparent."""
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", w, h, 0xF7, 0, 0)  # global table of 256 colours
    pal = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    for r, g, b in pal:
        data += bytes((r, g, b))
    data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"  # loop forever
    for frame in frames:
        data += b"\x21\xF9\x04" + struct.pack("<BHBB", 0x09, delay_cs, 0, 0)  # restore bg, transparent 0
        data += b"\x2C" + struct.pack("<HHHHB", 0, 0, w, h, 0)
        data.append(8)
        enc = lzw_encode(frame, 8)
        for i in range(0, len(enc), 255):
            block = enc[i:i + 255]
            data.append(len(block))
            data += block
        data.append(0)
    data.append(0x3B)
    with open(path, "wb") as f:
        f.write(data)


def loading_frames(size=96, count=12):
    """A ring of twelve dots; each frame moves the bright head one step."""
    levels = 16
    base, head = (37, 99, 235), (219, 228, 245)
    palette = [(255, 255, 255)]
    for i in range(levels):
        t = i / (levels - 1)
        palette.append(tuple(int(head[k] + (base[k] - head[k]) * t) for k in range(3)))
    frames = []
    cx = cy = size / 2
    for f in range(count):
        c = Canvas(size, size)
        for d in range(count):
            age = (f - d) % count
            level = max(0, levels - 1 - age * 2)
            ang = 2 * math.pi * d / count
            dx, dy = cx + math.sin(ang) * size * 0.34, cy - math.cos(ang) * size * 0.34
            rad = size * (0.05 + 0.035 * level / (levels - 1))
            col = palette[1 + level]
            c.fill(lambda x, y, dx=dx, dy=dy, rad=rad: (x - dx) ** 2 + (y - dy) ** 2 <= rad * rad,
                   (*col, 255), (dx - rad - 1, dy - rad - 1, dx + rad + 1, dy + rad + 1))
        idx = []
        for row in c.px:
            for r, g, b, a in row:
                if a < 0.5:
                    idx.append(0)
                    continue
                best = min(range(1, len(palette)),
                           key=lambda i: sum((palette[i][k] - (r, g, b)[k]) ** 2 for k in range(3)))
                idx.append(best)
        frames.append(idx)
    return frames, palette


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "app", "demo", "images")
    os.makedirs(out, exist_ok=True)

    # Each logo also at twice the size, "name@2x.png", which high-DPI screens pick.
    for k, suffix in ((1, ""), (2, "@2x")):
        logo = Canvas(200 * k, 50 * k)
        draw_mark(logo, 6 * k, 7 * k, 36 * k)
        draw_text(logo, "SORBANE", 52 * k, 14 * k, 3 * k, (45, 108, 240, 255))
        write_png(os.path.join(out, "logo%s.png" % suffix), logo)

        small = Canvas(40 * k, 40 * k)
        draw_mark(small, 2 * k, 2 * k, 36 * k)
        write_png(os.path.join(out, "logoMin%s.png" % suffix), small)

    frames, palette = loading_frames()
    write_gif(os.path.join(out, "loading.gif"), frames, 96, 96, palette, 8)


if __name__ == "__main__":
    main()
