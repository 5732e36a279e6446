// Windows that arrive after the properties were read, as containers make
// them when they put the control in place, and go again when it leaves:
// the run-mode hooks of the bar and of the list follow them.
#include <gtest/gtest.h>

#include "fakes/list_fixture.h"
#include "hook_fake_port.h"
#include "scrollbar_fakes.h"

namespace mirelo {
namespace {

constexpr int32_t kWmPaint = 0x000F, kWmMouseWheel = 522;

class BarWindowLater : public ::testing::Test {
protected:
    void Read(bool userMode) {
        site.userMode = userMode;
        bar.ReadProperties(bag, site);
    }
    void Attach(barfake::FakeBarWindow& w) { bar.AttachWindow(BarWindowPorts{&w, &timers, &cursor, &port}); }
    bool Hooked(const barfake::FakeBarWindow& w) const {
        return port.Current(w.hwnd) != hookfake::FakeWndProcs::OriginalOf(w.hwnd);
    }

    barfake::FakeGdi gdi;
    barfake::FakeSite site;  // outlives the bar, as the container does
    barfake::MemoryBag bag;
    barfake::FakeBarWindow window, other;
    barfake::ManualTimers timers;
    barfake::FakeCursor cursor;
    hookfake::FakeWndProcs port;
    ucScrollbar bar{gdi};
};

TEST_F(BarWindowLater, TheContainersModeAtAttachingDecides) {
    struct Case {
        const char* name;
        bool modeWhenRead, modeWhenAttached, hooked;
    } cases[] = {
        {"run mode throughout", true, true, true},
        {"designer throughout", false, false, false},
        {"no answer while reading, then a designer", true, false, false},
        {"designer while reading, then run mode", false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bar.AttachWindow(BarWindowPorts{});
        Read(c.modeWhenRead);
        site.userMode = c.modeWhenAttached;
        Attach(window);
        EXPECT_EQ(Hooked(window), c.hooked);
        window.paints = 0;
        port.Send(window.hwnd, kWmPaint);
        EXPECT_EQ(window.paints, c.hooked ? 1 : 0);
        // A designer sizes and paints through the container's notifications instead.
        window.client = Rect{0, 0, 17, 35};
        bar.ContainerResize();
        EXPECT_EQ(bar.Layout().FillerVisible, !c.hooked);  // laid out for 35 pixels: buttons only
        barfake::RecordingDC dc;
        bar.ContainerPaint(dc);
        EXPECT_EQ(dc.ops.empty(), c.hooked);
        window.client = Rect{0, 0, 17, 200};
    }
}

TEST_F(BarWindowLater, AnotherWindowOrNoneUnhooksTheOneBefore) {
    Read(true);
    Attach(window);
    other.hwnd = 0x5678;
    Attach(other);
    EXPECT_FALSE(Hooked(window));
    EXPECT_TRUE(Hooked(other));
    EXPECT_EQ(bar.hWnd(), 0x5678);
    bar.AttachWindow(BarWindowPorts{});
    EXPECT_FALSE(Hooked(other));
    EXPECT_EQ(bar.hWnd(), 0);
    EXPECT_EQ(port.replaced, port.restored);
}

TEST_F(BarWindowLater, TheWindowGetsTheBarsStateAndSize) {
    Read(true);
    Attach(window);
    bar.SetEnabled(false);
    bar.AttachWindow(BarWindowPorts{});
    EXPECT_FALSE(bar.Enabled());  // kept while there is no window
    other.hwnd = 0x5678;
    other.client = Rect{0, 0, 17, 40};
    const int before = other.invalidations;
    Attach(other);
    EXPECT_FALSE(other.enabled);
    EXPECT_TRUE(bar.Layout().FillerVisible);  // laid out for 40 pixels: no room for a thumb
    EXPECT_GT(other.invalidations, before);
}

class ListWindowLater : public fake::ListTest {
protected:
    void Make(bool userMode) {
        site.userMode = userMode;
        surface.width = 400;
        surface.height = 300;
        ListPorts ports{surface, gdi, site, resources, about};
        ports.hooks = &port;
        list = std::make_unique<MireloList>(ports);
        list->InitProperties();  // no window yet: nothing to hook
        Columns("A,B,C", "100,100,100", "0,0,0", 3);
        Fill(40);
    }
    bool Hooked(HWnd h) const { return port.Current(h) != hookfake::FakeWndProcs::OriginalOf(h); }
    hookfake::FakeWndProcs port;
};

TEST_F(ListWindowLater, TheWheelHookFollowsTheWindowInRunModeOnly) {
    for (bool userMode : {true, false}) {
        SCOPED_TRACE(userMode ? "run mode" : "designer");
        port = hookfake::FakeWndProcs{};
        surface.hwnd = 0;
        Make(userMode);
        EXPECT_EQ(port.replaced, 0);
        surface.hwnd = 77;
        list->WindowCreated();
        EXPECT_EQ(Hooked(77), userMode);
        port.Send(77, kWmMouseWheel, -(120 << 16));
        EXPECT_EQ(list->FirstIndex() > 0, userMode);
        list->WindowDestroying();
        EXPECT_FALSE(Hooked(77));
        // In place again, in a new window.
        surface.hwnd = 78;
        list->WindowCreated();
        EXPECT_EQ(Hooked(78), userMode);
        list->WindowCreated();  // told twice: still one hook
        EXPECT_EQ(port.replaced, userMode ? 2 : 0);
        list.reset();
        EXPECT_EQ(port.restored, port.replaced);
    }
}

}  // namespace
}  // namespace mirelo
