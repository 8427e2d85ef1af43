// Start-up benchmark: from process creation to the first paint of the main
// window, for the calendar and for an empty-window baseline, run in turn.
//
//     startup_bench CALENDAR.exe BASELINE.exe [RUNS]
//
// A window counts as painted once the screen shows the title strip's colour
// at its top-left corner. Prints the median times, their ratio and the
// working sets measured at that moment.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kStripColour = RGB(50, 80, 90);
constexpr DWORD kGiveUpMs = 30000;

struct Sample {
    double milliseconds = -1;
    double workingSetKiB = 0;
};

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool ShowsStrip(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    if (!window || !IsWindowVisible(window)) return false;
    RECT rect;
    GetWindowRect(window, &rect);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, rect.left + 2, rect.top + 2);
    ReleaseDC(nullptr, screen);
    return pixel == kStripColour;
}

Sample RunOnce(const char* exe, const char* title) {
    std::string commandLine = std::string("\"") + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    Sample sample;
    const double start = Now();
    if (!CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return sample;
    while (Now() - start < kGiveUpMs) {
        if (ShowsStrip(title)) {
            sample.milliseconds = Now() - start;
            PROCESS_MEMORY_COUNTERS memory{};
            if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
                sample.workingSetKiB = static_cast<double>(memory.WorkingSetSize) / 1024.0;
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Let the window go before the next run looks for it.
    while (FindWindowA(nullptr, title)) Sleep(10);
    return sample;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench CALENDAR.exe BASELINE.exe [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 11;
    std::vector<double> calendarMs, baselineMs, calendarKiB, baselineKiB;
    for (int i = 0; i < runs; ++i) {
        const Sample baseline = RunOnce(argv[2], "StartupBaseline");
        const Sample calendar = RunOnce(argv[1], "ri2.23");
        if (baseline.milliseconds < 0 || calendar.milliseconds < 0) {
            std::fprintf(stderr, "run %d: a window never painted\n", i + 1);
            return 1;
        }
        baselineMs.push_back(baseline.milliseconds);
        calendarMs.push_back(calendar.milliseconds);
        baselineKiB.push_back(baseline.workingSetKiB);
        calendarKiB.push_back(calendar.workingSetKiB);
        std::printf("run %2d: calendar %7.1f ms, baseline %7.1f ms\n", i + 1, calendar.milliseconds,
                    baseline.milliseconds);
    }
    const double calendar = Median(calendarMs), baseline = Median(baselineMs);
    std::printf("median to first paint: calendar %.1f ms, baseline %.1f ms, ratio %.2f (goal <= 1.25)\n", calendar,
                baseline, calendar / baseline);
    std::printf("median working set at first paint: calendar %.0f KiB, baseline %.0f KiB, ratio %.2f\n",
                Median(calendarKiB), Median(baselineKiB), Median(calendarKiB) / Median(baselineKiB));
    return 0;
}
