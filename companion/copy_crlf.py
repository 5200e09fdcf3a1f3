#!/usr/bin/env python3
"""Copies a text file with Windows (CRLF) line endings, whatever endings the checkout gave it.

Usage: copy_crlf.py INPUT OUTPUT
"""

import sys


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: copy_crlf.py INPUT OUTPUT")
    with open(sys.argv[1], "rb") as f:
        text = f.read()
    text = text.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
    with open(sys.argv[2], "wb") as f:
        f.write(text)


if __name__ == "__main__":
    main()
