// Painting a bar: each part's state and the slices copied out of the skin
// cells.
#include <gtest/gtest.h>

#include <cstdio>

#include "scrollbar/cscrollbar_draw.h"
#include "scrollbar_fakes.h"

namespace mirelo {
namespace {

using barfake::MK_LBUTTON_;
using barfake::MouseLParam;
using Ops = std::vector<std::string>;

// Reads each part's state back out of the cells a vertical paint copied.
std::string States(const barfake::RecordingDC& dc) {
    int b1 = -1, b2 = -1, thumb = -1, x = 0, y = 0;
    std::vector<int> tracks;
    for (const auto& op : dc.ops) {
        if (std::sscanf(op.c_str(), "keyed SCRARROWVT (%d,%d)", &x, &y) == 2) b1 = y / 18;
        if (std::sscanf(op.c_str(), "keyed SCRARROWVB (%d,%d)", &x, &y) == 2) b2 = y / 18;
        if (std::sscanf(op.c_str(), "stretch SCRBACKV (0,%d)", &y) == 1) tracks.push_back(y / 2);
        if (thumb < 0 && std::sscanf(op.c_str(), "copy SCRTHUMBV (%d,0)", &x) == 1) thumb = x / 17;
    }
    std::string s = std::to_string(b1) + " " + std::to_string(b2);
    if (tracks.size() == 2) s += " " + std::to_string(tracks[0]) + " " + std::to_string(tracks[1]);
    if (thumb >= 0) s += " " + std::to_string(thumb);
    return s;
}

TEST(ScrollbarPaint, PartStatesFollowThePointer) {
    struct Case {
        const char* name;
        std::function<void(ucScrollbar&)> act;
        const char* states;  // Button1 Button2 Track1 Track2 Thumb
    };
    auto hover = [](int32_t y) {
        return [y](ucScrollbar& b) {
            b.BarMouseMove(0, MouseLParam(8, y));
            b.BarMouseMove(0, MouseLParam(8, y));
        };
    };
    auto press = [](int32_t y) { return [y](ucScrollbar& b) { b.BarMouseDown(MK_LBUTTON_, MouseLParam(8, y)); }; };
    const Case cases[] = {
        {"idle", [](ucScrollbar&) {}, "0 0 0 0 0"},
        {"pointer over the track", hover(100), "1 1 0 0 0"},
        {"pointer over Button2", hover(190), "1 2 0 0 0"},
        {"pointer over the thumb", hover(70), "1 1 0 0 1"},
        {"Button1 pressed", press(5), "3 0 0 0 0"},
        {"paging down", press(150), "0 0 0 1 0"},
        {"dragging", press(70), "0 0 0 0 2"},
        {"disabled, whatever the pointer does",
         [&](ucScrollbar& b) {
             hover(190)(b);
             press(150)(b);
             b.SetEnabled(false);
         },
         "4 4 0 0 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        barfake::BarRig rig;
        rig.bar.SetValue(30);  // thumb 63..77
        c.act(rig.bar);
        barfake::RecordingDC dc;
        rig.bar.PaintBar(dc);
        EXPECT_EQ(States(dc), c.states);
    }
}

TEST(ScrollbarPaint, PartsInOrderAndTheFillerLast) {
    barfake::BarRig rig(Rect{0, 0, 17, 35});  // buttons share, row 17 filled
    barfake::RecordingDC dc;
    rig.bar.PaintBar(dc);
    ASSERT_EQ(dc.ops.size(), 9u);
    EXPECT_EQ(dc.ops[3], "keyed SCRARROWVT (0,0) 17x18 -> (0,0)");
    EXPECT_EQ(dc.ops[7], "keyed SCRARROWVB (0,0) 17x18 -> (0,18)");
    EXPECT_EQ(dc.ops[8], "fill 0,17,17,18 brush " + std::to_string(rig.bar.FillBrush()));
    EXPECT_EQ(rig.gdi.ColorOf(rig.bar.FillBrush()), -2);  // a live pattern brush
}

class PatternGdi : public barfake::FakeGdi {
public:
    BrushHandle CreatePatternBrush(const uint8_t rows[8]) override {
        pattern.assign(rows, rows + 8);
        return FakeGdi::CreatePatternBrush(rows);
    }
    std::vector<uint8_t> pattern;
};

TEST(ScrollbarPaint, FillBrushIsASinglePixelCheckerboard) {
    PatternGdi gdi;
    ucScrollbar bar(gdi);
    EXPECT_EQ(gdi.pattern, (std::vector<uint8_t>{0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}));
}

TEST(ScrollbarDraw, TrackSlices) {
    barfake::FakeGdi gdi;
    cScrollbarDraw draw(gdi);
    barfake::RecordingDC h, v;
    draw.DrawTrack(h, 1, 1, Rect{18, 0, 60, 17});
    draw.DrawTrack(v, 0, 1, Rect{0, 18, 17, 60});
    EXPECT_EQ(h.ops, (Ops{"stretch SCRBACKH (2,0) 2x3 -> (18,0) 42x3", "stretch SCRBACKH (2,14) 2x3 -> (18,14) 42x3",
                          "stretch SCRBACKH (2,3) 2x11 -> (18,3) 42x11"}));
    EXPECT_EQ(v.ops, (Ops{"stretch SCRBACKV (0,2) 3x2 -> (0,18) 3x42", "stretch SCRBACKV (14,2) 3x2 -> (14,18) 3x42",
                          "stretch SCRBACKV (3,2) 11x2 -> (3,18) 11x42"}));
}

TEST(ScrollbarDraw, ButtonsAre18PixelsLongWithACentredGlyph) {
    barfake::FakeGdi gdi;
    cScrollbarDraw draw(gdi);
    barfake::RecordingDC h;
    draw.DrawArrow2(h, 1, 3, Rect{182, 0, 200, 20});
    EXPECT_EQ(h.ops, (Ops{"copy SCRARROWH (54,0) 18x3 -> (182,0)", "copy SCRARROWH (54,14) 18x3 -> (182,17)",
                          "stretch SCRARROWH (54,3) 18x11 -> (182,3) 18x14",
                          "keyed SCRARROWHR (54,0) 18x17 -> (182,2)"}));
    // Vertical glyph x for bars 17, 18 and 20 pixels wide: nearest(0), nearest(0.5), nearest(1.5).
    const struct {
        int32_t width, glyphX;
    } widths[] = {{17, 0}, {18, 0}, {20, 2}};
    for (const auto& w : widths) {
        barfake::RecordingDC v;
        draw.DrawArrow1(v, 0, 2, Rect{0, 0, w.width, 10});  // a short rectangle still paints 18 pixels
        ASSERT_EQ(v.ops.size(), 4u);
        EXPECT_EQ(v.ops[0], "copy SCRARROWV (0,36) 3x18 -> (0,0)");
        EXPECT_EQ(v.ops[1], "copy SCRARROWV (14,36) 3x18 -> (" + std::to_string(w.width - 3) + ",0)");
        EXPECT_EQ(v.ops[2], "stretch SCRARROWV (3,36) 11x18 -> (3,0) " + std::to_string(w.width - 6) + "x18");
        EXPECT_EQ(v.ops[3], "keyed SCRARROWVT (0,36) 17x18 -> (" + std::to_string(w.glyphX) + ",0)");
    }
}

TEST(ScrollbarDraw, ThumbNineSlice) {
    barfake::FakeGdi gdi;
    cScrollbarDraw draw(gdi);
    barfake::RecordingDC v;
    draw.DrawThumb(v, 0, 2, Rect{0, 40, 17, 60});
    EXPECT_EQ(v.ops, (Ops{"copy SCRTHUMBV (34,0) 3x3 -> (0,40)", "copy SCRTHUMBV (48,0) 3x3 -> (14,40)",
                          "stretch SCRTHUMBV (37,0) 11x3 -> (3,40) 11x3",
                          "stretch SCRTHUMBV (34,3) 3x9 -> (0,43) 3x14",
                          "stretch SCRTHUMBV (48,3) 3x9 -> (14,43) 3x14",
                          "stretch SCRTHUMBV (37,3) 11x9 -> (3,43) 11x14", "copy SCRTHUMBV (34,12) 3x3 -> (0,57)",
                          "copy SCRTHUMBV (48,12) 3x3 -> (14,57)", "stretch SCRTHUMBV (37,12) 11x3 -> (3,57) 11x3",
                          "keyed SCRGRIPV (0,20) 9x10 -> (4,45)"}));
    barfake::RecordingDC h;
    draw.DrawThumb(h, 1, 1, Rect{21, 0, 52, 17});
    EXPECT_EQ(h.ops, (Ops{"copy SCRTHUMBH (0,17) 3x3 -> (21,0)", "copy SCRTHUMBH (0,31) 3x3 -> (21,14)",
                          "stretch SCRTHUMBH (0,20) 3x11 -> (21,3) 3x11",
                          "stretch SCRTHUMBH (3,17) 9x3 -> (24,0) 25x3",
                          "stretch SCRTHUMBH (3,31) 9x3 -> (24,14) 25x3",
                          "stretch SCRTHUMBH (3,20) 9x11 -> (24,3) 25x11", "copy SCRTHUMBH (12,17) 3x3 -> (49,0)",
                          "copy SCRTHUMBH (12,31) 3x3 -> (49,14)", "stretch SCRTHUMBH (12,20) 3x11 -> (49,3) 3x11",
                          // nearest(21 + 10.5) = 32, not 21 + nearest(10.5) = 31
                          "keyed SCRGRIPH (0,9) 10x9 -> (32,4)"}));
}

TEST(ScrollbarDraw, GripOnlyOnThumbsOf16PixelsOrMore) {
    barfake::FakeGdi gdi;
    cScrollbarDraw draw(gdi);
    const struct {
        int16_t orientation;
        Rect rect;
        const char* grip;  // empty: none
    } cases[] = {
        {0, Rect{0, 30, 17, 45}, ""},
        {0, Rect{0, 30, 17, 46}, "keyed SCRGRIPV (0,0) 9x10 -> (4,33)"},
        {1, Rect{30, 0, 45, 17}, ""},
        {1, Rect{30, 0, 46, 17}, "keyed SCRGRIPH (0,0) 10x9 -> (33,4)"},
    };
    for (const auto& c : cases) {
        barfake::RecordingDC dc;
        draw.DrawThumb(dc, c.orientation, 0, c.rect);
        const auto keyed = fake::Only(dc.ops, "keyed");
        EXPECT_EQ(keyed.empty() ? "" : keyed[0], c.grip) << barfake::RectText(c.rect);
    }
}

}  // namespace
}  // namespace mirelo
