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
    count = n;
    const std::vector<Text> captionParts = SplitText(captionText.ToText());
    const std::vector<Text> widthParts = SplitText(widthText.ToText());
    const std::vector<Text> alignParts = SplitText(alignText.ToText());
    int32_t sum = 0;
    for (size_t c = 0; c < captionParts.size() && c <= kMaxColumn; ++c) {
        captions[c] = captionParts[c];
        if (c >= widthParts.size()) Raise(kSubscriptOutOfRange);
        widths[c] = Variant(widthParts[c]).ToInt16();
        if (c >= alignParts.size()) Raise(kSubscriptOutOfRange);
        aligns[c] = Variant(alignParts[c]).ToInt16();
        sum += widths[c];
    }
    widthSum = ToInt16(sum);
    FitColumns(clientWidth, 0);
}

void ColumnModel::FitColumns(int32_t clientWidth, int32_t reserved) {
    // In single precision, the gaps and the frame counted with the widths.
    const float need = static_cast<float>(reserved) + (static_cast<float>(count) * 2 + widthSum + 2);
    const int16_t extra = ToInt16(static_cast<double>(static_cast<float>(clientWidth) - need));
    if (extra != 0) DistributeWidth(extra);
}

void ColumnModel::DistributeWidth(int16_t extra) {
    const double s = widthSum;
    if (s == 0) Raise(kDivisionByZero);
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
        const int32_t w = appeared ? -barWidth : barWidth;
        const int16_t sum = ToInt16(widthSum + w);
        widths.at(col) = ToInt16(widths.at(col) + w);
        widthSum = sum;
    }
    if (appeared) barWidthCol = static_cast<int16_t>(col >= 0 ? col : -1);
}

void ColumnModel::Exchange(int a, int b) {
    std::swap(captions.at(a), captions.at(b));
    std::swap(widths.at(a), widths.at(b));
}

}  // namespace mirelo
