#!/usr/bin/env python3
"""Packs the download for Windows users: a zip holding Veltrano.exe and the
usage notes as 使用说明.txt, in UTF-8 with a byte-order mark and CRLF line
ends, so that Notepad of every Windows version shows it.

    make-dist.py VERSION EXE NOTES ZIP
"""
import os
import sys
import zipfile

NOTES_NAME = "使用说明.txt"


def main(version, exe, notes, out):
    with open(notes, encoding="utf-8") as f:
        text = f.read().replace("@VERSION@", version)
    data = "\ufeff".encode("utf-8") + text.replace("\n", "\r\n").encode("utf-8")
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    partial = out + ".partial"
    # zipfile marks the Chinese name as UTF-8, which Explorer honours.
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED) as z:
        z.write(exe, "Veltrano.exe")
        z.writestr(NOTES_NAME, data)
    os.replace(partial, out)
    print(out)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
