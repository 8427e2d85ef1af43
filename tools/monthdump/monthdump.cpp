// Prints what the month model makes of Gregorian months, as UTF-8 text.
//
//   monthdump --all           every month 1900-02 .. 2049-12, one line a day
//   monthdump YEAR MONTH      one month, the same way
//   monthdump --terms         the solar-term table, one line a record
//   monthdump --grid [Y M]    a month as a calendar grid (default: this month),
//                             days off and make-up working days marked
//   monthdump --holidays YEAR [FILE | NOTES_FOLDER]
//                             the year's days off and make-up working days,
//                             after the update file FILE when one is given,
//                             or as the calendar reads a notes folder: its
//                             fetched years and its own update file
#include "app/HolidayFetch.h"
#include "engine/HolidayTable.h"
#include "engine/MonthModel.h"
#include "engine/SolarTerms.h"

#include <iconv.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace {

using namespace lunar;

// The engine's texts are GBK; terminals and files here want UTF-8.
class GbkToUtf8 {
public:
    GbkToUtf8() : cd_(iconv_open("UTF-8", "GBK")) {}
    ~GbkToUtf8() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    GbkToUtf8(const GbkToUtf8&) = delete;
    GbkToUtf8& operator=(const GbkToUtf8&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::string operator()(const std::string& gbk) {
        std::string out(gbk.size() * 2 + 4, '\0');
        char* in = const_cast<char*>(gbk.data());
        size_t inLeft = gbk.size();
        char* dst = out.data();
        size_t outLeft = out.size();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &in, &inLeft, &dst, &outLeft) == static_cast<size_t>(-1)) return "?";
        out.resize(out.size() - outLeft);
        return out;
    }

private:
    iconv_t cd_;
};

// One converter for the whole run.
GbkToUtf8& Utf8() {
    static GbkToUtf8 converter;
    return converter;
}

void PrintDays(const MonthModel& model) {
    for (int i = 1; i <= model.dayCount; ++i) {
        const DayCell& c = model.days[i];
        const std::string festival = c.festival ? Utf8()(c.festival) : "-";
        std::printf("%04d-%02d-%02d\t%d\t%d-%d-%d\t%d\t%d\t%d\t%d\t%s\t%s\t%d\n", model.year, model.month, i, c.weekday,
                    c.lunar.year, c.lunar.month, c.lunar.day, c.lunar.isLeap, c.lunar.pairedMonth, c.lunar.monthLength,
                    c.termMark, festival.c_str(), Utf8()(c.label).c_str(), c.monthNameShown);
    }
    std::printf("#\t%04d-%02d\t%s\n", model.year, model.month, Utf8()(model.yearTitle.c_str()).c_str());
}

bool DumpMonth(int year, int month) {
    MonthModel model;
    if (!FillMonth(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month), model)) {
        std::fprintf(stderr, "monthdump: %d-%02d is outside the calendar\n", year, month);
        return false;
    }
    PrintDays(model);
    return true;
}

bool DumpAll() {
    for (int y = kFirstShownYear; y <= kLastShownYear; ++y)
        for (int m = 1; m <= 12; ++m)
            if (IsShownMonth(y, m) && !DumpMonth(y, m)) return false;
    return true;
}

void DumpTerms() {
    for (int y = kFirstSolarTermYear; y <= kLastSolarTermYear; ++y)
        for (int m = 1; m <= 12; ++m) {
            SolarTermTime t[2];
            if (!GetSolarTerms(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m), t[0], t[1])) continue;
            for (int pos = 0; pos < 2; ++pos)
                std::printf("%d\t%d\t%d\t%d\t%d\t%d\n", y, m, pos + 1, t[pos].day, t[pos].hour, t[pos].minute);
        }
}

// Pads GBK text to a display width; a GBK character is two bytes and two columns.
std::string Pad(const std::string& gbk, size_t width) {
    return gbk.size() >= width ? gbk : gbk + std::string(width - gbk.size(), ' ');
}

