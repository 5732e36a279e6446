#include "subclass/message_table.h"

#include <algorithm>

namespace mirelo {

void MessageTable::Add(int32_t uMsg) {
    // Once every message reaches the owner, a single one adds nothing.
    if (uMsg == AnyMessage) every_ = true;
    if (every_) return;
    for (int32_t& slot : slots_) {
        if (slot == 0) slot = uMsg;
        if (slot == uMsg) return;
    }
    slots_.push_back(uMsg);
}

void MessageTable::Remove(int32_t uMsg) {
    if (uMsg == AnyMessage) {
        Clear();
        return;
    }
    const auto slot = std::find(slots_.begin(), slots_.end(), uMsg);
    if (slot != slots_.end()) *slot = 0;
}

void MessageTable::Clear() {
    every_ = false;
    slots_.clear();
}

bool MessageTable::Matches(int32_t uMsg) const {
    return every_ || std::find(slots_.begin(), slots_.end(), uMsg) != slots_.end();
}

}  // namespace mirelo
