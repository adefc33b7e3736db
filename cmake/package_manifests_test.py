#!/usr/bin/env python3
"""Releases with manifests, unsigned and signed by a throwaway certificate, read
back as winget and Scoop read them and against their publishers' JSON schemas
(shared/schemas beside the sources, when there); then each kind of fault once,
in a damaged copy, which must fail its rule:
    package_manifests_test.py <company> <version> <guide.txt> <LICENSE> <program.exe>..."""
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

import jsonschema
import yaml

HERE = Path(__file__).resolve().parent
SCHEMAS = HERE.parent.parent / "shared" / "schemas"
URL = "https://downloads.example/vuririvu/"  # never contacted
HEADER = "# yaml-language-server: $schema=https://aka.ms/winget-manifest.{}.1.12.0.schema.json\n"
# What breaks, in which file, its text, what that becomes, and the rule that must then fail.
DAMAGES = [
    ("a wrong hash", ".installer.yaml", r'Sha256: "\w+"', 'Sha256: "' + "0" * 64 + '"', "SHA-256"),
    ("a nested file missing from the zip", ".installer.yaml", r"/Velmar\.exe", "/Velmar2.exe", "nested"),
    ("a key twice", ".en-US.yaml", r'(License: "MIT"\n)', r"\1\1", "key twice"),
    ("a version read as a number", "VuriRivu.yaml", r'PackageVersion: "[^"]+"', "PackageVersion: 1.10", "YAML 1.1"),
    ("a shim of a file not in the zip", ".json", r'"dovra\.exe"', '"dovra2.exe"', "shim"),
    ("a field the schema does not know", ".json", r'"checkver": \{', '"checkver": {"unknown": "x", ', "JSON schema"),
]
failures = []


def check(what, holds):
    print(("ok: " if holds else "FAILED: ") + what)
    if not holds:
        failures.append(what)


class WingetReader(yaml.BaseLoader):
    """Every value is text; a key twice is an error."""
    def construct_mapping(self, node, deep=False):
        if len({key.value for key, _ in node.value}) != len(node.value):
            raise yaml.constructor.ConstructorError(None, None, "a key twice", node.start_mark)
        return super().construct_mapping(node, deep)


def valid(document, schema):
    return (SCHEMAS / schema).is_file() and not list(jsonschema.Draft7Validator(
        json.loads((SCHEMAS / schema).read_text()), format_checker=jsonschema.FormatChecker()).iter_errors(document))


def winget_read(path):
    """A manifest as winget reads it; {} where winget refuses it, where its first
    line names another schema, or where a YAML 1.1 reader would type a value."""
    text = path.read_text(encoding="utf-8")
    try:
        doc = yaml.load(text, WingetReader)
    except yaml.YAMLError:
        return {}
    return doc if text.startswith(HEADER.format(doc.get("ManifestType"))) and yaml.safe_load(text) == doc else {}


def fields(mapping, *keys):
    return [mapping.get(key) for key in keys]


