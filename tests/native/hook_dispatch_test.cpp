// What a hooked window does with each message: the before call, bHandled,
// the previous procedure with the arguments the callback left, the after call.
#include <gtest/gtest.h>

#include "base/error.h"
#include "hook_fake_port.h"
#include "subclass/hook_table.h"

namespace mirelo {
namespace {

class HookDispatchTest : public ::testing::Test {
protected:
    void SetUp() override { table.HookWindow(kWnd); }
    static constexpr HWnd kWnd = 42;
    hookfake::FakeWndProcs port;
    hookfake::RecordingOwner owner;
    HookTable table{owner, port};
};

// The callback's say over a message: "previous" marks where the window's own
// procedure ran.
TEST_F(HookDispatchTest, HandledCountsOnlyBeforeThePreviousProcedure) {
    struct Case {
        const char* name;
        int32_t when, sent;
        int setIn;  // the call that sets the result 5: 1 before, 2 after, 0 none
        bool handled;  // and bHandled with it
        int32_t result;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"both timings surround the previous procedure", HookBefore | HookAfter, 15, 0, false, 77,
         {"B 15 h=42 w=1 l=2 r=0", "previous", "A 15 h=42 w=1 l=2 r=77"}},
        {"unsubscribed: straight through", HookBefore | HookAfter, 16, 0, false, 77, {"previous"}},
        {"handled before: previous and after skipped", HookBefore | HookAfter, 15, 1, true, 5,
         {"B 15 h=42 w=1 l=2 r=0"}},
        {"handled after: nothing changes", HookBefore | HookAfter, 15, 2, true, 5,
         {"B 15 h=42 w=1 l=2 r=0", "previous", "A 15 h=42 w=1 l=2 r=77"}},
        {"handled after only", HookAfter, 15, 2, true, 5, {"previous", "A 15 h=42 w=1 l=2 r=77"}},
        {"a result set before is replaced by the previous procedure's", HookBefore, 15, 1, false, 77,
         {"B 15 h=42 w=1 l=2 r=0", "previous"}},
    };
    port.onOriginal = [&] { owner.calls.push_back("previous"); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        owner.calls.clear();
        table.RemoveHookMessage(kWnd, AnyMessage, HookBefore | HookAfter);
        table.AddHookMessage(kWnd, 15, c.when);
        owner.action = [&](bool before, Bool16& handled, int32_t& ret, int32_t&, int32_t&, int32_t&, int32_t&) {
            if (c.setIn != (before ? 1 : 2)) return;
            if (c.handled) handled = kTrue;
            ret = 5;
        };
        EXPECT_EQ(port.Send(kWnd, c.sent, 1, 2), c.result);
        EXPECT_EQ(owner.calls, c.calls);
    }
}

TEST_F(HookDispatchTest, RewrittenArgumentsReachThePreviousProcedureAndTheAfterCall) {
    table.AddHookMessage(kWnd, 15, HookBefore);
    table.AddHookMessage(kWnd, 16, HookAfter);
    owner.action = [](bool before, Bool16&, int32_t&, int32_t& h, int32_t& m, int32_t& w, int32_t& l) {
        if (before) {
            h = 43;
            m = 16;
            w = -1;
            l = 0x7FFF0000;
        }
    };
    port.Send(kWnd, 15, 1, 2);
    ASSERT_EQ(port.original.size(), 1u);
    EXPECT_EQ(port.original[0].hWnd, 43);
    EXPECT_EQ(port.original[0].uMsg, 16);
    EXPECT_EQ(port.original[0].wParam, -1);
    EXPECT_EQ(port.original[0].lParam, 0x7FFF0000);
    EXPECT_EQ(owner.calls.back(), "A 16 h=43 w=-1 l=2147418112 r=77");
}

// On a 64-bit platform the callback's Longs hold the low halves of the
// message parameters and result; what it does not rewrite must reach the
// previous procedure and the system whole (pointers travel in lParam).
struct WideCase {
    const char* name;
    bool before;  // the timing that rewrites
    int which;    // 0 nothing, 1 wParam, 2 lParam, 3 result
    int32_t written;
    MsgParam wParam, lParam, result;  // what the previous procedure and the system get
};

TEST_F(HookDispatchTest, WideValuesPassWholeUnlessTheCallbackRewritesThem) {
    if (sizeof(MsgParam) < 8) GTEST_SKIP() << "32-bit platform: the callback sees every bit";
    const auto wide = [](uint64_t v) { return static_cast<MsgParam>(v); };
    const MsgParam w = wide(0x123456789ABCDEF0), l = wide(0x00007FF612340010), r = wide(0x100000004D);
    const WideCase cases[] = {
        {"read only", true, 0, 0, w, l, r},
        {"wParam rewritten", true, 1, 5, 5, l, r},
        {"lParam rewritten to -1", true, 2, -1, w, -1, r},
        {"result rewritten after", false, 3, -1, w, l, -1},
        {"result left after", false, 0, 0, w, l, r},
    };
    table.AddHookMessage(kWnd, 15, HookBefore | HookAfter);
    port.originalResult = r;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.original.clear();
        owner.calls.clear();
        owner.action = [&](bool before, Bool16&, int32_t& ret, int32_t&, int32_t&, int32_t& wp, int32_t& lp) {
            if (before != c.before) return;
            int32_t* target[] = {nullptr, &wp, &lp, &ret};
            if (target[c.which]) *target[c.which] = c.written;
        };
        EXPECT_EQ(port.Send(kWnd, 15, w, l), c.result);
        ASSERT_EQ(port.original.size(), 1u);
        EXPECT_EQ(port.original[0].wParam, c.wParam);
        EXPECT_EQ(port.original[0].lParam, c.lParam);
        EXPECT_EQ(owner.calls.front(), "B 15 h=42 w=" + std::to_string(static_cast<int32_t>(w)) +
                                           " l=" + std::to_string(static_cast<int32_t>(l)) + " r=0");
    }
}

