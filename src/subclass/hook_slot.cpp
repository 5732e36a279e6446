#include "subclass/hook_slot.h"

namespace mirelo {

void HookTable::Slot::Hook(HWnd hWnd) {
    ++generation_;
    entry_.hWnd = hWnd;
    entry_.Before.Clear();
    entry_.After.Clear();
    entry_.OldWndProc = port_.ReplaceWndProc(hWnd, this);
}

void HookTable::Slot::Unhook() {
    ++generation_;
    const HWnd hWnd = entry_.hWnd;
    const WndProcAddress previous = entry_.OldWndProc;
    entry_ = HookEntry{};
    port_.RestoreWndProc(hWnd, previous);
}

int32_t HookTable::Slot::WindowProc(HWnd hWnd, int32_t uMsg, int32_t wParam, int32_t lParam) {
    int32_t lReturn = 0;
    Bool16 bHandled = kFalse;
    const uint32_t generation = generation_;
    const WndProcAddress previous = entry_.OldWndProc;

    if (entry_.Before.Matches(uMsg)) CallOwner(true, bHandled, lReturn, hWnd, uMsg, wParam, lParam);
    if (bHandled != kFalse) return lReturn;

    lReturn = port_.CallWindowProc(previous, hWnd, uMsg, wParam, lParam);

    // An owner that unhooked meanwhile sees no after call, as a cleared table
    // would give; a flag set here is not looked at.
    if (generation == generation_ && entry_.After.Matches(uMsg)) {
        CallOwner(false, bHandled, lReturn, hWnd, uMsg, wParam, lParam);
    }
    return lReturn;
}

void HookTable::Slot::CallOwner(bool before, Bool16& bHandled, int32_t& lReturn, int32_t& hWnd, int32_t& uMsg,
                                int32_t& wParam, int32_t& lParam) {
    try {
        owner_.zSubclass_Proc(before, bHandled, lReturn, hWnd, uMsg, wParam, lParam);
    } catch (...) {
        // A failing callback ends only itself; the message still takes its course.
    }
}

}  // namespace mirelo
