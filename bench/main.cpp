// Runs the benchmarks and then prints one comparable line per figure.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "figures.h"

namespace mirelo::bench {
namespace {

struct Timed { std::string name, ours, anchor; };
struct Counted { double ours, anchor; std::string unit, note; };

std::vector<Timed>& TimedList() {
    static std::vector<Timed> list;
    return list;
}

std::vector<std::pair<std::string, Counted>>& CountedList() {
    static std::vector<std::pair<std::string, Counted>> list;
    return list;
}

double NanosecondsPer(benchmark::TimeUnit unit) {
    switch (unit) {
        case benchmark::kNanosecond: return 1;
        case benchmark::kMicrosecond: return 1e3;
        case benchmark::kMillisecond: return 1e6;
        default: return 1e9;
    }
}

// Keeps the console output and remembers nanoseconds per item of every run.
class Collector : public benchmark::ConsoleReporter {
public:
    Collector() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            const bool fastest = r.run_type == Run::RT_Aggregate && r.aggregate_name == "min";
            const bool slowest = r.run_type == Run::RT_Aggregate && r.aggregate_name == "max";
            const bool single = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
            if (!fastest && !slowest && !single) continue;
            // Processor time: the machine is shared, and time spent waiting
            // for a processor belongs to neither side of a ratio.
            double ns = r.GetAdjustedCPUTime() * NanosecondsPer(r.time_unit);
            auto items = r.counters.find("items");
            if (items != r.counters.end() && items->second.value > 0) ns /= items->second.value;
            // Keyed without the run options (min_time, iterations) the name carries.
            const auto& n = r.run_name;
            const std::string key = n.args.empty() ? n.function_name : n.function_name + "/" + n.args;
            if (!slowest) perItem[key] = ns;
            if (!fastest) slowestPerItem[key] = ns;
        }
    }
    std::map<std::string, double> perItem;         // the fastest repetition
    std::map<std::string, double> slowestPerItem;  // the slowest one
};

// A time in the unit that keeps three or four significant digits readable.
std::string Duration(double ns) {
    char b[32];
    if (ns < 1e4) std::snprintf(b, sizeof b, "%.1fns", ns);
    else if (ns < 1e7) std::snprintf(b, sizeof b, "%.1fus", ns / 1e3);
    else std::snprintf(b, sizeof b, "%.2fms", ns / 1e6);
    return b;
}

void Line(const std::string& name, const std::string& ours, const std::string& anchor, double ratio) {
    std::printf("bench %s ours=%s anchor=%s ratio=%.2f\n", name.c_str(), ours.c_str(), anchor.c_str(), ratio);
}

}  // namespace

void TimedFigure(const std::string& name, const std::string& ours, const std::string& anchor) {
    TimedList().push_back({name, ours, anchor});
}

void Repeated(benchmark::internal::Benchmark* b) {
    b->Repetitions(5)
        ->DisplayAggregatesOnly(true)
        ->MinTime(0.1)
        ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

void ItemsPerIteration(benchmark::State& state, int64_t items) {
    state.counters["items"] = static_cast<double>(items);
}

void CountedFigure(const std::string& name, double ours, double anchor, const std::string& unit,
                   const std::string& note) {
    for (auto& c : CountedList())
        if (c.first == name) { c.second = {ours, anchor, unit, note}; return; }
    CountedList().push_back({name, {ours, anchor, unit, note}});
}

}  // namespace mirelo::bench

int main(int argc, char** argv) {
    using namespace mirelo::bench;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    std::printf("\n");
    for (const Timed& t : TimedList()) {
        auto o = collector.perItem.find(t.ours), a = collector.perItem.find(t.anchor);
        if (o == collector.perItem.end() || a == collector.perItem.end()) continue;  // filtered out
        Line(t.name, Duration(o->second), Duration(a->second), o->second / a->second);
        // The spread of the repetitions, for judging how far to trust the line.
        auto os = collector.slowestPerItem.find(t.ours), as = collector.slowestPerItem.find(t.anchor);
        if (os != collector.slowestPerItem.end() && as != collector.slowestPerItem.end())
            std::printf("# %s ours %s..%s anchor %s..%s\n", t.name.c_str(), Duration(o->second).c_str(),
                        Duration(os->second).c_str(), Duration(a->second).c_str(), Duration(as->second).c_str());
    }
    for (const auto& [name, c] : CountedList()) {
        char ours[32], anchor[32];
        std::snprintf(ours, sizeof ours, "%.0f%s", c.ours, c.unit.c_str());
        std::snprintf(anchor, sizeof anchor, "%.0f%s", c.anchor, c.unit.c_str());
        Line(name, ours, anchor, c.ours / c.anchor);
        if (!c.note.empty()) std::printf("# %s %s\n", name.c_str(), c.note.c_str());
    }
    return 0;
}
