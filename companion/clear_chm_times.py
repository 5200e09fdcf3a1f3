#!/usr/bin/env python3
"""Clears the compile times that help compilers write into a .chm file, in place.

Usage: clear_chm_times.py FILE

Two fields hold them: the time stamp of the file header, and entry 10 of the internal #SYSTEM
file (which is stored uncompressed, in section 0). Neither is read when the help is shown; both
made every compile of the same pages differ. Nothing moves, so the file stays as valid as it was.
Standard library only.
"""

import struct
import sys


def EncInt(data, pos):
    """Reads one of the format's variable-length numbers: 7 bits a byte, high bit for 'more'."""
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos


def FindEntry(data, wanted):
    """Section and offset of an internal file, from the directory's listing chunks."""
    sectionTable = struct.unpack_from("<QQQQ", data, 0x38)
    directory = sectionTable[2]
    if data[directory : directory + 4] != b"ITSP":
        raise ValueError("no directory header")
    headerLength, = struct.unpack_from("<I", data, directory + 8)
    chunkSize, = struct.unpack_from("<I", data, directory + 0x10)
    chunkCount, = struct.unpack_from("<I", data, directory + 0x2C)
    for chunk in range(chunkCount):
        start = directory + headerLength + chunk * chunkSize
        if data[start : start + 4] != b"PMGL":
            continue
        free, = struct.unpack_from("<I", data, start + 4)
        pos, end = start + 20, start + chunkSize - free
        while pos < end:
            length, pos = EncInt(data, pos)
            name = bytes(data[pos : pos + length])
            pos += length
            section, pos = EncInt(data, pos)
            offset, pos = EncInt(data, pos)
            size, pos = EncInt(data, pos)
            if name == wanted:
                return section, offset, size
    raise ValueError("no " + wanted.decode())


def ClearTimes(data):
    if data[:4] != b"ITSF":
        raise ValueError("not a compiled help file")
    headerLength, = struct.unpack_from("<I", data, 8)
    data[16:20] = bytes(4)
    # Section 0 starts where the header says, after the header section table.
    content = struct.unpack_from("<Q", data, 0x58)[0] if headerLength >= 0x60 else None
    if content is None:
        raise ValueError("header without a content offset")
    section, offset, size = FindEntry(data, b"/#SYSTEM")
    if section != 0:
        raise ValueError("#SYSTEM is not stored uncompressed")
    pos, end = content + offset + 4, content + offset + size  # after the version
    while pos + 4 <= end:
        code, length = struct.unpack_from("<HH", data, pos)
        if code == 10:
            data[pos + 4 : pos + 4 + length] = bytes(length)
        pos += 4 + length


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as f:
        data = bytearray(f.read())
    try:
        ClearTimes(data)
    except (ValueError, struct.error, IndexError) as error:
        sys.exit(f"{sys.argv[1]}: {error}")
    with open(sys.argv[1], "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
