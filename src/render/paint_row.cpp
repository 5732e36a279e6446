// Row painting: one row at a time, or the header and every visible row.
#include <algorithm>

#include "base/error.h"
#include "base/numeric.h"
#include "listctl/mirelo_list.h"
#include "render/cls_icon.h"

namespace mirelo {

namespace {

constexpr int32_t kCheckEmptyX = 0;       // images of the "CHK" strip
constexpr int32_t kCheckPlayX = 13;
constexpr int32_t kCheckCheckedX = 26;
constexpr int32_t kPlayIconHeight = 12;  // centres the play icon in its row

}  // namespace

void MireloList::PaintList() {
    Trace("PaintList");
    if (ListCount() == 0) {
        if (Border_) {
            const int32_t pen = surface_.DrawWidth();
            FillBox(pen, pen, surface_.ScaleWidth() - 2 * pen, surface_.ScaleHeight() - 2 * pen,
                    Brushes[3].handle());
        } else {
            surface_.Cls();
        }
    }
    PaintHeader();
    // The bound is taken once, for the current top row: a bound left from an
    // earlier top row would paint nothing after a scroll of more than a view,
    // or miss the rows a taller window uncovers.
    if (ListCount() != 0 && ItemHeight_ > 0) ComputeRowMetrics();
    const int32_t last = LastIndex_;
    for (int32_t i = FirstIndex_; i <= last; ++i) PaintRow(static_cast<int16_t>(i));
}

void MireloList::ComputeRowMetrics() {
    const ListGeometry g = Geometry();
    TopInset_ = g.Inset();
    ListWidth_ = g.ListWidth();
    RowAreaHeight_ = g.RowAreaHeight();
    LastIndex_ = g.PaintedLastIndex();
}

void MireloList::PaintRow(int16_t index) {
    Trace("PaintRow " + std::to_string(index));
    const int32_t count = ListCount();
    if (count == 0 || index < 0 || index > count - 1 || index < FirstIndex_) return;
    // Rows of no height cannot be laid out (a bag may carry a height of 0).
    if (ItemHeight_ <= 0) return;

    ComputeRowMetrics();
    if (index > LastIndex_) return;
    const int32_t pen = surface_.DrawWidth();
    const int32_t scaleW = surface_.ScaleWidth(), scaleH = surface_.ScaleHeight();
    const int32_t inset = TopInset_;

    const double fullHeight = surface_.HeightTwips() / 15.0;
    const int32_t top = ToInt32(inset + static_cast<int64_t>(ItemHeight_) * (index - FirstIndex_ + 1));
    if (top >= RoundHalfEven(fullHeight) - 1) return;
    // A row cut by the bottom edge stops the pen width above it.
    int32_t fillH = ItemHeight_;
    if (fullHeight - ItemHeight_ - pen < top) fillH = ToInt32(fullHeight - top - pen);

    BrushHandle brush;
    OleColor textColor;
    if (index == ListIndex_) {
        brush = Brushes[2].handle();
        textColor = ItemSelTextColor_;
    } else {
        // Counted from the top row, flipped per scroll step, so a row keeps its
        // colour while the list scrolls one row at a time.
        int phase = (index - FirstIndex_) % 2;
        if (AltPhase_ != kFalse) phase = 1 - phase;
        brush = Brushes[phase].handle();
        textColor = index == PlayIndex_ ? ItemPlyTextColor_ : ItemNorTextColor_;
    }
    FillBox(inset, top, ListWidth_, fillH, brush);
    surface_.SetTextColor(textColor);

    const ItemRecord& row = Items[static_cast<size_t>(index)];
    const double th = surface_.TextHeight(Text(row.Cell(1)));
    const int32_t textTop = ToInt32((ItemHeight_ - th) / 2 + top);
    int32_t textH = ToInt32(th);
    if (textTop + th > fullHeight - pen - 1) textH = ToInt32(fullHeight - pen - textTop);

    for (int v = 0; v <= ColNumCount_; ++v) {
        if (v > kMaxColumn) Raise(kSubscriptOutOfRange);
        const int16_t colW = ColWidth_[v];
        if (colW <= 0) continue;
        // Alignment values go to the platform as format bits, sign and all.
        const auto format = static_cast<uint32_t>(static_cast<int32_t>(ColAlign_[v]));
        if (v == 0) {
            Text first(row.Cell(0));
            if (YnNeedNumCol_ != kFalse) {
                const bool descending = EndsWith(HeadCaption_[0], kSortDown);
                first = DecimalText(descending ? count - index : index + 1);
            }
            DrawCellText(first, inset, textTop, colW, textH, format);
            continue;
        }
        const int32_t x = Geometry().CellLeft(v);
        DrawCellText(Text(row.Cell(v)), x + 2, textTop, colW - inset - 4, textH, format);
        const int32_t bottom = top + fillH - 1;
        surface_.Line(x - 2, top, x - 2, bottom, kSeparatorColor);
        surface_.Line(x - 1, top, x - 1, bottom, kSeparatorColor);
    }

    const bool playMarker = index == PlayIndex_ && bSeleArrow_ != kFalse;
    if (CheckBox_ != kFalse) {
        if (CheckImages) {
            const int32_t srcX = row.Checked != kFalse ? kCheckCheckedX : kCheckEmptyX;
            surface_.StretchBlt(kCheckLeft, textTop, kCheckSize, kCheckSize, *CheckImages, srcX, 0, kCheckSize,
                                kCheckSize);
            if (playMarker)
                surface_.StretchBlt(kCheckLeft, textTop, kCheckSize, kCheckSize, *CheckImages, kCheckPlayX, 0,
                                    kCheckSize, kCheckSize);
        }
    } else if (playMarker && PlayIcon && PlayIcon->Count() > 0) {
        // No icon at design time or when the resource was unusable: no marker.
        PlayIcon->Draw(surface_, inset + 2, ToInt32(top + (ItemHeight_ - kPlayIconHeight) / 2.0), 0);
    }

    if (index >= count - 1 || index >= LastIndex_) {
        const int64_t used = static_cast<int64_t>(ItemHeight_) * (index - FirstIndex_ + 1);
        if (used < RowAreaHeight_) {
            const int32_t below = top + ItemHeight_;
            FillBox(inset, below, ListWidth_, scaleH - pen - below, Brushes[3].handle());
        }
        // The filler and the rows may have covered the bottom border line.
        if (Border_ != kFalse) surface_.Line(0, scaleH - pen, scaleW, scaleH - pen, BorderColor_);
    }
}

}  // namespace mirelo
