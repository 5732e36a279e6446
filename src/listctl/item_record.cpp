#include "listctl/item_record.h"

namespace mirelo {

const Text& ItemRecord::Empty() {
    static const Text empty;
    return empty;
}

void ItemRecord::SetCell(int c, Text value) {
    if (c >= static_cast<int>(cells_.size())) {
        if (value.empty()) return;
        cells_.resize(c + 1);
    }
    cells_[c] = std::move(value);
    while (!cells_.empty() && cells_.back().empty()) cells_.pop_back();
}

}  // namespace mirelo
