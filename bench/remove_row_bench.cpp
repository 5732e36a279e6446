// remove-row: RemoveItem(0) on a full list of 32768 rows (it repaints the
// rows in view and lays out), against erasing the first of as many plain
// records from a std::vector.
#include <benchmark/benchmark.h>

#include "figures.h"
#include "null_ports.h"
#include "rows.h"

namespace mirelo::bench {
namespace {

constexpr int kRows = 32768;
constexpr int kRemoved = 1000;

void RemoveRow(benchmark::State& state) {
    const std::vector<Variant> titles = RowTitles<Variant>(kRows);
    NullList l;
    l.Columns(MIRELO_BENCH_COLUMNS);
    for (auto _ : state) {
        state.PauseTiming();
        l.list->Clear();
        for (const Variant& title : titles) l.Add(title);
        state.ResumeTiming();
        for (int i = 0; i < kRemoved; ++i) benchmark::DoNotOptimize(l.list->RemoveItem(0));
    }
    ItemsPerIteration(state, kRemoved);
}

void RemoveRowVector(benchmark::State& state) {
    const std::vector<Text> titles = RowTitles(kRows);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<PlainRecord> rows;
        for (const Text& title : titles) rows.push_back(CutRecord(title));
        state.ResumeTiming();
        for (int i = 0; i < kRemoved; ++i) rows.erase(rows.begin());
        benchmark::DoNotOptimize(rows.data());
    }
    ItemsPerIteration(state, kRemoved);
}

BENCHMARK(RemoveRow)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(RemoveRowVector)->Unit(benchmark::kMillisecond)->Apply(Repeated);

const bool registered = (TimedFigure("remove-row", "RemoveRow", "RemoveRowVector"), true);

}  // namespace
}  // namespace mirelo::bench
