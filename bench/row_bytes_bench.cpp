// row-bytes: heap bytes a row of five ten-character cells keeps alive in a
// filled list (its record, its share of the row array, its texts), against the
// UTF-16 bytes of those texts. 10000 rows: the row array then has the spare
// capacity an everyday list has.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "alloc_count.h"
#include "figures.h"
#include "null_ports.h"
#include "rows.h"

namespace mirelo::bench {
namespace {

constexpr int kRows = 10000;

void RowBytes(benchmark::State& state) {
    const std::vector<Variant> titles = RowTitles<Variant>(kRows);
    double perRow = 0;
    for (auto _ : state) {
        NullList l;
        l.Columns(MIRELO_BENCH_COLUMNS);
        const int64_t before = LiveHeapBytes();
        for (const Variant& title : titles) l.Add(title);
        perRow = static_cast<double>(LiveHeapBytes() - before) / kRows;
    }
    const double text = kCellsPerRow * kCellLength * sizeof(char16_t);
    state.counters["bytes_per_row"] = perRow;
    state.counters["text_bytes"] = text;
    // A guard rather than a race: twice the text and a record's overhead.
    const double limit = 2 * text + 64;
    char note[96];
    std::snprintf(note, sizeof note, "limit %.0fB (2 x text + 64): %s", limit, perRow <= limit ? "kept" : "EXCEEDED");
    CountedFigure("row-bytes", perRow, text, "B", note);
}

BENCHMARK(RowBytes)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirelo::bench
