#pragma once
// The columns as one value: captions, widths, alignments, the last slot that
// takes part, the width total the column operations keep, and the slot that
// last gave up the scroll bar's width. The width rules are operations on it
// alone, with no list, window or surface behind them; each either does all
// of its change or, failing, none.
#include <array>
#include <cstdint>

#include "base/slots.h"
#include "base/text.h"
#include "base/variant.h"

namespace mirelo {

constexpr int16_t kMinColWidth = 30;  // no shown column is dragged narrower, pixels

struct ColumnModel {
    int16_t count = 0;  // slots 0 .. count take part; AddItemA refuses past kMaxColumn
    std::array<Text, kMaxColumn + 1> captions;
    ColumnWidths widths{};
    std::array<int16_t, kMaxColumn + 1> aligns{};  // cell text: 0 left, 1 centred, 2 right
    // The total as the column operations keep it: a border drag leaves it,
    // so it may differ from the widths' own sum by a drag's rounding.
    int16_t widthSum = 0;
    int16_t barWidthCol = 1;  // slot that last gave up the scroll bar's width; -1 none

    // The last slot; error 9 while more columns are claimed than exist.
    int LastSlot() const;

    // AddItemA: slots 0 .. the last caption (at most the last slot) from the
    // comma-separated texts, the total from them, then fitted to
    // `clientWidth`. A count past the last slot is error 9 before anything
    // changes; a missing width or alignment is error 9, a bad one 13 or 6,
    // widths past 16 bits in sum 6; each leaves every slot as it was.
    void Define(const Variant& columnCount, const Variant& captionText, const Variant& widthText,
                const Variant& alignText, int32_t clientWidth);
    // Spreads what `clientWidth` leaves free after `reserved`, the gaps and
    // the frame over the columns (a negative rest narrows them).
    void FitColumns(int32_t clientWidth, int32_t reserved);
    // Every slot grows or shrinks by its share of `extra`, each share rounded
    // on its own: the new total is the widths' own and may miss the old one
    // plus `extra` by a few pixels. No total to share by: nothing changes.
    void DistributeWidth(int16_t extra);
    // A border drag's release: the shown column `k` left of the border
    // widens by `d`, or the shown column right of it by `e`; the shown
    // columns on the far side give or take it in proportion, none below the
    // minimum, so the total stays what the column operations keep.
    void ResizeRight(int k, int32_t d);
    void ResizeLeft(int k, int32_t e);
    // The scroll bar appeared (the last column gives up `barWidth`) or went
    // (the slot that gave takes it back).
    void HandOverBar(bool appeared, int32_t barWidth);
    // Two columns change places, captions and widths; alignments stay with
    // the positions.
    void Exchange(int a, int b);
};

}  // namespace mirelo
