// Sorting a full list (32768 rows) by one text column through a header click,
// against std::sort of the same keys with the same ordinal comparison. Ours
// includes everything the click does: the key sort, moving every row and the
// repaint of the visible rows. Keys are distinct, ten code units each, given
// shuffled, already in order, or in reverse order; or, as a column of artists
// is, only three different texts in random order.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "figures.h"
#include "null_ports.h"
#include "rows.h"

namespace mirelo::bench {
namespace {

constexpr int kRows = kMaxRows;
constexpr float kHeaderY = 8, kKeyColumnX = 150;  // inside column 1 of the header band

enum class Order { Shuffled, Sorted, Reversed, FewDistinct };

std::vector<Text> Keys(Order order) {
    std::vector<Text> keys;
    std::mt19937 random(20240607);
    if (order == Order::FewDistinct) {
        for (int i = 0; i < kRows; ++i) keys.push_back(Text(u"artist ") + static_cast<char16_t>(u'A' + random() % 3));
        return keys;
    }
    for (int i = 0; i < kRows; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "key%05d-x", i);
        keys.push_back(FromUtf8(key));
    }
    if (order == Order::Reversed) std::reverse(keys.begin(), keys.end());
    if (order == Order::Shuffled) std::shuffle(keys.begin(), keys.end(), random);
    return keys;
}

void ClickKeyHeader(MireloList& list) {
    list.OnMouseDown(1, 0, kKeyColumnX, kHeaderY);
    list.OnMouseUp(1, 0, kKeyColumnX, kHeaderY);
}

void SortByClick(benchmark::State& state, Order order) {
    const std::vector<Text> keys = Keys(order);
    NullList l;
    l.Columns(MIRELO_BENCH_COLUMNS);
    for (const Text& title : RowTitles(kRows)) {
        Text key;
        l.list->AddItem(Variant(title), key, Variant::Missing(), Variant::Missing());
    }
    for (auto _ : state) {
        state.PauseTiming();
        // A click on a column not marked descending only reverses the rows;
        // the one after it sorts. The keys are put in place after the first.
        ClickKeyHeader(*l.list);
        for (int i = 0; i < kRows; ++i) l.list->Setitem(static_cast<int16_t>(i), 1, keys[i]);
        state.ResumeTiming();
        ClickKeyHeader(*l.list);
    }
    const auto& rows = l.list->Rows();
    for (int i = 1; i < kRows; ++i)
        if (rows[i - 1].Cell(1) > rows[i].Cell(1)) return state.SkipWithError("the rows are not in key order");
}

void StdSort(benchmark::State& state, Order order) {
    const std::vector<Text> keys = Keys(order);
    std::vector<Text> work;
    for (auto _ : state) {
        state.PauseTiming();
        work = keys;
        state.ResumeTiming();
        std::sort(work.begin(), work.end(), [](const Text& a, const Text& b) { return a.compare(b) < 0; });
        benchmark::DoNotOptimize(work.data());
    }
}

BENCHMARK_CAPTURE(SortByClick, shuffled, Order::Shuffled)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK_CAPTURE(StdSort, shuffled, Order::Shuffled)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK_CAPTURE(SortByClick, sorted, Order::Sorted)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK_CAPTURE(StdSort, sorted, Order::Sorted)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK_CAPTURE(SortByClick, reversed, Order::Reversed)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK_CAPTURE(StdSort, reversed, Order::Reversed)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK_CAPTURE(SortByClick, three_keys, Order::FewDistinct)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK_CAPTURE(StdSort, three_keys, Order::FewDistinct)->Unit(benchmark::kMillisecond)->Apply(Repeated);

const bool registered = (TimedFigure("sort-shuffled-32768", "SortByClick/shuffled", "StdSort/shuffled"),
                         TimedFigure("sort-sorted-32768", "SortByClick/sorted", "StdSort/sorted"),
                         TimedFigure("sort-reversed-32768", "SortByClick/reversed", "StdSort/reversed"),
                         TimedFigure("sort-3-keys-32768", "SortByClick/three_keys", "StdSort/three_keys"), true);

}  // namespace
}  // namespace mirelo::bench
