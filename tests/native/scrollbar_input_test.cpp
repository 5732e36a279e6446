// The bar under the mouse: stepping with auto-repeat on a manual clock,
// paging towards the pointer, the thumb drag and its limit, hot parts.
#include <gtest/gtest.h>

#include "scrollbar_fakes.h"

namespace mirelo {
namespace {

using barfake::MK_LBUTTON_;
using barfake::MK_SHIFT_;
using barfake::MouseLParam;

// A 17 x 200 vertical bar, 0..100: buttons 0-18 and 182-200, a 164-pixel
// track, a 14-pixel thumb at 18 + 1.5 x Value.
class BarInput : public ::testing::Test {
protected:
    void Press(int32_t x, int32_t y) { rig.bar.BarMouseDown(MK_LBUTTON_, MouseLParam(x, y)); }
    void Drag(int32_t x, int32_t y) { rig.bar.BarMouseMove(MK_LBUTTON_, MouseLParam(x, y)); }
    void Hover(int32_t x, int32_t y) { rig.bar.BarMouseMove(0, MouseLParam(x, y)); }
    void Release() { rig.bar.BarMouseUp(); }
    int32_t Value() const { return rig.bar.Value(); }
    const std::vector<std::string>& Events() const { return rig.log.events; }
    barfake::BarRig rig;
};

TEST_F(BarInput, HeldArrowStepsAtOnceThenRepeatsAfterTheDelay) {
    rig.bar.SetValue(50);
    rig.log.events.clear();
    Press(8, 5);
    EXPECT_EQ(Value(), 49);
    EXPECT_TRUE(rig.bar.Input().Pressed(ScrollPart::Button1));
    rig.timers.Advance(499);
    EXPECT_EQ(Value(), 49);
    rig.timers.Advance(1);  // 500 ms: repetition switched on, no step yet
    EXPECT_EQ(Value(), 49);
    EXPECT_TRUE(rig.timers.IsRunning(RepeatTimer));
    EXPECT_FALSE(rig.timers.IsRunning(DelayTimer));
    rig.timers.Advance(50);  // 550 ms: the second step
    EXPECT_EQ(Value(), 48);
    rig.timers.Advance(100);
    EXPECT_EQ(Value(), 46);

    Drag(8, 100);  // off the button: shown unpressed, steps pause
    EXPECT_FALSE(rig.bar.Input().Pressed(ScrollPart::Button1));
    rig.timers.Advance(200);
    EXPECT_EQ(Value(), 46);
    Drag(8, 10);  // back on: resumes without a new press
    EXPECT_TRUE(rig.bar.Input().Pressed(ScrollPart::Button1));
    rig.timers.Advance(50);
    EXPECT_EQ(Value(), 45);

    Release();
    EXPECT_TRUE(rig.timers.running.empty());
    rig.timers.Advance(1000);
    EXPECT_EQ(Value(), 45);
    EXPECT_EQ(Events().size(), 5u);
    EXPECT_FALSE(rig.bar.Input().Pressed(ScrollPart::Button1));
}

TEST_F(BarInput, ArrowAtTheEndShowsPressedButChangesNothing) {
    rig.bar.SetValue(100);
    rig.log.events.clear();
    const int before = rig.window.invalidations;
    Press(8, 190);
    EXPECT_EQ(rig.window.invalidations, before + 1);  // repainted pressed
    EXPECT_TRUE(rig.bar.Input().Pressed(ScrollPart::Button2));
    EXPECT_TRUE(rig.timers.IsRunning(DelayTimer));
    rig.timers.Advance(550);  // the first repeat tick finds nothing to do
    EXPECT_FALSE(rig.timers.IsRunning(RepeatTimer));
    EXPECT_TRUE(rig.bar.Input().Pressed(ScrollPart::Button2));
    Release();
    EXPECT_TRUE(Events().empty());
}

// Only a stored step can be negative; stepping past the 32-bit range stops at its end.
TEST_F(BarInput, AStoredNegativeStepStopsAtTheEndOfTheNumberRange) {
    barfake::MemoryBag bag;
    bag.values = {{"Max", Variant(INT32_MAX)}, {"Value", Variant(INT32_MAX - 5)}, {"SmallChange", Variant(-10)}};
    barfake::FakeSite site;
    rig.bar.ReadProperties(bag, site);
    EXPECT_NO_THROW(Press(8, 5));
    EXPECT_EQ(Value(), INT32_MAX);
}

TEST_F(BarInput, HeldTrackPagesUntilTheThumbPassesThePointer) {
    Press(8, 107);  // Track2
    EXPECT_EQ(Value(), 10);
    EXPECT_TRUE(rig.bar.Input().Pressed(ScrollPart::Track2));
    rig.timers.Advance(700);  // delay, then 20, 30, 40, 50
    EXPECT_EQ(Value(), 50);
    EXPECT_TRUE(rig.bar.Input().Pressed(ScrollPart::Track2));
    rig.timers.Advance(50);  // thumb 93..107 now reaches y 107
    EXPECT_EQ(Value(), 50);
    EXPECT_FALSE(rig.bar.Input().Pressed(ScrollPart::Track2));
    rig.timers.Advance(200);
    EXPECT_EQ(Value(), 50);
    EXPECT_TRUE(rig.timers.IsRunning(RepeatTimer));

    Drag(8, 150);  // further down: paging resumes without a new press
    rig.timers.Advance(150);
    EXPECT_EQ(Value(), 80);
    rig.timers.Advance(500);
    EXPECT_EQ(Value(), 80);  // thumb 138..152 covers y 150
    Release();
    EXPECT_EQ(Events().size(), 8u);
}

TEST_F(BarInput, TrackPressAboveTheThumbPagesDown) {
    rig.bar.SetValue(60);  // thumb at 108
    rig.log.events.clear();
    Press(8, 20);
    EXPECT_EQ(Value(), 50);
    EXPECT_TRUE(rig.bar.Input().Pressed(ScrollPart::Track1));
    rig.timers.Advance(1000);
    EXPECT_EQ(Value(), 0);
    EXPECT_FALSE(rig.bar.Input().Pressed(ScrollPart::Track1));  // the thumb reached the pointer
}

TEST_F(BarInput, DragFollowsThePointerAndSnapsOnRelease) {
    Press(8, 25);  // thumb 18..32, offset -7
    EXPECT_TRUE(rig.bar.Input().Pressed(ScrollPart::Thumb));
    EXPECT_TRUE(rig.timers.running.empty());
    Drag(8, 26);
    EXPECT_EQ(rig.bar.Layout().ThumbPos, 19);  // pixel by pixel
    EXPECT_EQ(Value(), 1);                     // 1 / 150 x 100 rounds to 1
    Drag(8, 27);                               // 1.3 rounds to 1 too: the thumb moves, nothing scrolls
    Drag(8, 100);
    EXPECT_EQ(rig.bar.Layout().ThumbPos, 93);
    EXPECT_EQ(Value(), 50);
    Drag(8, 101);  // 76 / 150 x 100 = 50.7
    EXPECT_EQ(Value(), 51);
    Drag(8, 101);  // no movement: nothing
    EXPECT_EQ(Events(), (std::vector<std::string>{"Scroll", "Scroll", "Scroll"}));
    Drag(8, 220);  // clamped at the track's end, still inside the limit
    EXPECT_EQ(rig.bar.Layout().ThumbPos, 168);
    EXPECT_EQ(Value(), 100);
    Drag(8, 26);
    Release();  // value 1 sits at 19.5, which rounds to 20
    EXPECT_EQ(rig.bar.Layout().ThumbPos, 20);
    EXPECT_EQ(Events().back(), "Change");
    EXPECT_FALSE(rig.bar.Input().Pressed(ScrollPart::Thumb));
    // Counted from Min wherever the range starts.
    rig.bar.SetMin(-50);
    rig.bar.SetValue(0);
    Press(8, 70);
    Drag(8, 5);  // the thumb stops at the track's start
    EXPECT_EQ(Value(), -50);
}

TEST_F(BarInput, DragBeyondTheLimitRestoresTheStart) {
    rig.bar.SetValue(20);  // thumb 48..62
    rig.log.events.clear();
    Press(8, 50);
    Drag(8, 120);
    EXPECT_EQ(Value(), 67);
    struct {
        int32_t x, y;
        bool restored;
    } probes[] = {
        {267, 120, true},   // more than 250 to the right
        {266, 120, false},  // just inside
        {-251, 120, true},
        {-250, 120, false},
        {8, 225, true},   // more than 25 below
        {8, -26, true},   // above the bar: a negative y
        {8, -25, false},  // inside: the thumb stops at the track's start
    };
    for (const auto& p : probes) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        Drag(8, 120);
        Drag(p.x, p.y);
        if (p.restored) {
            EXPECT_EQ(Value(), 20);
            EXPECT_EQ(rig.bar.Layout().ThumbPos, 48);
        } else {
            EXPECT_NE(Value(), 20);
        }
    }
    Drag(8, 120);
    Drag(8, 300);
    rig.log.events.clear();
    Release();
    EXPECT_TRUE(Events().empty());  // ended on its start value
}

TEST_F(BarInput, DragOnAThumbFillingTheTrack) {
    rig.bar.SetMax(5);
    rig.bar.SetValue(3);
    rig.log.events.clear();
    const int32_t pos = rig.bar.Layout().ThumbPos;
    Press(8, 100);
    const int before = rig.window.invalidations;
    Drag(8, 60);
    EXPECT_EQ(rig.bar.Layout().ThumbPos, pos);
    EXPECT_EQ(rig.window.invalidations, before);
    EXPECT_EQ(Value(), 0);
    EXPECT_TRUE(Events().empty());
    Release();
    EXPECT_EQ(Events(), (std::vector<std::string>{"Change"}));
}

TEST_F(BarInput, HoverMarksEntryThenLightsOnePartAtATime) {
    auto hot = [&] {
        const auto& in = rig.bar.Input();
        return std::string(in.Hot(ScrollPart::Button1) ? "1" : "-") + (in.Hot(ScrollPart::Button2) ? "2" : "-") +
               (in.Hot(ScrollPart::Thumb) ? "T" : "-");
    };
    Hover(8, 5);
    EXPECT_TRUE(rig.bar.Input().MouseInside);
    EXPECT_EQ(hot(), "---");  // the entering move only marks the bar entered
    EXPECT_TRUE(rig.timers.IsRunning(LeaveTimer));
    Hover(8, 6);
    EXPECT_EQ(hot(), "1--");
    EXPECT_TRUE(rig.timers.IsRunning(HotTimer));
    Hover(8, 20);
    EXPECT_EQ(hot(), "--T");
    Hover(8, 190);
    EXPECT_EQ(hot(), "-2-");
    Hover(8, 100);  // the track: the hot flag waits for the poll
    EXPECT_EQ(hot(), "-2-");
    rig.bar.BarMouseMove(MK_SHIFT_, MouseLParam(8, 5));  // keys held: no hover
    EXPECT_EQ(hot(), "-2-");

    rig.cursor.screen = Point{rig.cursor.origin.x + 8, rig.cursor.origin.y + 190};
    rig.cursor.under = rig.window.hwnd;
    rig.timers.Advance(100);
    EXPECT_EQ(hot(), "-2-");
    rig.cursor.screen = Point{rig.cursor.origin.x + 8, rig.cursor.origin.y + 100};
    rig.timers.Advance(25);
    EXPECT_EQ(hot(), "---");
    EXPECT_FALSE(rig.timers.IsRunning(HotTimer));
    EXPECT_TRUE(rig.bar.Input().MouseInside);

    rig.cursor.under = 0;  // off the window
    rig.timers.Advance(25);
    EXPECT_FALSE(rig.bar.Input().MouseInside);
    EXPECT_FALSE(rig.timers.IsRunning(LeaveTimer));
}

TEST_F(BarInput, LeavingDuringAPressCountsAfterTheRelease) {
    Hover(8, 190);
    Hover(8, 190);
    Press(8, 190);  // the lit arrow shows pressed instead
    EXPECT_TRUE(rig.bar.Input().Pressed(ScrollPart::Button2));
    EXPECT_FALSE(rig.bar.Input().Hot(ScrollPart::Button2));
    rig.cursor.under = 0;
    rig.timers.Advance(100);
    EXPECT_TRUE(rig.bar.Input().MouseInside);
    Release();
    rig.timers.Advance(25);
    EXPECT_FALSE(rig.bar.Input().MouseInside);
    EXPECT_FALSE(rig.bar.Input().Hot(ScrollPart::Button2));
}

TEST_F(BarInput, IgnoredInput) {
    const int before = rig.window.invalidations;
    rig.bar.BarMouseDown(0, MouseLParam(8, 5));  // no key flags
    Press(17, 5);                                // right of the buttons: no part
    rig.bar.BarTimer(5);
    rig.bar.BarTimer(0);
    EXPECT_EQ(Value(), 0);
    EXPECT_EQ(rig.bar.Input().PressedPart, ScrollPart::None);
    EXPECT_TRUE(rig.timers.running.empty());
    EXPECT_EQ(rig.window.invalidations, before);
}

}  // namespace
}  // namespace mirelo
