// Column definitions and width distribution.
#include <tuple>

#include "base/error.h"
#include "listctl/mirelo_list.h"

namespace mirelo {

Variant MireloList::AddItemA(const Variant& nColNumCount, const Variant& sHeadCaption, const Variant& nColWidth,
                             const Variant& nAlign) {
    // A count past the last slot would leave every later row, repaint and resize failing:
    // refuse it before any column changes.
    const int16_t count = nColNumCount.ToInt16();
    if (count > kMaxColumn) Raise(kSubscriptOutOfRange);
    // A definition that fails part way (a missing or unreadable part, widths
    // past 16 bits in sum, a spread that overflows) leaves the columns as
    // they were: the host keeps a list it can still show.
    const auto before = std::make_tuple(ColNumCount_, HeadCaption_, ColWidth_, ColAlign_, ColWidthSum_);
    try {
        ColNumCount_ = count;
        std::vector<Text> captions = SplitText(sHeadCaption.ToText());
        std::vector<Text> widths = SplitText(nColWidth.ToText());
        std::vector<Text> aligns = SplitText(nAlign.ToText());
        int32_t sum = 0;
        for (size_t c = 0; c < captions.size() && c <= kMaxColumn; ++c) {
            HeadCaption_[c] = captions[c];
            if (c >= widths.size()) Raise(kSubscriptOutOfRange);
            ColWidth_[c] = Variant(widths[c]).ToInt16();
            if (c >= aligns.size()) Raise(kSubscriptOutOfRange);
            ColAlign_[c] = Variant(aligns[c]).ToInt16();
            sum += ColWidth_[c];
        }
        ColWidthSum_ = ToInt16(sum);
        FitColumns(0);
    } catch (...) {
        std::tie(ColNumCount_, HeadCaption_, ColWidth_, ColAlign_, ColWidthSum_) = before;
        throw;
    }
    if (access_) {
        access_->RowsChanged();
        access_->HeaderChanged();
    }
    return Variant();
}

Variant MireloList::ResizeHead() {
    FitColumns(ucBar->Width());
    if (access_) access_->HeaderChanged();
    return Variant();
}

void MireloList::FitColumns(int32_t reserved) {
    // In single precision, the gaps and the frame counted with the widths.
    const float need = static_cast<float>(reserved) + (static_cast<float>(ColNumCount_) * 2 + ColWidthSum_ + 2);
    const int16_t extra = ToInt16(static_cast<double>(static_cast<float>(surface_.ScaleWidth()) - need));
    if (extra != 0) DistributeWidth(extra);
}

// Each share is rounded on its own, so the new sum can miss the old one plus
// `extra` by a few pixels; the sum kept is the widths' own.
void MireloList::DistributeWidth(int16_t extra) {
    // Widths summing to 0 have no proportion to grow by: zero-width slots
    // stay 0 by the rule itself, so there is nothing to spread.
    const double s = ColWidthSum_;
    if (s == 0) return;
    std::array<int16_t, kMaxColumn + 1> widths = ColWidth_;
    int32_t total = 0;
    for (int c = 0; c <= ColNumCount_; ++c) {
        widths[c] = ToInt16(widths[c] + extra / s * widths[c]);
        total += widths[c];
    }
    int16_t sum = ToInt16(total);
    ColWidth_ = widths;
    ColWidthSum_ = sum;
}

}  // namespace mirelo
