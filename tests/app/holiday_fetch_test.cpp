// The fetched yearly schedule: where from, when, the checks before anything
// is kept and the file it is kept in. 2031 and its days are invented.
#include "app/HolidayFetch.h"
#include "tests/app/fake_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

using app::YearFault;
using lunar::DayOffMark;

using settings_test::FakeSettings;

// A body in the data set's form: `offDays` days off from 2031-01-01 on, then
// the listed extra days.
std::string Body(int year, int offDays, const std::string& extra = "") {
    std::string days;
    for (int i = 1; i <= offDays; ++i)
        days += (days.empty() ? "" : ",") + std::string(R"({"name":"x","date":"2031-01-)") + (i < 10 ? "0" : "") +
                std::to_string(i) + R"(","isOffDay":true})";
    if (!extra.empty()) days += "," + extra;
    return R"({"year":)" + std::to_string(year) + R"(,"papers":["http://example.invalid/n"],"days":[)" + days + "]}";
}

TEST(HolidayFetch, EachCheckOnce) {
    const std::string good = Body(2031, 12, R"({"date":"2030-12-28","isOffDay":false})");  // a Saturday 班
    struct Case {
        std::string body;
        std::optional<YearFault> fault;  // none: kept
    } cases[] = {
        {good, std::nullopt},
        {std::string(app::kHolidayBodyCap + 1, ' '), YearFault::TooLarge},
        {good.substr(0, good.size() - 3), YearFault::NotJson},
        {R"({"year":2031,"days":{}})", YearFault::NotASchedule},
        {R"({"year":2031,"days":[{"date":"2031-01-01"}]})", YearFault::NotASchedule},
        {R"({"year":"2031","days":[]})", YearFault::NotASchedule},
        {Body(2032, 12), YearFault::WrongYear},
        {Body(2031, 12, R"({"date":"2030-11-30","isOffDay":true})"), YearFault::DateOutsideYear},
        {Body(2031, 12, R"({"date":"2032-01-01","isOffDay":true})"), YearFault::DateOutsideYear},
        {Body(2031, 12, R"({"date":"2031-02-29","isOffDay":true})"), YearFault::DateOutsideYear},
        {Body(2031, 12, R"({"date":"2031-1-30","isOffDay":true})"), YearFault::DateOutsideYear},
        {Body(2031, 12, R"({"date":"2031-02-03","isOffDay":false})"), YearFault::WeekdayWork},  // a Monday
        {Body(2031, 9), YearFault::DayCount},
        {Body(2031, 10), std::nullopt},
    };
    for (const auto& c : cases) {
        const app::YearCheck check = app::CheckFetchedYear(c.body, 2031);
        EXPECT_EQ(check.year.has_value(), !c.fault) << c.body.substr(0, 120);
        if (c.fault) {
            EXPECT_EQ(check.fault, *c.fault) << c.body.substr(0, 120);
        }
    }
    // 81 days: 31 of January, 28 of February and 22 of March.
    std::string many;
    for (int m = 1; m <= 3; ++m)
        for (int d = 1; d <= (m == 1 ? 31 : m == 2 ? 28 : 22); ++d)
            many += (many.empty() ? "" : ",") + std::string(R"({"date":"2031-0)") + std::to_string(m) + "-" +
                    (d < 10 ? "0" : "") + std::to_string(d) + R"(","isOffDay":true})";
    EXPECT_EQ(app::CheckFetchedYear(R"({"year":2031,"days":[)" + many + "]}", 2031).fault, YearFault::DayCount);

    const app::YearCheck kept = app::CheckFetchedYear(good, 2031);
    ASSERT_TRUE(kept.year);
    EXPECT_EQ(kept.year->days.size(), 13u);
    EXPECT_EQ(kept.year->days.at(20301228), DayOffMark::MakeUpWork);
    EXPECT_EQ(kept.year->papers, std::vector<std::string>{"http://example.invalid/n"});
}

