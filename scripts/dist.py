#!/usr/bin/env python3
"""Packs the release: build/ledgerly-VERSION-win32.zip with the stripped i686
ledgerly.exe and a short text on running it. The zip is the same bytes for
the same inputs: fixed entry order, times and permissions."""
import os
import sys
import zipfile

VERSION = "1.0.0"
FIXED_TIME = (2024, 1, 1, 0, 0, 0)


def entry(name):
    info = zipfile.ZipInfo(name, FIXED_TIME)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.create_system = 0  # MS-DOS: no Unix permissions recorded
    info.external_attr = 0
    return info


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    exe = os.path.join(root, "build", "i686", "ledgerly.exe")
    text = os.path.join(root, "res", "dist-readme.txt")
    out = os.path.join(root, "build", f"ledgerly-{VERSION}-win32.zip")
    with open(exe, "rb") as f:
        program = f.read()
    with open(text, "rb") as f:
        readme = f.read().replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")  # for Notepad
    folder = f"ledgerly-{VERSION}/"
    with zipfile.ZipFile(out, "w") as z:
        z.writestr(entry(folder + "ledgerly.exe"), program, compresslevel=9)
        z.writestr(entry(folder + "README.txt"), readme, compresslevel=9)
    print(f"{out}: ledgerly.exe {len(program)} bytes, zip {os.path.getsize(out)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
