#!/usr/bin/env python3
# check_windows_package.py VERSION EXE ZIP: the manifest and version resource
# read back from the executable, and the download zip's two files.
import re, struct, sys, zipfile
import xml.etree.ElementTree as ET


def resources(pe, type_id):
    """The data of every resource of one type, found through the PE headers."""
    header = struct.unpack_from("<I", pe, 0x3C)[0]
    count, optional_size = struct.unpack_from("<H12xH", pe, header + 6)
    root = struct.unpack_from("<I", pe, header + 24 + 112 + 16)[0]  # 64-bit optional header
    sections = [struct.unpack_from("<8x4I", pe, header + 24 + optional_size + 40 * i) for i in range(count)]
    at = lambda rva: next(raw + rva - va for _, va, size, raw in sections if va <= rva < va + size)
    entries = lambda offset: [struct.unpack_from("<II", pe, at(root + offset) + 16 + 8 * i)
                              for i in range(sum(struct.unpack_from("<12xHH", pe, at(root + offset))))]
    leaves = [leaf for name, types in entries(0) if name == type_id
              for _, names in entries(types & 0x7FFFFFFF) for _, leaf in entries(names & 0x7FFFFFFF)]
    return [pe[at(rva):at(rva) + size] for rva, size in (struct.unpack_from("<II", pe, at(root + l)) for l in leaves)]


version, exe_path, zip_path = sys.argv[1:]
exe = open(exe_path, "rb").read()

(manifest,) = resources(exe, 24)
xml = {e.tag.split("}")[1] + e.get("name", e.get("Id", "")): e for e in ET.fromstring(manifest).iter()}
assert xml["assemblyIdentityMicrosoft.Windows.Common-Controls"].get("version") == "6.0.0.0"
assert {key[11:] for key in xml if key.startswith("supportedOS")} == {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}  # Windows 7 to 11
assert xml["requestedExecutionLevel"].get("level") == "asInvoker"
assert (xml["dpiAware"].text, xml["dpiAwareness"].text) == ("true/pm", "PerMonitorV2, PerMonitor")

(info,) = resources(exe, 16)
major, minor, patch = map(int, version.split("."))
fixed = struct.unpack_from("<4I", info, info.index(struct.pack("<I", 0xFEEF04BD)) + 8)
assert fixed == (major << 16 | minor, patch << 16) * 2, "fixed file and product version"
strings = dict(re.findall(r"(\w+)\x00+([^\x00]+)\x00", info.decode("utf-16-le", "replace")))
assert strings["FileVersion"] == strings["ProductVersion"] == version, strings
assert (strings["FileDescription"], strings["ProductName"]) == ("农历桌面日历", "Veltrano"), strings
assert "Quorvex" in strings["LegalCopyright"], strings

with zipfile.ZipFile(zip_path) as z:
    assert sorted(z.namelist()) == ["Veltrano.exe", "使用说明.txt"], z.namelist()
    assert z.getinfo("使用说明.txt").flag_bits & 0x800, "the name is not marked as UTF-8"
    assert z.read("Veltrano.exe") == exe
    notes = z.read("使用说明.txt")
assert notes.startswith(b"\xef\xbb\xbf") and b"\r\n" in notes and b"\n\n" not in notes
for fact in ("我的记事", "卸载", "CurrentVersion\\Run /v Veltrano", "NewsHost", version):
    assert fact in notes.decode("utf-8"), fact
