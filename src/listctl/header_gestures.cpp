// Header cell gestures: pressing a cell, dragging it over the others with a
// drop-target highlight and the matching pointer, and the release that sorts
// (same cell) or exchanges (another cell). Cells are placed as the hit tests
// place them (ListGeometry::GestureCell).
#include "listctl/mirelo_list.h"

namespace mirelo {

void MireloList::PaintHeaderCell(std::optional<int16_t> c, CellLook look) {
    if (!c || *c < 0 || *c > columns_.count) return;
    const ListGeometry g = Geometry();
    const Rect cell = g.GestureCell(*c);
    painter_.HeaderCell(View(g), cell.left, cell.Width(), columns_.captions[*c], look);
}

void MireloList::ShowCursorKind(int16_t kind) {
    // The marker's shape is set again on every move over it (the window would
    // otherwise put its own back); the others only when the kind changes.
    if (kind == CursorKind_ && kind != kCursorSizeWE) return;
    Cursors_.Show(kind);
    CursorKind_ = kind;
}

void MireloList::HeaderPress(const ListHit& hit) {
    if (!hit.pressCell) return;
    const int16_t c = *hit.pressCell;
    PaintHeaderCell(c, CellLook::Pressed);
    press_ = HeaderPressGesture{c, ToInt16(Geometry().GestureLeft(c)), columns_.widths[c], int16_t{0}};
}

bool MireloList::HeaderMove(float X, float Y) {
    SuppressPaint_ = kFalse;
    const ListHit hit = Geometry().HitTest(X, Y);
    if (press_) return HeaderDrag(*press_, hit, X);
    if (hit.dragBand && hit.gap) {
        SuppressPaint_ = kTrue;
        Splitter_.Move(Geometry().GapMarker(hit.gap->x));
        SplitColumn_ = hit.gap->leftColumn;
        Splitter_.Show(true);
    }
    return true;
}

bool MireloList::HeaderDrag(HeaderPressGesture& press, const ListHit& hit, float X) {
    const auto leaveBand = [&] {
        ShowCursorKind(kCursorNot);
        if (press.drop != press.column) PaintHeaderCell(press.drop, CellLook::Normal);
        press.drop.reset();
    };
    if (Geometry().OffDragSides(X)) {
        leaveBand();
        return false;
    }
    if (!hit.dragBand) {
        leaveBand();
        return true;
    }
    if (hit.cell == 0 && YnNeedNumCol_ != kFalse) {
        // The row numbers stay in front; the last drop target stays lit.
        ShowCursorKind(kCursorUnmoveHead);
        return false;
    }
    // Back from the number column onto the lit cell, the pointer must say
    // "movable" again even though nothing else changes.
    ShowCursorKind(kCursorMoveHead);
    if (hit.cell == press.drop) return false;
    if (press.drop != press.column) PaintHeaderCell(press.drop, CellLook::Normal);
    if (hit.cell != press.column) PaintHeaderCell(hit.cell, CellLook::DropTarget);
    press.drop = hit.cell;
    return true;
}

void MireloList::HeaderRelease(float X, float Y) {
    std::optional<int16_t> target;
    const int16_t source = press_ ? press_->column : 0;
    if (press_) {
        const ListGeometry g = Geometry();
        const ListHit hit = g.HitTest(X, Y);
        if (hit.dragBand && g.OnReleaseSides(X)) {
            painter_.HeaderCell(View(g), press_->cellLeft, press_->cellWidth, columns_.captions.at(source),
                                CellLook::Normal);
            PaintHeaderCell(press_->drop, CellLook::Normal);
            target = hit.cell;
        } else {
            PaintHeaderCell(source, CellLook::Normal);
        }
    }
    // The gesture is over before the rows move, so a failing sort cannot leave
    // a header held down, and a long sort does not keep the drag pointer.
    EndHeaderPress();
    if (target) SortOrExchange(*target, source);
}

void MireloList::EndHeaderPress() {
    Cursors_.RestoreDefault();
    CursorKind_ = kCursorNone;
    press_.reset();
}

void MireloList::OnCaptureLost() {
    // Another window took the pointer mid-press: no release will come, so the
    // cells go back to normal and nothing is sorted or exchanged.
    if (!press_) return;
    PaintHeaderCell(press_->column, CellLook::Normal);
    if (press_->drop != press_->column) PaintHeaderCell(press_->drop, CellLook::Normal);
    EndHeaderPress();
}

}  // namespace mirelo
