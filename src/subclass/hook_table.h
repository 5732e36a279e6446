#pragma once
// Per-control table of hooked windows. Each hooked window gets the library's
// window procedure in place of its own; subscribed messages reach the owner's
// zSubclass_Proc before and/or after the previous procedure runs.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/window_proc.h"
#include "subclass/hook_owner.h"
#include "subclass/message_table.h"

namespace mirelo {

enum : int32_t { HookAfter = 1, HookBefore = 2 };

struct HookEntry {
    HWnd hWnd = 0;  // 0 = free entry, reused before the table grows
    WndProcAddress OldWndProc = 0;
    MessageTable After;
    MessageTable Before;
};

class HookTable {
public:
    HookTable(HookOwner& owner, WindowProcPort& port);
    ~HookTable();  // unhooks what is left, ignoring failures
    HookTable(const HookTable&) = delete;
    HookTable& operator=(const HookTable&) = delete;

    // Returns the entry index; a free entry is reused, from the last one down.
    int32_t HookWindow(HWnd hWnd);
    // Error 9 for a window this table does not hook.
    void UnhookWindow(HWnd hWnd);
    // Stops at the first failure and swallows it.
    void UnhookAll();
    void AddHookMessage(HWnd hWnd, int32_t uMsg, int32_t when);
    void RemoveHookMessage(HWnd hWnd, int32_t uMsg, int32_t when);
    // Searches from the last entry down; -1 when none matches.
    int32_t FindHookEntry(HWnd hWnd, bool findFree) const;

    int32_t EntryCount() const { return static_cast<int32_t>(slots_.size()); }
    const HookEntry& Entry(int32_t index) const;  // error 9 out of range

private:
    class Slot;
    Slot& Hooked(HWnd hWnd) const;  // the window's slot, else error 9

    HookOwner& owner_;
    WindowProcPort& port_;
    // Slots stay at one address for the table's lifetime: the platform routes
    // messages to them, also while one is being dispatched and the owner
    // unhooks or hooks from inside its callback.
    std::vector<std::unique_ptr<Slot>> slots_;
};

}  // namespace mirelo
