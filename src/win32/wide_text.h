#pragma once
// Text crosses into Win32 as wide strings. On this platform wchar_t is one
// UTF-16 code unit, so the conversion is a reinterpretation, not a copy.
#include <windows.h>

#include <string>

#include "base/text.h"

namespace mirelo::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide characters are UTF-16 code units");

inline const wchar_t* Wide(const Text& t) { return reinterpret_cast<const wchar_t*>(t.c_str()); }

// A BSTR may be null, which automation reads as the empty string.
inline Text FromBstr(BSTR s) { return s ? Text(reinterpret_cast<const char16_t*>(s), SysStringLen(s)) : Text(); }

inline BSTR ToBstr(const Text& t) { return SysAllocStringLen(Wide(t), static_cast<UINT>(t.size())); }

}  // namespace mirelo::win32
