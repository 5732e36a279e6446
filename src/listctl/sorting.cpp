// Sorting by a header click. The caption's marker is the only memory of a
// sort: a column without "▼" is reversed as it stands and marked "▼"; one
// marked "▼" is put in ascending key order and marked "▲". Whole rows move,
// with their id, key and check state.
#include "listctl/mirelo_list.h"
#include "sort/sort_keys.h"

namespace mirelo {

void MireloList::SortByColumn(int16_t s) {
    const int32_t n = ListCount();
    if (n == 0) return;
    const int last = Geometry().LastSlot();  // before anything moves
    const bool ascending = EndsWith(columns_.captions.at(s), kSortDown);

    // The pre-sort row of each position afterwards.
    std::vector<int16_t> order(static_cast<size_t>(n), 0);
    if (ascending) {
        // The keys are copied side by side first: the sort compares each of
        // them many times, and read from the rows' own blocks, spread over
        // the heap, nearly every comparison would wait for memory. The
        // row-number column sorts by the numbers it shows, as text.
        const bool numberKeys = s == 0 && look_.YnNeedNumCol != kFalse;
        Text pool;
        std::vector<size_t> ends(static_cast<size_t>(n));
        auto row = Items.cbegin();
        for (int32_t i = 0; i < n; ++i, ++row) {
            if (numberKeys) pool += DecimalText(n - i);
            else pool += row->Cell(s);
            ends[i] = pool.size();
            order[i] = static_cast<int16_t>(i);
        }
        std::vector<std::u16string_view> keys(static_cast<size_t>(n));
        const std::u16string_view all(pool);
        for (size_t i = 0, at = 0; i < keys.size(); at = ends[i], ++i) keys[i] = all.substr(at, ends[i] - at);
        SortKeys(keys, order, 0, n - 1);
    } else {
        // The key order is not needed to reverse the rows.
        for (int32_t k = 0; k < n; ++k) order[k] = static_cast<int16_t>(n - 1 - k);
    }

    // Out into one block in order and back in the new order, both passes
    // walking the rows' deque straight through instead of indexing it.
    std::vector<ItemRecord> rows(std::make_move_iterator(Items.begin()), std::make_move_iterator(Items.end()));
    auto out = Items.begin();
    for (int16_t k : order) *out++ = std::move(rows[k]);

    for (int c = 0; c <= last; ++c) columns_.captions[c] = WithoutSortMarker(columns_.captions[c]);
    columns_.captions.at(s) += ascending ? kSortUp : kSortDown;
    // The play row's index now points at another row; the selection keeps its
    // position on purpose. The caller paints the list once everything moved.
    PlayIndex_ = -1;
}

}  // namespace mirelo
