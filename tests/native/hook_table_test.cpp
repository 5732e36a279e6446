// Subscription tables and the hooked-window table: slot reuse, counts, the
// every-message mark, and the errors for windows that were never hooked.
#include <gtest/gtest.h>

#include "base/error.h"
#include "fakes/error_of.h"
#include "hook_fake_port.h"
#include "subclass/hook_table.h"

namespace mirelo {
namespace {

struct TableCase {
    const char* name;
    std::vector<int32_t> ops;  // > 0 or AnyMessage: add; < -1: remove -op; kRemoveAny: remove AnyMessage
    int32_t count;
    std::vector<int32_t> slots;
    std::vector<int32_t> matching, notMatching;
};

constexpr int32_t kRemoveAny = -1000000;

TEST(HookMessageTable, SubscriptionsFollowTheSlotRules) {
    const std::vector<TableCase> cases = {
        {"appends in order", {15, 5}, 2, {15, 5}, {15, 5}, {0, 512}},
        {"a duplicate changes nothing", {15, 5, 15}, 2, {15, 5}, {15}, {}},
        {"removal leaves a zero slot", {15, 5, -15}, 2, {0, 5}, {5, 0}, {15}},
        {"the freed slot is reused first", {15, 5, -15, 512}, 2, {512, 5}, {512, 5}, {0, 15}},
        {"a held message is written again into an earlier free slot", {15, 5, -15, 5}, 2, {5, 5}, {5}, {0}},
        {"removing an unknown message changes nothing", {15, -512}, 1, {15}, {15}, {512}},
        {"only the first copy is removed", {15, 5, -15, 5, -5}, 2, {0, 5}, {5}, {15}},
        {"every message", {15, AnyMessage}, -1, {15}, {15, 0, 512, 123456}, {}},
        {"a message after every message keeps every message", {AnyMessage, 512}, -1, {}, {1, 512}, {}},
        {"removing every message drops the table", {15, 5, kRemoveAny}, 0, {}, {}, {15, 5, 0}},
        {"a table starts again after removing every message", {15, kRemoveAny, 5}, 1, {5}, {5}, {15}},
        {"an empty table matches nothing, not even WM_NULL", {}, 0, {}, {}, {0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MessageTable t;
        for (int32_t op : c.ops) {
            if (op == kRemoveAny) t.Remove(AnyMessage);
            else if (op < -1) t.Remove(-op);
            else t.Add(op);
            // A count beyond the slots would make the next step read past them.
            ASSERT_LE(t.Count(), static_cast<int32_t>(t.Slots().size())) << "after " << op;
        }
        EXPECT_EQ(t.Count(), c.count);
        if (c.count >= 0) {
            EXPECT_EQ(t.Slots(), c.slots);
        }
        for (int32_t m : c.matching) EXPECT_TRUE(t.Matches(m)) << m;
        for (int32_t m : c.notMatching) EXPECT_FALSE(t.Matches(m)) << m;
    }
}

class HookTableTest : public ::testing::Test {
protected:
    hookfake::FakeWndProcs port;
    hookfake::RecordingOwner owner;
    HookTable table{owner, port};
};

TEST_F(HookTableTest, FreedEntriesAreReusedFromTheLastDown) {
    EXPECT_EQ(table.HookWindow(101), 0);
    EXPECT_EQ(table.HookWindow(102), 1);
    EXPECT_EQ(table.HookWindow(103), 2);
    table.UnhookWindow(101);
    table.UnhookWindow(103);
    EXPECT_EQ(table.FindHookEntry(0, true), 2);
    EXPECT_EQ(table.HookWindow(104), 2);
    EXPECT_EQ(table.HookWindow(105), 0);
    EXPECT_EQ(table.HookWindow(106), 3);
    EXPECT_EQ(table.FindHookEntry(102, false), 1);
    EXPECT_EQ(table.FindHookEntry(101, false), -1);
    EXPECT_EQ(table.FindHookEntry(0, true), -1);
}

TEST_F(HookTableTest, UnhookRestoresTheExactPreviousProcedure) {
    table.HookWindow(7);
    EXPECT_NE(port.Current(7), hookfake::FakeWndProcs::OriginalOf(7));
    EXPECT_EQ(table.Entry(0).OldWndProc, hookfake::FakeWndProcs::OriginalOf(7));
    table.AddHookMessage(7, 15, HookBefore | HookAfter);
    table.UnhookWindow(7);
    EXPECT_EQ(port.Current(7), hookfake::FakeWndProcs::OriginalOf(7));
    port.Send(7, 15);
    EXPECT_TRUE(owner.calls.empty());
    ASSERT_EQ(port.original.size(), 1u);
}

TEST_F(HookTableTest, HookingAgainStartsWithEmptyTables) {
    table.HookWindow(7);
    table.AddHookMessage(7, AnyMessage, HookAfter);
    table.UnhookWindow(7);
    EXPECT_EQ(table.HookWindow(7), 0);
    port.Send(7, 15);
    EXPECT_TRUE(owner.calls.empty());
    EXPECT_EQ(port.replaced, 2);
}

TEST_F(HookTableTest, ChainedHooksUnwindInOrder) {
    HookTable other(owner, port);
    table.HookWindow(7);
    other.HookWindow(7);
    const WndProcAddress first = port.Current(7);
    other.AddHookMessage(7, 5, HookBefore);
    table.AddHookMessage(7, 5, HookAfter);
    port.Send(7, 5);
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"B 5 h=7 w=0 l=0 r=0", "A 5 h=7 w=0 l=0 r=77"}));
    other.UnhookWindow(7);
    EXPECT_NE(port.Current(7), first);
    table.UnhookWindow(7);
    EXPECT_EQ(port.Current(7), hookfake::FakeWndProcs::OriginalOf(7));
}

TEST_F(HookTableTest, WindowsNeverHookedRaiseSubscriptOutOfRange) {
    // An empty table, a table holding another window, and window 0 (which
    // would otherwise match a free entry).
    EXPECT_EQ(ErrorOf([&] { table.UnhookWindow(9); }), 9);
    EXPECT_EQ(ErrorOf([&] { table.AddHookMessage(9, 15, HookBefore); }), 9);
    table.HookWindow(8);
    table.UnhookWindow(8);
    for (HWnd h : {9, 0}) {
        SCOPED_TRACE(h);
        EXPECT_EQ(ErrorOf([&] { table.UnhookWindow(h); }), 9);
        EXPECT_EQ(ErrorOf([&] { table.AddHookMessage(h, 15, HookBefore); }), 9);
        EXPECT_EQ(ErrorOf([&] { table.RemoveHookMessage(h, 15, HookAfter); }), 9);
    }
    EXPECT_EQ(table.HookWindow(0), -1);
    EXPECT_EQ(port.replaced, 1);
}

TEST_F(HookTableTest, UnhookAllAndTheDestructorReleaseEveryWindowAndNeverFail) {
    {
        HookTable scoped(owner, port);
        EXPECT_NO_THROW(scoped.UnhookAll());
        scoped.HookWindow(5);
    }
    EXPECT_EQ(port.Current(5), hookfake::FakeWndProcs::OriginalOf(5));
    table.HookWindow(1);
    table.HookWindow(2);
    table.HookWindow(3);
    table.UnhookWindow(2);
    table.UnhookAll();
    for (HWnd h : {1, 2, 3}) EXPECT_EQ(port.Current(h), hookfake::FakeWndProcs::OriginalOf(h)) << h;
    EXPECT_EQ(port.restored, 4);
    EXPECT_EQ(table.FindHookEntry(0, true), 2);
}

}  // namespace
}  // namespace mirelo
