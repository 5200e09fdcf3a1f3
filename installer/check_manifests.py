#!/usr/bin/env python3
"""Checks the winget and Scoop manifests beside the downloads against what really ships:
each parses, names a download whose checksum it carries (the one in SHA256SUMS), and holds
what the setup script, the zip and the version resources of the setup and the program say.

  check_manifests.py --downloads DIR --nsi Huetrove.nsi --license license.txt
"""

import argparse
import glob
import hashlib
import json
import os
import re
import sys
import zipfile

failures = []


def Expect(what, got, want):
    if got != want:
        failures.append(f"{what}: {got!r}, expected {want!r}")


def ParseYaml(path):
    """The subset the manifests use, strictly: keys with a scalar, a mapping one level down,
    a list of scalars, or a list of one-level mappings. Anything else is an error."""
    def Value(text):
        return json.loads(text) if text.startswith('"') else text
    root, key, container = {}, None, None
    for number, line in enumerate(open(path, encoding="utf-8").read().splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        if m := re.fullmatch(r"([A-Za-z]\w*):(?: (\S.*))?", line):
            if m[1] in root:
                raise ValueError(f"{path}:{number}: {m[1]} twice")
            key, container = m[1], None
            root[key] = Value(m[2]) if m[2] is not None else None
        elif m := re.fullmatch(r"(- |  )([A-Za-z]\w*): (\S.*)", line):
            if key is None or isinstance(root[key], str):
                raise ValueError(f"{path}:{number}: no mapping to hold this")
            if m[1] == "- ":
                container = {}
                root[key] = (root[key] or []) + [container]
            elif root[key] is None:
                container = root[key] = {}
            if container is None or m[2] in container:
                raise ValueError(f"{path}:{number}: cannot read this")
            container[m[2]] = Value(m[3])
        elif m := re.fullmatch(r"- (\S.*)", line):
            if key is None or not isinstance(root[key] or [], list):
                raise ValueError(f"{path}:{number}: no list to hold this")
            root[key] = (root[key] or []) + [Value(m[1])]
        else:
            raise ValueError(f"{path}:{number}: cannot read: {line}")
    return root


def VersionStrings(data):
    """The StringFileInfo values of a PE file's version resource."""
    strings = {}
    for key in ("CompanyName", "FileDescription", "FileVersion", "LegalCopyright", "ProductName", "ProductVersion"):
        name = (key + "\0").encode("utf-16-le")
        at = data.find(name)
        # A String entry: length, value length in characters, type 1 (text), key, padding, value.
        count, kind = (int.from_bytes(data[at - 4 + i:at - 2 + i], "little") for i in (0, 2))
        if at < 6 or kind != 1:
            raise ValueError(f"no {key} in the version resource")
        start = (at + len(name) + 3) & ~3
        strings[key] = data[start:start + 2 * count].decode("utf-16-le").rstrip("\0")
    return strings


def Machine(data):
    pe = int.from_bytes(data[0x3C:0x40], "little")
    return int.from_bytes(data[pe + 4:pe + 6], "little") if data[pe:pe + 4] == b"PE\0\0" else None


def NsiValues(script, setupStrings):
    """The setup script's defines, those that the build passes read back from the setup's
    version resource (VIAddVersionKey "CompanyName" "${PUBLISHER}" and the like), and a
    resolver of ${NAME}."""
    defines = dict(re.findall(r'^!define (\w+) "(.*)"$', script, re.M))
    for key, name in re.findall(r'^VIAddVersionKey /LANG=1033 "(\w+)" "\$\{(\w+)\}"$', script, re.M):
        defines.setdefault(name, setupStrings[key])
    resolve = lambda text: re.sub(r"\$\{(\w+)\}", lambda m: resolve(defines[m[1]]), text)
    return resolve


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--downloads", required=True)
    p.add_argument("--nsi", required=True)
    p.add_argument("--license", required=True)
    a = p.parse_args()
    sums = dict(reversed(line.split("  ", 1)) for line in open(os.path.join(a.downloads, "SHA256SUMS")).read().splitlines())
    for name, digest in sums.items():
        Expect(f"SHA256SUMS of {name}", hashlib.sha256(open(os.path.join(a.downloads, name), "rb").read()).hexdigest(), digest)
    setupName = next(n for n in sums if n.endswith("-setup.exe"))
    zipName = next(n for n in sums if n.endswith("-portable.zip"))
    setup = open(os.path.join(a.downloads, setupName), "rb").read()
    zipped = zipfile.ZipFile(os.path.join(a.downloads, zipName))
    folder = {n.split("/")[0] for n in zipped.namelist()}
    program = zipped.read(f"{min(folder)}/Huetrove.exe")
    exe, setupStrings = VersionStrings(program), VersionStrings(setup)
    script = open(a.nsi, encoding="utf-8").read()
    resolve = NsiValues(script, setupStrings)
    version = exe["ProductVersion"]
    # The web page https://OWNER.github.io/REPO/ is the pages of the repository OWNER/REPO.
    webPage = resolve("${WEB_PAGE}")
    owner, repo = re.fullmatch(r"https://([\w-]+)\.github\.io/([\w-]+)/", webPage).groups()
    repository = f"https://github.com/{owner}/{repo}"
    filesUrl = f"{repository}/releases/download/v{version}"
    entry = {name: resolve(value) for name, value in
             re.findall(r'^\s*WriteRegStr HKCU "\$\{UNINSTALL_KEY\}" "(\w+)" "(.*)"$', script, re.M)}
    productCode = resolve("${UNINSTALL_KEY}").rsplit("\\", 1)[1]

    winget = sorted(glob.glob(os.path.join(a.downloads, "winget", "*.yaml")))
    manifests = {m.get("ManifestType"): m for m in map(ParseYaml, winget)}
    Expect("winget manifests", sorted(manifests), ["defaultLocale", "installer", "version"])
    for kind, m in manifests.items():
        Expect(f"{kind} PackageIdentifier", m.get("PackageIdentifier"), f"{setupStrings['CompanyName']}.{exe['ProductName']}")
        Expect(f"{kind} PackageVersion", m.get("PackageVersion"), version)
        Expect(f"{kind} ManifestVersion", m.get("ManifestVersion"), "1.9.0")
    Expect("DefaultLocale", manifests["version"].get("DefaultLocale"), manifests["defaultLocale"].get("PackageLocale"))

    i = manifests["installer"]
    Expect("InstallerType", i.get("InstallerType"), "nullsoft" if b"NullsoftInst" in setup else "not an NSIS setup")
    Expect("Scope", i.get("Scope"), "user" if "RequestExecutionLevel user" in script else "not a per-user setup")
    Expect("InstallerSwitches", i.get("InstallerSwitches"), {"Silent": "/S", "SilentWithProgress": "/S"})
    Expect("UpgradeBehavior", i.get("UpgradeBehavior"), "install")
    Expect("ProductCode", i.get("ProductCode"), productCode)
    Expect("AppsAndFeaturesEntries", i.get("AppsAndFeaturesEntries"),
           [{"DisplayName": entry["DisplayName"], "Publisher": entry["Publisher"],
             "DisplayVersion": entry["DisplayVersion"], "ProductCode": productCode}])
    machines = {Machine(setup), Machine(program)}
    Expect("Installers", i.get("Installers"),
           [{"Architecture": "x64" if machines == {0x8664} else f"machines {machines}",
             "InstallerUrl": f"{filesUrl}/{setupName}", "InstallerSha256": sums[setupName].upper()}])

    d = manifests["defaultLocale"]
    licence = open(a.license, encoding="utf-8").readline().strip()
    want = {"Publisher": entry["Publisher"], "PackageName": exe["ProductName"], "PackageUrl": entry["URLInfoAbout"],
            "License": licence.removesuffix(" License"), "Copyright": exe["LegalCopyright"],
            "ShortDescription": exe["FileDescription"], "ReleaseNotesUrl": f"{repository}/releases/tag/v{version}"}
    for key, value in want.items():
        Expect(f"defaultLocale {key}", d.get(key), value)

    s = json.load(open(os.path.join(a.downloads, "scoop", "huetrove.json"), encoding="utf-8"))
    Expect("scoop version", s.get("version"), version)
    Expect("scoop homepage", s.get("homepage"), webPage)
    Expect("scoop description and license", [s.get("description"), s.get("license")], [exe["FileDescription"], want["License"]])
    Expect("scoop download", s.get("architecture", {}).get("64bit"), {"url": f"{filesUrl}/{zipName}", "hash": sums[zipName]})
    Expect("scoop extract_dir", [s.get("extract_dir")], sorted(folder))
    inZip = lambda name: name if f"{s.get('extract_dir')}/{name}" in zipped.namelist() else f"{name} (not in the zip)"
    Expect("scoop bin", s.get("bin"), inZip("Huetrove.exe"))
    Expect("scoop shortcuts", s.get("shortcuts"), [[inZip("Huetrove.exe"), exe["ProductName"]]])

    for failure in failures:
        print("MANIFEST:", failure, file=sys.stderr)
    print(f"{len(winget)} winget manifests and the Scoop manifest: " + ("wrong" if failures else "true to the downloads"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
