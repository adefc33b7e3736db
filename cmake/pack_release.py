#!/usr/bin/env python3
"""Packs the release archive:
    pack_release.py <archive.zip> <folder> <guide.txt> <program.exe>...
Every entry lies under <folder>/; the guide is stored as the name a Japanese
user opens first. Python's zipfile stores a name that is not ASCII in UTF-8
and sets that entry's UTF-8 flag (general-purpose bit 11) in both of its
headers, so Explorer's "Extract all" and 7-Zip show it as it is, rather than
reading it in the ANSI code page (CP932 on a Japanese Windows)."""
import os
import sys
import zipfile

GUIDE_NAME = "はじめにお読みください.txt"


def main(archive, folder, guide, *programs):
    if os.path.exists(archive):
        os.remove(archive)
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as out:
        for program in programs:
            out.write(program, f"{folder}/{os.path.basename(program)}")
        out.write(guide, f"{folder}/{GUIDE_NAME}")


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
