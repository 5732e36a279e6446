// Hook tables on real windows: the library's window procedure around the
// window's own, the callback's say over the message, and every window given
// back exactly the procedure it had.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "subclass/hook_table.h"
#include "win32/window_proc_hook.h"

namespace mltest {
namespace {

using mirelo::AnyMessage;
using mirelo::Bool16;
using mirelo::HookAfter;
using mirelo::HookBefore;
using mirelo::HookOwner;
using mirelo::HookTable;
using mirelo::HWnd;
using mirelo::win32::SharedWindowProcHook;
using mirelo::win32::WindowProcHook;

constexpr UINT kMsg = WM_APP + 1;
constexpr UINT kOther = WM_APP + 2;

std::vector<std::string>* g_log = nullptr;

void Log(const std::string& line) {
    if (g_log) g_log->push_back(line);
}

// The window's own procedure: answers the test messages with 77.
LRESULT CALLBACK OwnProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kMsg || msg == kOther) {
        Log("own " + std::to_string(msg - WM_APP) + " w=" + std::to_string(wParam));
        return 77;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Someone else's subclass, installed over whatever the window runs.
WNDPROC g_foreignPrevious = nullptr;
LRESULT CALLBACK ForeignProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kMsg) Log("foreign");
    return CallWindowProcW(g_foreignPrevious, hwnd, msg, wParam, lParam);
}

// Records "<name> B|A <msg> w=<wParam> r=<lReturn>" and runs an optional action.
class Recorder : public HookOwner {
public:
    explicit Recorder(std::string name) : name_(std::move(name)) {}
    using Action = std::function<void(bool before, Bool16& handled, int32_t& ret, int32_t& wParam)>;
    void zSubclass_Proc(bool bBefore, Bool16& bHandled, int32_t& lReturn, int32_t&, int32_t& uMsg,
                        int32_t& wParam, int32_t&) override {
        const UINT m = static_cast<UINT>(uMsg);
        const std::string what = m >= WM_APP ? std::to_string(m - WM_APP)
                                 : m == WM_DESTROY ? "destroy"
                                 : m == WM_NCDESTROY ? "ncdestroy"
                                                     : "";
        if (what.empty()) return;
        Log(name_ + (bBefore ? " B " : " A ") + what + " w=" + std::to_string(wParam) + " r=" +
            std::to_string(lReturn));
        if (action) action(bBefore, bHandled, lReturn, wParam);
    }
    Action action;

private:
    std::string name_;
};

class RealWindowHook : public ::testing::Test {
protected:
    void SetUp() override {
        static const bool registered = [] {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = OwnProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"MireloHookTest";
            return RegisterClassW(&wc) != 0;
        }();
        ASSERT_TRUE(registered);
        hwnd = CreateWindowExW(0, L"MireloHookTest", L"", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(hwnd);
        original = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
        g_log = &log;
    }
    void TearDown() override {
        first.UnhookAll();
        second.UnhookAll();
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
        g_log = nullptr;
    }
    HWnd H() const { return static_cast<HWnd>(reinterpret_cast<intptr_t>(hwnd)); }
    LONG_PTR Current() const { return GetWindowLongPtrW(hwnd, GWLP_WNDPROC); }
    LRESULT Send(UINT msg, WPARAM w = 0) { return SendMessageW(hwnd, msg, w, 0); }

    HWND hwnd = nullptr;
    LONG_PTR original = 0;
    std::vector<std::string> log;
    Recorder one{"1"}, two{"2"};
    HookTable first{one, SharedWindowProcHook()};
    HookTable second{two, SharedWindowProcHook()};
};

using Lines = std::vector<std::string>;

// What the callback may do to a message, as the real window sees it (every
// rule of bHandled and the result: hook_dispatch_test.cpp).
TEST_F(RealWindowHook, TheCallbackDecidesAsFarAsItsTimingAllows) {
    struct Case {
        const char* name;
        int32_t when;
        bool actBefore;  // the action runs in the before call, else in the after call
        bool handle;
        int32_t ret, rewriteW;
        LRESULT result;
        Lines seen;
    } cases[] = {
        {"no say: both timings surround the window's own procedure", HookBefore | HookAfter, true, false, 0, -1, 77,
         {"1 B 1 w=3 r=0", "own 1 w=3", "1 A 1 w=3 r=77"}},
        {"handled before: nothing else runs", HookBefore | HookAfter, true, true, 5, -1, 5, {"1 B 1 w=3 r=0"}},
        {"rewritten argument reaches the window", HookBefore, true, false, 0, 9, 77, {"1 B 1 w=3 r=0", "own 1 w=9"}},
        {"result after is what the system gets", HookAfter, false, false, 6, -1, 6, {"own 1 w=3", "1 A 1 w=3 r=77"}},
    };
    first.HookWindow(H());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        first.RemoveHookMessage(H(), AnyMessage, HookBefore | HookAfter);
        first.AddHookMessage(H(), kMsg, c.when);
        one.action = [&](bool before, Bool16& handled, int32_t& ret, int32_t& w) {
            if (before != c.actBefore) return;
            if (c.handle) handled = mirelo::kTrue;
            ret = c.ret;
            if (c.rewriteW >= 0) w = c.rewriteW;
        };
        EXPECT_EQ(Send(kMsg, 3), c.result);
        EXPECT_EQ(log, c.seen);
    }
    log.clear();
    EXPECT_EQ(Send(kOther, 4), 77);  // not subscribed: straight through
    EXPECT_EQ(log, (Lines{"own 2 w=4"}));
}

