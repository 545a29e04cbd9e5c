#!/usr/bin/env python3
"""Writes the seed archives of the archive fuzz driver to fuzz/corpus/fuzz_zip/.

Sound archives (stored and deflate entries, bytes in front, a long comment, a time extra field, a
folder, an encrypted entry whose password the driver knows) and every broken archive of
make_malformed.py. Run it again after changing either script; it rewrites the folder.
"""
import os
import shutil
import struct
import zlib

import make_malformed as mm

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "corpus", "fuzz_zip")


def encrypted(name, data, password):
    keys = [0x12345678, 0x23456789, 0x34567890]

    def crc_byte(crc, b):
        return zlib.crc32(bytes([b]), crc ^ 0xFFFFFFFF) ^ 0xFFFFFFFF

    def update(p):
        keys[0] = crc_byte(keys[0], p)
        keys[1] = ((keys[1] + (keys[0] & 0xFF)) * 134775813 + 1) & 0xFFFFFFFF
        keys[2] = crc_byte(keys[2], keys[1] >> 24)

    def enc(p):
        t = (keys[2] & 0xFFFF) | 2
        c = p ^ (((t * (t ^ 1)) >> 8) & 0xFF)
        update(p)
        return c

    for ch in password:
        update(ch)
    crc = zlib.crc32(data)
    plain = bytes(range(11)) + bytes([crc >> 24]) + mm.raw_deflate(data)
    return {"name": name, "data": data, "flags": 1, "payload": bytes(enc(b) for b in plain)}


def seeds():
    style = b'{"style": [{"type": 1, "name": "a", "clr": "ff00ff00"}]}'
    text = mm.text(3000, 5)
    ut = struct.pack("<HHBII", 0x5455, 9, 3, 1000000000, 1200000000)
    out = {
        "theme.zip": mm.build_zip([{"name": b"style.json", "data": style},
                                   {"name": b"theme.json", "data": b'{"elements": [{"child": []}]}'},
                                   {"name": b"images/", "data": b""},
                                   {"name": b"images/a.txt", "data": text, "method": 0}]),
        "prefix-comment.zip": mm.build_zip([{"name": b"a", "data": text}], prefix=b"j" * 100,
                                           comment=b"c" * 300),
        "time-extra.zip": mm.build_zip([{"name": b"a", "data": b"x", "extra": ut}]),
        "names.zip": mm.build_zip([{"name": b"../../a", "data": b"1"}, {"name": b"C:\\b", "data": b"2"},
                                   {"name": b"x/../y", "data": b"3"}]),
        "encrypted.zip": mm.build_zip([encrypted(b"secret", text, b"s3cret")]),
        "empty.zip": mm.build_zip([]),
        "many.zip": mm.build_zip([{"name": b"f%d" % i, "data": bytes([i])} for i in range(40)]),
    }
    for group in (mm.zip_open_cases(), mm.zip_entry_cases(), mm.theme_cases()):
        for name, data in group.items():
            out["malformed-" + name] = data
    return out


def main():
    if os.path.isdir(ROOT):
        shutil.rmtree(ROOT)
    os.makedirs(ROOT)
    for name, data in seeds().items():
        with open(os.path.join(ROOT, name), "wb") as f:
            f.write(data)
    print("wrote %d seeds to %s" % (len(seeds()), os.path.normpath(ROOT)))


if __name__ == "__main__":
    main()
