#!/usr/bin/env python3
"""Writes tests/data/malformed/: hostile and broken inputs for every reader of outside data.

Each folder says how its inputs must fail (tst_zip reads them all):
  zip-open   the archive reader refuses to open it
  zip-entry  it opens, yet no entry holding data extracts as good
  theme      a skin archive in memory whose styles cannot be used: the load fails
  style      a theme folder with this as style.json: the load fails
  language   the language reader refuses it
  image      an image in a theme: refused before decoding, so getImage gives null
Run it again after changing it; it rewrites the folder.
"""
import os
import random
import shutil
import struct
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data", "malformed")


def raw_deflate(data):
    c = zlib.compressobj(6, zlib.DEFLATED, -15)
    return c.compress(data) + c.flush()


def build_zip(items, prefix=b"", comment=b"", disk=0, count_delta=0):
    """items: dicts with name, data and optional overrides (method, size, crc, csize, flags, extra,
    local_name, local_method, offset, disk_start)."""
    body, central = b"", b""
    for it in items:
        data = it["data"]
        method = it.get("method", 8)
        payload = it.get("payload", raw_deflate(data) if method == 8 else data)
        crc = it.get("crc", zlib.crc32(data))
        size = it.get("size", len(data))
        csize = it.get("csize", len(payload))
        flags = it.get("flags", 0)
        name = it["name"]
        extra = it.get("extra", b"")
        offset = it.get("offset", len(body))
        body += struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, flags, it.get("local_method", method), 0x6000,
                            0x5821, crc, csize, size, len(it.get("local_name", name)), len(extra))
        body += it.get("local_name", name) + extra + payload
        central += struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 0x0314, 20, flags, method, 0x6000, 0x5821,
                               crc, csize, size, len(name), 0, 0, it.get("disk_start", 0), 0, 0o100644 << 16,
                               offset)
        central += name
    n = len(items) + count_delta
    end = struct.pack("<IHHHHIIH", 0x06054B50, disk, disk, n & 0xFFFF, n & 0xFFFF, len(central), len(body),
                      len(comment))
    return prefix + body + central + end + comment


def text(n, seed):
    rng = random.Random(seed)
    return bytes(rng.choice(b"theme-text ") for _ in range(n))


def zip_open_cases():
    good = build_zip([{"name": b"a.txt", "data": text(600, 1)}, {"name": b"b.txt", "data": text(300, 2),
                                                                  "method": 0}])
    cases = {}
    for cut in [0, 1, 4, 21, 22, 30, 100, len(good) // 2, len(good) - 23, len(good) - 22, len(good) - 10,
                len(good) - 2, len(good) - 1]:
        cases["cut-%d.zip" % cut] = good[:cut]
    items = [{"name": b"a.txt", "data": text(600, 1)}, {"name": b"b.txt", "data": text(300, 2)}]
    cases["multi-volume-disk.zip"] = build_zip(items, disk=1)
    end = len(good) - 22
    counts = bytearray(good)
    counts[end + 8] = 1   # entries on this disk differ from the total
    cases["multi-volume-counts.zip"] = bytes(counts)
    cases["count-beyond-directory.zip"] = build_zip(items, count_delta=1)
    cases["count-far-beyond.zip"] = build_zip(items, count_delta=60000)
    cases["directory-on-other-disk.zip"] = build_zip([dict(items[0], disk_start=2), items[1]])
    trunc = bytearray(good)
    del trunc[end - 10:end]
    cases["truncated-directory.zip"] = bytes(trunc)
    big_size = bytearray(good)
    struct.pack_into("<I", big_size, end + 12, 0xFFFFFF00)
    cases["directory-size-huge.zip"] = bytes(big_size)
    big_off = bytearray(good)
    struct.pack_into("<I", big_off, end + 16, 0xFFFFFFFF)
    cases["directory-offset-zip64.zip"] = bytes(big_off)
    bad_sig = bytearray(good)
    cd = good.index(b"PK\x01\x02")
    bad_sig[cd + 2] = 9
    cases["bad-central-signature.zip"] = bytes(bad_sig)
    long_name = bytearray(good)
    struct.pack_into("<H", long_name, cd + 28, 0xFFFF)
    cases["name-overruns-directory.zip"] = bytes(long_name)
    outside = bytearray(good)
    struct.pack_into("<I", outside, cd + 42, 0x7FFFFFFF)
    cases["local-header-outside.zip"] = bytes(outside)
    into_dir = bytearray(good)
    struct.pack_into("<I", into_dir, cd + 20, 0x10000)
    cases["data-runs-into-directory.zip"] = bytes(into_dir)
    # Overlapping entries: the classic layout that makes kilobytes inflate to gigabytes.
    kernel = text(5000, 3)
    cases["overlap-same-offset.zip"] = build_zip([{"name": b"a", "data": kernel},
                                                  {"name": b"b", "data": kernel, "offset": 0}])
    cases["overlap-into-data.zip"] = build_zip([{"name": b"a", "data": kernel},
                                                {"name": b"b", "data": b"x", "offset": 40}])
    many = [{"name": b"f%d" % i, "data": b"x", "offset": 0} for i in range(50)]
    cases["overlap-fifty.zip"] = build_zip(many)
    cases["end-record-only-with-count.zip"] = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, 1, 1, 0, 0, 0)
    cases["end-record-comment-overrun.zip"] = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, 1, 1, 46, 0, 0xFFFF)
    rng = random.Random(7)
    for i in range(5):
        noise = bytes(rng.randrange(256) for _ in range(200 + 300 * i)).replace(b"PK", b"pk")
        cases["noise-%d.zip" % i] = noise
    cases["local-headers-only.zip"] = good[:good.index(b"PK\x01\x02")]
    return cases


