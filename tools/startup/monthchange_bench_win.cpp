// Month-change benchmark: from a click on "下月" until the month view has
// painted the new month, in the calendar's own main window.
//
//     monthchange_bench [CHANGES]
//
// The window runs in this process, its tick stopped, over a notes folder in
// a scratch documents folder that holds notes of every kind for the months
// it passes. A change ends when the click has been handled and no window of
// this thread waits for a paint any more. Prints the median, the 90th
// percentile and the slowest change.
#include "app/CalendarDlg.h"
#include "app/DocumentsFolder.h"
#include "notes/NoteStore.h"
#include "resources/resource_ids.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string documentsFolder;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Notes of every kind for the months from `year`/`month` on, in the notes
// folder the window has entered.
void WriteNotes(int year, int month, int months) {
    constexpr char kText[] = "周会 带材料";
    const std::size_t length = std::strlen(kText);
    for (int i = 0; i < months; ++i) {
        const int y = year + (month - 1 + i) / 12, m = (month - 1 + i) % 12 + 1;
        notes::CNoteStore oneOff;
        static_cast<void>(oneOff.Open(y, m));
        static_cast<void>(oneOff.Set(5, kText, length, 1));
        static_cast<void>(oneOff.Set(20, kText, length, 3));
    }
    for (int m = 1; m <= 12; ++m) {
        notes::CNoteStore yearly, lunarYearly;
        static_cast<void>(yearly.Open(1, m));
        static_cast<void>(yearly.Set(10, kText, length, 2));
        static_cast<void>(lunarYearly.Open(0, m));
        static_cast<void>(lunarYearly.Set(8, kText, length, 4));
    }
    notes::CNoteStore weekly;
    static_cast<void>(weekly.OpenWeekly());
    static_cast<void>(weekly.Set(3, kText, length, 5));
}

}  // namespace

int main(int argc, char** argv) {
    const int changes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "veltrano-monthchange-bench";
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    std::filesystem::create_directories(scratch);
    documentsFolder = scratch.string();
    app::SetDocumentsFolderSource([] { return documentsFolder; });

    app::CCalendarDlg window;
    if (!window.Create(IDD_MAIN, nullptr)) {
        std::fprintf(stderr, "the main window could not be made\n");
        return 1;
    }
    ::KillTimer(window.hwnd(), app::kTickTimerId);
    const view::CMonthView& view = *window.MonthView();
    WriteNotes(view.year, view.month, changes + 1);
    Pump();

    const HWND next = ::GetDlgItem(window.hwnd(), static_cast<int>(app::kNextButtonId));
    if (!next) {
        std::fprintf(stderr, "no next-month button\n");
        return 1;
    }
    std::vector<double> times;
    for (int i = 0; i < changes; ++i) {
        const int before = view.year * 12 + view.month;
        const double start = Now();
        ::PostMessageW(next, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::PostMessageW(next, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        Pump();
        ::GdiFlush();
        times.push_back(Now() - start);
        if (view.year * 12 + view.month != before + 1) {
            std::fprintf(stderr, "change %d did not show the next month\n", i + 1);
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    const double median = times.size() % 2 ? times[times.size() / 2]
                                           : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
    std::printf("month change, click on the next-month button to the new month painted, %d changes: median %.2f ms (goal <= 16), "
                "90th percentile %.2f ms, slowest %.2f ms\n",
                changes, median, times[times.size() * 9 / 10], times.back());
    return 0;
}
