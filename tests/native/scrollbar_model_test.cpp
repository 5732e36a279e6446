// The bar's value model: clamping setters, the events they raise, and the
// button, track and thumb geometry for both orientations.
#include <gtest/gtest.h>

#include <functional>

#include "base/error.h"
#include "fakes/error_of.h"
#include "scrollbar_fakes.h"

namespace mirelo {
namespace {

using barfake::RectText;

struct SetterCase {
    const char* name;
    std::function<void(ucScrollbar&)> act;
    std::function<int32_t(const ucScrollbar&)> get;
    int32_t expected;
};

TEST(ScrollbarSetters, ClampSilently) {
    auto value = [](const ucScrollbar& b) { return b.Value(); };
    const SetterCase cases[] = {
        {"LargeChange 0", [](ucScrollbar& b) { b.SetLargeChange(0); }, [](auto& b) { return b.LargeChange(); }, 1},
        {"SmallChange -3", [](ucScrollbar& b) { b.SetSmallChange(-3); }, [](auto& b) { return b.SmallChange(); }, 1},
        {"ChangeFrequency 10", [](ucScrollbar& b) { b.SetChangeFrequency(10); },
         [](auto& b) { return b.ChangeFrequency(); }, 25},
        {"ChangeFrequency 25", [](ucScrollbar& b) { b.SetChangeFrequency(25); },
         [](auto& b) { return b.ChangeFrequency(); }, 25},
        {"ChangeDelay -1", [](ucScrollbar& b) { b.SetChangeDelay(-1); }, [](auto& b) { return b.ChangeDelay(); }, 0},
        {"Orientation 7", [](ucScrollbar& b) { b.SetOrientation(7); }, [](auto& b) { return b.Orientation(); }, 1},
        {"Orientation -2", [](ucScrollbar& b) { b.SetOrientation(-2); }, [](auto& b) { return b.Orientation(); }, 0},
        {"Min above Max", [](ucScrollbar& b) { b.SetMin(200); }, [](auto& b) { return b.Min(); }, 100},
        {"Max below Min", [](ucScrollbar& b) { b.SetMax(-5); }, [](auto& b) { return b.Max(); }, 0},
        {"Value below Min", [](ucScrollbar& b) { b.SetValue(-1); }, value, 0},
        {"Value above Max", [](ucScrollbar& b) { b.SetValue(101); }, value, 100},
        {"Min raises Value", [](ucScrollbar& b) { b.SetMin(30); }, value, 30},
        {"Max lowers Value", [](ucScrollbar& b) { b.SetValue(80); b.SetMax(50); }, value, 50},
        {"extreme limits", [](ucScrollbar& b) { b.SetMax(INT32_MAX); b.SetMin(INT32_MIN); b.SetValue(INT32_MAX); },
         value, INT32_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        barfake::FakeGdi gdi;
        ucScrollbar bar(gdi);
        bar.InitProperties();
        EXPECT_NO_THROW(c.act(bar));
        EXPECT_EQ(c.get(bar), c.expected);
    }
}

TEST(ScrollbarSetters, ChangeOnlyWhenTheValueSetterMovesTheValue) {
    barfake::BarRig rig;
    rig.bar.SetValue(80);
    EXPECT_EQ(rig.log.events, (std::vector<std::string>{"Change"}));
    rig.bar.SetMax(50);  // lowers Value silently
    EXPECT_EQ(rig.bar.Value(), 50);
    rig.bar.SetValue(80);  // clamped to what it already is
    rig.bar.SetMin(60);
    rig.bar.SetValue(60);
    EXPECT_EQ(rig.log.events, (std::vector<std::string>{"Change"}));
}

TEST(ScrollbarSetters, RepaintWithoutErasing) {
    barfake::BarRig rig;
    const int before = rig.window.invalidations;
    rig.bar.SetValue(10);
    rig.bar.SetMin(1);
    rig.bar.SetMax(90);
    rig.bar.SetSmallChange(2);
    rig.bar.SetLargeChange(5);
    rig.bar.SetOrientation(0);
    rig.bar.SetShowButtons(true);
    rig.bar.SetEnabled(false);
    rig.bar.Refresh();
    EXPECT_EQ(rig.window.invalidations - before, 9);
    EXPECT_EQ(rig.window.erasing, 0);
    EXPECT_FALSE(rig.window.enabled);
    EXPECT_FALSE(rig.bar.Enabled());
}

// Geometry along the axis; each case runs vertical and horizontal with the
// axes exchanged.
struct GeometryCase {
    const char* name;
    int32_t length;
    bool buttons;
    int32_t max, largeChange, value;
    int32_t btn1From, btn1To, btn2From, btn2To;
    bool thumb;
    int32_t thumbPos, thumbSize;
    bool filler;
    int32_t fillerFrom, fillerTo;
};

TEST(ScrollbarGeometry, ButtonsTrackAndThumb) {
    const GeometryCase cases[] = {
        {"200 pixels, value 50", 200, true, 100, 10, 50, 0, 18, 182, 200, true, 93, 14, false, 0, 0},
        {"Max 1000: minimum thumb", 200, true, 1000, 10, 0, 0, 18, 182, 200, true, 18, 8, false, 0, 0},
        {"Max 5: thumb fills the track", 200, true, 5, 10, 5, 0, 18, 182, 200, true, 18, 164, false, 0, 0},
        {"empty range: the thumb fills the track", 200, true, 0, 10, 0, 0, 18, 182, 200, true, 18, 164, false, 0, 0},
        {"exactly room for a thumb", 44, true, 100, 10, 100, 0, 18, 26, 44, true, 18, 8, false, 0, 0},
        {"40 pixels: filler between buttons", 40, true, 100, 10, 0, 0, 18, 22, 40, false, 0, 0, true, 18, 22},
        {"35 pixels: buttons share, odd row filled", 35, true, 100, 10, 0, 0, 17, 18, 35, false, 0, 0, true, 17,
         18},
        {"34 pixels: buttons share", 34, true, 100, 10, 0, 0, 17, 17, 34, false, 0, 0, false, 0, 0},
        {"no buttons: the track is everything", 100, false, 100, 10, 0, 0, 0, 100, 100, true, 0, 9, false, 0, 0},
        {"no buttons, 5 pixels: all filler", 5, false, 100, 10, 0, 0, 0, 5, 5, false, 0, 0, true, 0, 5},
        {"half a pixel rounds to even", 57, true, 2, 1, 1, 0, 18, 39, 57, true, 24, 8, false, 0, 0},
    };
    for (int32_t orientation : {0, 1}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (orientation ? " (horizontal)" : " (vertical)"));
            const bool h = orientation == 1;
            auto span = [&](int32_t from, int32_t to) {
                return RectText(h ? Rect{from, 0, to, 17} : Rect{0, from, 17, to});
            };
            barfake::FakeGdi gdi;
            ucScrollbar bar(gdi);  // no window: Move sizes the client at once
            bar.InitProperties();
            bar.SetOrientation(orientation);
            bar.SetShowButtons(c.buttons);
            bar.SetMax(c.max);
            bar.SetLargeChange(c.largeChange);
            bar.SetValue(c.value);
            bar.Move(3, 4, h ? c.length : 17, h ? 17 : c.length);
            const BarLayout& g = bar.Layout();
            EXPECT_EQ(RectText(g.Btn1Rect), span(c.btn1From, c.btn1To));
            EXPECT_EQ(RectText(g.Btn2Rect), span(c.btn2From, c.btn2To));
            EXPECT_EQ(g.ThumbVisible, c.thumb);
            EXPECT_EQ(g.FillerVisible, c.filler);
            if (c.filler) {
                EXPECT_EQ(RectText(g.FillerRect), span(c.fillerFrom, c.fillerTo));
            }
            if (c.thumb) {
                EXPECT_EQ(g.ThumbPos, c.thumbPos);
                EXPECT_EQ(g.ThumbSize, c.thumbSize);
                EXPECT_EQ(RectText(g.Track1Rect), span(c.btn1To, c.thumbPos));
                EXPECT_EQ(RectText(g.ThumbRect), span(c.thumbPos, c.thumbPos + c.thumbSize));
                EXPECT_EQ(RectText(g.Track2Rect), span(c.thumbPos + c.thumbSize, c.btn2From));
            } else {
                EXPECT_EQ(RectText(g.ThumbRect), "0,0,0,0");
                EXPECT_EQ(RectText(g.Track1Rect), "0,0,0,0");
            }
            EXPECT_EQ(RectText(g.DragLimitRect),
                      h ? RectText(Rect{-25, -250, c.length + 25, 17 + 250})
                        : RectText(Rect{-250, -25, 17 + 250, c.length + 25}));
        }
    }
}

TEST(ScrollbarExtender, VisibilityMoveAndKeys) {
    barfake::BarRig rig;
    EXPECT_TRUE(rig.bar.Visible());
    rig.bar.SetVisible(true);
    rig.bar.SetVisible(false);
    rig.bar.SetVisible(false);
    rig.bar.SetVisible(true);
    rig.bar.KeyDown(40);
    EXPECT_EQ(rig.log.events, (std::vector<std::string>{"Hide", "Show", "KeyDownOk 40"}));
    EXPECT_TRUE(rig.window.shown);

    rig.bar.Move(183, 2, 17, 150);
    EXPECT_EQ(RectText(rig.window.placed), "183,2,200,152");
    EXPECT_EQ(rig.bar.Left(), 183);
    EXPECT_EQ(rig.bar.Height(), 150);
    EXPECT_EQ(ErrorOf([&] { rig.bar.Move(0, 0, 17, -1); }), kInvalidPropertyValue);  // a negative height
    EXPECT_EQ(rig.bar.Height(), 150);
}

}  // namespace
}  // namespace mirelo
