#!/usr/bin/env python3
"""Settings files (.qstn) for the end-to-end tests, built from their byte
layout independently of the program: 82 archive strings, the data marker,
slots 1 to 80 and the end marker, each string in the wide form
FF, FE FF, a stepped length and UTF-16LE characters.

    qstn_file.py write OUT [SLOT=TEXT ...] [--first TEXT] [--cut BYTES]
    qstn_file.py dump FILE          prints SLOT=TEXT for each non-empty slot
"""
import struct
import sys

DATA_MARKER = "<<## Quillstone 107data ##>>"
END_MARKER = "<<## Quillstone 107end ##>>"
SLOT_COUNT = 80


def encode(text):
    chars = text.encode("utf-16-le")
    count = len(chars) // 2
    if count < 0xFF:
        length = struct.pack("<B", count)
    elif count < 0xFFFE:
        length = b"\xff" + struct.pack("<H", count)
    else:
        length = b"\xff\xff\xff" + struct.pack("<I", count)
    return b"\xff\xfe\xff" + length + chars


def build(slots, first=DATA_MARKER):
    parts = [encode(first)]
    parts += [encode(slots.get(i, "")) for i in range(1, SLOT_COUNT + 1)]
    parts.append(encode(END_MARKER))
    return b"".join(parts)


class Reader:
    def __init__(self, data):
        self.data = data
        self.at = 0

    def take(self, fmt):
        value = struct.unpack_from(fmt, self.data, self.at)[0]
        self.at += struct.calcsize(fmt)
        return value

    def length(self):
        count = self.take("<B")
        if count < 0xFF:
            return count
        count = self.take("<H")
        return count if count < 0xFFFF else self.take("<I")

    def string(self):
        if self.take("<B") != 0xFF or self.take("<H") != 0xFFFE:
            raise ValueError("string at byte %d is not in the wide form" % self.at)
        count = self.length()
        chars = self.data[self.at:self.at + 2 * count]
        if len(chars) != 2 * count:
            raise ValueError("file ends inside a string")
        self.at += 2 * count
        return chars.decode("utf-16-le")


def parse_slots(pairs):
    slots = {}
    for pair in pairs:
        number, _, text = pair.partition("=")
        slots[int(number)] = text
    return slots


def main(args):
    if len(args) >= 2 and args[0] == "write":
        out, rest = args[1], args[2:]
        first, cut = DATA_MARKER, None
        if "--first" in rest:
            i = rest.index("--first")
            first = rest[i + 1]
            del rest[i:i + 2]
        if "--cut" in rest:
            i = rest.index("--cut")
            cut = int(rest[i + 1])
            del rest[i:i + 2]
        data = build(parse_slots(rest), first)
        with open(out, "wb") as f:
            f.write(data if cut is None else data[:cut])
        return 0
    if len(args) == 2 and args[0] == "dump":
        reader = Reader(open(args[1], "rb").read())
        if reader.string() != DATA_MARKER:
            print("not a settings file: wrong data marker", file=sys.stderr)
            return 1
        for number in range(1, SLOT_COUNT + 1):
            text = reader.string()
            if text:
                print("%d=%s" % (number, text))
        reader.string()
        if reader.at != len(reader.data):
            print("%d bytes after the end marker" % (len(reader.data) - reader.at), file=sys.stderr)
            return 1
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
