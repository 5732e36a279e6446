// Up and Down move the selection one row and keep it in view. Lighter than
// the mouse: no event, no notification.
#include "listctl/mirelo_list.h"

namespace mirelo {

void MireloList::OnKeyDown(int16_t KeyCode, int16_t Shift) {
    (void)Shift;
    constexpr int16_t kUp = 38, kDown = 40;
    if (KeyCode != kUp && KeyCode != kDown) return;
    if (ListCount() == 0) return;
    const int16_t old = ListIndex_;
    // Worked out in 32 bits so that Down on row 32767 clamps instead of overflowing.
    int32_t next = old + (KeyCode == kUp ? -1 : 1);
    if (next < 0) next = 0;
    else if (next > ListCount() - 1) next = ListCount() - 1;
    ListIndex_ = static_cast<int16_t>(next);
    if (ListIndex_ == old) return;
    if (ucBar->Value() < ucBar->Min()) ucBar->SetValue(ucBar->Min());
    if (ucBar->Max() < ucBar->Value()) ucBar->SetValue(ucBar->Max());
    // The stored bound, not the geometry's: reaching the row the last paint
    // (or resize) counted as the bottom scrolls, even where a row fits below.
    if (ListIndex_ >= LastIndex_ || ListIndex_ < FirstIndex_) {
        ucBar->SetValue(ucBar->Value() + (KeyCode == kUp ? -1 : 1));
        ScrollHandling();
    } else {
        PaintRow(old);
        PaintRow(ListIndex_);
    }
    if (access_) access_->SelectionChanged(ListIndex_);
}

}  // namespace mirelo
