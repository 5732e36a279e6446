// The two drawing primitives every row and header cell goes through.
#include "base/numeric.h"
#include "render/list_painter.h"
#include "render/text_fit.h"

namespace mirelo {

int32_t ListPainter::FillBox(int32_t left, int32_t top, int32_t width, int32_t height, BrushHandle brush) {
    const Rect r{left, top, ToInt32(static_cast<int64_t>(left) + width), ToInt32(static_cast<int64_t>(top) + height)};
    return surface_.FillRect(r, brush);
}

int32_t ListPainter::DrawCellText(std::u16string_view text, int32_t left, int32_t top, int32_t width, int32_t height,
                                 uint32_t format) {
    const int32_t right = ToInt32(static_cast<int64_t>(left) + width);
    const int32_t bottom = ToInt32(static_cast<int64_t>(top) + height);
    const double whole = surface_.TextWidth(text);
    if (whole <= width) return surface_.DrawText(text, Rect{left, top, right, bottom}, format);

    // A shortened text starts at the cell's left edge whatever its alignment
    // asked for; only right alignment survives, and it then applies to the
    // kept prefix inside its own box.
    format &= ~static_cast<uint32_t>(DT_CENTER_ | DT_VCENTER_);
    constexpr std::u16string_view dots = u"...";
    const double room = width - surface_.TextWidth(dots);
    // Widths grow about in step with the length, so the kept prefix is near
    // the room's share of the text; the search starts there.
    const size_t guess = room > 0 ? static_cast<size_t>(static_cast<double>(text.size()) * (room / whole)) : 0;
    const PrefixFit fit = FitPrefix(
        text.size(), room, [&](size_t n) { return ToInt32(surface_.TextWidth(text.substr(0, n))); }, guess);
    const int32_t split = ToInt32(static_cast<int64_t>(left) + fit.width);
    surface_.DrawText(text.substr(0, fit.length), Rect{left, top, split, bottom}, format);
    return surface_.DrawText(dots, Rect{split, top, right, bottom}, format);
}

}  // namespace mirelo
