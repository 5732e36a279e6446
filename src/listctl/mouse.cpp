// Mouse selection, check toggling and the play row. The host hears every
// change first, through by-reference arguments it may rewrite.
#include "listctl/mirelo_list.h"

namespace mirelo {

void MireloList::ChangeIndex(bool play, int16_t OldIndex, int16_t& NewIndex, int16_t wFlag) {
    int16_t& index = play ? PlayIndex_ : ListIndex_;
    const int16_t orig = index;
    if (events_) {
        if (play) events_->PlayIndexChanged(OldIndex, NewIndex, wFlag);
        else events_->ListIndexChanged(OldIndex, NewIndex, wFlag);
    }
    // A handler may have called back in; the index is re-read by reference.
    index = NewIndex;
    PaintRow(OldIndex);
    if (OldIndex != orig) PaintRow(orig);
    PaintRow(index);
    if (access_ && index != orig) {
        if (play) access_->PlayRowChanged(orig, index);
        else access_->SelectionChanged(index);
    }
}

void MireloList::SetPropertyIndex(bool play, int16_t& v) {
    const int16_t current = play ? PlayIndex_ : ListIndex_;
    if (!IsValidIndex(v) || v == current) return;
    if (v < FirstIndex_ || v > LastIndex_) ucBar->SetValue(v);
    ChangeIndex(play, current, v, 1);
    Changed(RowOf(play ? &MireloList::PlayIndex_ : &MireloList::ListIndex_));
}

void MireloList::SetListIndex(int16_t v) { SetPropertyIndex(false, v); }
void MireloList::SetPlayIndex(int16_t v) { SetPropertyIndex(true, v); }

void MireloList::OnMouseDown(int16_t Button, int16_t Shift, float X, float Y) {
    LastButton_ = Button;
    LastShift_ = Shift;
    LastX_ = X;
    LastY_ = Y;
    const ListHit hit = Geometry().HitTest(X, Y);
    if (hit.header) {
        header_.Press(hit);
    } else if (Button == 1 && ListCount() != 0) {
        int16_t row = hit.Row();
        if (hit.onCheck) {
            if (look_.CheckBox && row < ListCount()) {
                Items[row].Checked = static_cast<Bool16>(~Items[row].Checked);
                PaintRow(row);
                if (access_) access_->RowStateChanged(row);
            }
        } else if (!hit.beforeCheck) {
            if (!hit.OnRow(ListCount()) || row == ListIndex_) return;
            ChangeIndex(false, ListIndex_, row, 0);
        }
    }
    if (events_) events_->MouseDown(Button, Shift, X, Y);
}

void MireloList::OnDblClick() {
    // The press selected on the rows' top edge; the double-click asks for a
    // point past it. Anywhere on a row plays it, the check box included.
    const ListHit hit = Geometry().HitTest(LastX_, LastY_);
    if (!hit.header && !hit.onRowsEdge && ListCount() > 0 && LastButton_ == 1) {
        int16_t row = hit.Row();
        if (hit.OnRow(ListCount()) && row != PlayIndex_) ChangeIndex(true, PlayIndex_, row, 0);
    }
    if (events_) events_->DBClick(LastButton_, LastShift_, LastX_, LastY_);
}

void MireloList::OnClick() {
    if (events_) events_->Click(LastButton_, LastShift_, LastX_, LastY_);
}

void MireloList::OnMouseMove(int16_t Button, int16_t Shift, float X, float Y) {
    if (!header_.Move(X, Y)) return;
    if (events_) events_->MouseMove(Button, Shift, X, Y);
}

void MireloList::OnMouseUp(int16_t Button, int16_t Shift, float X, float Y) {
    header_.Release(X, Y);
    if (events_) events_->MouseUp(Button, Shift, X, Y);
}

int16_t MireloList::IndexFromPoint(const Variant& X, const Variant& Y) {
    (void)X;  // a row spans the list's width
    if (ListCount() == 0) return -1;
    // The mouse's own hit test: the header band and everything above it is no
    // row, and so is every point of rows of no height.
    const ListHit hit = Geometry().HitTest(0, Y.ToInt32());
    return !hit.header && hit.OnRow(ListCount()) ? static_cast<int16_t>(hit.row) : -1;
}

}  // namespace mirelo
