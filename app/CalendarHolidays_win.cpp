#include "app/CalendarDlg.h"

#include "app/HolidayFetch.h"
#include "app/HolidayFileNotice.h"
#include "app/LocalClock.h"
#include "app/Registry.h"
#include "base/WideText_win.h"
#include "framework/WinApp.h"
#include "notes/NoteFiles.h"

namespace app {

void CCalendarDlg::LoadHolidaySchedules() {
    // The notes folder is current. Years fetched before, from the first year
    // after the built-in table to next year; one that does not read is
    // passed over and fetched again.
    const int lastFetchable = LocalToday().year + 1;
    for (int year = lunar::HolidayTable::LastBuiltInYear() + 1; year <= lastFetchable; ++year) {
        const std::optional<std::string> kept =
            notes::ReadFileOfAtMost(FetchedYearPath(year, '\\').c_str(), lunar::kMaxScheduleFileBytes);
        if (!kept) continue;
        if (std::optional<lunar::DatedMarks> days = ReadFetchedYearFile(*kept, year))
            monthView->holidays.SetNotice(lunar::ScheduleSource::Fetched, year, std::move(*days));
    }

    // The user's update file brings the days off of years the other sources
    // lack or get wrong, and wins over both.
    const std::optional<std::string> bytes =
        notes::ReadFileOfAtMost(lunar::kHolidayUpdateFileName, lunar::kMaxScheduleFileBytes);
    const std::optional<lunar::HolidayUpdateResult> result =
        bytes ? std::optional(monthView->holidays.ApplyUpdate(*bytes)) : std::nullopt;

    char stored[kSettingTextSize] = "";
    if (RegistrySettings{}.Read(kHolidayFileStampValue, stored, sizeof stored) != 0) stored[0] = '\0';
    const std::string stamp = HolidayFileStamp(bytes);
    const HolidayFileNoticePlan plan = PlanHolidayFileNotice(stored, stamp, result);
    // A stamp that cannot be written only tells again at the next start.
    if (plan.remember) static_cast<void>(WriteRegString(kSettingsKey, kHolidayFileStampValue, stamp.c_str()));
    if (plan.tell) holidayFileReport = HolidayFileReport(*result);

    char asked[kSettingTextSize] = "";
    if (RegistrySettings{}.Read(kHolidayAskedValue, asked, sizeof asked) != 0) asked[0] = '\0';
    holidayAsked = ParseHolidayAsked(asked);
}

void CCalendarDlg::TellHolidayFileReport() {
    if (!holidayFileReport) return;
    const std::string text = std::move(*holidayFileReport);
    holidayFileReport.reset();
    fw::MessageBoxFor(hwnd_, text.c_str(), nullptr, MB_OK | MB_ICONINFORMATION);
}

void CCalendarDlg::FetchHolidaysIfDue() {
    if (!monthView || holidayFetch.Running()) return;
    const CalendarDate today = LocalToday();
    const auto state = [&](int year) {
        const auto asked = holidayAsked.find(year);
        return HolidayYearState{monthView->holidays.CoversYear(year),
                                asked == holidayAsked.end() ? CalendarDate{} : asked->second};
    };
    const HolidayFetchPlan plan = PlanHolidayFetch(today, state(today.year), state(today.year + 1));
    if (plan.year == 0) return;
    holidaySources = HolidaySources(RegistrySettings{});
    if (holidaySources.empty()) return;  // fetching is off
    // Asked for today, whatever comes of it: the next try is tomorrow.
    holidayAsked[plan.year] = today;
    // Kept for a restart today; one that cannot be written may ask again then.
    static_cast<void>(
        WriteRegString(kSettingsKey, kHolidayAskedValue, HolidayAskedText(holidayAsked, today.year).c_str()));
    holidayFetchYear = plan.year;
    holidaySourceIndex = 0;
    AskHolidaySource();
}

void CCalendarDlg::AskHolidaySource() {
    for (; holidaySourceIndex < holidaySources.size(); ++holidaySourceIndex) {
        const std::string address = SourceAddress(holidaySources[holidaySourceIndex], holidayFetchYear);
        if (holidayFetch.Start(address, kHolidayBodyCap, [this, address](news::WebGetResult result,
                                                                           std::string_view body) {
                OnHolidayYearFetched(address, result, body);
            }))
            return;
    }
}

void CCalendarDlg::OnHolidayYearFetched(const std::string& address, news::WebGetResult result, std::string_view body) {
    ++holidayAnswers;
    YearCheck check;
    if (result == news::WebGetResult::Ok) check = CheckFetchedYear(body, holidayFetchYear);
    if (!check.year) {
        // Nothing of this answer is kept; the next source, or tomorrow.
        ++holidaySourceIndex;
        AskHolidaySource();
        return;
    }
    // Kept beside "日历" for the next start; shown now even when it cannot be.
    ::CreateDirectoryW(base::Gb18030ToWide(kFetchedHolidayFolder).c_str(), nullptr);
    const std::string text = FetchedYearFileText(*check.year, address);
    static_cast<void>(
        notes::WriteWholeFile(FetchedYearPath(holidayFetchYear, '\\').c_str(), text.data(), text.size()));
    monthView->holidays.SetNotice(lunar::ScheduleSource::Fetched, holidayFetchYear, std::move(check.year->days));
    monthView->HolidaysChanged();
}

}  // namespace app
