#pragma once
// One entry of a hook table together with the window procedure the platform
// routes its window's messages to.
#include <cstdint>

#include "subclass/hook_table.h"

namespace mirelo {

class HookTable::Slot : public MessageTarget {
public:
    Slot(HookOwner& owner, WindowProcPort& port) : owner_(owner), port_(port) {}

    void Hook(HWnd hWnd);
    void Unhook();
    HookEntry& entry() { return entry_; }
    const HookEntry& entry() const { return entry_; }

    MsgParam WindowProc(HWnd hWnd, int32_t uMsg, MsgParam wParam, MsgParam lParam) override;

private:
    void CallOwner(bool before, Bool16& bHandled, MsgParam& lReturn, int32_t& hWnd, int32_t& uMsg,
                   MsgParam& wParam, MsgParam& lParam);

    HookOwner& owner_;
    WindowProcPort& port_;
    HookEntry entry_;
    // Bumped by every hook and unhook, so that a dispatch under way notices
    // when its owner unhooked (or re-used) the slot from inside the callback.
    uint32_t generation_ = 0;
};

}  // namespace mirelo
