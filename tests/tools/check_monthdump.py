#!/usr/bin/env python3
"""Checks `monthdump --all` line by line against the calendar rules, worked
out here a second time, in another language, from the year table's data.

Usage: check_monthdump.py MONTHDUMP_BINARY LUNARDATE_CPP
"""
import datetime
import os
import re
import subprocess
import sys
import tempfile

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"
ZODIAC = "鼠牛虎兔龙蛇马羊猴鸡狗猪"
MONTHS = "正二三四五六七八九十"
DIGITS = "一二三四五六七八九十"
PREFIXES = "初十廿三"
TERMS = ["小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
         "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"]
SOLAR_FESTIVALS = {(1, 1): "元旦", (5, 1): "劳动节", (6, 1): "儿童节", (10, 1): "国庆"}
LUNAR_FESTIVALS = {(1, 1): "春节", (1, 2): "初二", (1, 3): "初三", (1, 15): "元宵节", (5, 5): "端午",
                   (7, 7): "七夕节", (8, 15): "中秋", (9, 9): "重阳节"}


def year_table(source):
    text = open(source, encoding="utf-8").read()
    body = text[text.index("kYearTable = {"):]
    body = body[:body.index("};")]
    body = re.sub(r"//[^\n]*", "", body)
    entries = [int(v, 16) for v in re.findall(r"0x([0-9A-Fa-f]+)", body)]
    assert len(entries) == 151, len(entries)
    return entries


def lunar_months(table):
    """Yields (year, month, is_leap, paired, length) for every lunar month in order."""
    for i, e in enumerate(table):
        year, leap = 1900 + i, e & 0xF
        for m in range(1, 13):
            length = 30 if e & (0x10000 >> m) else 29
            yield year, m, 0, int(m == leap), length
            if m == leap:
                yield year, m, 1, 1, 30 if e & 0x10000 else 29


def lunar_days(table):
    """Yields the lunar date of every day from 1900-01-31 on."""
    for year, month, leap, paired, length in lunar_months(table):
        for day in range(1, length + 1):
            yield year, month, day, leap, paired, length


def month_name(month, leap):
    name = "闰" if leap else ""
    if month <= 10:
        return name + MONTHS[month - 1]
    return name + ("十一" if month == 11 else "十二")


def day_name(day):
    if day in (20, 30):
        return DIGITS[day // 10 - 1] + "十"
    return PREFIXES[(day - 1) // 10] + DIGITS[(day - 1) % 10]


def year_name(year):
    n = year - 1864
    return f"{STEMS[n % 10]}{BRANCHES[n % 12]}【{ZODIAC[(year - 4) % 12]}】年"


def term_days(binary):
    out = subprocess.run([binary, "--terms"], check=True, capture_output=True, text=True).stdout
    days = {}
    for line in out.splitlines():
        y, m, pos, day, _hour, _minute = map(int, line.split("\t"))
        days[(y, m, pos)] = day
    return days


def check_holidays(binary):
    """The days-off listing (班 only on weekends) and the grid's marks of a known month."""
    errors = 0
    listing = subprocess.run([binary, "--holidays", "2026"], check=True, capture_output=True, text=True).stdout
    for line in listing.splitlines():
        match = re.fullmatch(r"(\d{4})-(\d\d)-(\d\d) (休|班)", line)
        if not match or (match[4] == "班" and datetime.date(*map(int, match.groups()[:3])).weekday() < 5):
            print("holidays:", line)
            errors += 1
    grid = subprocess.run([binary, "--grid", "2026", "2"], check=True, capture_output=True, text=True).stdout
    marks = re.findall(r"(\d+)(休|班)", grid)
    if marks != [("14", "班")] + [(str(d), "休") for d in range(15, 24)] + [("28", "班")]:
        print("grid 2026-02 marks:", marks)
        errors += 1
    errors += subprocess.run([binary, "--holidays", "2003"], capture_output=True).returncode == 0
    # A notes folder: a fetched year (2031 and its days are invented), and
    # the user's file winning for the year it names.
    with tempfile.TemporaryDirectory() as folder:
        os.mkdir(os.path.join(folder, "节假日"))
        days = [f"2031-01-{d:02d} 休" for d in range(1, 4)] + [f"2031-02-{d:02d} 休" for d in range(1, 10)]
        with open(os.path.join(folder, "节假日", "2031.txt"), "w", encoding="gbk", newline="") as kept:
            kept.write("# 2031\r\n" + "\r\n".join(days + ["2031-01-04 班"]) + "\r\n")
        with open(os.path.join(folder, "节假日.txt"), "w", encoding="utf-8") as own:
            own.write("2026-10-01 休\n")
        listing = subprocess.run([binary, "--holidays", "2031", folder], check=True, capture_output=True,
                                 text=True).stdout
        if listing.splitlines() != sorted(days + ["2031-01-04 班"]):
            print("holidays 2031 of a notes folder:", listing)
            errors += 1
        listing = subprocess.run([binary, "--holidays", "2026", folder], check=True, capture_output=True,
                                 text=True).stdout
        if listing.splitlines() != ["2026-10-01 休"]:
            print("holidays 2026 of a notes folder:", listing)
            errors += 1
    return errors


def main():
    binary, source = sys.argv[1], sys.argv[2]
    terms = term_days(binary)
    lunar = lunar_days(year_table(source))
    date = datetime.date(1900, 1, 31)
    # Advance the independent lunar walk to 1900-02-01, the first shown day.
    next(lunar)
    date += datetime.timedelta(days=1)

    out = subprocess.run([binary, "--all"], check=True, capture_output=True, text=True).stdout
    errors, days_checked, month_first_lunar_year = 0, 0, None
    last_lunar_year = None
    for line in out.splitlines():
        fields = line.split("\t")
        if fields[0] == "#":
            want = year_name(month_first_lunar_year)
            if last_lunar_year != month_first_lunar_year:
                want += "－" + year_name(last_lunar_year)
            if fields[1] != f"{prev.year:04d}-{prev.month:02d}" or fields[2] != want:
                print("year title:", line, "want", want)
                errors += 1
            continue
        ly, lm, ld, leap, paired, length = next(lunar)
        if date.day == 1:
            month_first_lunar_year = ly
        last_lunar_year = ly
        weekday = (date.weekday() + 1) % 7
        mark = 1 if terms[(date.year, date.month, 1)] == date.day else 2 if terms[(date.year, date.month, 2)] == date.day else 0
        if lm == 12 and ld == length:
            festival = "除夕" if (not paired or leap) else None
        elif leap:
            festival = None
        else:
            festival = LUNAR_FESTIVALS.get((lm, ld))
        festival = festival or SOLAR_FESTIVALS.get((date.month, date.day))
        shown = 0
        if festival:
            label = festival
        elif mark:
            label = TERMS[(date.month - 1) * 2 + mark - 1]
        elif ld != 1:
            label = day_name(ld)
        else:
            label, shown = month_name(lm, leap) + "月" + ("大" if length == 30 else "小"), 1
        want = [date.isoformat(), str(weekday), f"{ly}-{lm}-{ld}", str(leap), str(paired), str(length), str(mark),
                festival or "-", label, str(shown)]
        if fields != want:
            print("day:", line, "want", "\t".join(want))
            errors += 1
            if errors > 20:
                break
        days_checked += 1
        prev = date
        date += datetime.timedelta(days=1)

    if date != datetime.date(2050, 1, 1):
        print("the dump ended at", date, "instead of 2050-01-01")
        errors += 1
    errors += check_holidays(binary)
    print(f"{days_checked} days checked, {errors} mismatches")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
