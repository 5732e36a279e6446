// Mouse selection, check toggling and the play row. The host hears every
// change first, through by-reference arguments it may rewrite.
#include "base/error.h"
#include "listctl/mirelo_list.h"

namespace mirelo {

int16_t MireloList::RowFromY(double y) const {
    return ToInt16(Int((y - BorderWidth() - ItemHeight_) / ItemHeight_) + FirstIndex_);
}

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
    if (ListCount() == 0 || v < 0 || v > ListCount() - 1 || v == current) return;
    if (v < FirstIndex_) ucBar->SetValue(v);
    else if (v > LastIndex_) ucBar->SetValue(v);
    ChangeIndex(play, play ? PlayIndex_ : ListIndex_, v, 1);
    Changed(RowOf(play ? &MireloList::PlayIndex_ : &MireloList::ListIndex_));
}

void MireloList::SetListIndex(int16_t v) { SetPropertyIndex(false, v); }
void MireloList::SetPlayIndex(int16_t v) { SetPropertyIndex(true, v); }

void MireloList::OnMouseDown(int16_t Button, int16_t Shift, float X, float Y) {
    LastButton_ = Button;
    LastShift_ = Shift;
    LastX_ = X;
    LastY_ = Y;
    // Summed in 64 bits: a stored row height may be near the 32-bit limit.
    if (Y < static_cast<int64_t>(BorderWidth()) + ItemHeight_) {
        HeaderPress(Button, X, Y);
    } else if (Button == 1 && ListCount() != 0) {
        int16_t row = RowFromY(Y);
        if (X > 2 && X < 15) {
            if (CheckBox_ && row < ListCount()) {
                Items[row].Checked = static_cast<Bool16>(~Items[row].Checked);
                PaintRow(row);
                if (access_) access_->RowStateChanged(row);
            }
        } else if (X >= 15) {
            if (row > ListCount() - 1 || row == ListIndex_ || row < 0) return;
            ChangeIndex(false, ListIndex_, row, 0);
        }
    }
    if (events_) events_->MouseDown(Button, Shift, X, Y);
}

void MireloList::OnDblClick() {
    if (LastY_ > static_cast<int64_t>(BorderWidth()) + ItemHeight_ && ListCount() > 0 && LastButton_ == 1) {
        int16_t row = RowFromY(LastY_);
        if (row >= 0 && row <= ListCount() - 1 && row != PlayIndex_) ChangeIndex(true, PlayIndex_, row, 0);
    }
    if (events_) events_->DBClick(LastButton_, LastShift_, LastX_, LastY_);
}

void MireloList::OnClick() {
    if (events_) events_->Click(LastButton_, LastShift_, LastX_, LastY_);
}

void MireloList::OnMouseMove(int16_t Button, int16_t Shift, float X, float Y) {
    if (!HeaderMove(Button, X, Y)) return;
    if (events_) events_->MouseMove(Button, Shift, X, Y);
}

void MireloList::OnMouseUp(int16_t Button, int16_t Shift, float X, float Y) {
    HeaderRelease(Button, X, Y);
    if (events_) events_->MouseUp(Button, Shift, X, Y);
}

int16_t MireloList::IndexFromPoint(const Variant& X, const Variant& Y) {
    (void)X;
    if (ListCount() == 0) return -1;
    const int32_t y = Y.ToInt32();
    // The row under the point, with the mouse's own hit test: the header band
    // and everything above it is no row.
    const double top = static_cast<double>(BorderWidth()) + ItemHeight_;
    if (y < top) return -1;
    const double row = Int((y - top) / ItemHeight_) + FirstIndex_;
    // Written so that a row height of 0 (0 / 0, no number) also means no row.
    if (!(row >= 0 && row <= ListCount() - 1)) return -1;
    return static_cast<int16_t>(row);
}

}  // namespace mirelo
