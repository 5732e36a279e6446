#include "subclass/message_table.h"

#include <cstddef>

namespace mirelo {

void MessageTable::Add(int32_t uMsg) {
    if (uMsg == AnyMessage) {
        count_ = -1;
        return;
    }
    // Every message already reaches the owner. Growing the table from a count
    // of -1 would land on a count of 0 and silently switch the window off.
    if (count_ < 0) return;
    for (int32_t i = 0; i < count_; ++i) {
        if (slots_[i] == 0) {
            slots_[i] = uMsg;
            return;
        }
        if (slots_[i] == uMsg) return;
    }
    ++count_;
    slots_.resize(static_cast<size_t>(count_));
    slots_.back() = uMsg;
}

void MessageTable::Remove(int32_t uMsg) {
    if (uMsg == AnyMessage) {
        Clear();
        return;
    }
    for (auto& slot : slots_) {
        if (slot == uMsg) {
            slot = 0;
            return;
        }
    }
}

void MessageTable::Clear() {
    count_ = 0;
    slots_.clear();
}

bool MessageTable::Matches(int32_t uMsg) const {
    if (count_ < 0) return true;
    for (int32_t i = 0; i < count_; ++i) {
        if (slots_[i] == uMsg) return true;
    }
    return false;
}

}  // namespace mirelo
