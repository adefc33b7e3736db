#!/usr/bin/env python3
"""Packs the release archive:
    pack_release.py [--sign FILE.pfx] [--url-base URL]
                    <archive.zip> <folder> <guide.txt> <LICENSE> <program.exe>...
Every entry lies under <folder>/: the programs, the guide stored as the name a
Japanese user opens first, the licence as LICENSE, and SHA256SUMS, the
sha256sum lines of every other file there. The archive's own sha256sum line
goes beside it in <archive.zip>.sha256.

--url-base names where the release's files will be published (the archive at
URL followed by its name): with it, the winget and Scoop manifests of the
packed archive go into manifests/ beside it (package_manifests.py). Without
it there are none, not even from an earlier run, and the packer says so.

--sign signs copies of the programs with Authenticode (osslsigncode, SHA-256)
by the certificate and key in FILE.pfx before they are hashed and packed; the
built programs stay as they are. Its password is RELEASE_SIGN_PASSWORD (empty
when unset); RELEASE_TIMESTAMP_URL, when set, names an RFC 3161 timestamp
server.

The same inputs give the same bytes: the entries lie in the order of their
names, each dated SOURCE_DATE_EPOCH (by default the time of the sources' last
commit), with the same attributes and compression level whatever the packing
machine's clock, time zone, umask or file times.

Python's zipfile stores a name that is not ASCII in UTF-8 and sets that
entry's UTF-8 flag (general-purpose bit 11) in both of its headers, so
Explorer's "Extract all" and 7-Zip show it as it is, rather than reading it in
the ANSI code page (CP932 on a Japanese Windows).

Any failure is one line on standard error and a non-zero exit, with neither
the archive, its .sha256 nor manifests left behind, not even from an earlier
run: each is written under a temporary name and renamed once all are complete."""
import argparse
import hashlib
import io
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile

import package_manifests

GUIDE_NAME = "はじめにお読みください.txt"
LICENSE_NAME = "LICENSE"
SUMS_NAME = "SHA256SUMS"
MANIFESTS_FOLDER = "manifests"
# Every entry's attributes: made on Unix (create_system 3), a plain file
# readable by all (mode 0644). Not MS-DOS (0): Info-ZIP's unzip converts the
# names of such entries from the OEM code page, UTF-8 flag or not, and garbles
# the guide's. The low byte, the MS-DOS attributes Windows reads, stays 0.
CREATE_SYSTEM = 3
EXTERNAL_ATTR = 0o100644 << 16
COMPRESS_LEVEL = 9
# A zip entry's date is an MS-DOS date: 1980 to 2107, in two-second steps.
FIRST_ZIP_DATE = (1980, 1, 1, 0, 0, 0)
LAST_ZIP_DATE = (2107, 12, 31, 23, 59, 58)
SOURCES = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


class ReleaseError(Exception):
    """A failure the user can mend; its text is the one line shown."""


def source_date_epoch():
    """SOURCE_DATE_EPOCH, else the time of the last commit of the git checkout
    these sources are. Outside one (an unpacked source archive) there is no
    date to take: the caller must say it."""
    value = os.environ.get("SOURCE_DATE_EPOCH")
    if value is not None:
        if not value.isdigit():
            raise ReleaseError(f"SOURCE_DATE_EPOCH={value!r} is not a count of seconds since 1970")
        return int(value)

    def git(*args):
        return subprocess.run(["git", "-C", SOURCES, *args], capture_output=True, text=True,
                              check=True).stdout.strip()

    try:
        if os.path.realpath(git("rev-parse", "--show-toplevel")) == os.path.realpath(SOURCES):
            return int(git("log", "-1", "--format=%ct"))
    except (OSError, subprocess.CalledProcessError):
        pass
    raise ReleaseError(f"{SOURCES} is not a git checkout with a commit: "
                       "set SOURCE_DATE_EPOCH to the sources' date (seconds since 1970)")


