// The two drawing primitives every row and header cell goes through.
#include <cmath>

#include "base/numeric.h"
#include "render/list_painter.h"
#include "render/text_fit.h"

namespace mirelo {

int32_t ListPainter::FillBox(int32_t left, int32_t top, int32_t width, int32_t height, BrushHandle brush) {
    // Edges past the 32-bit range lie past every window: held there.
    const Rect r{left, top, Clip32(static_cast<int64_t>(left) + width), Clip32(static_cast<int64_t>(top) + height)};
    return surface_.FillRect(r, brush);
}

int32_t ListPainter::DrawCellText(std::u16string_view text, int32_t left, int32_t top, int32_t width, int32_t height,
                                 uint32_t format) {
    const int32_t right = Clip32(static_cast<int64_t>(left) + width);
    const int32_t bottom = Clip32(static_cast<int64_t>(top) + height);
    constexpr std::u16string_view dots = u"...";
    const double dotsWidth = surface_.TextWidth(dots);
    // Measuring costs about the length measured, and a prefix wider than the
    // cell says the whole text is wider too (widths grow with the prefix). So
    // a long text is first measured only as far as it must overflow the cell
    // if no unit is narrower than a dot, about the narrowest glyph: as many
    // units as dots would fill it, and one more. A text of narrower units is
    // measured whole after all.
    size_t measured = text.size();
    if (dotsWidth > 0 && width >= 0) {
        const double overflow = std::floor(width / (dotsWidth / static_cast<double>(dots.size()))) + 1;
        if (overflow < static_cast<double>(text.size())) measured = static_cast<size_t>(overflow);
        // Never between the two units of a pair: half a character may
        // measure wider than the whole one.
        if (measured < text.size() && text[measured - 1] >= 0xD800 && text[measured - 1] <= 0xDBFF) ++measured;
    }
    double extent = surface_.TextWidth(text.substr(0, measured));
    if (extent <= width && measured < text.size()) {
        measured = text.size();
        extent = surface_.TextWidth(text);
    }
    if (extent <= width) return surface_.DrawText(text, Rect{left, top, right, bottom}, format);

    // A shortened text starts at the cell's left edge whatever its alignment
    // asked for; only right alignment survives, and it then applies to the
    // kept prefix inside its own box.
    format &= ~static_cast<uint32_t>(DT_CENTER_ | DT_VCENTER_);
    const double room = width - dotsWidth;
    // Widths grow about in step with the length, so the kept prefix is near
    // the room's share of the measured prefix; the search starts there. No
    // longer prefix than the measured one can fit beside the "...".
    const size_t guess = room > 0 ? static_cast<size_t>(static_cast<double>(measured) * (room / extent)) : 0;
    const PrefixFit fit = FitPrefix(
        measured, room, [&](size_t n) { return ToInt32(surface_.TextWidth(text.substr(0, n))); }, guess);
    const int32_t split = ToInt32(static_cast<int64_t>(left) + fit.width);
    surface_.DrawText(text.substr(0, fit.length), Rect{left, top, split, bottom}, format);
    return surface_.DrawText(dots, Rect{split, top, right, bottom}, format);
}

}  // namespace mirelo
