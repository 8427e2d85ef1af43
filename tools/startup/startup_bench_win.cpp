// Start-up benchmark: from process creation to the first paint of the main
// window, for the calendar, for the floor (a program that does only what any
// program of its kind must before its first paint) and for an empty window,
// run in turn.
//
//     startup_bench CALENDAR.exe FLOOR.exe EMPTY.exe [RUNS]
//
// A window counts as painted once the screen shows the title strip's colour
// at its top-left corner and, for the calendar, the weekday band of the
// month grid at its right end. Prints the median times, the calendar's ratio to
// the floor and to the empty window, and the working sets measured at that
// moment.
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

// A point of a window and the colour it shows once painted.
struct Probe {
    int x = 0;
    int y = 0;
    COLORREF colour = 0;
};

constexpr Probe kStripProbe{2, 2, kStripColour};
// In design pixels (96 DPI): the calendar draws it at its DPI.
constexpr Probe kWeekdayBandProbe{360, 23, RGB(72, 61, 139)};

// The probe where a window drawn at the screen's DPI shows it; this program
// reads the screen in its true pixels.
Probe AtScreenDpi(Probe probe) {
    SetProcessDPIAware();
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return {MulDiv(probe.x, dpi, 96), MulDiv(probe.y, dpi, 96), probe.colour};
}

bool Shows(const char* title, const Probe* probes, int count) {
    HWND window = FindWindowA(nullptr, title);
    if (!window || !IsWindowVisible(window)) return false;
    RECT rect;
    GetWindowRect(window, &rect);
    HDC screen = GetDC(nullptr);
    bool shown = true;
    for (int i = 0; i < count && shown; ++i)
        shown = GetPixel(screen, rect.left + probes[i].x, rect.top + probes[i].y) == probes[i].colour;
    ReleaseDC(nullptr, screen);
    return shown;
}

Sample RunOnce(const char* exe, const char* title, const Probe* probes, int probeCount) {
    std::string commandLine = std::string("\"") + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    Sample sample;
    const double start = Now();
    if (!CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return sample;
    while (Now() - start < kGiveUpMs) {
        if (Shows(title, probes, probeCount)) {
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

struct Program {
    const char* exe;
    const char* title;
    std::vector<Probe> probes;
    std::vector<double> milliseconds;
    std::vector<double> workingSetKiB;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench CALENDAR.exe FLOOR.exe EMPTY.exe [RUNS]\n");
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 11;
    // The order within a round turns with each round, so that none of them
    // always runs just after the same neighbour.
    Program programs[] = {{argv[1], "ri2.23", {kStripProbe, AtScreenDpi(kWeekdayBandProbe)}, {}, {}},
                          {argv[2], "StartupFloor", {kStripProbe}, {}, {}},
                          {argv[3], "StartupBaseline", {kStripProbe}, {}, {}}};
    constexpr int kPrograms = 3;
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < kPrograms; ++k) {
            Program& program = programs[(i + k) % kPrograms];
            const Sample sample =
                RunOnce(program.exe, program.title, program.probes.data(), static_cast<int>(program.probes.size()));
            if (sample.milliseconds < 0) {
                std::fprintf(stderr, "run %d: %s never painted\n", i + 1, program.title);
                return 1;
            }
            program.milliseconds.push_back(sample.milliseconds);
            program.workingSetKiB.push_back(sample.workingSetKiB);
        }
        std::printf("run %2d: calendar %7.1f ms, floor %7.1f ms, empty window %7.1f ms\n", i + 1,
                    programs[0].milliseconds.back(), programs[1].milliseconds.back(), programs[2].milliseconds.back());
    }
    const double calendar = Median(programs[0].milliseconds), floor = Median(programs[1].milliseconds),
                 empty = Median(programs[2].milliseconds);
    const double calendarKiB = Median(programs[0].workingSetKiB), floorKiB = Median(programs[1].workingSetKiB),
                 emptyKiB = Median(programs[2].workingSetKiB);
    std::printf("median to first paint (%d runs): calendar %.1f ms, floor %.1f ms, empty window %.1f ms\n", runs,
                calendar, floor, empty);
    std::printf("start-up ratio to the floor %.2f (goal <= 1.15), to the empty window %.2f\n", calendar / floor,
                calendar / empty);
    std::printf("median working set at first paint: calendar %.0f KiB, floor %.0f KiB, empty window %.0f KiB\n",
                calendarKiB, floorKiB, emptyKiB);
    std::printf("calendar above the floor: %.0f KiB (goal <= 3072)\n", calendarKiB - floorKiB);
    return 0;
}
