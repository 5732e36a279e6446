#pragma once
// The values a careless or hostile host puts into a VARIANT: every automation
// type at its extremes, and, more often, the plausible values that let a run
// build up rows and columns to be hostile to.
#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <random>
#include <string>

#include "com_support.h"

namespace hostfuzz {

using mltest::Var;

class HostileValues {
public:
    HostileValues(std::mt19937_64& rng, IDispatch* someObject) : rng_(rng), object_(someObject) {}

    // Any value at all, by value (never a reference).
    Var Any();
    // What a host plausibly passes for a parameter of type `vt`: small
    // numbers, row indexes, cell and column texts.
    Var Plausible(VARTYPE vt);
    // A value for a parameter declared `vt`, plausible or hostile.
    Var For(VARTYPE vt);

    bool Chance(uint32_t percent) { return Below(100) < percent; }
    uint32_t Below(uint32_t n) { return static_cast<uint32_t>(rng_() % n); }

private:
    Var Integer();
    Var Floating();
    Var Text();
    Var Array();
    std::wstring CellList(int parts);

    std::mt19937_64& rng_;
    IDispatch* object_;
};

// A short description of a value for the failure report ("I4 -1", "BSTR(12) 'a,b'").
std::string Describe(const VARIANT& v);

}  // namespace hostfuzz
