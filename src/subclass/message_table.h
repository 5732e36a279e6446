#pragma once
// The messages one timing of a hooked window passes to its owner.
// Slots are never compacted: removing a message leaves a 0 in its slot, and
// the next subscription takes the first such slot. A count of -1 stands for
// every message, whatever the slots hold.
#include <cstdint>
#include <vector>

namespace mirelo {

constexpr int32_t AnyMessage = -1;

class MessageTable {
public:
    void Add(int32_t uMsg);
    void Remove(int32_t uMsg);
    void Clear();
    bool Matches(int32_t uMsg) const;

    int32_t Count() const { return every_ ? -1 : static_cast<int32_t>(slots_.size()); }
    const std::vector<int32_t>& Slots() const { return slots_; }

private:
    bool every_ = false;
    std::vector<int32_t> slots_;  // slot 1 is slots_[0]
};

}  // namespace mirelo
