#pragma once
// Late-bound calls as a form's code makes them, for the demo's scripted steps.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

namespace demo {

VARIANT Long(long v);
VARIANT Bool(bool v);
// A string argument; Call frees it.
VARIANT Str(const wchar_t* s);

// Invokes `name` with arguments in parameter order; the arguments are cleared.
// A failure is reported on stderr. `result` (optional) receives the value.
HRESULT Call(IDispatch* d, const wchar_t* name, WORD flags, std::vector<VARIANT> args, VARIANT* result = nullptr);
long GetLong(IDispatch* d, const wchar_t* name);
std::wstring Item(IDispatch* d, long row, long column);

}  // namespace demo
