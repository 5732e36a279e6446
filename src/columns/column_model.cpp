// Column definitions, the width spread and the scroll bar's hand-over.
#include "columns/column_model.h"

#include <utility>

#include "base/error.h"
#include "base/numeric.h"

namespace mirelo {

int ColumnModel::LastSlot() const {
    if (count > kMaxColumn) Raise(kSubscriptOutOfRange);
    return count;
}

void ColumnModel::Define(const Variant& columnCount, const Variant& captionText, const Variant& widthText,
                         const Variant& alignText, int32_t clientWidth) {
    // A count past the last slot would leave every later row, repaint and
    // resize failing: refuse it before any column changes.
    const int16_t n = columnCount.ToInt16();
    if (n > kMaxColumn) Raise(kSubscriptOutOfRange);
    // Worked on a copy: a definition failing part way (a missing or bad
    // part, widths past 16 bits in sum, a spread that overflows) leaves the
    // host the columns it had, which still show.
    ColumnModel next = *this;
    next.count = n;
    const std::vector<Text> captionParts = SplitText(captionText.ToText());
    const std::vector<Text> widthParts = SplitText(widthText.ToText());
    const std::vector<Text> alignParts = SplitText(alignText.ToText());
    int32_t sum = 0;
    for (size_t c = 0; c < captionParts.size() && c <= kMaxColumn; ++c) {
        next.captions[c] = captionParts[c];
        if (c >= widthParts.size()) Raise(kSubscriptOutOfRange);
        next.widths[c] = Variant(widthParts[c]).ToInt16();
        if (c >= alignParts.size()) Raise(kSubscriptOutOfRange);
        next.aligns[c] = Variant(alignParts[c]).ToInt16();
        sum += next.widths[c];
    }
    next.widthSum = ToInt16(sum);
    next.FitColumns(clientWidth, 0);
    *this = std::move(next);
}

void ColumnModel::FitColumns(int32_t clientWidth, int32_t reserved) {
    // In single precision, the gaps and the frame counted with the widths.
    const float need = static_cast<float>(reserved) + (static_cast<float>(count) * 2 + widthSum + 2);
    const int16_t extra = ToInt16(static_cast<double>(static_cast<float>(clientWidth) - need));
    if (extra != 0) DistributeWidth(extra);
}

void ColumnModel::DistributeWidth(int16_t extra) {
    // No total, no proportion to grow by: zero-width slots stay 0 by the
    // rule itself, so there is nothing to spread.
    const double s = widthSum;
    if (s == 0) return;
    ColumnWidths w = widths;
    int32_t total = 0;
    for (int c = 0; c <= count; ++c) {
        w[c] = ToInt16(w[c] + extra / s * w[c]);
        total += w[c];
    }
    const int16_t sum = ToInt16(total);
    widths = w;
    widthSum = sum;
}

void ColumnModel::HandOverBar(bool appeared, int32_t barWidth) {
    // Without a column to give, nobody gives, and nobody gets it back later.
    const int col = appeared ? count - 1 : barWidthCol;
    if (col >= 0) {
        // Held within 16 bits: a column that wide lies past every window
        // anyway, and the layout that shows or hides the bar must not fail.
        const int32_t w = appeared ? -barWidth : barWidth;
        widths.at(col) = Clip16(widths.at(col) + w);
        widthSum = Clip16(widthSum + w);
    }
    if (appeared) barWidthCol = static_cast<int16_t>(col >= 0 ? col : -1);
}

void ColumnModel::Exchange(int a, int b) {
    std::swap(captions.at(a), captions.at(b));
    std::swap(widths.at(a), widths.at(b));
}

}  // namespace mirelo