def rules(manifests, archive, company):
    """Each rule of the clients, and whether the manifests hold it."""
    name, digest = archive.name, hashlib.sha256(archive.read_bytes()).hexdigest()
    with zipfile.ZipFile(archive) as unpacked:
        programs = sorted(entry for entry in unpacked.namelist() if entry.endswith(".exe"))
    docs = {path: winget_read(path) for path in manifests.glob("winget/**/*.yaml")}
    version, installer, ja, en = ({doc.get("ManifestType"): doc for doc in docs.values()}.get(kind, {})
                                  for kind in ("version", "installer", "defaultLocale", "locale"))
    identifier, package_version = (version.get(key, "") for key in ("PackageIdentifier", "PackageVersion"))
    layout = Path(manifests, "winget", "manifests", identifier[:1].lower(), *identifier.split("."), package_version)
    installers = [dict(installer, **each) for each in installer.get("Installers", [])]
    nested = [file for each in installers for file in each.get("NestedInstallerFiles", [])]
    raw = next(manifests.glob("scoop/*.json")).read_bytes()
    scoop = json.loads(raw)
    autoupdate, found = scoop.get("autoupdate", {}), re.fullmatch(scoop.get("checkver", {}).get("regex", "$^"), name)
    beside = re.search(r"([a-fA-F0-9]{64})[ \t]+.*" + re.escape(name), Path(f"{archive}.sha256").read_text())
    held = {
        "winget: four files in the community repository's layout": sorted(docs) == sorted(
            layout / f"{identifier}{kind}.yaml" for kind in ("", ".installer", ".locale.ja-JP", ".locale.en-US")),
        "winget: each names its schema first, reads as all text, no key twice, and alike in YAML 1.1":
            all(docs.values()),
        "winget: one identifier and version, ManifestVersion 1.12.0; ja-JP by default, en-US; the company, MIT": {
            tuple(fields(doc, "PackageIdentifier", "PackageVersion", "ManifestVersion")) for doc in docs.values()} ==
            {(identifier, package_version, "1.12.0")} and version.get("DefaultLocale") == "ja-JP" and
            [fields(doc, "PackageLocale", "Publisher", "License") for doc in (ja, en)] ==
            [["ja-JP", company, "MIT"], ["en-US", company, "MIT"]],
        "winget: a zip of nested portables at its address, with its SHA-256 and date": installers != [] and all(
            fields(each, "InstallerType", "NestedInstallerType", "InstallerUrl", "InstallerSha256", "ReleaseDate") ==
            ["zip", "portable", URL + name, digest.upper(), "2023-11-14"] for each in installers),
        "winget: the nested files are the zip's programs, each with an alias of its own":
            sorted(file.get("RelativeFilePath") for file in nested) == programs and
            len({file.get("PortableCommandAlias", "").lower() for file in nested} - {""}) == len(nested),
        "Scoop: UTF-8 without BOM, the version, the zip's address and hash, MIT, no architecture":
            not raw.startswith(b"\xef\xbb\xbf") and "architecture" not in scoop and
            fields(scoop, "version", "url", "hash", "license") == [package_version, URL + name, digest, "MIT"],
        "Scoop: a shim [program, alias] or a shortcut for each program of the zip, once": sorted(
            f"{scoop.get('extract_dir')}/{entry[0]}" for entry in scoop.get("bin", []) + scoop.get("shortcuts", []))
            == programs and all(len(entry) == 2 for entry in scoop.get("bin", [])),
        "Scoop: checkver and autoupdate find this release by its version, its hash in the .sha256 beside it":
            found is not None and found.groups() == (package_version,) and
            [autoupdate.get(key, "").replace("$version", package_version) for key in ("url", "extract_dir")] ==
            fields(scoop, "url", "extract_dir") and autoupdate.get("hash") == {"url": "$url.sha256"} and
            beside is not None and beside.group(1) == digest,
    }
    if SCHEMAS.is_dir():
        held["every file valid against its publisher's JSON schema"] = valid(scoop, "scoop/schema.json") and all(
            valid(doc, f"winget-1.12.0/manifest.{doc.get('ManifestType')}.1.12.0.json") for doc in docs.values())
    return held


def release(out, version, inputs, *options):
    """Packs <inputs> into <out> as scripts/release does: what the packer said, and the zip."""
    archive = Path(out, f"VuriRivu-{version}-win32.zip")
    archive.parent.mkdir(parents=True, exist_ok=True)
    result = subprocess.run([sys.executable, HERE / "pack_release.py", *options, archive, f"VuriRivu-{version}",
                             *inputs], capture_output=True, text=True,
                            env=dict(os.environ, SOURCE_DATE_EPOCH="1700000000", RELEASE_SIGN_PASSWORD=""))
    return result.stdout + result.stderr, archive


def main(company, version, *inputs):
    if not SCHEMAS.is_dir():
        print(f"no published schemas at {SCHEMAS}: checked only the clients' rules, not the schemas")
    with tempfile.TemporaryDirectory() as work:
        work, pfx = Path(work), Path(work, "signer.pfx")
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=signer",
                        "-addext", "extendedKeyUsage=codeSigning", "-keyout", work / "key", "-out", work / "cert"],
                       capture_output=True, check=True)
        subprocess.run(["openssl", "pkcs12", "-export", "-inkey", work / "key", "-in", work / "cert", "-passout",
                        "pass:", "-out", pfx], capture_output=True, check=True)
        for kind, signing in (("signed", ["--sign", pfx]), ("unsigned", [])):
            said, archive = release(work / kind, version, inputs, *signing, "--url-base", URL)
            check(f"{kind}: the release is {kind} and names its five manifests", ("(signed with" in said) ==
                  bool(signing) and said.count(f"{work / kind / 'manifests'}/") == 5)
            for rule, holds in rules(work / kind / "manifests", archive, company).items():
                check(f"{kind}: {rule}", holds)

        for what, suffix, pattern, replacement, rule in DAMAGES:
            damaged = shutil.copytree(work / "unsigned" / "manifests", work / "damaged")
            path = next(damaged.glob(f"**/*{suffix}"))
            text, count = re.subn(pattern, replacement, path.read_text(encoding="utf-8"))
            path.write_text(text, encoding="utf-8")
            broken = [name for name, holds in rules(damaged, archive, company).items() if not holds]
            if "JSON" not in rule or SCHEMAS.is_dir():
                check(f"{what}: fails {' / '.join(broken) or 'no rule'}", count == 1 and any(rule in b for b in broken))
            shutil.rmtree(damaged)

        said, _ = release(work / "unsigned", version, inputs)
        check("without --url-base: no manifests, not even the earlier ones, and it says so",
              not (work / "unsigned" / "manifests").exists() and "no winget or Scoop manifests" in said)
    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
