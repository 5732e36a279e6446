// Header cell gestures: pressing a cell, dragging it over the others with a
// drop-target highlight and the matching pointer, and the release that sorts
// (same cell) or exchanges (another cell). Cells are placed from the pen width
// whether or not the border is drawn, like every hit test of the list.
#include "base/error.h"
#include "listctl/mirelo_list.h"

namespace mirelo {

int MireloList::LastColumnSlot() const {
    if (ColNumCount_ > kMaxColumn) Raise(kSubscriptOutOfRange);
    return ColNumCount_;
}

void MireloList::PaintHeaderCell(int32_t left, int32_t width, const Text& caption, CellLook look) {
    if (width < 1) return;  // a hidden slot has no cell to paint
    const int brush = look == CellLook::Pressed ? 5 : look == CellLook::DropTarget ? 6 : 4;
    FillBox(left, BorderWidth(), width, ItemHeight_, Brushes[brush].handle());
    // Rows leave their own text colour behind; a caption is never drawn in it.
    surface_.SetTextColor(look == CellLook::Pressed ? ItemSelTextColor_ : ItemNorTextColor_);
    DrawCellText(caption, left, HeaderTextTop_, width, ItemHeight_, DT_CENTER_);
    if (look == CellLook::Pressed) surface_.SetTextColor(ItemNorTextColor_);
}

void MireloList::PaintHeaderCell(int16_t c, CellLook look) {
    // ColNumCount + 1 stands for "over no cell".
    if (c < 0 || c > ColNumCount_ || c > kMaxColumn) return;
    PaintHeaderCell(BorderWidth() + ColumnLeft(c), ColWidth_[c], HeadCaption_[c], look);
}

int16_t MireloList::HeaderCellAt(float X) const {
    const int last = LastColumnSlot();
    for (int c = 0; c <= last; ++c) {
        // A hidden slot takes no drop: exchanging with it would hide a column.
        if (ColWidth_[c] < 1) continue;
        const int32_t left = BorderWidth() + ColumnLeft(static_cast<int16_t>(c));
        if (left <= X && X <= left + ColWidth_[c]) return static_cast<int16_t>(c);
    }
    return static_cast<int16_t>(last + 1);
}

void MireloList::ShowCursorKind(int16_t kind) {
    // The marker's shape is set again on every move over it (the window would
    // otherwise put its own back); the others only when the kind changes.
    if (kind == CursorKind_ && kind != kCursorSizeWE) return;
    Cursors_.Show(kind);
    CursorKind_ = kind;
}

void MireloList::HeaderPress(int16_t Button, float X, float Y) {
    (void)Button, (void)Y;
    const int last = LastColumnSlot();
    for (int c = 0; c <= last; ++c) {
        const int32_t h = BorderWidth() + ColumnLeft(static_cast<int16_t>(c));
        // Two pixels at either edge belong to the border, not to the cell.
        if (h + 2 <= X && X < h + ColWidth_[c] - 2) {
            PaintHeaderCell(h, ColWidth_[c], HeadCaption_[c], CellLook::Pressed);
            PressedCellLeft_ = ToInt16(h);
            PressedCellWidth_ = ColWidth_[c];
            HeaderPressed_ = kTrue;
            PressedColumn_ = static_cast<int16_t>(c);
            return;
        }
    }
}

bool MireloList::HeaderMove(int16_t Button, float X, float Y) {
    (void)Button;
    SuppressPaint_ = kFalse;
    if (HeaderPressed_ != kFalse) return HeaderDrag(X, Y);
    BorderHover(X, Y);
    return true;
}

bool MireloList::HeaderDrag(float X, float Y) {
    const int16_t none = static_cast<int16_t>(LastColumnSlot() + 1);
    const auto leaveBand = [&] {
        ShowCursorKind(kCursorNot);
        if (DropColumn_ != PressedColumn_) PaintHeaderCell(DropColumn_, CellLook::Normal);
        DropColumn_ = none;
    };
    if (X <= 2 || X >= surface_.ScaleWidth() - 2) {
        leaveBand();
        return false;
    }
    if (!(Y > 2 && Y < ItemHeight_)) {
        leaveBand();
        return true;
    }
    const int16_t c = HeaderCellAt(X);
    if (c == 0 && YnNeedNumCol_ != kFalse) {
        // The row numbers stay in front; the last drop target stays lit.
        ShowCursorKind(kCursorUnmoveHead);
        return false;
    }
    // Back from the number column onto the lit cell, the pointer must say
    // "movable" again even though nothing else changes.
    ShowCursorKind(kCursorMoveHead);
    if (c == DropColumn_) return false;
    if (DropColumn_ != PressedColumn_) PaintHeaderCell(DropColumn_, CellLook::Normal);
    if (c != PressedColumn_) PaintHeaderCell(c, CellLook::DropTarget);
    DropColumn_ = c;
    return true;
}

void MireloList::HeaderRelease(int16_t Button, float X, float Y) {
    (void)Button;
    int16_t target = -1;
    const int16_t source = PressedColumn_;
    if (HeaderPressed_ != kFalse) {
        if (Y > 2 && Y < ItemHeight_ && X >= 2 && X <= surface_.ScaleWidth() - 2) {
            const int16_t at = HeaderCellAt(X);
            PaintHeaderCell(PressedCellLeft_, PressedCellWidth_, HeadCaption_.at(source), CellLook::Normal);
            PaintHeaderCell(DropColumn_, CellLook::Normal);
            if (at <= ColNumCount_) target = at;
        } else {
            PaintHeaderCell(source, CellLook::Normal);
        }
    }
    // The gesture is over before the rows move, so a failing sort cannot leave
    // a header held down, and a long sort does not keep the drag pointer.
    Cursors_.RestoreDefault();
    CursorKind_ = kCursorNone;
    HeaderPressed_ = kFalse;
    DropColumn_ = 0;
    PressedColumn_ = 0;
    if (target >= 0) SortOrExchange(target, source);
}

}  // namespace mirelo
