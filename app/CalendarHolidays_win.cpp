#include "app/CalendarDlg.h"

#include "app/HolidayFileNotice.h"
#include "app/Registry.h"
#include "framework/WinApp.h"

namespace app {

void CCalendarDlg::LoadHolidaySchedules() {
    // The notes folder is current: its update file, when there is one, brings
    // the days off of years the built-in table lacks or gets wrong.
    const std::optional<std::string> bytes = lunar::ReadScheduleFile(lunar::kHolidayUpdateFileName);
    const std::optional<lunar::HolidayUpdateResult> result =
        bytes ? std::optional(monthView->holidays.ApplyUpdate(*bytes)) : std::nullopt;

    char stored[kSettingTextSize] = "";
    if (RegistrySettings{}.Read(kHolidayFileStampValue, stored, sizeof stored) != 0) stored[0] = '\0';
    const std::string stamp = HolidayFileStamp(bytes);
    const HolidayFileNoticePlan plan = PlanHolidayFileNotice(stored, stamp, result);
    // A stamp that cannot be written only tells again at the next start.
    if (plan.remember) static_cast<void>(WriteRegString(kSettingsKey, kHolidayFileStampValue, stamp.c_str()));
    if (plan.tell) holidayFileReport = HolidayFileReport(*result);
}

void CCalendarDlg::TellHolidayFileReport() {
    if (!holidayFileReport) return;
    const std::string text = std::move(*holidayFileReport);
    holidayFileReport.reset();
    fw::MessageBoxFor(hwnd_, text.c_str(), nullptr, MB_OK | MB_ICONINFORMATION);
}

}  // namespace app
