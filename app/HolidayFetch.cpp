#include "app/HolidayFetch.h"

#include "engine/LunarDate.h"
#include "engine/MonthModel.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace app {
namespace {

// "YYYY-MM-DD" of a real date as YYYYMMDD; none for anything else.
std::optional<int> ReadDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i)
        for (const char c : text.substr(starts[i], lengths[i])) {
            if (c < '0' || c > '9') return std::nullopt;
            parts[i] = parts[i] * 10 + (c - '0');
        }
    if (parts[1] < 1 || parts[1] > 12 || parts[2] < 1 ||
        parts[2] > lunar::GregorianMonthLength(static_cast<std::uint16_t>(parts[0]),
                                               static_cast<std::uint16_t>(parts[1])))
        return std::nullopt;
    return parts[0] * 10000 + parts[1] * 100 + parts[2];
}

// Printable ASCII only: a notice's address goes into a comment line.
std::string Printable(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (c > ' ' && c < 0x7F) out += c;
    return out;
}

}  // namespace

std::vector<std::string> HolidaySources(const SettingsReader& settings) {
    char text[kSettingTextSize];
    if (settings.Read(kHolidaySourceValue, text, sizeof text) != 0)
        return {std::begin(kDefaultHolidaySources), std::end(kDefaultHolidaySources)};
    if (text[0] == '\0') return {};
    return {text};
}

std::string SourceAddress(std::string_view source, int year) {
    std::string out(source);
    const std::string number = std::to_string(year);
    constexpr std::size_t kLength = sizeof kYearPlaceholder - 1;
    for (std::size_t at = out.find(kYearPlaceholder); at != std::string::npos;
         at = out.find(kYearPlaceholder, at + number.size()))
        out.replace(at, kLength, number);
    return out;
}

std::string FetchedYearPath(int year, char separator) {
    return std::string(kFetchedHolidayFolder) + separator + std::to_string(year) + ".txt";
}

std::optional<YearFault> CheckYearDays(const lunar::DatedMarks& days, int year) {
    for (const auto& [date, mark] : days) {
        const int dateYear = date / 10000, month = date / 100 % 100, day = date % 100;
        if (dateYear != year && !(dateYear == year - 1 && month == 12)) return YearFault::DateOutsideYear;
        const int weekday = lunar::Weekday(static_cast<std::uint16_t>(dateYear), static_cast<std::uint16_t>(month),
                                           static_cast<std::uint16_t>(day));
        if (mark == lunar::DayOffMark::MakeUpWork && weekday != 0 && weekday != 6) return YearFault::WeekdayWork;
    }
    const int count = static_cast<int>(days.size());
    if (count < kFewestScheduleDays || count > kMostScheduleDays) return YearFault::DayCount;
    return std::nullopt;
}

YearCheck CheckFetchedYear(std::string_view body, int year) {
    if (body.size() > kHolidayBodyCap) return {std::nullopt, YearFault::TooLarge};
    const nlohmann::json json = nlohmann::json::parse(body.begin(), body.end(), nullptr, false);
    if (json.is_discarded()) return {std::nullopt, YearFault::NotJson};
    if (!json.is_object() || !json.contains("year") || !json["year"].is_number_integer() || !json.contains("days") ||
        !json["days"].is_array())
        return {std::nullopt, YearFault::NotASchedule};
    if (json["year"].get<std::int64_t>() != year) return {std::nullopt, YearFault::WrongYear};

    FetchedYear out;
    out.year = year;
    for (const nlohmann::json& entry : json["days"]) {
        if (!entry.is_object() || !entry.contains("date") || !entry["date"].is_string() ||
            !entry.contains("isOffDay") || !entry["isOffDay"].is_boolean())
            return {std::nullopt, YearFault::NotASchedule};
        const std::optional<int> date = ReadDate(entry["date"].get_ref<const std::string&>());
        if (!date) return {std::nullopt, YearFault::DateOutsideYear};
        out.days[*date] = entry["isOffDay"].get<bool>() ? lunar::DayOffMark::Off : lunar::DayOffMark::MakeUpWork;
    }
    if (const std::optional<YearFault> fault = CheckYearDays(out.days, year)) return {std::nullopt, *fault};
    if (json.contains("papers") && json["papers"].is_array())
        for (const nlohmann::json& paper : json["papers"])
            if (paper.is_string()) out.papers.push_back(Printable(paper.get_ref<const std::string&>()));
    return {std::move(out), YearFault::NotJson};
}

std::string FetchedYearFileText(const FetchedYear& year, std::string_view address) {
    std::string text = "# " + std::to_string(year.year) + " 年休、班，取自 " + Printable(address) + "，公告：";
    for (const std::string& paper : year.papers) text += " " + paper;
    text += "\r\n";
    char line[32];
    for (const auto& [date, mark] : year.days) {
        std::snprintf(line, sizeof line, "%04d-%02d-%02d %s\r\n", date / 10000, date / 100 % 100, date % 100,
                      lunar::DayOffMarkText(mark));
        text += line;
    }
    return text;
}

std::optional<lunar::DatedMarks> ReadFetchedYearFile(std::string_view text, int year) {
    lunar::ParsedUpdate parsed = lunar::ParseUpdateText(text);
    if (parsed.result.badLines > 0 || CheckYearDays(parsed.days, year)) return std::nullopt;
    return std::move(parsed.days);
}

HolidayFetchPlan PlanHolidayFetch(CalendarDate today, const HolidayYearState& thisYear,
                                  const HolidayYearState& nextYear) {
    const auto due = [&](const HolidayYearState& state, int year) {
        return year >= lunar::kFirstShownYear && year <= lunar::kLastShownYear && !state.covered &&
               !(state.lastAsked == today);
    };
    if (due(thisYear, today.year)) return {today.year};
    if (today.month >= 11 && due(nextYear, today.year + 1)) return {today.year + 1};
    return {};
}

HolidayAskDays ParseHolidayAsked(std::string_view text) {
    HolidayAskDays days;
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; };
    std::size_t at = 0;
    while (at < text.size()) {
        if (blank(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !blank(text[end])) ++end;
        const std::string_view pair = text.substr(at, end - at);
        at = end;
        // "YYYY:YYYYMMDD"
        if (pair.size() != 13 || pair[4] != ':') continue;
        const std::string date = std::string(pair.substr(5, 4)) + '-' + std::string(pair.substr(9, 2)) + '-' +
                                 std::string(pair.substr(11, 2));
        const std::optional<int> asked = ReadDate(date);
        int year = 0;
        bool digits = true;
        for (const char c : pair.substr(0, 4)) {
            digits = digits && c >= '0' && c <= '9';
            year = year * 10 + (c - '0');
        }
        if (!asked || !digits) continue;
        days[year] = {*asked / 10000, *asked / 100 % 100, *asked % 100};
    }
    return days;
}

std::string HolidayAskedText(const HolidayAskDays& days, int fromYear) {
    std::string text;
    char pair[32];
    for (const auto& [year, asked] : days) {
        if (year < fromYear || year < 1000 || year > 9999 || asked.year < 0 || asked.year > 9999) continue;
        std::snprintf(pair, sizeof pair, "%04d:%04d%02d%02d", year, asked.year, asked.month, asked.day);
        if (!text.empty()) text += ' ';
        text += pair;
    }
    return text;
}

}  // namespace app
