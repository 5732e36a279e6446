#pragma once
// Run-time errors of the control as automation errors: the HRESULT carries
// the number (FACILITY_CONTROL, so a script's Err.Number reads it back), and
// the thread's error object carries the description for EXCEPINFO.
#include <ole2.h>

#include <new>

#include "base/error.h"

namespace mirelo::server {

// 0x800A0000 | number, with the error object set.
HRESULT RuntimeErrorResult(int number);
// The run-time number an HRESULT stands for, 0 when it is none of ours.
int RuntimeErrorNumber(HRESULT hr);
// Fills an EXCEPINFO for a failed call, from the error object if one is set.
void FillExcepInfo(EXCEPINFO* info, HRESULT hr);

// A failed COM call inside a core operation (a host's bag or stream refused).
struct ComError {
    HRESULT hr;
};

// Runs one automation call: run-time errors become their HRESULT, nothing
// escapes into the caller's (C) frames.
template <class F>
HRESULT Guarded(F&& body) {
    try {
        body();
        return S_OK;
    } catch (const RuntimeError& e) {
        return RuntimeErrorResult(e.number());
    } catch (const ComError& e) {
        return e.hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace mirelo::server
