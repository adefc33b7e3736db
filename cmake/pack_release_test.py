#!/usr/bin/env python3
"""Packs release archives from the built programs and reads them back, as an
unpacker and a user checking a download would:
    pack_release_test.py <guide.txt> <LICENSE> <program.exe>...
Each name must stand alike, with the same UTF-8 flag, in its central and its
local header, a name that is not ASCII must carry the UTF-8 flag (bit 11), and
Info-ZIP's unzip must name the files as they are. The entries must be exactly
the programs, the guide, the licence and SHA256SUMS, in the order of their
names, byte for byte, dated SOURCE_DATE_EPOCH (the last commit's time when
unset) with the same attributes and compression level; SHA256SUMS and the
archive's .sha256 must pass `sha256sum -c`. The same inputs at another path,
with other file times and modes, in another time zone and umask, must give the
same bytes."""
import hashlib
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zipfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
PACKER = os.path.join(HERE, "pack_release.py")
sys.path.insert(0, HERE)
import pack_release  # noqa: E402

UTF8_FLAG = 0x800
FOLDER = "VuriRivu-test"
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


def pack(archive, documents, programs, packer=PACKER, **env):
    """Runs the packer as scripts/release does, with <env> changed (None unsets)."""
    environment = dict(os.environ)
    for name, value in env.items():
        if value is None:
            environment.pop(name, None)
        else:
            environment[name] = value
    return subprocess.run([sys.executable, packer, archive, FOLDER, *documents, *programs],
                          capture_output=True, text=True, env=environment)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def check_headers(data):
    for flags, raw, local_flags, local_raw in entries(data):
        name = raw.decode("utf-8" if flags & UTF8_FLAG else "cp437")
        check(f"{name}: UTF-8 flag set unless the name is ASCII", all(b < 0x80 for b in raw) or flags & UTF8_FLAG)
        check(f"{name}: the local header names it alike", local_raw == raw and
              (local_flags & UTF8_FLAG) == (flags & UTF8_FLAG))


def check_contents(archive, documents, programs, work):
    sources = {os.path.basename(p): p for p in programs}
    sources[pack_release.GUIDE_NAME], sources[pack_release.LICENSE_NAME] = documents
    expected = sorted(list(sources) + ["SHA256SUMS"])
    with zipfile.ZipFile(archive) as unpacked:
        infos = unpacked.infolist()
        check("the entries are the programs, the guide, the licence and SHA256SUMS, in the order of their names",
              [i.filename for i in infos] == [f"{FOLDER}/{n}" for n in expected])
        for name, source in sources.items():
            check(f"{name}: unpacks to its source's bytes", unpacked.read(f"{FOLDER}/{name}") == read(source))
        data = read(archive)
        for info in infos:
            name_length, extra_length = struct.unpack_from("<HH", data, info.header_offset + 26)
            stored = info.header_offset + 30 + name_length + extra_length
            deflate = zlib.compressobj(9, zlib.DEFLATED, -15)
            check(f"{info.filename}: a plain file of mode 0644, made on Unix, deflated at level 9",
                  (info.create_system, info.external_attr, info.compress_type) ==
                  (3, 0o100644 << 16, zipfile.ZIP_DEFLATED) and
                  data[stored : stored + info.compress_size] ==
                  deflate.compress(unpacked.read(info)) + deflate.flush())
        unpacked.extractall(os.path.join(work, "python"))
    folder = os.path.join(work, "python", FOLDER)
    sums = read(os.path.join(folder, "SHA256SUMS")).decode()
    check("SHA256SUMS: a sha256sum line for every other file",
          sums == "".join(f"{hashlib.sha256(read(sources[n])).hexdigest()}  {n}\n" for n in sorted(sources)))
    check("SHA256SUMS: sha256sum -c passes on the unpacked files", subprocess.run(
        ["sha256sum", "--strict", "-c", "SHA256SUMS"], cwd=folder, capture_output=True).returncode == 0)
    digest = archive + ".sha256"
    check(".sha256 beside the archive: its sha256sum line",
          os.path.exists(digest) and read(digest).decode() ==
          f"{hashlib.sha256(read(archive)).hexdigest()}  {os.path.basename(archive)}\n")
    check(".sha256: sha256sum -c passes beside the archive", subprocess.run(
        ["sha256sum", "--strict", "-c", digest], cwd=os.path.dirname(archive), capture_output=True).returncode == 0)
    infozip = os.path.join(work, "infozip")
    os.makedirs(infozip)
    subprocess.run(["unzip", "-q", archive, "-d", infozip], env=dict(os.environ, LC_ALL="C"), check=True)
    check("Info-ZIP's unzip names every file as it is",
          sorted(os.listdir(os.path.join(infozip, FOLDER))) == expected)


