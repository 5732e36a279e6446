#include "subclass/hook_table.h"

#include "base/error.h"
#include "subclass/hook_slot.h"

namespace mirelo {

HookTable::HookTable(HookOwner& owner, WindowProcPort& port) : owner_(owner), port_(port) {}

HookTable::~HookTable() { UnhookAll(); }

int32_t HookTable::HookWindow(HWnd hWnd) {
    // Window 0 would look like a free entry and could never be unhooked.
    if (hWnd == 0) return -1;
    int32_t index = FindHookEntry(0, true);
    if (index < 0) {
        slots_.push_back(std::make_unique<Slot>(owner_, port_));
        index = EntryCount() - 1;
    }
    slots_[static_cast<size_t>(index)]->Hook(hWnd);
    return index;
}

void HookTable::UnhookWindow(HWnd hWnd) { Hooked(hWnd).Unhook(); }

void HookTable::UnhookAll() {
    try {
        for (size_t i = slots_.size(); i-- > 0;)
            if (slots_[i]->entry().hWnd != 0) slots_[i]->Unhook();
    } catch (...) {
        // Termination goes on whatever the platform did.
    }
}

void HookTable::AddHookMessage(HWnd hWnd, int32_t uMsg, int32_t when) {
    HookEntry& e = Hooked(hWnd).entry();
    if (when & HookBefore) e.Before.Add(uMsg);
    if (when & HookAfter) e.After.Add(uMsg);
}

void HookTable::RemoveHookMessage(HWnd hWnd, int32_t uMsg, int32_t when) {
    HookEntry& e = Hooked(hWnd).entry();
    if (when & HookBefore) e.Before.Remove(uMsg);
    if (when & HookAfter) e.After.Remove(uMsg);
}

int32_t HookTable::FindHookEntry(HWnd hWnd, bool findFree) const {
    for (int32_t i = EntryCount() - 1; i >= 0; --i) {
        const HWnd h = slots_[static_cast<size_t>(i)]->entry().hWnd;
        if (findFree ? h == 0 : h == hWnd) return i;
    }
    return -1;
}

const HookEntry& HookTable::Entry(int32_t index) const {
    if (index < 0 || index >= EntryCount()) Raise(kSubscriptOutOfRange);
    return slots_[static_cast<size_t>(index)]->entry();
}

HookTable::Slot& HookTable::Hooked(HWnd hWnd) const {
    const int32_t index = hWnd == 0 ? -1 : FindHookEntry(hWnd, false);
    if (index < 0) Raise(kSubscriptOutOfRange);
    return *slots_[static_cast<size_t>(index)];
}

}  // namespace mirelo
