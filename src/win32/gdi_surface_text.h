#pragma once
// Rows and header cells draw short single-line texts in the plainest
// DrawText formats, and under Wine DrawTextW costs about twice the
// ExtTextOutW it ends in: it copies and parses the text for line breaks and
// prefixes and measures it again. For such a text the surface places the
// line itself, exactly where DrawTextW would, and draws it with ExtTextOutW.
#include <windows.h>

#include <cstdint>
#include <string_view>

namespace mirelo::win32 {

// A text and format DrawTextW would draw as one unbroken line at the top of
// its rectangle, clipped to it: only left, centre or right alignment, and
// no character that DrawTextW treats apart (line breaks, tabs, prefixes and
// the other control characters). Longer texts than its line buffer go the
// long way.
bool IsPlainLine(std::u16string_view text, uint32_t format);

// DrawTextW's left edge for a line `width` pixels wide.
int PlainLineLeft(const RECT& r, int width, uint32_t format);

}  // namespace mirelo::win32