bool PrintGrid(int year, int month) {
    MonthModel model;
    if (!FillMonth(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month), model)) {
        std::fprintf(stderr, "monthdump: %d-%02d is outside the calendar\n", year, month);
        return false;
    }
    constexpr size_t kCell = 11;
    char title[64];
    std::snprintf(title, sizeof title, "%d年%d月    %s", year, month, model.yearTitle.c_str());
    std::printf("%s\n\n", Utf8()(title).c_str());
    std::string header;
    for (int w = 0; w < 7; ++w) header += Pad(std::string("  ") + WeekdayName(w), kCell);
    std::printf("%s\n", Utf8()(header).c_str());

    const HolidayTable holidays;
    int column = model.days[1].weekday;
    for (int first = 1; first <= model.dayCount;) {
        std::string numbers(column * kCell, ' '), labels(column * kCell, ' ');
        int i = first;
        for (; i <= model.dayCount && column < 7; ++i, ++column) {
            char number[12];
            std::snprintf(number, sizeof number, "%4d%s", i,
                          DayOffMarkText(holidays.Query(year, month, i).mark));
            numbers += Pad(number, kCell);
            labels += Pad(std::string(" ") + model.days[i].label, kCell);
        }
        std::printf("%s\n%s\n", Utf8()(numbers).c_str(), Utf8()(labels).c_str());
        first = i;
        column = 0;
    }
    return true;
}

bool ListHolidays(int year, const char* updateFile) {
    HolidayTable holidays;
    if (updateFile && std::filesystem::is_directory(updateFile)) {
        // File names are GBK inside the program, UTF-8 on this system.
        const std::string folder = std::string(updateFile) + "/";
        const std::string fetched = folder + Utf8()(app::FetchedYearPath(year, '/'));
        if (const std::optional<std::string> text = ReadScheduleFile(fetched.c_str()))
            if (std::optional<DatedMarks> days = app::ReadFetchedYearFile(*text, year))
                holidays.SetNotice(ScheduleSource::Fetched, year, std::move(*days));
        static_cast<void>(holidays.LoadUpdateFile((folder + Utf8()(kHolidayUpdateFileName)).c_str()));
    } else if (updateFile) {
        const std::optional<HolidayUpdateResult> update = holidays.LoadUpdateFile(updateFile);
        if (!update) {
            std::fprintf(stderr, "monthdump: cannot read %s\n", updateFile);
            return false;
        }
        std::fprintf(stderr, "monthdump: %d years read, %d lines skipped\n", update->years, update->badLines);
    }
    if (!holidays.CoversYear(year)) {
        std::fprintf(stderr, "monthdump: no days off known for %d\n", year);
        return false;
    }
    for (const MarkedDay& d : holidays.YearMarks(year))
        std::printf("%04d-%02d-%02d %s\n", year, d.month, d.day, Utf8()(DayOffMarkText(d.mark)).c_str());
    return true;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: monthdump --all | --terms | YEAR MONTH | --grid [YEAR MONTH] | --holidays YEAR [FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (!Utf8().ok()) {
        std::fprintf(stderr, "monthdump: no GBK converter\n");
        return 1;
    }

    if (argc == 2 && std::strcmp(argv[1], "--all") == 0) return DumpAll() ? 0 : 1;
    if (argc == 2 && std::strcmp(argv[1], "--terms") == 0) {
        DumpTerms();
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--grid") == 0) {
        if (argc == 4) return PrintGrid(std::atoi(argv[2]), std::atoi(argv[3])) ? 0 : 1;
        if (argc != 2) return Usage();
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return PrintGrid(local.tm_year + 1900, local.tm_mon + 1) ? 0 : 1;
    }
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--holidays") == 0)
        return ListHolidays(std::atoi(argv[2]), argc == 4 ? argv[3] : nullptr) ? 0 : 1;
    if (argc == 3) return DumpMonth(std::atoi(argv[1]), std::atoi(argv[2])) ? 0 : 1;
    return Usage();
}
