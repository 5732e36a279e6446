#pragma once
// A fake window system for hook tests: every window starts with an original
// procedure of its own that records what reaches it; installed hooks get new
// addresses, so a chain of procedures and an exact restore can be observed.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/window_proc.h"
#include "subclass/hook_owner.h"

namespace mirelo::hookfake {

class FakeWndProcs : public WindowProcPort {
public:
    struct Call {
        HWnd hWnd;
        int32_t uMsg;
        MsgParam wParam, lParam;
    };

    static WndProcAddress OriginalOf(HWnd h) { return 0x400000u + static_cast<WndProcAddress>(h); }
    WndProcAddress Current(HWnd h) const {
        auto it = current_.find(h);
        return it == current_.end() ? OriginalOf(h) : it->second;
    }

    WndProcAddress ReplaceWndProc(HWnd hWnd, MessageTarget* target) override {
        const WndProcAddress old = Current(hWnd);
        nextHook_ += 0x10;
        hooks_[nextHook_] = target;
        current_[hWnd] = nextHook_;
        ++replaced;
        return old;
    }
    void RestoreWndProc(HWnd hWnd, WndProcAddress previous) override {
        current_[hWnd] = previous;
        ++restored;
    }
    MsgParam CallWindowProc(WndProcAddress previous, HWnd hWnd, int32_t uMsg, MsgParam wParam,
                            MsgParam lParam) override {
        auto it = hooks_.find(previous);
        if (it != hooks_.end()) return it->second->WindowProc(hWnd, uMsg, wParam, lParam);
        original.push_back({hWnd, uMsg, wParam, lParam});
        if (onOriginal) onOriginal();
        return originalResult;
    }
    // Delivers a message as the system would: to the window's current procedure.
    MsgParam Send(HWnd hWnd, int32_t uMsg, MsgParam wParam = 0, MsgParam lParam = 0) {
        return CallWindowProc(Current(hWnd), hWnd, uMsg, wParam, lParam);
    }

    std::vector<Call> original;  // what reached an original procedure
    MsgParam originalResult = 77;
    std::function<void()> onOriginal;
    int replaced = 0, restored = 0;

private:
    std::map<HWnd, WndProcAddress> current_;
    std::map<WndProcAddress, MessageTarget*> hooks_;
    WndProcAddress nextHook_ = 0x10000;
};

// Records every callback as "B 15 h=1 w=2 l=3" (B before, A after) and runs
// an optional action that may rewrite the by-reference arguments.
class RecordingOwner : public HookOwner {
public:
    using Action = std::function<void(bool before, Bool16& handled, int32_t& ret, int32_t& hWnd, int32_t& uMsg,
                                      int32_t& wParam, int32_t& lParam)>;
    void zSubclass_Proc(bool bBefore, Bool16& bHandled, int32_t& lReturn, int32_t& hWnd, int32_t& uMsg,
                        int32_t& wParam, int32_t& lParam) override {
        calls.push_back(std::string(bBefore ? "B " : "A ") + std::to_string(uMsg) + " h=" + std::to_string(hWnd) +
                        " w=" + std::to_string(wParam) + " l=" + std::to_string(lParam) +
                        " r=" + std::to_string(lReturn));
        if (action) action(bBefore, bHandled, lReturn, hWnd, uMsg, wParam, lParam);
    }
    std::vector<std::string> calls;
    Action action;
};

}  // namespace mirelo::hookfake