TEST_F(RealWindowHook, UnhookingGivesBackTheExactProcedure) {
    // Also when what the window ran was itself someone's subclass.
    for (bool subclassedBefore : {false, true}) {
        SCOPED_TRACE(subclassedBefore ? "over a subclass" : "over the class procedure");
        if (subclassedBefore) {
            g_foreignPrevious = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
        }
        const LONG_PTR before = Current();
        first.HookWindow(H());
        first.AddHookMessage(H(), kMsg, HookBefore);
        EXPECT_NE(Current(), before);
        first.UnhookWindow(H());
        EXPECT_EQ(Current(), before);
        EXPECT_EQ(WindowProcHook::LinkCount(hwnd), 0);
        log.clear();
        EXPECT_EQ(Send(kMsg, 1), 77);
        EXPECT_EQ(log, subclassedBefore ? (Lines{"foreign", "own 1 w=1"}) : (Lines{"own 1 w=1"}));
        // Hooked again: a fresh entry, nothing subscribed yet.
        first.HookWindow(H());
        log.clear();
        Send(kMsg, 2);
        EXPECT_EQ(log.back(), "own 1 w=2");
        EXPECT_EQ(log.size(), subclassedBefore ? 2u : 1u);
        first.UnhookWindow(H());
    }
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, original);
}

TEST_F(RealWindowHook, TwoHooksOnOneWindowMayGoInEitherOrder) {
    for (bool olderGoesFirst : {true, false}) {
        SCOPED_TRACE(olderGoesFirst ? "older hook removed first" : "newer hook removed first");
        first.HookWindow(H());
        first.AddHookMessage(H(), kMsg, HookBefore | HookAfter);
        second.HookWindow(H());
        second.AddHookMessage(H(), kMsg, HookBefore | HookAfter);
        log.clear();
        EXPECT_EQ(Send(kMsg, 1), 77);
        EXPECT_EQ(log, (Lines{"2 B 1 w=1 r=0", "1 B 1 w=1 r=0", "own 1 w=1", "1 A 1 w=1 r=77", "2 A 1 w=1 r=77"}));

        HookTable& gone = olderGoesFirst ? first : second;
        HookTable& stays = olderGoesFirst ? second : first;
        const std::string kept = olderGoesFirst ? "2" : "1";
        gone.UnhookWindow(H());
        log.clear();
        EXPECT_EQ(Send(kMsg, 2), 77);
        EXPECT_EQ(log, (Lines{kept + " B 1 w=2 r=0", "own 1 w=2", kept + " A 1 w=2 r=77"}));
        stays.UnhookWindow(H());
        EXPECT_EQ(Current(), original);
        EXPECT_EQ(WindowProcHook::LinkCount(hwnd), 0);
    }
}

TEST_F(RealWindowHook, ASubclassInstalledOverTheHookKeepsItsPlace) {
    first.HookWindow(H());
    first.AddHookMessage(H(), kMsg, HookAfter);
    g_foreignPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    EXPECT_EQ(Send(kMsg, 1), 77);
    EXPECT_EQ(log, (Lines{"foreign", "own 1 w=1", "1 A 1 w=1 r=77"}));
    // Our hook goes while the subclass still calls into it: the subclass is
    // not thrown out, and messages still reach the window.
    first.UnhookWindow(H());
    EXPECT_EQ(Current(), reinterpret_cast<LONG_PTR>(&ForeignProc));
    log.clear();
    EXPECT_EQ(Send(kMsg, 2), 77);
    EXPECT_EQ(log, (Lines{"foreign", "own 1 w=2"}));
    // A second hook now goes under the subclass.
    second.HookWindow(H());
    second.AddHookMessage(H(), kMsg, HookBefore);
    log.clear();
    EXPECT_EQ(Send(kMsg, 3), 77);
    EXPECT_EQ(log, (Lines{"foreign", "2 B 1 w=3 r=0", "own 1 w=3"}));
    second.UnhookWindow(H());
    // The subclass goes too: the next message finds nothing left to pass
    // through, and the window gets its own procedure back.
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_foreignPrevious));
    log.clear();
    EXPECT_EQ(Send(kMsg, 4), 77);
    EXPECT_EQ(log, (Lines{"own 1 w=4"}));
    EXPECT_EQ(Current(), original);
    EXPECT_EQ(WindowProcHook::LinkCount(hwnd), 0);
}

TEST_F(RealWindowHook, UnhookingFromInsideTheCallbackFinishesTheMessage) {
    first.HookWindow(H());
    first.AddHookMessage(H(), kMsg, HookBefore | HookAfter);
    one.action = [&](bool before, Bool16&, int32_t&, int32_t&) {
        if (before) first.UnhookWindow(H());
    };
    EXPECT_EQ(Send(kMsg, 1), 77);
    EXPECT_EQ(log, (Lines{"1 B 1 w=1 r=0", "own 1 w=1"}));
    EXPECT_EQ(Current(), original);
    EXPECT_EQ(WindowProcHook::LinkCount(hwnd), 0);
}

TEST_F(RealWindowHook, AWindowDestroyedWhileHookedTakesItsChainAlong) {
    first.HookWindow(H());
    first.AddHookMessage(H(), AnyMessage, HookAfter);
    DestroyWindow(hwnd);
    EXPECT_EQ(log, (Lines{"1 A destroy w=0 r=0", "1 A ncdestroy w=0 r=0"}));
    EXPECT_EQ(WindowProcHook::LinkCount(hwnd), 0);
    first.UnhookWindow(H());  // the owner's own clean-up finds nothing left to undo
    EXPECT_EQ(first.FindHookEntry(H(), false), -1);
}

}  // namespace
}  // namespace mltest
