#!/usr/bin/env python3
"""Packs a release archive from the built programs and reads every header of
it back, as an unpacker would:
    pack_release_test.py <guide.txt> <program.exe>...
Each name must stand alike, with the same UTF-8 flag, in its central and its
local header, a name that is not ASCII must carry the UTF-8 flag (bit 11), and the
entries must be exactly the programs and the guide, byte for byte."""
import os
import struct
import sys
import tempfile
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pack_release  # noqa: E402

UTF8_FLAG = 0x800
failures = []


def check(what, holds):
    print(("ok: " if holds else "FAILED: ") + what)
    if not holds:
        failures.append(what)


def entries(data):
    """(central flags, central name, local flags, local name) of every entry,
    walked as an unpacker does: from the end record to the central directory,
    and from each central header to its local header."""
    end = data.rfind(b"PK\x05\x06")
    count, _, directory = struct.unpack_from("<HII", data, end + 10)
    found = []
    at = directory
    for _ in range(count):
        flags, = struct.unpack_from("<H", data, at + 8)
        name_length, extra_length, comment_length = struct.unpack_from("<HHH", data, at + 28)
        local, = struct.unpack_from("<I", data, at + 42)
        local_flags, = struct.unpack_from("<H", data, local + 6)
        local_length, = struct.unpack_from("<H", data, local + 26)
        found.append((flags, data[at + 46 : at + 46 + name_length], local_flags,
                      data[local + 30 : local + 30 + local_length]))
        at += 46 + name_length + extra_length + comment_length
    return found


def main(guide, *programs):
    folder = "VuriRivu-test"
    with tempfile.TemporaryDirectory() as work:
        archive = os.path.join(work, "release.zip")
        pack_release.main(archive, folder, guide, *programs)
        data = open(archive, "rb").read()
        expected = [f"{folder}/{os.path.basename(p)}" for p in programs] + [f"{folder}/{pack_release.GUIDE_NAME}"]
        names = []
        for flags, raw, local_flags, local_raw in entries(data):
            name = raw.decode("utf-8" if flags & UTF8_FLAG else "cp437")
            names.append(name)
            ascii_only = all(b < 0x80 for b in raw)
            check(f"{name}: UTF-8 flag set unless the name is ASCII", ascii_only or flags & UTF8_FLAG)
            check(f"{name}: the local header names it alike", local_raw == raw and
                  (local_flags & UTF8_FLAG) == (flags & UTF8_FLAG))
        check("the entries are the programs and the guide", names == expected)
        with zipfile.ZipFile(archive) as unpacked:
            for source, name in zip(list(programs) + [guide], expected):
                check(f"{name}: unpacks to its source's bytes", unpacked.read(name) == open(source, "rb").read())
    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
