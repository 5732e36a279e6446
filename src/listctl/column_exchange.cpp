// The end of a header drag: released on its own cell it sorts, released on
// another cell the two columns change places.
#include "listctl/mirelo_list.h"

namespace mirelo {

void MireloList::SortOrExchange(int16_t target, int16_t source) {
    // An empty list can neither exchange nor sort its columns.
    if (ListCount() == 0) return;
    if (target == source) SortByColumn(source);
    else if (!(look_.YnNeedNumCol != kFalse && (target == 0 || source == 0))) {
        for (ItemRecord& row : Items) {
            row.SwapText = row.Cell(target);
            row.SetCell(target, row.Cell(source));
            row.SetCell(source, row.SwapText);
        }
        columns_.Exchange(target, source);
    }
    header_.MarkerToFirstBorder();
    // One paint for the rows, the captions and the marker's move together:
    // under Wine's 32-bit text calls a list paint is over a millisecond.
    PaintList();
    if (access_) {
        access_->RowsChanged();
        access_->HeaderChanged();
    }
}

}  // namespace mirelo
