#pragma once
// The figures `make bench` ends with, one line each:
//   bench <name> ours=<value><unit> anchor=<value><unit> ratio=<ours/anchor>
// A timed figure pairs two benchmarks by name and compares their time per
// item; a counted figure is a pair of numbers a benchmark computed itself.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace mirelo::bench {

// Ours and anchor are benchmark names. A benchmark that handles several
// items per iteration says how many with ItemsPerIteration, and its time is
// then divided by them, so that "per row" figures compare rows.
void TimedFigure(const std::string& name, const std::string& ours, const std::string& anchor);

// Every benchmark of a timed figure runs a few times and counts its fastest
// run: on a shared machine the minimum is the figure least disturbed by others.
// A comment line after the figure gives both sides' fastest and slowest runs:
//   # <name> ours <min>..<max> anchor <min>..<max>
//   BENCHMARK(X)->Apply(Repeated);
void Repeated(benchmark::internal::Benchmark* b);
void ItemsPerIteration(benchmark::State& state, int64_t items);

// Replaces any earlier value of the same figure. A note, when given, follows
// as the figure's comment line (a count has no spread to show).
void CountedFigure(const std::string& name, double ours, double anchor, const std::string& unit,
                   const std::string& note = "");

}  // namespace mirelo::bench
