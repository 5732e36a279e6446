// Row painting: the fill in the row's colours, the cells' texts and
// separators, the check box or play marker, and under the last row the
// filler and the bottom border line.
#include "base/numeric.h"
#include "platform/memdc.h"
#include "render/captions.h"
#include "render/cls_icon.h"
#include "render/list_painter.h"

namespace mirelo {

namespace {

constexpr int32_t kCheckEmptyX = 0;  // images of the "CHK" strip
constexpr int32_t kCheckPlayX = 13;
constexpr int32_t kCheckCheckedX = 26;

}  // namespace

void ListPainter::Row(const ListView& v, int16_t index, const RowContent& row) {
    const ListGeometry& g = v.geometry;
    const int32_t top = g.RowTop(index);
    if (g.BelowClient(top)) return;
    const int32_t fillH = g.RowFillHeight(top);

    BrushHandle brush;
    OleColor textColor;
    if (index == v.listIndex) {
        brush = v.brushes[kSelectionBrush];
        textColor = v.look->ItemSelTextColor;
    } else {
        // Counted from the top row, flipped per scroll step, so a row keeps its
        // colour while the list scrolls one row at a time.
        int phase = (index - g.firstIndex) % 2;
        if (v.altPhase) phase = 1 - phase;
        brush = v.brushes[phase];
        textColor = index == v.playIndex ? v.look->ItemPlyTextColor : v.look->ItemNorTextColor;
    }
    const Rect box = g.RowBox(index);
    FillBox(box.left, box.top, box.Width(), fillH, brush);
    surface_.SetTextColor(textColor);

    const double th = surface_.TextHeight(row.cells[1]);
    const int32_t textTop = g.RowTextTop(top, th);
    const int32_t textH = g.RowTextHeight(textTop, th);
    for (int c = 0, last = g.LastSlot(); c <= last; ++c) {
        if (g.widths[c] <= 0) continue;
        // Alignment values go to the platform as format bits, sign and all.
        const auto format = static_cast<uint32_t>(static_cast<int32_t>((*v.aligns)[c]));
        const Rect box = g.CellTextBox(c, textTop, textH);
        // Numbered rows show their number in place of column 0's text.
        const bool numbered = c == 0 && v.look->YnNeedNumCol != kFalse;
        const Text number = numbered ? RowNumberText((*v.captions)[0], g.rowCount, index) : Text();
        DrawCellText(number.empty() ? row.cells[c] : number, box.left, box.top, box.Width(), textH, format);
        if (c != 0) Separator(g.RowSeparator(c, top));
    }

    const bool playMarker = index == v.playIndex && v.look->bSeleArrow != kFalse;
    if (v.look->CheckBox != kFalse) {
        if (v.checkImages) {
            const Rect box = g.CheckBox(textTop);
            const auto blt = [&](int32_t srcX) {
                surface_.StretchBlt(box.left, box.top, kCheckSize, kCheckSize, *v.checkImages, srcX, 0, kCheckSize,
                                    kCheckSize);
            };
            blt(row.checked ? kCheckCheckedX : kCheckEmptyX);
            if (playMarker) blt(kCheckPlayX);
        }
    } else if (playMarker && v.playIcon && v.playIcon->Count() > 0) {
        // No icon at design time or when the resource was unusable: no marker.
        const Rect icon = g.PlayIcon(top);
        v.playIcon->Draw(surface_, icon.left, icon.top, 0);
    }

    if (g.LastPaintedRow(index)) {
        if (const auto filler = g.FillerBelow(index))
            FillBox(filler->left, filler->top, filler->Width(), filler->Height(), v.brushes[kBackBrush]);
        // The filler and the rows may have covered the bottom border line.
        const Rect line = g.BottomLine();
        if (g.border) surface_.Line(line.left, line.top, line.right, line.bottom, v.look->BorderColor);
    }
}

}  // namespace mirelo
