// Rows selected and played, and columns sorted, on behalf of assistive
// technology. They run the mouse's own code (wFlag 0: the user's own doing),
// so the host hears, and may redirect, the change exactly as from a click or
// a double-click, and a sort is the header click's to the last detail.
#include "listctl/mirelo_list.h"

namespace mirelo {

void MireloList::SelectRow(int16_t row) {
    if (!IsValidIndex(row) || row == ListIndex_) return;
    // A reader may pick a row that is scrolled away; the user must see what
    // got selected. The same rule as setting ListIndex.
    if (row < FirstIndex_ || row > LastIndex_) ucBar->SetValue(row);
    ChangeIndex(false, ListIndex_, row, 0);
}

void MireloList::PlayRow(int16_t row) {
    if (!IsValidIndex(row) || row == PlayIndex_) return;
    ChangeIndex(true, PlayIndex_, row, 0);
}

void MireloList::SortByHeader(int16_t column) {
    if (column < 0 || column > columns_.count || columns_.widths[column] < 1) return;
    SortOrExchange(column, column);
}

}  // namespace mirelo
