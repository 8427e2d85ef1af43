#!/usr/bin/env python3
"""Reads back what a Windows user gets: the manifest and the version
resource of Veltrano.exe, and the download zip's two files.

    check_windows_package.py VERSION EXE ZIP
"""
import re
import struct
import sys
import xml.etree.ElementTree as ET
import zipfile

RT_VERSION, RT_MANIFEST = 16, 24
WINDOWS_7_TO_11 = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                   "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}


def resources(pe, type_id):
    """The data of every resource of one type, read through the PE headers."""
    header = struct.unpack_from("<I", pe, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", pe, header + 6)
    optional = header + 24
    assert struct.unpack_from("<H", pe, optional)[0] == 0x20B, "not a 64-bit executable"
    root_rva = struct.unpack_from("<I", pe, optional + 112 + 2 * 8)[0]
    assert root_rva, "no resources"
    table = [struct.unpack_from("<8x4I", pe, optional + optional_size + 40 * i) for i in range(sections)]

    def at(rva):
        return next(raw + rva - va for _, va, size, raw in table if va <= rva < va + size)

    def entries(offset):
        named, ids = struct.unpack_from("<12xHH", pe, at(root_rva + offset))
        return [struct.unpack_from("<II", pe, at(root_rva + offset) + 16 + 8 * i) for i in range(named + ids)]

    found = []
    for name, sub in entries(0):
        if name != type_id:
            continue
        for _, lang_dir in entries(sub & 0x7FFFFFFF):
            for _, leaf in entries(lang_dir & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", pe, at(root_rva + leaf))
                found.append(pe[at(rva):at(rva) + size])
    return found


def check_manifest(pe):
    (manifest,) = resources(pe, RT_MANIFEST)
    xml = ET.fromstring(manifest)
    ids = {e.tag.split("}")[1]: e for e in xml.iter()}
    controls = [e.attrib for e in xml.iter() if e.get("name") == "Microsoft.Windows.Common-Controls"]
    assert [c["version"] for c in controls] == ["6.0.0.0"], controls
    assert {e.get("Id") for e in xml.iter() if e.tag.endswith("}supportedOS")} == WINDOWS_7_TO_11
    assert ids["requestedExecutionLevel"].get("level") == "asInvoker"
    assert (ids["dpiAware"].text, ids["dpiAwareness"].text) == ("false", "unaware")


def check_version(pe, version):
    (info,) = resources(pe, RT_VERSION)
    fixed = info.index(struct.pack("<I", 0xFEEF04BD))
    numbers = [int(n) for n in version.split(".")] + [0]
    expected = (numbers[0] << 16 | numbers[1], numbers[2] << 16 | numbers[3])
    assert struct.unpack_from("<8x4I", info, fixed) == expected * 2, "fixed file and product version"
    text = info.decode("utf-16-le", "replace")
    strings = dict(re.findall(r"(\w+)\x00+([^\x00]+)\x00", text))
    assert strings["FileVersion"] == strings["ProductVersion"] == version, strings
    assert strings["FileDescription"] == "农历桌面日历", strings
    assert strings["ProductName"] == "Veltrano" and "Quorvex" in strings["LegalCopyright"], strings


def check_zip(path, exe, version):
    with zipfile.ZipFile(path) as z:
        assert sorted(z.namelist()) == ["Veltrano.exe", "使用说明.txt"], z.namelist()
        assert z.getinfo("使用说明.txt").flag_bits & 0x800, "the name is not marked as UTF-8"
        assert z.read("Veltrano.exe") == exe
        notes = z.read("使用说明.txt")
    assert notes.startswith(b"\xef\xbb\xbf") and b"\r\n" in notes and b"\n\n" not in notes
    for fact in ("我的记事", "卸载", "CurrentVersion\\Run /v Veltrano", "NewsHost", version):
        assert fact in notes.decode("utf-8"), fact


if __name__ == "__main__":
    version, exe_path, zip_path = sys.argv[1:]
    with open(exe_path, "rb") as f:
        exe = f.read()
    check_manifest(exe)
    check_version(exe, version)
    check_zip(zip_path, exe, version)
    print("manifest, version", version, "and", zip_path, "as expected")