def zip_entry_cases():
    data = text(2000, 4)
    cases = {}
    def one(name, **kw):
        cases[name] = build_zip([dict({"name": b"style.json", "data": data}, **kw)])
    one("crc-mismatch.zip", crc=0x12345678)
    one("declared-one-more.zip", size=len(data) + 1)
    one("declared-one-less.zip", size=len(data) - 1)
    one("declared-4gib.zip", size=0xFFFFFFFF)
    one("declared-2gib-ratio.zip", size=0x7FFFFFFF)
    one("stored-size-mismatch.zip", method=0, size=len(data) + 5)
    one("unknown-method.zip", method=12, payload=data)
    one("local-method-differs.zip", local_method=0)
    one("local-name-differs.zip", local_name=b"style.jsoN")
    one("local-name-longer.zip", local_name=b"style.json.bak")
    one("encrypted-no-password.zip", flags=1, payload=b"\0" * 12 + raw_deflate(data))
    one("strong-encryption.zip", flags=0x41, payload=b"\0" * 12 + raw_deflate(data))
    one("deflate-garbage.zip", payload=b"\xff" * 100)
    one("deflate-truncated.zip", payload=raw_deflate(data)[:50])
    one("deflate-empty.zip", payload=b"")
    pushed = bytearray(build_zip([{"name": b"style.json", "data": data}]))
    struct.pack_into("<H", pushed, 28, 0xFFFF)   # local extra length: data would start past the archive
    cases["extra-pushes-data-past-end.zip"] = bytes(pushed)
    bad_local = bytearray(build_zip([{"name": b"style.json", "data": data}]))
    bad_local[3] = 9
    cases["bad-local-signature.zip"] = bytes(bad_local)
    return cases


def theme_cases():
    style = b'{"style": [{"type": 1, "name": "x"}]}'
    return {
        "no-style.zip": build_zip([{"name": b"images/a.txt", "data": b"abc"}]),
        "style-not-json.zip": build_zip([{"name": b"style.json", "data": b"{\"style\": ["}]),
        "style-without-member.zip": build_zip([{"name": b"style.json", "data": b'{"styles": []}'}]),
        "style-crc-broken.zip": build_zip([{"name": b"style.json", "data": style, "crc": 1}]),
        "style-climbing-folder.zip": build_zip([{"name": b"../x/", "data": b""}]),
        "style-empty-entry.zip": build_zip([{"name": b"style.json", "data": b""}]),
        "style-in-subfolder-broken.zip": build_zip([{"name": b"style.json", "data": b"[1, 2"},
                                                    {"name": b"sub/style.json", "data": style}]),
    }


