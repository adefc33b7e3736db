"""The release's winget and Scoop manifests, made from the packed zip itself
(pack_release.py --url-base) so that they can never disagree with its bytes:
its SHA-256, its top folder and its programs, and from each program's own
version resource and header the publisher, package name, version, Japanese
description, machine and oldest Windows. The programs are read from the zip,
not from the build, because the zip holds what ships (signed, with --sign).

    winget/manifests/<p>/<Publisher>/<Package>/<version>/
        the four files of a multi-file manifest (ManifestVersion 1.12.0) in the
        community repository's layout: version, installer, the default locale
        ja-JP and en-US. The zip is installed as nested portables, each program
        with a command alias.
    scoop/<package>.json
        the zip, with a shim for the command-line tool and a Start-menu
        shortcut for each windowed program; UTF-8 without a BOM.

The YAML is written here, not by a library: every scalar is double-quoted with
escapes, so that no YAML reader turns a version such as 1.10 into a number, and
Japanese text and any punctuation come back as written."""
import hashlib
import io
import json
import re
import struct
import time
import urllib.parse
import zipfile

WINGET_MANIFEST_VERSION = "1.12.0"
DEFAULT_LOCALE = "ja-JP"
LICENSE = "MIT"
# The machines of IMAGE_FILE_HEADER as winget names them.
ARCHITECTURES = {0x014C: "x86", 0x8664: "x64"}
RT_VERSION = 16
# Every program the release ships, as a package manager offers it: typed at a
# prompt (a Scoop shim) or started from the Start menu (a Scoop shortcut);
# winget gives each a command alias. The English text stands beside the
# Japanese of the program's own version resource.
PROGRAMS = {
    "dovra.exe": ("command", "shuts down, restarts, logs off or powers off Windows from the command line"),
    "VuriRivu.exe": ("window", "a strip of buttons in a corner of the desktop that ends the Windows session"),
    "Velmar.exe": ("window", "asks this or another machine to shut down or restart, or aborts such a request"),
}
SHORT_DESCRIPTIONS = {
    "ja-JP": "Windows のセッションを終えるための小さなプログラム三つ",
    "en-US": "Three small programs that end a Windows session (in Japanese)",
}
# What a segment of a winget package identifier may not hold (its schema's pattern).
NOT_IN_IDENTIFIER = re.compile(r'[.\s\\/:*?"<>|\x00-\x1f]')
# What stands for itself inside YAML's double quotes: printable, neither a quote
# nor a backslash, nor a line break (YAML folds U+2028 and U+2029 as one), nor
# a byte-order mark.
YAML_PLAIN = re.compile(r"[\x20\x21\x23-\x5b\x5d-\x7e\xa0-\u2027\u202a-\ud7ff\ue000-\ufefe\uff00-\ufffd"
                        r"\U00010000-\U0010ffff]")


class ManifestError(Exception):
    """A release the manifests cannot describe; its text is the one line shown."""


def version_strings(block):
    """The values of the first string table of a VS_VERSIONINFO block: each node
    is its length, its value's length, whether that is text, a UTF-16 key,
    then the value and the children, each aligned to four bytes."""
    def nodes(at, end):
        while at + 6 <= end:
            length, value_length, text = struct.unpack_from("<HHH", block, at)
            if length == 0:
                return
            key_end = at + 6
            while block[key_end : key_end + 2] != b"\0\0":
                key_end += 2
            value = (key_end + 5) & ~3
            children = (value + value_length * (2 if text else 1) + 3) & ~3
            yield block[at + 6 : key_end].decode("utf-16-le"), value, value_length, children, at + length
            at = (at + length + 3) & ~3

    _, _, _, children, end = next(nodes(0, len(block)))
    for key, _, _, tables, tables_end in nodes(children, end):
        if key == "StringFileInfo":
            _, _, _, strings, strings_end = next(nodes(tables, tables_end))
            return {name: block[value : value + 2 * length].decode("utf-16-le").split("\0")[0]
                    for name, value, length, _, _ in nodes(strings, strings_end)}
    return {}


