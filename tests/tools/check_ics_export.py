#!/usr/bin/python3
"""Exports a notes folder holding every kind of note with icsexport, reads the
file back with python3-icalendar and expands it with
python3-recurring-ical-events, and checks every date against the days the
engine puts each note on (`monthdump --all`).

Usage: check_ics_export.py ICSEXPORT_BINARY MONTHDUMP_BINARY
"""
import datetime
import os
import struct
import subprocess
import sys
import tempfile

import icalendar
import recurring_ical_events

LONG = "春节回家：买票, 订酒店; 给爸妈带礼物，\\备注\\；" * 6 + "\r\n第二行,还有;分号"
NOTES = {  # file name -> {slot: text}
    "202503": {15: LONG},
    "102": {29: "闰日生日🎂𠮷䶮"}, "110": {3: "结婚纪念"},
    "006": {12: "六月十二，闰月两次", 30: "六月三十"},
    "week": {3: "周三例会"},
}
FIRST, LAST = datetime.date(2025, 1, 1), datetime.date(2049, 12, 31)


def write_notes(folder):
    calendar = os.path.join(folder, "日历".encode("gbk"))
    os.makedirs(calendar)
    for name, slots in NOTES.items():
        data = struct.pack("<H", 100)
        for slot, text in sorted(slots.items()):
            raw = text.encode("gb18030")  # GBK bytes for GBK characters
            data += struct.pack("<hHI", slot, len(raw), 0) + raw
        with open(os.path.join(calendar, name.encode()), "wb") as f:
            f.write(data)
    with open(os.path.join(calendar, b"202604"), "wb") as f:  # a record that runs past the end
        f.write(struct.pack("<HhHI", 100, 1, 40, 0) + b"cut")


def engine_days(monthdump):
    """Date -> (weekday, lunar month, lunar day) for every day the grid shows."""
    days = {}
    for line in subprocess.run([monthdump, "--all"], check=True, capture_output=True, text=True).stdout.splitlines():
        f = line.split("\t")
        if f[0] == "#":
            continue
        _, month, day = map(int, f[2].split("-"))
        days[datetime.date.fromisoformat(f[0])] = (int(f[1]), month, day)
    return days


def expected(days):
    window = [d for d in days if FIRST <= d <= LAST]
    return {
        "once-20250315": {datetime.date(2025, 3, 15)},
        "yearly-0229": {d for d in window if (d.month, d.day) == (2, 29)},
        "yearly-1003": {d for d in window if (d.month, d.day) == (10, 3)},
        "lunar-0612": {d for d in window if days[d][1:] == (6, 12)},
        "lunar-0630": {d for d in window if days[d][1:] == (6, 30)},
        "weekly-3": {d for d in window if days[d][0] == 3},
    }


def export(tool, folder, out, *flags):
    run = subprocess.run([tool, *flags, "--from", "2025", folder, out], capture_output=True, text=True)
    assert run.returncode == 0, run.stderr
    assert "skipped, not read whole: 日历/202604" in run.stdout, run.stdout
    raw = open(out, "rb").read()
    assert raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""), "lines end in CR LF only"
    for line in raw.split(b"\r\n"):
        assert len(line) <= 75, line
        line.decode("utf-8")  # a fold never splits a character
    return raw, icalendar.Calendar.from_ical(raw)


def main(tool, monthdump):
    with tempfile.TemporaryDirectory() as work:
        folder = os.path.join(work, "notes")
        write_notes(folder.encode())
        before = sorted(os.listdir(os.path.join(folder.encode(), "日历".encode("gbk"))))
        raw, cal = export(tool, folder, os.path.join(work, "a.ics"))
        events = cal.walk("VEVENT")
        want = expected(engine_days(monthdump))
        got = {key: set() for key in want}
        for e in recurring_ical_events.of(cal).between(FIRST, LAST + datetime.timedelta(days=1)):
            uid = str(e["UID"]).split("@")[0]
            got[uid if not uid.startswith("lunar") else uid[:10]].add(e["DTSTART"].dt)
        for key in want:
            assert got[key] == want[key], (key, sorted(got[key] ^ want[key])[:5])
        assert sum(d.year == 2025 for d in want["lunar-0612"]) == 2, "2025 has a leap sixth month"
        assert len(want["lunar-0630"]) < LAST.year - FIRST.year + 1, "some years lack day 30"

        long_note = next(e for e in events if str(e["UID"]).startswith("once-"))
        assert str(long_note["DESCRIPTION"]) == LONG.replace("\r\n", "\n")
        assert str(long_note["SUMMARY"]) == LONG.split("\r\n")[0]
        assert "闰日生日🎂𠮷䶮" in {str(e["SUMMARY"]) for e in events}, "four-byte characters kept"
        uids = [str(e["UID"]) for e in events]
        assert len(uids) == len(set(uids)), "every UID once"

        again, cal2 = export(tool, folder, os.path.join(work, "b.ics"))
        assert uids == [str(e["UID"]) for e in cal2.walk("VEVENT")], "the same UIDs every time"
        raw, cal = export(tool, folder, os.path.join(work, "c.ics"), "--rscale")
        unfolded = raw.replace(b"\r\n ", b"").decode()
        assert "RRULE:RSCALE=CHINESE;FREQ=YEARLY;BYMONTH=6,6L;BYMONTHDAY=30" in unfolded
        assert "RRULE:RSCALE=CHINESE;FREQ=YEARLY;BYMONTH=6,6L;BYMONTHDAY=12" in unfolded
        assert len(cal.walk("VEVENT")) == 6
        missing = subprocess.run([tool, folder, os.path.join(work, "no-such-folder", "d.ics")], capture_output=True)
        assert missing.returncode == 1 and not os.path.exists(os.path.join(work, "no-such-folder"))
        assert before == sorted(os.listdir(os.path.join(folder.encode(), "日历".encode("gbk")))), "notes untouched"
    print("ics export matches the engine")


if __name__ == "__main__":
    main(*sys.argv[1:])