def style_cases():
    return {
        "empty.json": b"",
        "open-brace.json": b"{",
        "array.json": b"[1, 2, 3]",
        "no-style-member.json": b'{"styles": []}',
        "string.json": b'"style"',
        "truncated.json": b'{"style": [{"type": 1, "name": "a"',
        "binary.json": bytes(range(256)),
        "utf16.json": '{"style": []}'.encode("utf-16-le"),
        "deep-nesting.json": b"[" * 100000,
        "number.json": b"1e999999",
        "bad-escape.json": b'{"style": "\\uZZZZ"}',
    }


def language_cases():
    def u16(s):
        return s.encode("utf-16-le")
    return {
        "empty.txt": b"",
        "one-byte.txt": b"L",
        "header-only.txt": u16("Language\tEnglish\r\n"),
        "wrong-header.txt": u16("Languages\tEnglish\r\nok\tOK\r\n"),
        "single-cell-header.txt": u16("Language\r\nok\tOK\r\n"),
        "utf8.txt": "Language\tEnglish\r\nok\tOK\r\n".encode("utf-8"),
        "lf-only.txt": u16("Language\tEnglish\nok\tOK\n"),
        "tabs-only.txt": u16("\t\t\t\r\n\t\t\r\n"),
        "big-endian-without-mark.txt": "Language\tEnglish\r\nok\tOK\r\n".encode("utf-16-be"),
        "mark-then-nothing.txt": b"\xff\xfe",
        "nul-units.txt": b"\0" * 64,
    }


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def png(width, height, idat=b""):
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    out = b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr)
    if idat:
        out += png_chunk(b"IDAT", idat)
    return out + png_chunk(b"IEND", b"")


def gif(width, height):
    # Logical screen of that size, one frame just as large, and a minimal image block.
    return (b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80, 0, 0) + b"\0\0\0\xff\xff\xff"
            + b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0) + b"\x02\x02\x44\x01\x00\x3b")


def bmp(width, height):
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, 0, 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header), 0, 0, 14 + len(header)) + header


def jpeg(width, height):
    sof = b"\xff\xc0" + struct.pack(">HBHHB", 11, 8, height, width, 1) + b"\x01\x11\x00"
    return b"\xff\xd8" + sof + b"\xff\xd9"


def image_cases():
    # A zlib stream of zeros, so that a decoder trusting the header would really fill the pixels.
    rows = zlib.compress(b"\0" * 200000, 9)
    return {
        "png-30000-square.png": png(30000, 30000, rows),
        "png-wide.png": png(16385, 1, rows),
        "png-tall.png": png(1, 16385, rows),
        "png-9000-square-over-bytes.png": png(9000, 9000, rows),
        "png-max-int.png": png(0x7FFFFFFF, 0x7FFFFFFF),
        "png-signature-only.png": b"\x89PNG\r\n\x1a\n",
        "gif-60000-square.gif": gif(60000, 60000),
        "gif-wide.gif": gif(65535, 2),
        "svg-60000-square.svg": b'<svg xmlns="http://www.w3.org/2000/svg" width="60000" height="60000">'
                                b'<rect width="10" height="10" fill="red"/></svg>',
        "svg-huge-viewbox.svg": b'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100000 100000">'
                                b'<rect width="10" height="10"/></svg>',
        "bmp-30000-square.bmp": bmp(30000, 30000),
        "jpeg-65000-square.jpg": jpeg(65000, 65000),
        "garbage.png": b"not an image at all",
    }


def main():
    if os.path.isdir(ROOT):
        shutil.rmtree(ROOT)
    groups = {"zip-open": zip_open_cases(), "zip-entry": zip_entry_cases(), "theme": theme_cases(),
              "style": style_cases(), "language": language_cases(), "image": image_cases()}
    total = 0
    for folder, cases in groups.items():
        os.makedirs(os.path.join(ROOT, folder))
        for name, data in cases.items():
            with open(os.path.join(ROOT, folder, name), "wb") as f:
                f.write(data)
            total += 1
    print("wrote %d inputs to %s" % (total, os.path.normpath(ROOT)))


if __name__ == "__main__":
    main()