def program_facts(image, name):
    """(machine, oldest Windows as (major, minor), version strings) of a PE image."""
    try:
        pe, = struct.unpack_from("<I", image, 0x3C)
        if image[:2] != b"MZ" or image[pe : pe + 4] != b"PE\0\0":
            raise ManifestError(f"{name} is not a Windows program")
        machine, section_count = struct.unpack_from("<HH", image, pe + 4)
        optional_size, = struct.unpack_from("<H", image, pe + 20)
        optional = pe + 24
        magic, = struct.unpack_from("<H", image, optional)
        oldest_windows = struct.unpack_from("<HH", image, optional + 40)
        directories = optional + (96 if magic == 0x10B else 112)
        resources_rva, = struct.unpack_from("<I", image, directories + 2 * 8)
        sections = [struct.unpack_from("<IIII", image, optional + optional_size + 40 * i + 8)
                    for i in range(section_count)]

        def offset(rva):
            for size, address, raw_size, raw in sections:
                if address <= rva < address + max(size, raw_size):
                    return raw + rva - address
            raise ManifestError(f"{name}: no version resource")

        root = offset(resources_rva)

        def entry(directory, wanted=None):
            named, numbered = struct.unpack_from("<HH", image, directory + 12)
            for i in range(named + numbered):
                key, target = struct.unpack_from("<II", image, directory + 16 + 8 * i)
                if wanted in (None, key):
                    return root + (target & 0x7FFFFFFF)
            raise ManifestError(f"{name}: no version resource")

        data_rva, size = struct.unpack_from("<II", image, entry(entry(entry(root, RT_VERSION))))
        start = offset(data_rva)
        return machine, oldest_windows, version_strings(image[start : start + size])
    except (struct.error, StopIteration, UnicodeDecodeError):
        raise ManifestError(f"{name}: its version resource cannot be read") from None


def yaml_quoted(text):
    """<text> as a YAML double-quoted scalar, which every reader reads back as
    this text: quotes, backslashes and what YAML would not keep as it is (line
    breaks, other controls) are escaped."""
    def escaped(c):
        code = ord(c)
        return {'"': '\\"', "\\": "\\\\", "\n": "\\n", "\t": "\\t"}.get(c) or \
            (f"\\U{code:08X}" if code > 0xFFFF else f"\\u{code:04X}")
    return '"' + "".join(c if YAML_PLAIN.fullmatch(c) else escaped(c) for c in text) + '"'


def yaml_lines(mapping, indent=""):
    """A mapping whose values are texts or lists of mappings, as block YAML."""
    for key, value in mapping.items():
        if isinstance(value, str):
            yield f"{indent}{key}: {yaml_quoted(value)}\n"
            continue
        yield f"{indent}{key}:\n"
        for item in value:
            first, *rest = yaml_lines(item, indent + "  ")
            yield f"{indent}- {first[len(indent) + 2:]}"
            yield from rest


def winget_file(manifest_type, fields):
    """One winget manifest, its first line naming its schema as the community
    repository asks."""
    return (f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{manifest_type}."
            f"{WINGET_MANIFEST_VERSION}.schema.json\n\n" +
            "".join(yaml_lines(dict(fields, ManifestType=manifest_type,
                                    ManifestVersion=WINGET_MANIFEST_VERSION)))).encode()


def product(packed):
    """The zip's top folder, and each of its programs' facts by name."""
    with zipfile.ZipFile(io.BytesIO(packed)) as archive:
        names = archive.namelist()
        folders = {name.split("/")[0] for name in names}
        if len(folders) != 1:
            raise ManifestError(f"the zip holds {len(folders)} top folders, not one")
        folder, = folders
        programs = {name[len(folder) + 1:]: archive.read(name) for name in names
                    if name.count("/") == 1 and name.lower().endswith(".exe")}
    if sorted(programs) != sorted(PROGRAMS):
        raise ManifestError(f"the zip's programs are {', '.join(sorted(programs)) or 'none'}, "
                            f"not {', '.join(sorted(PROGRAMS))}")
    return folder, {name: program_facts(image, name) for name, image in programs.items()}