TEST(HolidayFetch, KeptFileReadsBackAndADamagedOneDoesNot) {
    const app::YearCheck check = app::CheckFetchedYear(Body(2031, 12), 2031);
    ASSERT_TRUE(check.year);
    const std::string text = app::FetchedYearFileText(*check.year, "http://127.0.0.1:1/2031.json");
    EXPECT_EQ(text.rfind("# 2031", 0), 0u) << text;
    EXPECT_NE(text.find("http://example.invalid/n"), std::string::npos);
    EXPECT_EQ(app::ReadFetchedYearFile(text, 2031), check.year->days);
    EXPECT_EQ(app::ReadFetchedYearFile(text, 2032), std::nullopt);
    EXPECT_EQ(app::ReadFetchedYearFile(text.substr(0, text.size() / 2), 2031), std::nullopt);  // too few days
    EXPECT_EQ(app::ReadFetchedYearFile(text + "2031-13-01 x\r\n", 2031), std::nullopt);
}

TEST(HolidayFetch, SourcesFromTheSettingsKey) {
    FakeSettings settings;
    EXPECT_EQ(app::HolidaySources(settings).size(), 2u);
    EXPECT_EQ(app::SourceAddress(app::HolidaySources(settings)[0], 2031),
              "https://cdn.jsdelivr.net/gh/NateScarlet/holiday-cn@master/2031.json");
    settings.values[app::kHolidaySourceValue] = "";
    EXPECT_TRUE(app::HolidaySources(settings).empty());
    settings.values[app::kHolidaySourceValue] = "http://127.0.0.1:8/{year}/{year}.json";
    ASSERT_EQ(app::HolidaySources(settings).size(), 1u);
    EXPECT_EQ(app::SourceAddress(app::HolidaySources(settings)[0], 2031), "http://127.0.0.1:8/2031/2031.json");
}

TEST(HolidayFetch, WhenToAsk) {
    const app::CalendarDate oct31{2031, 10, 31}, nov1{2031, 11, 1}, nov2{2031, 11, 2};
    const app::HolidayYearState missing{}, covered{true, {}}, askedNov1{false, nov1};
    struct Case {
        app::CalendarDate today;
        app::HolidayYearState thisYear, nextYear;
        int want;
    } cases[] = {
        {oct31, missing, missing, 2031}, {oct31, covered, missing, 0},     {nov1, covered, missing, 2032},
        {nov1, covered, askedNov1, 0},   {nov2, covered, askedNov1, 2032}, {nov1, askedNov1, missing, 2032},
        {nov1, askedNov1, askedNov1, 0}, {nov2, covered, covered, 0},      {{2049, 12, 1}, covered, missing, 0},
        {{2050, 1, 1}, missing, missing, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::PlanHolidayFetch(c.today, c.thisYear, c.nextYear), app::HolidayFetchPlan{c.want})
            << c.today.year << '-' << c.today.month << '-' << c.today.day;
}

}  // namespace

TEST(HolidayFetch, AskedDaysInTheSettingsKey) {
    using Days = app::HolidayAskDays;
    struct Case {
        const char* text;
        Days want;
    } cases[] = {
        {"", {}},
        {"2027:20261209", {{2027, {2026, 12, 9}}}},
        {" 2027:20261209  2028:20271101 ", {{2027, {2026, 12, 9}}, {2028, {2027, 11, 1}}}},
        {"2027:20261209 2027:20261210", {{2027, {2026, 12, 10}}}},  // the later pair
        // Each malformed pair passed over, the good one kept.
        {"2027:20260230 2027:20261309 2027:2026129 2027-20261209 20x7:20261209 2028:2027110a 2031:20310310",
         {{2031, {2031, 3, 10}}}},
        {"2031:20310310:1 :20310310 2031: garbage\xb2\xe2", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(app::ParseHolidayAsked(c.text), c.want) << c.text;

    const Days days{{2030, {2030, 1, 2}}, {2031, {2030, 11, 1}}, {2032, {2031, 11, 5}}};
    EXPECT_EQ(app::HolidayAskedText(days, 2031), "2031:20301101 2032:20311105");
    EXPECT_EQ(app::ParseHolidayAsked(app::HolidayAskedText(days, 0)), days);
    EXPECT_EQ(app::HolidayAskedText({}, 2031), "");
}
