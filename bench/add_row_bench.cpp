// add-row: appending one row with AddItem (it paints the new row when it is in
// view and lays out), against building the same row as a plain record in a
// std::vector: the cells cut at the commas into strings, plus key, id, check.
#include <benchmark/benchmark.h>

#include "figures.h"
#include "null_ports.h"
#include "rows.h"

namespace mirelo::bench {
namespace {

constexpr int kRows = 4096;

void AddRow(benchmark::State& state) {
    const std::vector<Variant> titles = RowTitles<Variant>(kRows);
    NullList l;
    l.Columns(MIRELO_BENCH_COLUMNS);
    for (auto _ : state) {
        for (const Variant& title : titles) benchmark::DoNotOptimize(l.Add(title));
        state.PauseTiming();
        l.list->Clear();
        state.ResumeTiming();
    }
    ItemsPerIteration(state, kRows);
}

void AddRowVector(benchmark::State& state) {
    const std::vector<Text> titles = RowTitles(kRows);
    for (auto _ : state) {
        std::vector<PlainRecord> rows;
        for (const Text& title : titles) rows.push_back(CutRecord(title));
        benchmark::DoNotOptimize(rows.data());
        state.PauseTiming();
        rows = {};
        state.ResumeTiming();
    }
    ItemsPerIteration(state, kRows);
}

BENCHMARK(AddRow)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(AddRowVector)->Unit(benchmark::kMillisecond)->Apply(Repeated);

const bool registered = (TimedFigure("add-row", "AddRow", "AddRowVector"), true);

}  // namespace
}  // namespace mirelo::bench
