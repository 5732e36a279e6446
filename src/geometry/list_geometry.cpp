#include "geometry/list_geometry.h"

#include <algorithm>

#include "base/error.h"
#include "base/numeric.h"

namespace mirelo {

namespace {

// Near the end of a full list the sum passes 32767; the last rows must still
// lay out, paint and scroll, so the index is held there.
int16_t ClampedLastIndex(double v) {
    if (v > 32767) return 32767;
    return ToInt16(v);
}

// An edge `a + b` pixels along: a row height near the 32-bit limit puts it
// past every window, where it is held instead of wrapping.
int32_t Edge(int32_t a, int32_t b) { return Clip32(static_cast<int64_t>(a) + b); }

Rect Box(int32_t left, int32_t top, int32_t width, int32_t height) {
    return Rect{left, top, Edge(left, width), Edge(top, height)};
}

}  // namespace

int16_t ListHit::Row() const { return ToInt16(row); }

int32_t ListGeometry::ListWidth() const {
    return ToInt32(static_cast<int64_t>(width) - barWidth - 2 * static_cast<int64_t>(Inset()));
}

int32_t ListGeometry::RowAreaHeight() const {
    // A header and frame taller than the client leave no row area, not a
    // negative one: the rows that fit, the scroll range and LastIndex count from 0.
    return ToInt32(std::max<int64_t>(0, static_cast<int64_t>(height) - itemHeight - 2 * static_cast<int64_t>(Inset())));
}

int16_t ListGeometry::PaintedLastIndex() const {
    return ClampedLastIndex(firstIndex + Int(static_cast<double>(RowAreaHeight()) / itemHeight) + pen);
}

int16_t ListGeometry::LayoutLastIndex(int32_t rowAreaHeight, int32_t itemHeight, int16_t firstIndex) {
    return ClampedLastIndex(Int(static_cast<double>(rowAreaHeight) / itemHeight) + firstIndex + 1);
}

int32_t ListGeometry::RowTop(int32_t index) const {
    return Clip32(Inset() + static_cast<int64_t>(itemHeight) * (index - firstIndex + 1));
}

Rect ListGeometry::HeaderBand() const { return Box(Inset(), Inset(), ListWidth(), itemHeight); }

Rect ListGeometry::HeaderCellBox(int column) const {
    return Box(CellLeft(column), Inset(), widths.at(column), itemHeight);
}

Rect ListGeometry::RowBox(int32_t index) const { return Box(Inset(), RowTop(index), ListWidth(), itemHeight); }

bool ListGeometry::BelowClient(int32_t rowTop) const { return rowTop >= RoundHalfEven(fullHeight) - 1; }

int32_t ListGeometry::RowsInView() const {
    const int32_t top = RowTop(firstIndex);
    const int32_t limit = ToInt32(RoundHalfEven(fullHeight) - 1);
    return itemHeight > 0 && top < limit ? (limit - top + itemHeight - 1) / itemHeight : 0;
}

int32_t ListGeometry::RowFillHeight(int32_t rowTop) const {
    if (fullHeight - itemHeight - pen < rowTop) return ToInt32(fullHeight - rowTop - pen);
    return itemHeight;
}

int32_t ListGeometry::RowTextTop(int32_t rowTop, double textHeight) const {
    return ToInt32((itemHeight - textHeight) / 2 + rowTop);
}

int32_t ListGeometry::RowTextHeight(int32_t textTop, double textHeight) const {
    if (textTop + textHeight > fullHeight - pen - 1) return ToInt32(fullHeight - pen - textTop);
    return ToInt32(textHeight);
}

Rect ListGeometry::CellTextBox(int column, int32_t textTop, int32_t textHeight) const {
    const int32_t in = Inset();
    const int32_t bottom = Edge(textTop, textHeight);
    if (column == 0) return Rect{in, textTop, Edge(in, widths[0]), bottom};
    const int32_t left = CellLeft(column) + kColumnGap;
    return Rect{left, textTop, ToInt32(static_cast<int64_t>(left) + widths.at(column) - in - 2 * kColumnGap), bottom};
}

Rect ListGeometry::PlayIcon(int32_t rowTop) const {
    const int32_t left = Inset() + kPlayIconLeft;
    const int32_t top = ToInt32(rowTop + (itemHeight - kPlayIconHeight) / 2.0);
    return Rect{left, top, left + kPlayIconHeight, top + kPlayIconHeight};
}

Rect ListGeometry::HeaderSeparator(int column) const {
    const int32_t x = CellLeft(column);
    return Rect{x - kColumnGap, pen, x, Edge(pen, itemHeight)};
}

Rect ListGeometry::RowSeparator(int column, int32_t rowTop) const {
    const int32_t x = CellLeft(column);
    return Rect{x - kColumnGap, rowTop, x, Edge(rowTop, RowFillHeight(rowTop)) - 1};
}

bool ListGeometry::LastPaintedRow(int32_t index) const { return index >= rowCount - 1 || index >= PaintedLastIndex(); }

std::optional<Rect> ListGeometry::FillerBelow(int32_t index) const {
    const int64_t used = static_cast<int64_t>(itemHeight) * (index - firstIndex + 1);
    if (used >= RowAreaHeight()) return std::nullopt;
    const int32_t below = Edge(RowTop(index), itemHeight);
    return Rect{Inset(), below, Edge(Inset(), ListWidth()), height - pen};
}

int16_t ListGeometry::HeaderTextTop(double textHeight) const {
    // In floating point, so a row height near the 32-bit limit cannot wrap;
    // a caption that starts below every window is drawn clipped there.
    return Clip16((static_cast<double>(itemHeight) + 2 - textHeight) / 2 + pen);
}

int ListGeometry::LastSlot() const {
    if (columnCount > kMaxColumn) Raise(kSubscriptOutOfRange);
    return columnCount;
}

int16_t ListGeometry::ColumnLeft(int column) const {
    if (column < 0 || column > kMaxColumn + 1) Raise(kSubscriptOutOfRange);
    // Columns wider in sum than 16 bits start past every window: held there.
    int32_t x = 0;
    for (int k = 0; k < column; ++k) x += widths[k] + kColumnGap;
    return Clip16(x);
}

Rect ListGeometry::GestureCell(int column) const {
    return Box(GestureLeft(column), pen, widths.at(column), itemHeight);
}

std::optional<Rect> ListGeometry::GestureCellFill(int32_t left, int32_t width) const {
    const int64_t room = static_cast<int64_t>(HeaderBand().right) - left;
    if (room <= 0) return std::nullopt;
    return Box(left, pen, static_cast<int32_t>(std::min<int64_t>(width, room)), itemHeight);
}

Rect ListGeometry::PressableCell(int column) const {
    const int32_t left = GestureLeft(column);
    const int32_t right = std::min(left + widths.at(column) - kCellEdge, HeaderBand().right);
    return Rect{left + kCellEdge, pen, right, Edge(pen, itemHeight)};
}

Rect ListGeometry::GapMarker(int32_t gapX) const { return Box(gapX - kColumnGap, pen, kColumnGap, itemHeight); }

Rect ListGeometry::BarBox(int32_t barW) const {
    const int32_t in = Inset();
    // A frame wider than half the client leaves the bar no height, not less.
    return Rect{width - barW - in, in, width - in, std::max(in, height - in)};
}

ListHit ListGeometry::HitTest(double x, double y) const {
    ListHit hit;
    // Summed in 64 bits: a stored row height may be near the 32-bit limit.
    const int64_t rowsTop = static_cast<int64_t>(pen) + itemHeight;
    hit.header = y < rowsTop;
    hit.dragBand = y > 2 && y < itemHeight;
    if (hit.header) {
        const int last = LastSlot();
        int shownLeft = -1;  // the last shown column passed
        for (int c = 0; c <= last; ++c) {
            const int32_t left = GestureLeft(c);
            const int32_t w = widths[c];
            if (!hit.pressCell && left + kCellEdge <= x && x < left + w - kCellEdge)
                hit.pressCell = static_cast<int16_t>(c);
            // A hidden slot takes no drop: exchanging with it would hide a column.
            if (w < 1) continue;
            if (!hit.cell && left <= x && x <= left + w) hit.cell = static_cast<int16_t>(c);
            // Only a gap between two shown columns is a border: the header's
            // outer edges and the places of hidden slots take no drag.
            if (!hit.gap && shownLeft >= 0 && left - kColumnGap <= x && x <= left)
                hit.gap = BorderGap{static_cast<int16_t>(shownLeft), left};
            shownLeft = c;
        }
        return hit;
    }
    hit.onRowsEdge = y == rowsTop;
    hit.row = Int((y - rowsTop) / itemHeight) + firstIndex;
    hit.beforeCheck = x <= kCheckLeft;
    hit.onCheck = x > kCheckLeft && x < kCheckLeft + kCheckSize;
    return hit;
}

}  // namespace mirelo
