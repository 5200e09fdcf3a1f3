#!/usr/bin/env python3
"""Writes the program's web site: the front page, the help pages as Help.chm carries them, the
licence and SHA256SUMS, in a folder whose root is what the host publishes as its pages.

Everything a user checks comes from the build: the version, the downloads' sizes and checksums
(read from the files themselves and from SHA256SUMS, which must agree), the download links and the
package managers' names. The same arguments give the same bytes. Standard library only.
"""

import argparse
import hashlib
import html
import os
import shutil
import string
import struct
import sys

sys.dont_write_bytecode = True  # the build writes nothing into the sources
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "installer"))
from write_manifests import ReadChecksums  # noqa: E402  (SHA256SUMS is read one way)

# What each download is, by the end of its name.
KINDS = (("-setup.exe", "The setup program"), ("-portable.zip", "The portable zip"))


def PictureSize(path):
    """Width and height from a PNG's or BMP's header; None for another kind of file."""
    with open(path, "rb") as f:
        head = f.read(26)
    if head[:8] == b"\x89PNG\r\n\x1a\n":
        return struct.unpack(">II", head[16:24])
    if head[:2] == b"BM":
        width, height = struct.unpack("<ii", head[18:26])
        return width, abs(height)
    return None


def Download(name, path, digest, filesUrl):
    with open(path, "rb") as f:
        actual = hashlib.sha256(f.read()).hexdigest()
    if actual != digest:
        raise SystemExit(f"{name}: SHA256SUMS says {digest}, the file is {actual}")
    size = os.path.getsize(path)
    kind = next((text for end, text in KINDS if name.endswith(end)), "A download")
    return (f'<section class="download" data-file="{html.escape(name)}">\n'
            f'<h3><a href="{html.escape(filesUrl)}/{html.escape(name)}">{html.escape(name)}</a></h3>\n'
            f'<p>{kind}, <span class="bytes">{size:,}</span> bytes ({round(size / 1024):,} KB).<br>\n'
            f'SHA-256: <code class="sha256">{digest}</code></p>\n'
            f'</section>')


def CopyTree(source, target, skip=()):
    for folder, dirs, files in os.walk(source):
        dirs.sort()
        relative = os.path.relpath(folder, source)
        os.makedirs(os.path.join(target, relative), exist_ok=True)
        for name in sorted(files):
            if not name.endswith(skip):
                shutil.copyfile(os.path.join(folder, name), os.path.join(target, relative, name))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("out", "source", "help-pages", "screenshots", "license", "sums", "downloads", "version",
                   "publisher", "copyright", "repository", "tag", "files-url", "winget-id", "scoop-bucket",
                   "scoop-bucket-url", "scoop-app"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--signed", action="store_true", help="the downloads are signed")
    args = parser.parse_args()

    shutil.rmtree(args.out, ignore_errors=True)
    os.makedirs(os.path.join(args.out, "pictures"))
    # The help pages as they are compiled, without the compiler's project, contents and index.
    CopyTree(args.help_pages, os.path.join(args.out, "help"), skip=(".hhp", ".hhc", ".hhk"))
    shutil.copyfile(os.path.join(args.source, "site.css"), os.path.join(args.out, "site.css"))
    shutil.copyfile(args.license, os.path.join(args.out, "license.txt"))
    shutil.copyfile(args.sums, os.path.join(args.out, "SHA256SUMS"))
    sizes = {}
    for picture, stem in (("screenshot.png", "window"), ("screenshot-150.png", "window150")):
        path = os.path.join(args.screenshots, picture)
        shutil.copyfile(path, os.path.join(args.out, "pictures", picture.replace("screenshot", "window")))
        sizes[stem + "_width"], sizes[stem + "_height"] = PictureSize(path)

    sums = ReadChecksums(args.sums)
    # The setup first, as most users want it.
    names = sorted(sums, key=lambda name: (not name.endswith("-setup.exe"), name))
    downloads = "\n".join(Download(name, os.path.join(args.downloads, name), sums[name], args.files_url)
                          for name in names)
    setup = next((name for name in names if name.endswith("-setup.exe")), names[0])
    if args.signed:
        signing = (f"These downloads, and the programs in them, are signed by {html.escape(args.publisher)}. "
                   "Windows still asks about a certificate it does not know yet, as below.")
    else:
        signing = ("These downloads are not signed: Windows names no publisher for them, SmartScreen may stop "
                   "them with a warning, and Smart App Control, where it is on, blocks them.")
    with open(os.path.join(args.source, "index.html"), encoding="utf-8") as f:
        template = string.Template(f.read())
    page = template.substitute(
        sizes, version=html.escape(args.version), downloads=downloads, setup_name=html.escape(setup),
        winget_id=html.escape(args.winget_id), scoop_bucket=html.escape(args.scoop_bucket),
        scoop_bucket_url=html.escape(args.scoop_bucket_url), scoop_app=html.escape(args.scoop_app),
        signing=signing, repository=html.escape(args.repository), tag=html.escape(args.tag),
        publisher=html.escape(args.publisher), copyright=html.escape(args.copyright))
    with open(os.path.join(args.out, "index.html"), "w", encoding="utf-8", newline="\n") as f:
        f.write(page)


if __name__ == "__main__":
    main()
