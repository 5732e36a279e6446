#include "subclass/hook_slot.h"

namespace mirelo {

namespace {

// The callback's result and message parameters are declared 32-bit. Where the
// platform's are wider, the callback sees their low 32 bits; a value it leaves
// alone goes on whole, and one it rewrites is sign-extended, as C widens a
// 32-bit value: -1 stays -1, a handle keeps the platform's form, and words
// packed into the low half (points, wheel deltas) read back unchanged. The
// value goes back when the call is over, also when the callback failed:
// what it wrote before failing stands, as it would through references.
struct Narrowed {
    explicit Narrowed(MsgParam& full) : full(full), seen(static_cast<int32_t>(full)), value(seen) {}
    ~Narrowed() {
        if (value != seen) full = value;
    }
    MsgParam& full;
    const int32_t seen;
    int32_t value;
};

}  // namespace

void HookTable::Slot::Hook(HWnd hWnd) {
    ++generation_;
    // Empty tables: nothing reaches the owner before a subscription.
    entry_ = HookEntry{hWnd, port_.ReplaceWndProc(hWnd, this), {}, {}};
}

void HookTable::Slot::Unhook() {
    ++generation_;
    const HWnd hWnd = entry_.hWnd;
    const WndProcAddress previous = entry_.OldWndProc;
    entry_ = HookEntry{};
    port_.RestoreWndProc(hWnd, previous);
}

MsgParam HookTable::Slot::WindowProc(HWnd hWnd, int32_t uMsg, MsgParam wParam, MsgParam lParam) {
    MsgParam lReturn = 0;
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

void HookTable::Slot::CallOwner(bool before, Bool16& bHandled, MsgParam& lReturn, int32_t& hWnd, int32_t& uMsg,
                                MsgParam& wParam, MsgParam& lParam) {
    Narrowed ret(lReturn), w(wParam), l(lParam);
    try {
        owner_.zSubclass_Proc(before, bHandled, ret.value, hWnd, uMsg, w.value, l.value);
    } catch (...) {
        // A failing callback ends only itself; the message still takes its course.
    }
}

}  // namespace mirelo
