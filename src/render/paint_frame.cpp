// Everything that is not a row: the header band and its cells, the border
// box, the empty background and the look inside a form designer.
#include <algorithm>

#include "base/numeric.h"
#include "render/list_painter.h"

namespace mirelo {

namespace {

constexpr int32_t kDesignTextMargin = 2;  // the name's distance from the frame in a designer

}  // namespace

void ListPainter::BorderBox(const ListView& v) {
    surface_.Box(0, 0, v.geometry.width - 1, v.geometry.height - 1, v.borderColor);
}

void ListPainter::EmptyBackground(const ListView& v) {
    const ListGeometry& g = v.geometry;
    if (g.border) FillBox(g.pen, g.pen, g.width - 2 * g.pen, g.height - 2 * g.pen, v.brushes[kBackBrush]);
    else surface_.Cls();
}

void ListPainter::DesignLook(const ListView& v, const Text& name) {
    surface_.Cls();
    const int32_t at = v.geometry.Inset() + kDesignTextMargin;
    surface_.SetTextColor(v.norText);
    surface_.Print(at, at, name);
    if (v.geometry.border) BorderBox(v);
    else surface_.DrawFocusRect(Rect{0, 0, v.geometry.width, v.geometry.height});
}

void ListPainter::Header(const ListView& v) {
    const ListGeometry& g = v.geometry;
    const int32_t pen = g.pen;
    const Rect band = g.HeaderBand();
    FillBox(band.left, band.top, band.Width(), band.Height(), v.brushes[kHeaderBrush]);
    surface_.SetTextColor(v.norText);
    // The pen width is added with or without a border, which keeps captions
    // at the same height when the border is switched off.
    const double th = surface_.TextHeight((*v.captions)[0]);
    // In floating point, so a row height near the 32-bit limit cannot wrap;
    // a caption that starts below every window is drawn clipped there.
    headerTextTop_ = Clip16((static_cast<double>(g.itemHeight) + 2 - th) / 2 + pen);

    for (int c = 0, last = g.LastSlot(); c <= last; ++c) {
        if (g.widths[c] <= 0) continue;
        const int32_t x = g.CellLeft(c);
        DrawCellText((*v.captions)[c], x, headerTextTop_, g.widths[c], g.itemHeight, DT_CENTER_);
        if (c == 0) continue;
        // One pixel below the band: the first row paints over it.
        surface_.Line(x - 2, pen, x - 2, pen + g.itemHeight, kSeparatorColor);
        surface_.Line(x - 1, pen, x - 1, pen + g.itemHeight, kSeparatorColor);
    }
}

void ListPainter::HeaderCell(const ListView& v, int32_t left, int32_t width, const Text& caption, CellLook look) {
    if (width < 1) return;  // a hidden slot has no cell to paint
    const BrushSlot brush = look == CellLook::Pressed      ? kPressedBrush
                            : look == CellLook::DropTarget ? kDropTargetBrush
                                                           : kHeaderBrush;
    // The last cell may reach past the band (into the border or under the
    // bar); its fill stops where the band's does, as the whole header's.
    const int64_t room = static_cast<int64_t>(v.geometry.HeaderBand().right) - left;
    if (room > 0) {
        FillBox(left, v.geometry.pen, static_cast<int32_t>(std::min<int64_t>(width, room)), v.geometry.itemHeight,
                v.brushes[brush]);
    }
    // Rows leave their own text colour behind; a caption is never drawn in it.
    surface_.SetTextColor(look == CellLook::Pressed ? v.selText : v.norText);
    DrawCellText(caption, left, headerTextTop_, width, v.geometry.itemHeight, DT_CENTER_);
    if (look == CellLook::Pressed) surface_.SetTextColor(v.norText);
}

}  // namespace mirelo