def dates(archive):
    if not os.path.exists(archive):
        return set()
    with zipfile.ZipFile(archive) as unpacked:
        return {info.date_time for info in unpacked.infolist()}


def main(guide, licence, *programs):
    documents = (guide, licence)
    with tempfile.TemporaryDirectory() as work:
        archive = os.path.join(work, "release.zip")
        result = pack(archive, documents, programs, SOURCE_DATE_EPOCH="1700000000")
        check("the packer says the programs are unsigned", result.returncode == 0 and "(unsigned)" in result.stdout)
        data = read(archive)
        check_headers(data)
        check_contents(archive, documents, programs, work)
        check("every entry dated SOURCE_DATE_EPOCH, in UTC", dates(archive) == {(2023, 11, 14, 22, 13, 20)})

        # The same inputs elsewhere, touched, with other modes, time zone and umask.
        moved = os.path.join(work, "elsewhere", "deeper")
        os.makedirs(moved)
        copies = []
        for source in (*documents, *programs):
            copies.append(shutil.copy(source, moved))
            os.utime(copies[-1], (86400 * 365 * 40, 86400 * 365 * 40))
            os.chmod(copies[-1], 0o600)
        again = os.path.join(moved, "release.zip")
        old_umask = os.umask(0o077)
        pack(again, copies[:2], copies[2:], SOURCE_DATE_EPOCH="1700000000", TZ="Asia/Tokyo")
        os.umask(old_umask)
        check("the same inputs elsewhere, touched, in another time zone: the same bytes", read(again) == data)

        pack(archive, documents, programs, SOURCE_DATE_EPOCH="315532799")
        check("a date before 1980 is stored as 1980-01-01", dates(archive) == {(1980, 1, 1, 0, 0, 0)})
        pack(archive, documents, programs, SOURCE_DATE_EPOCH="9999999999")
        check("a date after 2107 is stored as its last day", dates(archive) == {(2107, 12, 31, 23, 59, 58)})

        last_commit = subprocess.run(["git", "-C", HERE, "log", "-1", "--format=%ct"], capture_output=True,
                                     text=True, check=True).stdout
        pack(archive, documents, programs, SOURCE_DATE_EPOCH=None)
        check("without SOURCE_DATE_EPOCH: dated from the last commit",
              dates(archive) == {pack_release.zip_date(int(last_commit))})

        # The packer alone (with the module that writes the manifests), outside
        # any git checkout, with no date given.
        outside = os.path.join(work, "outside")
        os.makedirs(outside)
        shutil.copy(os.path.join(HERE, "package_manifests.py"), outside)
        result = pack(archive, documents, programs, packer=shutil.copy(PACKER, outside), SOURCE_DATE_EPOCH=None)
        check("outside a git checkout without SOURCE_DATE_EPOCH: refused in one line naming it",
              result.returncode != 0 and len(result.stderr.splitlines()) == 1 and
              "SOURCE_DATE_EPOCH" in result.stderr)
        check("... and no release left behind, not even the earlier one",
              not os.path.exists(archive) and not os.path.exists(archive + ".sha256"))
    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
