#!/usr/bin/env python3
"""Writes the package managers' manifests beside the downloads, with the checksums of SHA256SUMS.

  OUT/winget/ID.yaml, ID.installer.yaml, ID.locale.en-US.yaml   the setup, for winget (when --setup is given)
  OUT/scoop/NAME.json                                          the portable zip, for Scoop

The same arguments give the same bytes. Standard library only.
"""

import argparse
import json
import os
import re

WINGET_MANIFEST_VERSION = "1.9.0"
LOCALE = "en-US"


def ReadChecksums(path):
    sums = {}
    with open(path, encoding="ascii") as f:
        for line in f:
            digest, name = line.rstrip("\n").split("  ", 1)
            sums[name] = digest
    return sums


def Scalar(value):
    """A YAML scalar: plain where YAML reads it back as the same string, else double-quoted."""
    plain = (re.fullmatch(r"[A-Za-z/][A-Za-z0-9 ._/:%()\\+-]*", value)
             and ": " not in value and not value.endswith((":", " "))
             and value.lower() not in ("true", "false", "yes", "no", "on", "off", "null", "y", "n"))
    return value if plain else json.dumps(value)


def Yaml(schema, fields):
    """fields: (key, value) pairs; a value is a text, a list of texts, a dict, or a list of dicts."""
    lines = [f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{schema}.{WINGET_MANIFEST_VERSION}.schema.json", ""]
    for key, value in fields:
        if isinstance(value, str):
            lines.append(f"{key}: {Scalar(value)}")
        elif isinstance(value, dict):
            lines.append(f"{key}:")
            lines += [f"  {k}: {Scalar(v)}" for k, v in value.items()]
        else:
            lines.append(f"{key}:")
            for item in value:
                if isinstance(item, str):
                    lines.append(f"- {Scalar(item)}")
                else:
                    for i, (k, v) in enumerate(item.items()):
                        lines.append(f"{'- ' if i == 0 else '  '}{k}: {Scalar(v)}")
    return "\n".join(lines) + "\n"


def Write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def Winget(a, sums):
    head = [("PackageIdentifier", a.id), ("PackageVersion", a.version)]
    tail = lambda kind: [("ManifestType", kind), ("ManifestVersion", WINGET_MANIFEST_VERSION)]
    # The uninstall entry's key is the product's name (installer/Huetrove.nsi), under HKCU.
    entry = {"DisplayName": a.name, "Publisher": a.publisher, "DisplayVersion": a.version, "ProductCode": a.name}
    installer = head + [
        ("MinimumOSVersion", "10.0.0.0"),
        ("InstallerType", "nullsoft"),
        ("Scope", "user"),
        ("InstallModes", ["interactive", "silent", "silentWithProgress"]),
        ("InstallerSwitches", {"Silent": "/S", "SilentWithProgress": "/S"}),
        # Installing over an installation replaces it in place, settings kept.
        ("UpgradeBehavior", "install"),
        ("ProductCode", a.name),
        ("AppsAndFeaturesEntries", [entry]),
        ("Installers", [{"Architecture": "x64", "InstallerUrl": f"{a.files_url}/{a.setup}",
                         "InstallerSha256": sums[a.setup].upper()}]),
    ] + tail("installer")
    locale = head + [
        ("PackageLocale", LOCALE),
        ("Publisher", a.publisher),
        ("PackageName", a.name),
        ("PackageUrl", a.web_page),
        ("License", a.license),
        ("LicenseUrl", a.license_url),
        ("Copyright", a.copyright),
        ("ShortDescription", a.description),
        ("Moniker", a.name.lower()),
        ("Tags", ["color-picker", "colour-picker", "eyedropper"]),
        ("ReleaseNotesUrl", a.notes_url),
    ] + tail("defaultLocale")
    version = head + [("DefaultLocale", LOCALE)] + tail("version")
    folder = os.path.join(a.out, "winget")
    Write(os.path.join(folder, f"{a.id}.yaml"), Yaml("version", version))
    Write(os.path.join(folder, f"{a.id}.installer.yaml"), Yaml("installer", installer))
    Write(os.path.join(folder, f"{a.id}.locale.{LOCALE}.yaml"), Yaml("defaultLocale", locale))


def Scoop(a, sums):
    program = f"{a.name}.exe"
    # Scoop's own placeholder, for the bucket's updates of later releases.
    pattern = lambda text: text.replace(a.version, "$version")
    manifest = {
        "version": a.version,
        "description": a.description,
        "homepage": a.web_page,
        "license": a.license,
        "architecture": {"64bit": {"url": f"{a.files_url}/{a.zip}", "hash": sums[a.zip]}},
        # The zip holds one folder, named after the program.
        "extract_dir": a.name,
        "bin": program,
        "shortcuts": [[program, a.name]],
        "checkver": {"github": a.repository},
        "autoupdate": {
            "architecture": {"64bit": {"url": pattern(f"{a.files_url}/{a.zip}")}},
            "hash": {"url": "$baseurl/SHA256SUMS"},
        },
    }
    Write(os.path.join(a.out, "scoop", f"{a.name.lower()}.json"), json.dumps(manifest, indent=4) + "\n")


def main():
    p = argparse.ArgumentParser(description=__doc__)
    for name in ("sums", "out", "id", "name", "version", "publisher", "copyright", "description", "license",
                 "license-url", "web-page", "repository", "files-url",
                 "notes-url", "zip"):
        p.add_argument("--" + name, required=True)
    p.add_argument("--setup")
    a = p.parse_args()
    sums = ReadChecksums(a.sums)
    Scoop(a, sums)
    if a.setup:
        Winget(a, sums)


if __name__ == "__main__":
    main()