def manifests(packed, archive_name, url_base, epoch):
    """{path under the manifests' folder: bytes} for the zip <packed>, to be
    published as <url_base><archive_name>, made at the sources' date <epoch>."""
    if not re.fullmatch(r"https?://[^\s\"<>\\^`{|}]+", url_base):
        raise ManifestError(f"--url-base {url_base!r} is not an http or https address")
    url_base += "" if url_base.endswith("/") else "/"
    folder, facts = product(packed)
    shared = {}
    for field in ("CompanyName", "ProductName", "ProductVersion"):
        values = {strings.get(field, "") for _, _, strings in facts.values()}
        if len(values) != 1 or not all(values):
            raise ManifestError(f"the programs' version resources disagree on or lack {field}")
        shared[field], = values
    publisher, package, version = shared["CompanyName"], shared["ProductName"], shared["ProductVersion"]
    machines = {machine for machine, _, _ in facts.values()}
    if len(machines) != 1 or not machines <= ARCHITECTURES.keys():
        raise ManifestError("the programs are not all built for one machine winget knows")
    architecture = ARCHITECTURES[machines.pop()]
    if version not in archive_name:
        raise ManifestError(f"the zip's name {archive_name} does not hold the version {version}, "
                            "by which Scoop finds the next release")
    identifier_segments = [NOT_IN_IDENTIFIER.sub("", name)[:32] for name in (publisher, package)]
    identifier = ".".join(identifier_segments)
    url = url_base + urllib.parse.quote(archive_name)
    digest = hashlib.sha256(packed).hexdigest()
    oldest = max(windows for _, windows, _ in facts.values())
    ordered = sorted(PROGRAMS, key=str.lower)
    common = {"PackageIdentifier": identifier, "PackageVersion": version}
    locale = {"Publisher": publisher, "PackageName": package, "PackageUrl": url_base, "License": LICENSE}
    descriptions = {
        "ja-JP": [facts[name][2].get("FileDescription", "") for name in ordered],
        "en-US": [PROGRAMS[name][1] for name in ordered],
    }

    def described(language):
        return dict(locale, ShortDescription=SHORT_DESCRIPTIONS[language], Description="\n".join(
            f"{name}: {text}" for name, text in zip(ordered, descriptions[language])))

    winget = f"winget/manifests/{identifier[0].lower()}/{'/'.join(identifier_segments)}/{version}/{identifier}"
    scoop = {
        "version": version,
        "description": SHORT_DESCRIPTIONS[DEFAULT_LOCALE],
        "homepage": url_base,
        "license": LICENSE,
        "url": url,
        "hash": digest,
        "extract_dir": folder,
        "bin": [[name, name[:-4].lower()] for name in ordered if PROGRAMS[name][0] == "command"],
        "shortcuts": [[name, name[:-4]] for name in ordered if PROGRAMS[name][0] == "window"],
        # The folder that holds every release, and the zip's name with any version.
        "checkver": {"url": url_base, "regex": re.escape(archive_name).replace(re.escape(version), r"([\d.]+)")},
        # $url.sha256 is the release's sha256sum line of the zip, published beside it.
        "autoupdate": {"url": url.replace(version, "$version"), "extract_dir": folder.replace(version, "$version"),
                       "hash": {"url": "$url.sha256"}},
    }
    return {
        f"{winget}.yaml": winget_file("version", dict(common, DefaultLocale=DEFAULT_LOCALE)),
        f"{winget}.installer.yaml": winget_file("installer", dict(
            common, MinimumOSVersion=f"{oldest[0]}.{oldest[1]}.0.0", InstallerType="zip",
            NestedInstallerType="portable",
            NestedInstallerFiles=[{"RelativeFilePath": f"{folder}/{name}", "PortableCommandAlias": name[:-4].lower()}
                                  for name in ordered],
            ReleaseDate=time.strftime("%Y-%m-%d", time.gmtime(epoch)),
            Installers=[{"Architecture": architecture, "InstallerUrl": url,
                         "InstallerSha256": digest.upper()}])),
        f"{winget}.locale.{DEFAULT_LOCALE}.yaml": winget_file(
            "defaultLocale", dict(common, PackageLocale=DEFAULT_LOCALE, **described(DEFAULT_LOCALE),
                                  Moniker=package.lower())),
        f"{winget}.locale.en-US.yaml": winget_file("locale", dict(common, PackageLocale="en-US",
                                                                  **described("en-US"))),
        f"scoop/{package.lower()}.json": (json.dumps(scoop, ensure_ascii=False, indent=4) + "\n").encode(),
    }
