#include "ics/NotesExport.h"

#include "base/Gb18030.h"
#include "engine/LunarDate.h"
#include "engine/MonthModel.h"
#include "ics/ExportTarget.h"
#include "ics/IcsText.h"
#include "notes/NoteFiles.h"
#include "notes/NoteStore.h"

#include <cstdio>
#include <optional>

namespace ics {

namespace {

using lunar::GregorianMonthLength;

constexpr char kProductId[] = "-//Quorvex//Veltrano//ZH";
constexpr char kCalendarName[] = "记事";
constexpr char kWeekdayCodes[7][3] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
constexpr int kLunarMonths = 12, kLunarDays = 30, kWeekdays = 7;
constexpr int kAnyLeapYear = 2000;       // shows every Gregorian date, 29 February too
constexpr int kFirstLeapDayYear = 1904;  // 1900 has no 29 February

struct Date {
    int year = 0, month = 0, day = 0;
};

Date NextDate(Date d) {
    if (d.day < GregorianMonthLength(static_cast<std::uint16_t>(d.year), static_cast<std::uint16_t>(d.month))) {
        ++d.day;
    } else if (d.month < 12) {
        ++d.month;
        d.day = 1;
    } else {
        d = {d.year + 1, 1, 1};
    }
    return d;
}

struct LunarShowing {
    Date date;
    int lunarYear = 0;
    bool leap = false;
};

// Every day the grid shows each lunar month number's day on, found the way
// the grid finds it: the engine's lunar date of every Gregorian day.
class LunarShowings {
public:
    explicit LunarShowings(int fromYear) {
        Date date{fromYear, 1, 1};
        if (!lunar::IsConvertible(date.year, date.month, date.day)) {
            if (fromYear > lunar::kFirstLunarYear) return;  // past the table: no showing left
            date = {lunar::kFirstLunarYear, 1, 31};
        }
        lunar::LunarDate day;
        if (!day.FromGregorian(date.year, date.month, date.day)) return;
        for (int n = lunar::DaysBetween(date.year, date.month, date.day, lunar::kFirstLunarYear, 1, 31);
             n <= lunar::kLastConvertibleDays; ++n, date = NextDate(date), day.NextDay())
            of_[day.month - 1][day.day - 1].push_back({date, day.year, day.isLeap != 0});
    }
    const std::vector<LunarShowing>& Of(int month, int day) const { return of_[month - 1][day - 1]; }

private:
    std::vector<LunarShowing> of_[kLunarMonths][kLunarDays];
};

std::string FirstLine(const std::string& text) {
    std::size_t start = text.find_first_not_of(" \r\n");
    if (start == std::string::npos) start = 0;
    return text.substr(start, text.find_first_of("\r\n", start) - start);
}

class CalendarWriter {
public:
    CalendarWriter(const ExportOptions& options, ExportResult& result) : options_(options), result_(result) {
        out_ += "BEGIN:VCALENDAR\r\n";
        AppendContentLine(out_, "VERSION", "2.0");
        AppendContentLine(out_, "PRODID", kProductId);
        AppendContentLine(out_, "CALSCALE", "GREGORIAN");
        AppendContentLine(out_, "X-WR-CALNAME", EscapeText(base::Gb18030ToUtf8(kCalendarName)));
    }

    // One event; `rule` empty for a single day.
    void Event(const std::string& uid, Date start, const std::string& rule, const std::string& gbkText) {
        const std::string text = base::Gb18030ToUtf8(gbkText);
        out_ += "BEGIN:VEVENT\r\n";
        AppendContentLine(out_, "UID", uid);
        AppendContentLine(out_, "DTSTAMP", options_.stamp);
        AppendContentLine(out_, "DTSTART;VALUE=DATE", DateText(start.year, start.month, start.day));
        const Date end = NextDate(start);
        AppendContentLine(out_, "DTEND;VALUE=DATE", DateText(end.year, end.month, end.day));
        if (!rule.empty()) AppendContentLine(out_, "RRULE", rule);
        AppendContentLine(out_, "SUMMARY", EscapeText(FirstLine(text)));
        AppendContentLine(out_, "DESCRIPTION", EscapeText(text));
        AppendContentLine(out_, "TRANSP", "TRANSPARENT");
        out_ += "END:VEVENT\r\n";
        ++result_.events;
    }

