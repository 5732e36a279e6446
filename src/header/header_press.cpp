// Header cell gestures: pressing a cell, dragging it over the others with a
// drop-target highlight and the matching pointer, and the release that sorts
// (same cell) or exchanges (another cell). Cells are placed as the hit tests
// place them (ListGeometry::GestureCell).
#include "header/header_input.h"

namespace mirelo {

HeaderInput::HeaderInput(HeaderInputEvents& list, PictureBox* splitter, PictureBox* picBack, CursorShapes* cursors)
    : list_(list), Cursors_(cursors), Splitter_(splitter, kSeparatorColor), picBack_(picBack, Rgb(224, 224, 224)) {}

void HeaderInput::PaintCell(std::optional<int16_t> c, CellLook look) {
    if (!c) return;
    const ListGeometry g = list_.Geometry();
    if (*c < 0 || *c > g.columnCount) return;
    const Rect cell = g.GestureCell(*c);
    list_.PaintHeaderCell(cell.left, cell.Width(), *c, look);
}

void HeaderInput::ShowCursorKind(int16_t kind) {
    // The marker's shape is set again on every move over it (the window would
    // otherwise put its own back); the others only when the kind changes.
    if (kind == CursorKind_ && kind != kCursorSizeWE) return;
    Cursors_.Show(kind);
    CursorKind_ = kind;
}

void HeaderInput::Press(const ListHit& hit) {
    if (!hit.pressCell) return;
    const int16_t c = *hit.pressCell;
    PaintCell(c, CellLook::Pressed);
    const ListGeometry g = list_.Geometry();
    press_ = HeaderPressGesture{c, ToInt16(g.GestureLeft(c)), g.widths[c], int16_t{0}};
}

bool HeaderInput::Move(float X, float Y) {
    SuppressPaint_ = kFalse;
    const ListGeometry g = list_.Geometry();
    const ListHit hit = g.HitTest(X, Y);
    if (press_) return Drag(*press_, hit, X);
    if (hit.dragBand && hit.gap) {
        SuppressPaint_ = kTrue;
        Splitter_.Move(g.GapMarker(hit.gap->x));
        markerColumn_ = hit.gap->leftColumn;
        Splitter_.Show(true);
    }
    return true;
}

bool HeaderInput::Drag(HeaderPressGesture& press, const ListHit& hit, float X) {
    const auto leaveBand = [&] {
        ShowCursorKind(kCursorNot);
        if (press.drop != press.column) PaintCell(press.drop, CellLook::Normal);
        press.drop.reset();
    };
    if (list_.Geometry().OffDragSides(X)) {
        leaveBand();
        return false;
    }
    if (!hit.dragBand) {
        leaveBand();
        return true;
    }
    if (hit.cell == 0 && list_.NumbersInFront()) {
        // The row numbers stay in front; the last drop target stays lit.
        ShowCursorKind(kCursorUnmoveHead);
        return false;
    }
    // Back from the number column onto the lit cell, the pointer must say
    // "movable" again even though nothing else changes.
    ShowCursorKind(kCursorMoveHead);
    if (hit.cell == press.drop) return false;
    if (press.drop != press.column) PaintCell(press.drop, CellLook::Normal);
    if (hit.cell != press.column) PaintCell(hit.cell, CellLook::DropTarget);
    press.drop = hit.cell;
    return true;
}

void HeaderInput::Release(float X, float Y) {
    std::optional<int16_t> target;
    const int16_t source = press_ ? press_->column : 0;
    if (press_) {
        const ListGeometry g = list_.Geometry();
        const ListHit hit = g.HitTest(X, Y);
        if (hit.dragBand && g.OnReleaseSides(X)) {
            list_.PaintHeaderCell(press_->cellLeft, press_->cellWidth, source, CellLook::Normal);
            PaintCell(press_->drop, CellLook::Normal);
            target = hit.cell;
        } else {
            PaintCell(source, CellLook::Normal);
        }
    }
    // The gesture is over before the rows move, so a failing sort cannot leave
    // a header held down, and a long sort does not keep the drag pointer.
    EndPress();
    if (target) list_.Dropped(*target, source);
}

void HeaderInput::EndPress() {
    Cursors_.RestoreDefault();
    CursorKind_ = kCursorNone;
    press_.reset();
}

void HeaderInput::CaptureLost() {
    // Another window took the pointer mid-press: no release will come, so the
    // cells go back to normal and nothing is sorted or exchanged.
    if (!press_) return;
    PaintCell(press_->column, CellLook::Normal);
    if (press_->drop != press_->column) PaintCell(press_->drop, CellLook::Normal);
    EndPress();
}

}  // namespace mirelo
