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

struct PlainRecord {
    std::vector<std::u16string> cells;
    std::u16string key;
    int16_t id = -1;
    int16_t checked = 0;
};

void AddRowVector(benchmark::State& state) {
    const std::vector<Text> titles = RowTitles(kRows);
    for (auto _ : state) {
        std::vector<PlainRecord> rows;
        for (const Text& title : titles) {
            PlainRecord r;
            size_t start = 0;
            for (size_t comma; (comma = title.find(u',', start)) != Text::npos; start = comma + 1)
                r.cells.emplace_back(title, start, comma - start);
            r.cells.emplace_back(title, start);
            rows.push_back(std::move(r));
        }
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
