#include "HolidayTable.h"

#include "LunarDate.h"
#include "base/Gb18030.h"
#include "MonthModel.h"

#include <cstdio>
#include <iterator>
#include <memory>

namespace lunar {
namespace {

// YYYYMMDD, negative for a make-up working day.
constexpr std::int32_t kBuiltInDays[] = {
#include "holiday_table.inc"
};
constexpr int YearOf(std::int32_t entry) { return (entry < 0 ? -entry : entry) / 10000; }
constexpr int kBuiltInFirstYear = YearOf(kBuiltInDays[0]);
constexpr int kBuiltInLastYear = YearOf(kBuiltInDays[std::size(kBuiltInDays) - 1]);

constexpr std::string_view kOffUtf8 = "\xE4\xBC\x91", kOffGbk = "\xD0\xDD";
constexpr std::string_view kWorkUtf8 = "\xE7\x8F\xAD", kWorkGbk = "\xB0\xE0";
// The full-width space U+3000.
constexpr std::string_view kWideSpaceUtf8 = "\xE3\x80\x80", kWideSpaceGbk = "\xA1\xA1";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The length of the blank (ASCII or full-width) that `s` starts with, 0 for none.
std::size_t BlankAt(std::string_view s) {
    if (!s.empty() && IsBlank(s.front())) return 1;
    for (const std::string_view wide : {kWideSpaceUtf8, kWideSpaceGbk})
        if (s.substr(0, wide.size()) == wide) return wide.size();
    return 0;
}

std::string_view Trim(std::string_view s) {
    while (const std::size_t n = BlankAt(s)) s.remove_prefix(n);
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        if (!s.empty() && IsBlank(s.back())) {
            s.remove_suffix(1);
            trimmed = true;
        }
        for (const std::string_view wide : {kWideSpaceUtf8, kWideSpaceGbk})
            if (s.size() >= wide.size() && s.substr(s.size() - wide.size()) == wide) {
                s.remove_suffix(wide.size());
                trimmed = true;
            }
    }
    return s;
}

bool ReadNumber(std::string_view digits, int& value) {
    value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

struct UpdateLine {
    int year, month, day;
    DayOffMark mark;
};

struct ParsedLine {
    std::optional<UpdateLine> day;
    SkipReason reason = SkipReason::NotADateLine;  // when there is no day
};

// "YYYY-MM-DD", blanks, then the mark.
ParsedLine ParseLine(std::string_view line) {
    UpdateLine out{};
    if (line.size() < 11 || line[4] != '-' || line[7] != '-' || !BlankAt(line.substr(10)) ||
        !ReadNumber(line.substr(0, 4), out.year) || !ReadNumber(line.substr(5, 2), out.month) ||
        !ReadNumber(line.substr(8, 2), out.day))
        return {std::nullopt, SkipReason::NotADateLine};
    // Only years the calendar shows: anything else is a typing slip.
    if (out.year < kFirstShownYear || out.year > kLastShownYear) return {std::nullopt, SkipReason::YearNotShown};
    if (out.month < 1 || out.month > 12 || out.day < 1 ||
        out.day > GregorianMonthLength(static_cast<std::uint16_t>(out.year), static_cast<std::uint16_t>(out.month)))
        return {std::nullopt, SkipReason::NoSuchDate};
    const std::string_view mark = Trim(line.substr(10));
    if (mark == kOffUtf8 || mark == kOffGbk)
        out.mark = DayOffMark::Off;
    else if (mark == kWorkUtf8 || mark == kWorkGbk)
        out.mark = DayOffMark::MakeUpWork;
    else
        return {std::nullopt, SkipReason::UnknownMark};
    const int weekday = Weekday(static_cast<std::uint16_t>(out.year), static_cast<std::uint16_t>(out.month),
                                static_cast<std::uint16_t>(out.day));
    // A make-up working day is always a weekend day.
    if (out.mark == DayOffMark::MakeUpWork && weekday != 0 && weekday != 6)
        return {std::nullopt, SkipReason::WeekdayMarkedWork};
    return {out, SkipReason::NotADateLine};
}

// UTF-16 text after its byte-order mark as UTF-8; a broken surrogate
// becomes U+FFFD, an odd last byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<std::uint32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        base::AppendUtf8(out, static_cast<char32_t>(c));
    }
    return out;
}

}  // namespace

const char* DayOffMarkText(DayOffMark mark) {
    switch (mark) {
        case DayOffMark::Off: return "休";
        case DayOffMark::MakeUpWork: return "班";
        case DayOffMark::None: break;
    }
    return "";
}

