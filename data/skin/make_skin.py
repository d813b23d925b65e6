#!/usr/bin/env python3
"""make_skin.py DESCRIPTION OUTPUT: writes the skin engine's binary skin data.

Layout, all little-endian:
  ".SHE" 00          signature
  u8   version       1
  u16  record count
  records: u8 tag, u8 length, that many bytes
Tags: 1 name (UTF-8 text), 2 background top, 3 background bottom, 4 text,
5 button face, 6 button face pressed, 7 button text, 8 button border; each
colour is three bytes R, G, B.
"""
import os
import struct
import sys

TAGS = {
    "name": 1,
    "background.top": 2,
    "background.bottom": 3,
    "text": 4,
    "button.face": 5,
    "button.pressed": 6,
    "button.text": 7,
    "button.border": 8,
}


def parse(path):
    records = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            key, sep, value = (part.strip() for part in line.partition("="))
            if not sep or key not in TAGS:
                sys.exit(f"{path}:{number}: unknown line")
            if key == "name":
                data = value.encode("utf-8")
            else:
                if len(value) != 7 or not value.startswith("#"):
                    sys.exit(f"{path}:{number}: colour must be #RRGGBB")
                data = bytes.fromhex(value[1:])
            if len(data) > 255:
                sys.exit(f"{path}:{number}: value too long")
            records.append(struct.pack("<BB", TAGS[key], len(data)) + data)
    return records


def main(argv):
    if len(argv) != 3:
        sys.exit("usage: make_skin.py DESCRIPTION OUTPUT")
    records = parse(argv[1])
    blob = b".SHE\0" + struct.pack("<BH", 1, len(records)) + b"".join(records)
    tmp = argv[2] + ".tmp"  # never leave a half-written file behind
    with open(tmp, "wb") as f:
        f.write(blob)
    os.replace(tmp, argv[2])


if __name__ == "__main__":
    main(sys.argv)