def zip_date(epoch):
    """The entries' date as stored: the moment in UTC, so every time zone writes
    the same, to the even second below, held within what a zip can store (an
    earlier date becomes 1980-01-01)."""
    return min(max(time.gmtime(epoch // 2 * 2)[:6], FIRST_ZIP_DATE), LAST_ZIP_DATE)


def sign(programs, pfx, staging):
    """Signed copies of <programs> in <staging>, in the same order."""
    try:
        with open(pfx, "rb"):
            pass
    except OSError as error:
        raise ReleaseError(f"cannot read the certificate {pfx}: {error.strerror}") from None
    password = os.environ.get("RELEASE_SIGN_PASSWORD", "")
    if password:
        # From a file, not the command line, where every user's ps shows it.
        secret = os.path.join(staging, "password")
        with open(os.open(secret, os.O_WRONLY | os.O_CREAT, 0o600), "w") as out:
            out.write(password)
        pass_args = ["-readpass", secret]
    else:
        pass_args = ["-pass", ""]
    timestamp = os.environ.get("RELEASE_TIMESTAMP_URL")
    ts_args = ["-ts", timestamp] if timestamp else []
    signed = []
    for program in programs:
        out = os.path.join(staging, os.path.basename(program))
        result = subprocess.run(["osslsigncode", "sign", "-pkcs12", pfx, *pass_args, "-h", "sha256",
                                 *ts_args, "-in", program, "-out", out], capture_output=True, text=True)
        if result.returncode != 0:
            said = [line.strip() for line in (result.stderr + result.stdout).splitlines() if line.strip()]
            raise ReleaseError(f"cannot sign {os.path.basename(program)} with {pfx}: "
                               f"{said[0] if said else 'osslsigncode failed'}")
        signed.append(out)
    return signed


def sha256sum_line(data, name):
    return f"{hashlib.sha256(data).hexdigest()}  {name}\n"


def zip_bytes(folder, files, epoch):
    """<files> (name: bytes) under <folder>/ in the order of their names."""
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w") as out:
        for name in sorted(files):
            entry = zipfile.ZipInfo(f"{folder}/{name}", zip_date(epoch))
            entry.create_system = CREATE_SYSTEM
            entry.external_attr = EXTERNAL_ATTR
            out.writestr(entry, files[name], zipfile.ZIP_DEFLATED, COMPRESS_LEVEL)
    return buffer.getvalue()


def pack(archive, folder, guide, licence, programs, pfx=None, url_base=None):
    """Writes <archive>, <archive>.sha256 and, given <url_base>, the manifests;
    says whether the programs are signed and names the manifests written."""
    digest = archive + ".sha256"
    manifests_folder = os.path.join(os.path.dirname(os.path.abspath(archive)), MANIFESTS_FOLDER)
    for stale in (archive, digest):
        if os.path.lexists(stale):
            os.remove(stale)
    if os.path.lexists(manifests_folder):
        shutil.rmtree(manifests_folder)
    epoch = source_date_epoch()
    with tempfile.TemporaryDirectory() as staging:
        if pfx is not None:
            programs = sign(programs, pfx, staging)
        files = {}
        for source, name in [(p, os.path.basename(p)) for p in programs] + [(guide, GUIDE_NAME),
                                                                            (licence, LICENSE_NAME)]:
            with open(source, "rb") as f:
                files[name] = f.read()
    files[SUMS_NAME] = "".join(sha256sum_line(files[n], n) for n in sorted(files)).encode()
    packed = zip_bytes(folder, files, epoch)
    outputs = {archive: packed, digest: sha256sum_line(packed, os.path.basename(archive)).encode()}
    manifests = {} if url_base is None else \
        package_manifests.manifests(packed, os.path.basename(archive), url_base, epoch)
    written = {}
    try:
        for final, data in outputs.items():
            fd, written[final] = tempfile.mkstemp(dir=os.path.dirname(os.path.abspath(final)),
                                                  prefix=f".{os.path.basename(final)}.")
            with open(fd, "wb") as out:
                out.write(data)
            os.chmod(written[final], 0o644)
        if manifests:
            staged = written[manifests_folder] = tempfile.mkdtemp(dir=os.path.dirname(manifests_folder),
                                                                  prefix=f".{MANIFESTS_FOLDER}.")
            os.chmod(staged, 0o755)
            for path, data in manifests.items():
                os.makedirs(os.path.dirname(os.path.join(staged, path)), 0o755, exist_ok=True)
                with open(os.path.join(staged, path), "wb") as out:
                    out.write(data)
        for final, temporary in written.items():
            os.replace(temporary, final)
    finally:
        for temporary in written.values():
            if os.path.isdir(temporary):
                shutil.rmtree(temporary)
            elif os.path.exists(temporary):
                os.remove(temporary)
    said = f"signed with {pfx}" if pfx is not None else "unsigned"
    return said, [os.path.join(manifests_folder, path) for path in manifests]


def main(argv):
    parser = argparse.ArgumentParser(description="Packs the release archive.")
    parser.add_argument("--sign", metavar="FILE.pfx")
    parser.add_argument("--url-base", metavar="URL")
    parser.add_argument("archive")
    parser.add_argument("folder")
    parser.add_argument("guide")
    parser.add_argument("licence")
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args(argv)
    try:
        said, manifests = pack(args.archive, args.folder, args.guide, args.licence, args.programs, args.sign,
                               args.url_base)
    except (ReleaseError, package_manifests.ManifestError, OSError) as error:
        print(f"release: {error}", file=sys.stderr)
        return 1
    print(f"{args.archive} ({said})")
    print(f"{args.archive}.sha256")
    print("\n".join(manifests) if manifests else "no winget or Scoop manifests: no --url-base given")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
