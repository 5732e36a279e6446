#pragma once
// One figure of the Wine benchmark: the seconds of every run on each side.
// It prints the line every benchmark here ends with, from each side's fastest
// run (on a shared machine the least disturbed one), and a comment line with
// the spread of the runs:
//   bench <name> ours=<ms>ms anchor=<ms>ms ratio=<ours/anchor>
//   # <name> ours <min>..<max>ms anchor <min>..<max>ms
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace mlbench {

struct Figure {
    std::string name;
    std::vector<double> ours, anchor;

    explicit Figure(std::string n) : name(std::move(n)) {}

    void Report() const {
        if (ours.empty() || anchor.empty()) return;
        const auto [oMin, oMax] = std::minmax_element(ours.begin(), ours.end());
        const auto [aMin, aMax] = std::minmax_element(anchor.begin(), anchor.end());
        std::printf("bench %s ours=%.3fms anchor=%.3fms ratio=%.3f\n", name.c_str(), *oMin * 1e3, *aMin * 1e3,
                    *aMin > 0 ? *oMin / *aMin : 0.0);
        std::printf("# %s ours %.3f..%.3fms anchor %.3f..%.3fms (%zu runs)\n", name.c_str(), *oMin * 1e3,
                    *oMax * 1e3, *aMin * 1e3, *aMax * 1e3, ours.size());
        std::fflush(stdout);
    }
};

}  // namespace mlbench
