// Speed of the conversion and of filling one month's day cells.
#include "engine/MonthModel.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace lunar;

struct Ymd {
    int y, m, d;
};

// Every convertible day, in order.
std::vector<Ymd> AllDays() {
    std::vector<Ymd> days;
    for (int y = 1900; y <= 2051; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= GregorianMonthLength(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m));
                 ++d)
                if (IsConvertible(y, m, d)) days.push_back({y, m, d});
    return days;
}

void BM_FromGregorianEveryDay(benchmark::State& state) {
    const std::vector<Ymd> days = AllDays();
    for (auto _ : state) {
        for (const Ymd& day : days) {
            LunarDate d;
            const bool converted = d.FromGregorian(day.y, day.m, day.d);
            benchmark::DoNotOptimize(converted);
            benchmark::DoNotOptimize(d);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_FromGregorianEveryDay)->Unit(benchmark::kMillisecond);

void BM_FillMonth(benchmark::State& state) {
    MonthModel model;
    int index = 0;
    for (auto _ : state) {
        // Walk all shown months so no single month's layout is favoured.
        const int y = 1900 + index / 12, m = 1 + index % 12;
        index = (index + 1) % (150 * 12);
        if (!IsShownMonth(y, m)) continue;
        const bool filled = FillMonth(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m), model);
        benchmark::DoNotOptimize(filled);
        benchmark::DoNotOptimize(model);
    }
}
BENCHMARK(BM_FillMonth)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
