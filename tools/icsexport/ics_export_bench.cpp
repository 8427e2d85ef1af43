// Times the iCalendar export of a notes folder of 1,000 notes of every kind
// (7 weekly, 300 Gregorian-yearly, 300 lunar-yearly, 393 one-off), made in a
// fresh temporary folder, and prints the events and bytes each form writes.
//
//   ics_export_bench [FROM_YEAR]
#include "ics/NotesExport.h"
#include "notes/NoteFiles.h"
#include "notes/NoteStore.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

constexpr char kCalendarFolder[] = "日历";
constexpr char kText[] = "生日，记得打电话；买蛋糕\r\n第二行：地址和时间";

bool Put(notes::CNoteStore& store, int slot) { return store.Set(slot, kText, sizeof kText - 1, 0) == 0; }

bool MakeNotes() {
    if (notes::EnsureDir(kCalendarFolder) != 0 || ::chdir("..") != 0) return false;
    notes::CNoteStore store;
    bool ok = store.OpenWeekly() == 0;
    for (int w = 0; w < 7; ++w) ok = ok && Put(store, w);
    int yearly = 0, lunarYearly = 0, once = 0;
    for (int m = 1; m <= 12; ++m) {
        ok = ok && store.Open(1, m) == 0;
        for (int d = 1; d <= 28 && yearly < 300; ++d, ++yearly) ok = ok && Put(store, d);
        ok = ok && store.Open(0, m) == 0;
        for (int d = 1; d <= 30 && lunarYearly < 300; d += 1, ++lunarYearly) ok = ok && Put(store, d);
    }
    for (int y = 2020; y <= 2030 && once < 393; ++y)
        for (int m = 1; m <= 12 && once < 393; ++m) {
            ok = ok && store.Open(y, m) == 0;
            for (int d = 1; d <= 3 && once < 393; ++d, ++once) ok = ok && Put(store, d);
        }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    char folder[] = "/tmp/ics_bench_XXXXXX";
    if (!::mkdtemp(folder) || ::chdir(folder) != 0 || !MakeNotes()) {
        std::fprintf(stderr, "ics_export_bench: cannot make the notes folder\n");
        return 1;
    }
    ics::ExportOptions options;
    options.fromYear = argc > 1 ? std::atoi(argv[1]) : 2026;
    options.stamp = "20260101T000000Z";
    for (const ics::LunarForm form : {ics::LunarForm::PerYear, ics::LunarForm::Rscale}) {
        options.lunarForm = form;
        ics::ExportResult result;
        constexpr int kRuns = 10;
        timespec start{}, end{};
        ::clock_gettime(CLOCK_MONOTONIC, &start);
        for (int i = 0; i < kRuns; ++i) static_cast<void>(ics::CalendarOfNotes(options, result));
        ::clock_gettime(CLOCK_MONOTONIC, &end);
        const double ms = ((end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6) / kRuns;
        std::printf("%s from %d: %d notes, %d events, %zu bytes, %.1f ms\n",
                    form == ics::LunarForm::Rscale ? "rscale" : "per-year", options.fromYear, result.notes,
                    result.events, result.bytes, ms);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
