#!/usr/bin/env python3
"""What the bytes of Huetrove.exe are, from the linker's map and the section headers:
Markdown table rows for BENCHMARKS.md. Usage: exe_bytes.py MAP EXE"""
import re
import subprocess
import sys

map_path, exe_path = sys.argv[1], sys.argv[2]

# Each input section the linker kept: its size and the archive (or object) it came from.
kinds = {"program code and data": 0, "C++ runtime": 0, "C runtime and threads": 0}
pending = None
kept = False  # the map lists the sections it discarded first
for line in open(map_path, encoding="utf-8", errors="replace"):
    if line.startswith("Linker script and memory map"):
        kept = True
    if not kept:
        continue
    whole = re.match(r"^ (\.text|\.rdata|\.data|\.xdata|\.pdata)\S*\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+)", line)
    split = re.match(r"^\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+\.(?:o|obj|a\(.*\)))\s*$", line)
    if re.match(r"^ (\.text|\.rdata|\.data|\.xdata|\.pdata)\S*\s*$", line):
        pending = True
        continue
    if whole:
        size, source = int(whole.group(2), 16), whole.group(3)
    elif pending and split:
        size, source = int(split.group(1), 16), split.group(2)
    else:
        pending = None
        continue
    pending = None
    name = source.split("/")[-1]
    if name.startswith("libhuetrove") or name.endswith(".obj"):
        kinds["program code and data"] += size
    elif name.startswith(("libstdc++", "libsupc++", "libgcc")):
        kinds["C++ runtime"] += size
    else:
        kinds["C runtime and threads"] += size

sections = {}
for line in subprocess.run(["x86_64-w64-mingw32-objdump", "-h", exe_path], capture_output=True, text=True).stdout.splitlines():
    fields = line.split()
    if len(fields) >= 3 and fields[0].isdigit():
        sections[fields[1]] = int(fields[2], 16)

total = sum(sections.values())
resources = sections.get(".rsrc", 0)
imports = sections.get(".idata", 0) + sections.get(".reloc", 0) + sections.get(".edata", 0)
print("| Part of the executable | KB |")
print("|---|---|")
for kind, size in kinds.items():
    print(f"| {kind} (code, constants, unwind tables) | {size / 1024:.0f} |")
print(f"| resources (icons, version, manifest) | {resources / 1024:.0f} |")
print(f"| import, export and relocation tables | {imports / 1024:.0f} |")
print(f"| all sections (the file adds headers and alignment) | {total / 1024:.0f} |")
