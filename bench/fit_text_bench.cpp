// fit-text: painting a row whose one text cell holds 200 characters in a cell
// 60 pixels wide, so the text is shortened with "...", against measuring that
// text once. The counters show how many measurements the shortening took.
#include <benchmark/benchmark.h>

#include "figures.h"
#include "null_ports.h"

namespace mirelo::bench {
namespace {

Text LongText() {
    Text t;
    while (t.size() < 200) t += u"The quick brown fox jumps over the lazy dog. ";
    t.resize(200);
    return t;
}

void FitText(benchmark::State& state) {
    // Column 0 has no width and is not painted; column 1 leaves 60 pixels of
    // text room inside its 64 (2 pixels each side), and fills the surface.
    NullList l(68, 300);
    l.list->SetLook(&ListLook::Border, kFalse);
    l.list->SetLook(&ListLook::YnNeedNumCol, kFalse);
    l.Columns(u"#,Text", u"0,64", u"0,0", 1);
    Text key;
    l.list->AddItem(Variant(u"," + LongText()), key, Variant::Missing(), Variant::Missing());
    const long long calls = l.surface.widthCalls, units = l.surface.unitsMeasured;
    for (auto _ : state) l.list->PaintRow(0);
    const double n = static_cast<double>(state.iterations());
    state.counters["widths_per_paint"] = static_cast<double>(l.surface.widthCalls - calls) / n;
    state.counters["units_per_paint"] = static_cast<double>(l.surface.unitsMeasured - units) / n;
}

void MeasureOnce(benchmark::State& state) {
    NullSurface surface(68, 300);
    const Text text = LongText();
    for (auto _ : state) benchmark::DoNotOptimize(surface.TextWidth(text));
}

BENCHMARK(FitText)->Apply(Repeated);
BENCHMARK(MeasureOnce)->Apply(Repeated);

const bool registered = (TimedFigure("fit-text", "FitText", "MeasureOnce"), true);

}  // namespace
}  // namespace mirelo::bench
