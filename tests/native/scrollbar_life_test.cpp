// Hooking and ending a bar, and the window messages it takes through the
// hook. (The list reads its bar from an empty bag only: the defaults show in
// the input and geometry tests, and saving one is the fuzzer's round trip.)
#include <gtest/gtest.h>

#include "hook_fake_port.h"
#include "scrollbar_fakes.h"

namespace mirelo {
namespace {

class HookedBar : public ::testing::Test {
protected:
    HookedBar() { rig.window.onMove = [this] { port.Send(rig.window.hwnd, 0x0005); }; }
    hookfake::FakeWndProcs port;
    barfake::BarRig rig{Rect{0, 0, 17, 200}, &port};
    barfake::FakeBarWindow& window = rig.window;
    ucScrollbar& bar = rig.bar;
};

TEST_F(HookedBar, RunModeTakesPaintAndSizeBeforeTheWindow) {
    EXPECT_EQ(port.replaced, 1);
    EXPECT_EQ(port.Send(window.hwnd, 0x000F), 0);  // WM_PAINT
    EXPECT_EQ(window.paints, 1);
    EXPECT_EQ(window.endPaints, 1);
    EXPECT_FALSE(window.dc.ops.empty());
    bar.Move(0, 0, 17, 40);  // the move's WM_SIZE relays out
    EXPECT_TRUE(bar.Layout().FillerVisible);
    EXPECT_TRUE(port.original.empty());  // neither reached the window's own procedure
}

TEST_F(HookedBar, RunModeWatchesMouseAndTimersAfterTheWindow) {
    port.Send(window.hwnd, 0x0201, barfake::MK_LBUTTON_, barfake::MouseLParam(5, 190));  // Button2
    EXPECT_EQ(bar.Value(), 1);
    port.Send(window.hwnd, 0x0113, DelayTimer);
    EXPECT_TRUE(rig.timers.IsRunning(RepeatTimer));
    port.Send(window.hwnd, 0x0202);
    EXPECT_FALSE(bar.Input().Pressed(ScrollPart::Button2));
    port.Send(window.hwnd, 0x0203, barfake::MK_LBUTTON_, barfake::MouseLParam(5, 190));  // double click
    EXPECT_EQ(rig.cursor.injected, (std::vector<uint32_t>{MOUSEEVENTF_LEFTDOWN_}));
    port.Send(window.hwnd, 0x0015);  // WM_SYSCOLORCHANGE: nothing
    EXPECT_EQ(port.original.size(), 5u);
    EXPECT_EQ(rig.log.events, (std::vector<std::string>{"Change"}));
}

TEST_F(HookedBar, OtherWindowsAreIgnored) {
    Bool16 handled = kFalse;
    int32_t ret = 0, h = window.hwnd + 1, msg = 0x000F, w = 0, l = 0;
    bar.zSubclass_Proc(true, handled, ret, h, msg, w, l);
    EXPECT_EQ(handled, kFalse);
    EXPECT_EQ(window.paints, 0);
}

TEST(ScrollbarLifetime, EndingReleasesHookTimersAndBrush) {
    barfake::FakeGdi gdi;
    barfake::FakeBarWindow window;
    barfake::ManualTimers timers;
    barfake::FakeCursor cursor;
    hookfake::FakeWndProcs port;
    {
        ucScrollbar bar(gdi);
        EXPECT_EQ(gdi.live.size(), 1u);  // the pattern brush, from creation on
        bar.AttachWindow(BarWindowPorts{&window, &timers, &cursor, &port});
        barfake::MemoryBag bag;
        barfake::FakeSite site;
        bar.ReadProperties(bag, site);
        bar.ReadProperties(bag, site);  // a second load does not hook twice
        EXPECT_EQ(port.replaced, 1);
        bar.BarMouseMove(0, barfake::MouseLParam(5, 100));
        barfake::RecordingDC dc;
        bar.PaintBar(dc);
        bar.PaintBar(dc);
        EXPECT_EQ(gdi.memdcs, 12);  // the twelve skins, loaded at the first paint only
        timers.log.clear();
    }
    EXPECT_EQ(port.Current(window.hwnd), hookfake::FakeWndProcs::OriginalOf(window.hwnd));
    EXPECT_EQ(timers.log, (std::vector<std::string>{"kill 3", "kill 1", "kill 2", "kill 4"}));
    EXPECT_TRUE(timers.running.empty());
    EXPECT_TRUE(gdi.live.empty());
}

}  // namespace
}  // namespace mirelo
