// What the list asks its painter for, and when: rows, the header, the frame.
// The painter reads a view of the list; the row metrics it paints by are the
// list's own state (LastIndex, RowAreaHeight), so they are taken here.
#include <algorithm>

#include "listctl/mirelo_list.h"

namespace mirelo {

ListView MireloList::View(const ListGeometry& g) const {
    ListView v;
    v.geometry = g;
    v.captions = &columns_.captions;
    v.aligns = &columns_.aligns;
    v.listIndex = ListIndex_;
    v.playIndex = PlayIndex_;
    v.altPhase = AltPhase_ != kFalse;
    v.look = &look_;
    for (int i = 0; i < kBrushCount; ++i) v.brushes[i] = Brushes[i].handle();
    v.checkImages = CheckImages.get();
    v.playIcon = PlayIcon.get();
    return v;
}

bool MireloList::TakeRowMetrics(const ListGeometry& g) {
    // Rows of no height cannot be laid out (a list filled before its
    // properties were loaded): nothing is painted or recorded.
    if (ListCount() == 0 || look_.ItemHeight <= 0) return false;
    RowAreaHeight_ = g.RowAreaHeight();
    LastIndex_ = g.PaintedLastIndex();
    return true;
}

void MireloList::DrawRow(const ListView& v, int16_t index) {
    const ItemRecord& record = Items[static_cast<size_t>(index)];
    RowContent row;
    for (int c = 0; c <= kMaxColumn; ++c) row.cells[c] = record.Cell(c);
    row.checked = record.Checked != kFalse;
    painter_.Row(v, index, row);
}

void MireloList::PaintRow(int16_t index) {
    if (!IsValidIndex(index) || index < FirstIndex_) return;
    const ListGeometry g = Geometry();
    // The view is built only for a row in view: an added row below it costs
    // the check alone.
    if (TakeRowMetrics(g) && index <= LastIndex_ && surface_.StartPaint()) DrawRow(View(g), index);
}

void MireloList::PaintList() {
    if (!surface_.StartPaint()) {
        TakeRowMetrics(Geometry());
        return;
    }
    // One geometry for the whole paint, its bound taken for the current top
    // row: a bound left from an earlier top row would paint nothing after a
    // scroll of more than a view, or miss the rows a taller window uncovers.
    const ListView v = View(Geometry());
    if (ListCount() == 0) painter_.EmptyBackground(v);
    painter_.Header(v);
    if (!TakeRowMetrics(v.geometry)) return;
    const int32_t last = std::min<int32_t>(LastIndex_, ListCount() - 1);
    for (int32_t i = FirstIndex_; i <= last; ++i) DrawRow(v, static_cast<int16_t>(i));
}

void MireloList::PaintHeader() {
    if (surface_.StartPaint()) painter_.Header(View(Geometry()));
}

void MireloList::PaintAll() {
    const ListView v = View(Geometry());
    if (!ports_.site.UserMode()) {
        painter_.DesignLook(v, ports_.site.DisplayName());
        return;
    }
    if (ListCount() == 0) painter_.EmptyBackground(v);
    if (look_.Border != kFalse) painter_.BorderBox(v);
    PaintList();
}

}  // namespace mirelo
