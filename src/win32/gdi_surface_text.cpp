// Text on the surface: drawing, measuring, the font's line height.
//
// Rows and header cells draw short single-line texts in the plainest
// DrawText formats, and under Wine DrawTextW costs about twice the
// ExtTextOutW it ends in: it copies and parses the text for line breaks and
// prefixes and measures it again. For such a text the surface places the
// line itself, exactly where DrawTextW would, and draws it with ExtTextOutW.
#include <algorithm>

#include "win32/gdi_surface.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {

namespace {

constexpr size_t kLineBuffer = 1024;  // DrawTextW's own line buffer

// A text and format DrawTextW would draw as one unbroken line at the top of
// its rectangle, clipped to it: only left, centre or right alignment, and
// no character that DrawTextW treats apart (line breaks, tabs, prefixes and
// the other control characters). Longer texts than its line buffer go the
// long way.
bool IsPlainLine(std::u16string_view text, uint32_t format) {
    if ((format & ~static_cast<uint32_t>(DT_CENTER | DT_RIGHT)) != 0) return false;
    if (text.size() > kLineBuffer) return false;
    for (const char16_t c : text)
        if (c < 0x20 || c == u'&') return false;
    return true;
}

// DrawTextW's left edge for a line `width` pixels wide. Centre wins over
// right when both are asked for; the division truncates as DrawTextW's does.
int PlainLineLeft(const RECT& r, int width, uint32_t format) {
    if (format & DT_CENTER) return (r.left + r.right - width) / 2;
    if (format & DT_RIGHT) return r.right - width;
    return r.left;
}

}  // namespace

int32_t GdiSurface::DrawText(std::u16string_view text, const Rect& r, uint32_t format) {
    RECT rc = {r.left, r.top, r.right, r.bottom};
    HDC dc = Target();
    if (!dc) return std::max(LineHeight(Dc()), 1);  // what a line answers
    if (!IsPlainLine(text, format)) {
        // Alignments are the host's numbers, any bits at all; DT_MODIFYSTRING
        // would have DrawTextW write the shortened text, and four more units,
        // into the row's own storage. It changes no pixel.
        format &= ~static_cast<uint32_t>(DT_MODIFYSTRING);
        return ::DrawTextW(dc, WideUnits(text), static_cast<int>(text.size()), &rc, format);
    }
    // What DrawTextW answers for one line: the font's height, and 0 if the
    // text could not be drawn.
    if (!text.empty()) {
        const int x = PlainLineLeft(rc, Extent(dc, text).cx, format);
        if (!ExtTextOutW(dc, x, rc.top, ETO_CLIPPED, &rc, WideUnits(text), static_cast<UINT>(text.size()), nullptr))
            return 0;
    }
    return std::max(LineHeight(dc), 1);
}

double GdiSurface::TextWidth(std::u16string_view text) { return Extent(Dc(), text).cx; }

SIZE GdiSurface::Extent(HDC dc, std::u16string_view text) {
    // Every context the surface draws on is screen-compatible and holds the
    // same font, so a text measures the same on each.
    constexpr size_t kLongest = 64, kMostTexts = 4096;
    if (text.size() <= kLongest) {
        const auto known = extents_.find(text);
        if (known != extents_.end()) return known->second;
    }
    SIZE size = {};
    GetTextExtentPoint32W(dc, WideUnits(text), static_cast<int>(text.size()), &size);
    if (text.size() <= kLongest) {
        if (extents_.size() >= kMostTexts) ForgetExtents();
        // The key views the kept copy; a deque never moves what it holds.
        extents_.emplace(extentTexts_.emplace_back(text), size);
    }
    return size;
}

void GdiSurface::ForgetExtents() {
    extents_.clear();
    extentTexts_.clear();
}

int GdiSurface::LineHeight(HDC dc) {
    if (lineHeight_ < 0) {
        TEXTMETRICW tm = {};
        GetTextMetricsW(dc, &tm);
        lineHeight_ = tm.tmHeight;
    }
    return lineHeight_;
}

double GdiSurface::TextHeight(std::u16string_view text) {
    return text.empty() ? LineHeight(Dc()) : Extent(Dc(), text).cy;
}

}  // namespace mirelo::win32
