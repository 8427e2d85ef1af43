#include "HolidayTable.h"

#include "LunarDate.h"
#include "MonthModel.h"

#include <cstdio>
#include <iterator>
#include <memory>
#include <string>

namespace lunar {
namespace {

// YYYYMMDD, negative for a make-up working day.
constexpr std::int32_t kBuiltInDays[] = {
#include "holiday_table.inc"
};
constexpr int YearOf(std::int32_t entry) { return (entry < 0 ? -entry : entry) / 10000; }
constexpr int kBuiltInFirstYear = YearOf(kBuiltInDays[0]);
constexpr int kBuiltInLastYear = YearOf(kBuiltInDays[std::size(kBuiltInDays) - 1]);

// A real update file is a few kilobytes a year.
constexpr long kMaxUpdateFileBytes = 1 << 20;

constexpr std::string_view kOffUtf8 = "\xE4\xBC\x91", kOffGbk = "\xD0\xDD";
constexpr std::string_view kWorkUtf8 = "\xE7\x8F\xAD", kWorkGbk = "\xB0\xE0";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
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

// "YYYY-MM-DD", blanks, then the mark; none for anything else.
std::optional<UpdateLine> ParseLine(std::string_view line) {
    if (line.size() < 12 || line[4] != '-' || line[7] != '-' || !IsBlank(line[10])) return std::nullopt;
    UpdateLine out{};
    if (!ReadNumber(line.substr(0, 4), out.year) || !ReadNumber(line.substr(5, 2), out.month) ||
        !ReadNumber(line.substr(8, 2), out.day))
        return std::nullopt;
    // Only years the calendar shows: anything else is a typing slip.
    if (out.year < kFirstShownYear || out.year > kLastShownYear) return std::nullopt;
    if (out.month < 1 || out.month > 12 || out.day < 1 ||
        out.day > GregorianMonthLength(static_cast<std::uint16_t>(out.year), static_cast<std::uint16_t>(out.month)))
        return std::nullopt;
    const std::string_view mark = Trim(line.substr(10));
    if (mark == kOffUtf8 || mark == kOffGbk)
        out.mark = DayOffMark::Off;
    else if (mark == kWorkUtf8 || mark == kWorkGbk)
        out.mark = DayOffMark::MakeUpWork;
    else
        return std::nullopt;
    const int weekday = Weekday(static_cast<std::uint16_t>(out.year), static_cast<std::uint16_t>(out.month),
                                static_cast<std::uint16_t>(out.day));
    // A make-up working day is always a weekend day.
    if (out.mark == DayOffMark::MakeUpWork && weekday != 0 && weekday != 6) return std::nullopt;
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

HolidayTable::HolidayTable() {
    for (const std::int32_t entry : kBuiltInDays) {
        const std::int32_t date = entry < 0 ? -entry : entry;
        years_[YearOf(entry)][date % 10000] = entry < 0 ? DayOffMark::MakeUpWork : DayOffMark::Off;
    }
}

int HolidayTable::FirstBuiltInYear() { return kBuiltInFirstYear; }
int HolidayTable::LastBuiltInYear() { return kBuiltInLastYear; }

HolidayQuery HolidayTable::Query(int year, int month, int day) const {
    const auto found = years_.find(year);
    if (found == years_.end()) return {};
    const auto marked = found->second.find(month * 100 + day);
    return {marked == found->second.end() ? DayOffMark::None : marked->second, true};
}

std::vector<MarkedDay> HolidayTable::YearMarks(int year) const {
    std::vector<MarkedDay> out;
    const auto found = years_.find(year);
    if (found == years_.end()) return out;
    for (const auto& [monthDay, mark] : found->second) out.push_back({monthDay / 100, monthDay % 100, mark});
    return out;
}

HolidayUpdateResult HolidayTable::ApplyUpdate(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());

    HolidayUpdateResult result;
    std::map<int, std::map<int, DayOffMark>> update;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;
        const std::optional<UpdateLine> parsed = ParseLine(line);
        if (!parsed) {
            ++result.badLines;
            continue;
        }
        update[parsed->year][parsed->month * 100 + parsed->day] = parsed->mark;
    }
    for (auto& [year, days] : update) years_[year] = std::move(days);
    result.years = static_cast<int>(update.size());
    return result;
}

std::optional<HolidayUpdateResult> HolidayTable::LoadUpdateFile(const char* path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), &std::fclose);
    if (!file) return std::nullopt;
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, got);
        if (text.size() > kMaxUpdateFileBytes) return std::nullopt;
    }
    if (std::ferror(file.get())) return std::nullopt;
    return ApplyUpdate(text);
}

}  // namespace lunar
