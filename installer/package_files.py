#!/usr/bin/env python3
"""Stages the files to ship and packs the portable zip, the same bytes from the same sources.

Usage:
  package_files.py stage TIME_FILE FOLDER FILE...   copy the files into FOLDER, dated TIME_FILE's time
  package_files.py zip TIME_FILE ZIP ROOT NAME...   pack ROOT/NAME... into ZIP, in name order

TIME_FILE holds the time the packages carry, in seconds since 1970 (UTC). The setup program
stores each file's date and gives it to the installed copy; the zip holds nothing that depends
on the build: names in a fixed order, that one time, fixed permissions, no extra fields.
Standard library only.
"""

import os
import shutil
import sys
import time
import zipfile

# The earliest time a zip entry can hold.
ZIP_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC


def ReadTime(path):
    with open(path, encoding="ascii") as f:
        return int(f.read().strip())


def Stage(timeFile, folder, files):
    when = ReadTime(timeFile)
    os.makedirs(folder, exist_ok=True)
    for source in files:
        target = os.path.join(folder, os.path.basename(source))
        shutil.copyfile(source, target)
        os.utime(target, (when, when))


def Zip(timeFile, archive, root, names):
    when = time.gmtime(max(ReadTime(timeFile), ZIP_EPOCH))[:6]
    partial = archive + ".part"
    with zipfile.ZipFile(partial, "w") as zf:
        for name in sorted(names):
            entry = zipfile.ZipInfo(name, date_time=when)
            entry.create_system = 3  # the permissions below are Unix ones, wherever this runs
            mode = 0o755 if name.lower().endswith(".exe") else 0o644
            entry.external_attr = (0o100000 | mode) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(root, name), "rb") as f:
                zf.writestr(entry, f.read(), compresslevel=6)  # zlib's default level
    os.replace(partial, archive)


def main():
    args = sys.argv[1:]
    if len(args) >= 3 and args[0] == "stage":
        Stage(args[1], args[2], args[3:])
    elif len(args) >= 5 and args[0] == "zip":
        Zip(args[1], args[2], args[3], args[4:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