std::map<int, DatedMarks> GroupByNotice(const DatedMarks& days) {
    std::map<int, DatedMarks> notices;
    for (const auto& [date, mark] : days) {
        const int year = date / 10000;
        int notice = year;
        if (date % 10000 > 1200 && days.count((year + 1) * 10000 + 101)) {
            // The run from this day through the 31st is unbroken.
            int day = date % 100;
            while (day < 31 && days.count(year * 10000 + 1200 + day + 1)) ++day;
            if (day == 31) notice = year + 1;
        }
        notices[notice][date] = mark;
    }
    return notices;
}

std::optional<std::string> ReadScheduleFile(const char* path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), &std::fclose);
    if (!file) return std::nullopt;
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, got);
        if (text.size() > kMaxScheduleFileBytes) return std::nullopt;
    }
    if (std::ferror(file.get())) return std::nullopt;
    return text;
}

HolidayTable::HolidayTable() {
    DatedMarks days;
    for (const std::int32_t entry : kBuiltInDays)
        days[entry < 0 ? -entry : entry] = entry < 0 ? DayOffMark::MakeUpWork : DayOffMark::Off;
    notices_[static_cast<int>(ScheduleSource::BuiltIn)] = GroupByNotice(days);
    Resolve();
}

int HolidayTable::FirstBuiltInYear() { return kBuiltInFirstYear; }
int HolidayTable::LastBuiltInYear() { return kBuiltInLastYear; }

const DatedMarks* HolidayTable::Chosen(int year) const {
    for (int source = kScheduleSourceCount - 1; source >= 0; --source) {
        const auto found = notices_[source].find(year);
        if (found != notices_[source].end()) return &found->second;
    }
    return nullptr;
}

std::optional<ScheduleSource> HolidayTable::SourceOf(int year) const {
    for (int source = kScheduleSourceCount - 1; source >= 0; --source)
        if (notices_[source].count(year)) return static_cast<ScheduleSource>(source);
    return std::nullopt;
}

void HolidayTable::Resolve() {
    years_.clear();
    std::map<int, int> noticeYears;  // every notice any source has
    for (const auto& source : notices_)
        for (const auto& notice : source) noticeYears[notice.first] = 0;
    // In notice order, so that a December day the next notice names wins.
    for (const auto& [year, unused] : noticeYears)
        for (const auto& [date, mark] : *Chosen(year)) years_[date / 10000][date % 10000] = mark;
}

HolidayQuery HolidayTable::Query(int year, int month, int day) const {
    const bool covered = CoversYear(year);
    const auto found = years_.find(year);
    if (found == years_.end()) return {DayOffMark::None, covered};
    const auto marked = found->second.find(month * 100 + day);
    return {marked == found->second.end() ? DayOffMark::None : marked->second, covered};
}

std::vector<MarkedDay> HolidayTable::YearMarks(int year) const {
    std::vector<MarkedDay> out;
    const auto found = years_.find(year);
    if (!CoversYear(year) || found == years_.end()) return out;
    for (const auto& [monthDay, mark] : found->second) out.push_back({monthDay / 100, monthDay % 100, mark});
    return out;
}

ParsedUpdate ParseUpdateText(std::string_view text) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF", kUtf16LeMark = "\xFF\xFE", kUtf16BeMark = "\xFE\xFF";
    std::string decoded;
    if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        text.remove_prefix(kUtf8Mark.size());
    } else if (text.substr(0, 2) == kUtf16LeMark || text.substr(0, 2) == kUtf16BeMark) {
        decoded = Utf16ToUtf8(text.substr(2), text[0] == kUtf16BeMark[0]);
        text = decoded;
    }

    ParsedUpdate out;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;
        const ParsedLine parsed = ParseLine(line);
        if (!parsed.day) {
            if (out.result.firstSkipped.size() < kSkippedLinesNamed)
                out.result.firstSkipped.push_back({number, parsed.reason});
            ++out.result.badLines;
            continue;
        }
        out.days[parsed.day->year * 10000 + parsed.day->month * 100 + parsed.day->day] = parsed.day->mark;
    }
    out.result.years = static_cast<int>(GroupByNotice(out.days).size());
    return out;
}

HolidayUpdateResult HolidayTable::ApplyUpdate(std::string_view text, ScheduleSource source) {
    ParsedUpdate parsed = ParseUpdateText(text);
    for (auto& [year, days] : GroupByNotice(parsed.days)) notices_[static_cast<int>(source)][year] = std::move(days);
    Resolve();
    return parsed.result;
}

std::optional<HolidayUpdateResult> HolidayTable::LoadUpdateFile(const char* path, ScheduleSource source) {
    const std::optional<std::string> text = ReadScheduleFile(path);
    if (!text) return std::nullopt;
    return ApplyUpdate(*text, source);
}

void HolidayTable::SetNotice(ScheduleSource source, int year, DatedMarks days) {
    notices_[static_cast<int>(source)][year] = std::move(days);
    Resolve();
}

}  // namespace lunar
