// Everything that is not a row: the header band, the border box, the empty
// background and the look inside a form designer.
#include "base/error.h"
#include "base/numeric.h"
#include "listctl/mirelo_list.h"

namespace mirelo {

void MireloList::DrawBorderBox() {
    surface_.Box(0, 0, surface_.ScaleWidth() - 1, surface_.ScaleHeight() - 1, BorderColor_);
}

void MireloList::PaintAll() {
    Trace("PaintAll");
    const int32_t pen = surface_.DrawWidth();
    if (ports_.site.UserMode()) {
        if (ListCount() == 0) {
            if (Border_ != kFalse)
                FillBox(pen, pen, surface_.ScaleWidth() - 2 * pen, surface_.ScaleHeight() - 2 * pen,
                        Brushes[3].handle());
            else
                surface_.Cls();
        }
        if (Border_ != kFalse) DrawBorderBox();
        PaintList();
        return;
    }
    // In a form designer the control shows only its name and its frame.
    surface_.Cls();
    const int32_t at = Border_ != kFalse ? pen + 2 : 2;
    surface_.SetTextColor(ItemNorTextColor_);
    surface_.Print(at, at, ports_.site.DisplayName());
    if (Border_ != kFalse)
        DrawBorderBox();
    else
        surface_.DrawFocusRect(Rect{0, 0, surface_.ScaleWidth(), surface_.ScaleHeight()});
}

void MireloList::PaintHeader() {
    Trace("PaintHeader");
    const int32_t pen = surface_.DrawWidth();
    const int32_t band = surface_.ScaleWidth() - (ucBar->Visible() ? ucBar->Width() : 0);
    const bool border = Border_ != kFalse;
    const int32_t x0 = border ? pen : 0;
    const int32_t y0 = border ? pen : 0;
    FillBox(x0, y0, border ? band - 2 * pen : band, ItemHeight_, Brushes[4].handle());
    surface_.SetTextColor(ItemNorTextColor_);
    // The pen width is added with or without a border, which keeps captions
    // at the same height when the border is switched off.
    const double th = surface_.TextHeight(HeadCaption_[0]);
    // In floating point: a stored row height near the 32-bit limit must fail
    // the narrowing (error 6), not wrap.
    HeaderTextTop_ = ToInt16((static_cast<double>(ItemHeight_) + 2 - th) / 2 + pen);

    for (int v = 0; v <= ColNumCount_; ++v) {
        if (v > kMaxColumn) Raise(kSubscriptOutOfRange);
        if (ColWidth_[v] <= 0) continue;
        const int32_t x = Geometry().CellLeft(v);
        DrawCellText(HeadCaption_[v], x, HeaderTextTop_, ColWidth_[v], ItemHeight_, DT_CENTER_);
        if (v == 0) continue;
        // One pixel below the band: the first row paints over it.
        surface_.Line(x - 2, pen, x - 2, pen + ItemHeight_, kSeparatorColor);
        surface_.Line(x - 1, pen, x - 1, pen + ItemHeight_, kSeparatorColor);
    }
}

}  // namespace mirelo
