// The widths after a column-border drag (ResizeRight, ResizeLeft). Hidden
// slots keep their width and count for no minimum: they would otherwise come
// back as columns of their own.
#include <algorithm>

#include "base/numeric.h"
#include "columns/column_model.h"

namespace mirelo {

namespace {

int ShownCount(const ColumnWidths& w, int first, int last) {
    int n = 0;
    for (int j = first; j <= last; ++j) n += w[j] >= 1;
    return n;
}

// Widths first..last; hidden slots too unless `shownOnly` (a negative width counts).
int32_t Sum(const ColumnWidths& w, int first, int last, bool shownOnly) {
    int32_t s = 0;
    for (int j = first; j <= last; ++j) s += shownOnly && w[j] < 1 ? 0 : w[j];
    return s;
}

// The near column's new width: at least the minimum, then at most the limit.
int32_t Bounded(int32_t width, int32_t limit) { return std::min<int32_t>(std::max<int32_t>(width, kMinColWidth), limit); }

// Columns first..last give up `growth` pixels (take them when negative).
void GiveUp(ColumnWidths& w, int first, int last, int32_t growth) {
    std::array<bool, kMaxColumn + 1> shown{};
    for (int j = first; j <= last; ++j) shown[j] = w[j] >= 1;
    const int32_t rest = std::max<int32_t>(Sum(w, first, last, true), 1);
    for (int j = first; j <= last; ++j) {
        if (!shown[j]) continue;
        // The ratio first, then the product, each share rounded on its own.
        const int16_t share = ToInt16(-growth * (static_cast<double>(w[j]) / rest));
        w[j] = ToInt16(static_cast<int32_t>(w[j]) + share);
    }
    // Shares rounded separately can push a column below the minimum: raise
    // it, and take what that cost from the wider columns, left to right.
    int32_t deficit = 0;
    for (int j = first; j <= last; ++j) {
        if (shown[j] && w[j] < kMinColWidth) {
            deficit += kMinColWidth - w[j];
            w[j] = kMinColWidth;
        }
    }
    for (int j = first; j <= last && deficit >= 1; ++j) {
        if (!shown[j] || w[j] <= kMinColWidth) continue;
        const int32_t spare = w[j] - kMinColWidth;
        if (spare < deficit) {
            deficit -= spare;
            w[j] = kMinColWidth;
        } else {
            w[j] = ToInt16(w[j] - deficit);
            deficit = 0;
        }
    }
}

}  // namespace

void ColumnModel::ResizeRight(int k, int32_t d) {
    const int last = LastSlot();
    ColumnWidths w = widths;
    if (k < 0 || k > last || w[k] < 1) return;
    const int32_t limit = widthSum - Sum(w, 0, k - 1, false) - ShownCount(w, k + 1, last) * kMinColWidth;
    const int32_t width = Bounded(w[k] + d, limit);
    GiveUp(w, k + 1, last, width - w[k]);
    w[k] = ToInt16(width);
    widths = w;
}

void ColumnModel::ResizeLeft(int k, int32_t e) {
    const int last = LastSlot();
    ColumnWidths w = widths;
    int r = k + 1;  // the shown column right of the border
    while (r <= last && w[r] < 1) ++r;
    if (k < 0 || r > last) return;
    const int32_t far = Sum(w, r + 1, last, false);
    const int32_t limit = widthSum - ShownCount(w, 0, k) * kMinColWidth - far;
    const int32_t width = Bounded(w[r] + e, limit);
    GiveUp(w, 0, k, width - w[r]);
    w[r] = ToInt16(width);
    widths = w;
}

}  // namespace mirelo