    std::string Finish() {
        out_ += "END:VCALENDAR\r\n";
        result_.bytes = out_.size();
        return std::move(out_);
    }

private:
    const ExportOptions& options_;
    ExportResult& result_;
    std::string out_;
};

// Opens a note file; false (and the file named) when it did not load whole.
bool OpenStore(notes::CNoteStore& store, int year, int month, ExportResult& result) {
    const int loaded = year < 0 ? store.OpenWeekly() : store.Open(year, month);
    if (loaded == 0) return true;
    result.skippedFiles.emplace_back(store.FileName());
    return false;
}

std::string TextOf(const notes::NoteSlot& slot) { return std::string(slot.Text(), slot.Length()); }

void ExportOneOffNotes(CalendarWriter& writer, ExportResult& result) {
    for (int y = lunar::kFirstShownYear; y <= lunar::kLastShownYear; ++y)
        for (int m = 1; m <= 12; ++m) {
            notes::CNoteStore store;
            if (!lunar::IsShownMonth(y, m) || !OpenStore(store, y, m, result)) continue;
            const int days = GregorianMonthLength(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m));
            for (int d = 1; d <= days; ++d)
                if (store.Slot(d).CarriesNote()) {
                    writer.Event(NoteUid(y, m, d, false), {y, m, d}, "", TextOf(store.Slot(d)));
                    ++result.notes;
                }
        }
}

void ExportGregorianYearlyNotes(CalendarWriter& writer, ExportResult& result) {
    for (int m = 1; m <= 12; ++m) {
        notes::CNoteStore store;
        if (!OpenStore(store, 1, m, result)) continue;
        const int days = GregorianMonthLength(kAnyLeapYear, static_cast<std::uint16_t>(m));
        for (int d = 1; d <= days; ++d) {
            if (!store.Slot(d).CarriesNote()) continue;
            const bool leapDay = m == 2 && d == 29;
            const int firstYear = leapDay ? kFirstLeapDayYear : lunar::kFirstLunarYear;
            writer.Event(NoteUid(1, m, d, false), {firstYear, m, d},
                         leapDay ? "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29" : "FREQ=YEARLY", TextOf(store.Slot(d)));
            ++result.notes;
        }
    }
}

void ExportWeeklyNotes(CalendarWriter& writer, ExportResult& result) {
    notes::CNoteStore store;
    if (!OpenStore(store, -1, 0, result)) return;
    const int firstWeekday = lunar::Weekday(lunar::kFirstLunarYear, 1, 1);
    for (int w = 0; w < kWeekdays; ++w) {
        if (!store.Slot(w).CarriesNote()) continue;
        const Date start{lunar::kFirstLunarYear, 1, 1 + (w - firstWeekday + kWeekdays) % kWeekdays};
        writer.Event(NoteUid(0, 0, w, true), start, std::string("FREQ=WEEKLY;BYDAY=") + kWeekdayCodes[w],
                     TextOf(store.Slot(w)));
        ++result.notes;
    }
}

bool HasLeapTwin(int month, int fromYear) {
    for (int y = fromYear; y <= lunar::kLastLunarYear; ++y)
        if (lunar::LeapMonth(y) == month) return true;
    return false;
}

void ExportLunarYearlyNotes(CalendarWriter& writer, const ExportOptions& options, ExportResult& result) {
    const LunarShowings showings(options.fromYear);
    for (int m = 1; m <= kLunarMonths; ++m) {
        notes::CNoteStore store;
        if (!OpenStore(store, 0, m, result)) continue;
        for (int d = 1; d <= kLunarDays; ++d) {
            if (!store.Slot(d).CarriesNote()) continue;
            const std::vector<LunarShowing>& days = showings.Of(m, d);
            if (days.empty()) continue;
            const std::string text = TextOf(store.Slot(d));
            if (options.lunarForm == LunarForm::Rscale) {
                std::string rule = "RSCALE=CHINESE;FREQ=YEARLY;BYMONTH=" + std::to_string(m);
                if (HasLeapTwin(m, options.fromYear)) rule.append(1, ',').append(std::to_string(m)).append(1, 'L');
                rule += ";BYMONTHDAY=" + std::to_string(d);
                writer.Event(NoteUid(0, m, d, false), days.front().date, rule, text);
            } else {
                for (const LunarShowing& day : days)
                    writer.Event(LunarShowingUid(m, d, day.lunarYear, day.leap), day.date, "", text);
            }
            ++result.notes;
        }
    }
}

}  // namespace

std::string CalendarOfNotes(const ExportOptions& options, ExportResult& result) {
    result = ExportResult{};
    CalendarWriter writer(options, result);
    ExportOneOffNotes(writer, result);
    ExportGregorianYearlyNotes(writer, result);
    ExportLunarYearlyNotes(writer, options, result);
    ExportWeeklyNotes(writer, result);
    return writer.Finish();
}

int ExportNotes(const char* outPath, const ExportOptions& options, ExportResult& result) {
    const std::string calendar = CalendarOfNotes(options, result);
    return notes::WriteWholeFile(outPath, calendar.data(), calendar.size());
}

std::string ExportMessage(const ExportResult& result, const std::string& outPath, bool written) {
    std::string message =
        written ? "已导出 " + std::to_string(result.notes) + " 条记事到 " + outPath : "导出失败：无法写入 " + outPath;
    if (!result.skippedFiles.empty()) {
        message += "\n以下记事文件无法完整读取，已跳过：";
        for (const std::string& file : result.skippedFiles) message += "\n" + file;
    }
    return message;
}

FolderExport ExportNotesFolder(const std::string& folder, const std::string& outName, const ExportOptions& options) {
    const std::optional<std::string> outPath = notes::AbsolutePath(outName.c_str());
    if (!outPath) return {false, "导出失败：无法确定文件的完整路径 " + outName};
    if (notes::IsMissing(folder.c_str())) return {false, "导出失败：找不到记事文件夹 " + folder};
    switch (LocateTarget(*outPath, folder)) {
    case TargetPlace::Outside: break;
    case TargetPlace::InNotesFolder: return {false, "导出失败：不能写到记事文件夹里 " + *outPath};
    case TargetPlace::Unknown: return {false, "导出失败：无法确定文件是否在记事文件夹里 " + *outPath};
    }
    if (notes::EnsureDir(folder.c_str()) != 0) return {false, "导出失败：找不到记事文件夹 " + folder};
    ExportResult result;
    const bool written = ExportNotes(outPath->c_str(), options, result) == 0;
    return {written, ExportMessage(result, *outPath, written)};
}

std::string UtcStamp(std::time_t moment) {
    const std::tm* utc = std::gmtime(&moment);
    char text[24] = "19700101T000000Z";
    if (utc) std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", utc);
    return text;
}

}  // namespace ics
