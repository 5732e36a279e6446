// Everything that is not a row: the header band and its cells, the border
// box, the empty background and the look inside a form designer.
#include "base/numeric.h"
#include "render/list_painter.h"

namespace mirelo {

namespace {

constexpr int32_t kDesignTextMargin = 2;  // the name's distance from the frame in a designer

}  // namespace

void ListPainter::BorderBox(const ListView& v) {
    surface_.Box(0, 0, v.geometry.width - 1, v.geometry.height - 1, v.look->BorderColor);
}

void ListPainter::EmptyBackground(const ListView& v) {
    const ListGeometry& g = v.geometry;
    const Rect inside = g.InsideBorder();
    if (g.border) FillBox(inside.left, inside.top, inside.Width(), inside.Height(), v.brushes[kBackBrush]);
    else surface_.Cls();
}

void ListPainter::DesignLook(const ListView& v, const Text& name) {
    surface_.Cls();
    const int32_t at = v.geometry.Inset() + kDesignTextMargin;
    surface_.SetTextColor(v.look->ItemNorTextColor);
    surface_.Print(at, at, name);
    if (v.geometry.border) BorderBox(v);
    else surface_.DrawFocusRect(Rect{0, 0, v.geometry.width, v.geometry.height});
}

void ListPainter::Header(const ListView& v) {
    const ListGeometry& g = v.geometry;
    const Rect band = g.HeaderBand();
    FillBox(band.left, band.top, band.Width(), band.Height(), v.brushes[kHeaderBrush]);
    surface_.SetTextColor(v.look->ItemNorTextColor);
    const int16_t textTop = TextTop(v);
    for (int c = 0, last = g.LastSlot(); c <= last; ++c) {
        if (g.widths[c] <= 0) continue;
        DrawCellText((*v.captions)[c], g.CellLeft(c), textTop, g.widths[c], g.itemHeight, DT_CENTER_);
        if (c != 0) Separator(g.HeaderSeparator(c));
    }
}

int16_t ListPainter::TextTop(const ListView& v) {
    return v.geometry.HeaderTextTop(surface_.TextHeight((*v.captions)[0]));
}

void ListPainter::Separator(const Rect& lines) {
    for (int32_t x = lines.left; x < lines.right; ++x) surface_.Line(x, lines.top, x, lines.bottom, kSeparatorColor);
}

void ListPainter::HeaderCell(const ListView& v, int32_t left, int32_t width, const Text& caption, CellLook look) {
    if (width < 1) return;  // a hidden slot has no cell to paint
    const BrushSlot brush = look == CellLook::Pressed      ? kPressedBrush
                            : look == CellLook::DropTarget ? kDropTargetBrush
                                                           : kHeaderBrush;
    if (const auto fill = v.geometry.GestureCellFill(left, width))
        FillBox(fill->left, fill->top, fill->Width(), fill->Height(), v.brushes[brush]);
    // Rows leave their own text colour behind; a caption is never drawn in it.
    surface_.SetTextColor(look == CellLook::Pressed ? v.look->ItemSelTextColor : v.look->ItemNorTextColor);
    DrawCellText(caption, left, TextTop(v), width, v.geometry.itemHeight, DT_CENTER_);
    if (look == CellLook::Pressed) surface_.SetTextColor(v.look->ItemNorTextColor);
}

}  // namespace mirelo
