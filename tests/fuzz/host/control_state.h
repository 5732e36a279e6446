#pragma once
// What a host can read back from the control, taken whole so that two
// readings compare: every property without arguments, the check and play
// summaries, and the cells and ids of the rows a call may have touched.
#include <windows.h>
#include <oleauto.h>

#include <map>
#include <string>
#include <vector>

namespace hostfuzz {

struct ControlState {
    std::map<std::wstring, std::wstring> values;  // name (with arguments) -> value as text, or "error N"

    bool operator==(const ControlState& o) const { return values == o.values; }
    long Number(const wchar_t* name) const;  // -999999 when absent or not a number
    // The entries that differ from `o`, for a report.
    std::string Difference(const ControlState& o) const;
};

// Reads the state; `rows` are row indexes whose cells and ids are read too
// (out-of-range ones are left out).
ControlState ReadState(IDispatch* d, const std::vector<long>& rows);

// What must hold at any time, whatever was called before: counts and indexes
// in their ranges, the check and play summaries agreeing with them, every
// property readable. Empty when all hold, else what failed.
std::string CheckInvariants(const ControlState& s);

}  // namespace hostfuzz