// Each timing is removed on its own; the slot it frees matches WM_NULL.
TEST_F(HookDispatchTest, AFreedSlotLetsWmNullThrough) {
    table.AddHookMessage(kWnd, 15, HookBefore | HookAfter);
    table.AddHookMessage(kWnd, 16, HookBefore | HookAfter);
    port.Send(kWnd, 0);
    EXPECT_TRUE(owner.calls.empty());
    table.RemoveHookMessage(kWnd, 15, HookAfter);
    table.RemoveHookMessage(kWnd, 16, HookBefore);
    for (int32_t m : {15, 16, 0}) port.Send(kWnd, m);
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"B 15 h=42 w=0 l=0 r=0", "A 16 h=42 w=0 l=0 r=77",
                                                     "B 0 h=42 w=0 l=0 r=0", "A 0 h=42 w=0 l=0 r=77"}));
}

TEST_F(HookDispatchTest, AnyMessageReachesTheCallbackWhateverTheTableHolds) {
    table.AddHookMessage(kWnd, 15, HookBefore);
    table.AddHookMessage(kWnd, AnyMessage, HookBefore);
    table.RemoveHookMessage(kWnd, 15, HookBefore);
    for (int32_t m : {15, 0, 0x0113, 0x7FFF}) port.Send(kWnd, m);
    EXPECT_EQ(owner.calls.size(), 4u);
}

TEST_F(HookDispatchTest, AFailingCallbackEndsOnlyItself) {
    table.AddHookMessage(kWnd, 15, HookBefore | HookAfter);
    owner.action = [](bool, Bool16& handled, int32_t&, int32_t&, int32_t&, int32_t&, int32_t&) {
        handled = kFalse;
        Raise(kOverflow);
    };
    EXPECT_EQ(port.Send(kWnd, 15), 77);
    EXPECT_EQ(owner.calls.size(), 2u);
    EXPECT_EQ(port.original.size(), 1u);
}

TEST_F(HookDispatchTest, UnhookingFromInsideTheBeforeCallFinishesTheMessage) {
    table.AddHookMessage(kWnd, 2, HookBefore | HookAfter);  // WM_DESTROY
    owner.action = [&](bool before, Bool16&, int32_t&, int32_t&, int32_t&, int32_t&, int32_t&) {
        if (before) table.UnhookWindow(kWnd);
    };
    EXPECT_EQ(port.Send(kWnd, 2), 77);
    EXPECT_EQ(owner.calls.size(), 1u);
    EXPECT_EQ(port.original.size(), 1u);
    EXPECT_EQ(port.Current(kWnd), hookfake::FakeWndProcs::OriginalOf(kWnd));
    // Hooked and subscribed again inside the call: the after call waits for the next message.
    table.HookWindow(kWnd);
    table.AddHookMessage(kWnd, 2, HookBefore);
    owner.action = [&](bool before, Bool16&, int32_t&, int32_t&, int32_t&, int32_t&, int32_t&) {
        if (before) table.UnhookWindow(kWnd), table.HookWindow(kWnd), table.AddHookMessage(kWnd, 2, HookAfter);
    };
    port.Send(kWnd, 2);
    EXPECT_EQ(owner.calls.size(), 2u);
}

TEST_F(HookDispatchTest, EachWindowKeepsItsOwnSubscriptions) {
    table.HookWindow(43);
    table.AddHookMessage(kWnd, 15, HookAfter);
    table.AddHookMessage(43, 5, HookAfter);
    port.Send(kWnd, 5);
    port.Send(43, 15);
    EXPECT_TRUE(owner.calls.empty());
    port.Send(kWnd, 15);
    port.Send(43, 5);
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"A 15 h=42 w=0 l=0 r=77", "A 5 h=43 w=0 l=0 r=77"}));
}

}  // namespace
}  // namespace mirelo
