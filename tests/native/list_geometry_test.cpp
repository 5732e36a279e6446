// The list's geometry where its rules meet or differ on purpose; what they
// give a user is tested through the mouse, the gestures and the painter.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/error.h"
#include "fakes/error_of.h"
#include "geometry/list_geometry.h"

namespace mirelo {
namespace {

// 400 x 200, rows 16 high, columns 30, 100, 100 (cells from a pen of 1:
// 1..31, 33..133, 135..235), top row 5 of 20.
ListGeometry Sample(bool border = true, int32_t pen = 1) {
    ListGeometry g;
    g.width = 400, g.height = 200, g.fullHeight = 200, g.pen = pen, g.border = border;
    g.itemHeight = 16, g.firstIndex = 5, g.rowCount = 20, g.columnCount = 2, g.widths = {30, 100, 100};
    return g;
}

// What a point hits, as one short line.
std::string Hit(const ListGeometry& g, double x, double y) {
    const ListHit h = g.HitTest(x, y);
    auto opt = [](const auto& o) { return o ? std::to_string(*o) : std::string("-"); };
    if (h.header)
        return std::string(h.dragBand ? "drag " : "header ") + "press " + opt(h.pressCell) + " cell " +
               opt(h.cell) + " gap " + (h.gap ? std::to_string(h.gap->leftColumn) : "-");
    std::string s = std::isfinite(h.row) ? "row " + std::to_string(static_cast<int>(h.row)) : "row none";
    return s + (h.onRowsEdge ? " edge" : "") + (h.beforeCheck ? " before" : h.onCheck ? " check" : " cells");
}

TEST(ListGeometryTest, WhatAPointHits) {
    const ListGeometry base = Sample();
    ListGeometry hidden = base, flat = base;
    hidden.widths[1] = 0;
    flat.itemHeight = 0;
    struct Case { const ListGeometry& g; double x, y; const char* hit; };
    const Case cases[] = {
        {base, 34.9, 8, "drag press - cell 1 gap -"},     // a press leaves a cell's sides alone
        {base, 33, 8, "drag press - cell 1 gap 0"},       // the gap's right edge is the cell's left one
        {base, 50, 2, "header press 1 cell 1 gap -"},     // the click band reaches above the drag band
        {base, 50, 16.5, "header press 1 cell 1 gap -"},  // and below it, to pen + row height
        {base, 50, 17, "row 5 edge cells"},
        {base, 50, 32.9, "row 5 cells"},                  // a row's last pixel line
        {base, 14.9, 40, "row 6 check"},
        {base, 50, 500, "row 35 cells"},                  // past the rows: the caller checks the count
        {hidden, 31.5, 8, "drag press - cell - gap -"},       // a hidden slot makes no border of its own
        {hidden, 35, 8, "drag press - cell 2 gap 0"},
        {flat, 50, 40, "row none cells"},                     // rows of no height: no row anywhere
    };
    for (const Case& c : cases) EXPECT_EQ(Hit(c.g, c.x, c.y), c.hit) << c.x << "," << c.y;
    ListGeometry many = Sample();
    many.columnCount = 21;
    EXPECT_EQ(ErrorOf([&] { many.HitTest(50, 8); }), kSubscriptOutOfRange);
}

TEST(ListGeometryTest, Places) {
    struct Case { bool border; int32_t pen, barWidth, firstIndex; Rect header, row7, bar; int16_t lastPainted; };
    const Case cases[] = {
        {true, 1, 0, 5, {1, 1, 399, 17}, {1, 49, 399, 65}, {382, 1, 399, 199}, 17},
        {true, 3, 17, 5, {3, 3, 380, 19}, {3, 51, 380, 67}, {380, 3, 397, 197}, 19},  // the pen, not 1, past the rows
        {false, 3, 17, 5, {0, 0, 383, 16}, {0, 48, 383, 64}, {383, 0, 400, 200}, 19},
        {true, 1, 0, 32760, {1, 1, 399, 17}, {1, -524031, 399, -524015}, {382, 1, 399, 199}, 32767},
    };
    for (const Case& c : cases) {
        ListGeometry g = Sample(c.border, c.pen);
        g.barWidth = c.barWidth;
        g.firstIndex = static_cast<int16_t>(c.firstIndex);
        EXPECT_EQ(g.HeaderBand(), c.header) << c.pen;
        EXPECT_EQ(g.RowBox(7), c.row7) << c.pen;
        EXPECT_EQ(g.BarBox(17), c.bar) << c.pen;
        EXPECT_EQ(g.PaintedLastIndex(), c.lastPainted) << c.pen;
    }
    // The layout counts the partly visible row with 1 whatever the pen.
    EXPECT_EQ(ListGeometry::LayoutLastIndex(182, 16, 5), 17);
    EXPECT_EQ(ListGeometry::LayoutLastIndex(182, 16, 32760), 32767);
}

TEST(ListGeometryTest, ColumnsAndGestureCells) {
    const ListGeometry g = Sample(false, 2);
    EXPECT_EQ(g.ColumnLeft(21), 230 + 42);  // one past the last slot: the header's right end
    EXPECT_EQ(ErrorOf([&] { g.ColumnLeft(22); }), kSubscriptOutOfRange);
    // Without a border the painter starts at 0, the gestures at the pen.
    EXPECT_EQ(g.CellLeft(1), 32);
    EXPECT_EQ(g.GestureCell(1), (Rect{34, 2, 134, 18}));
    EXPECT_EQ(g.GapMarker(g.GestureLeft(1)), (Rect{32, 2, 34, 18}));
    ListGeometry wide = g;
    wide.widths = {32000, 32000};
    EXPECT_EQ(wide.ColumnLeft(2), 32767);  // past every window: held there, not failing a paint
    wide.widths = {32000, 1000, -32000};
    EXPECT_EQ(wide.ColumnLeft(3), 1006);   // a sum that comes back within 16 bits is exact
}

TEST(ListGeometryTest, WhatTheRowsAndTheHeaderAreMadeOf) {
    ListGeometry g = Sample();
    EXPECT_EQ(g.HeaderTextTop(13), 4);  // 3.5 to the even neighbour
    // Off screen from the client's last pixel line down, for the painter and
    // assistive technology alike.
    EXPECT_FALSE(g.BelowClient(198));
    EXPECT_TRUE(g.BelowClient(199));
    EXPECT_EQ(g.RowsInView(), 12);
    // The part of a cell a press reaches stops at the bar, which takes presses there.
    struct Case { int32_t barWidth; Rect pressable; std::optional<Rect> fill; };
    const Case cases[] = {
        {0, {137, 1, 233, 17}, Rect{135, 1, 235, 17}},
        {180, {137, 1, 219, 17}, Rect{135, 1, 219, 17}},
        {270, {137, 1, 129, 17}, std::nullopt},  // nothing left to press or fill
    };
    for (const Case& c : cases) {
        g.barWidth = c.barWidth;
        EXPECT_EQ(g.PressableCell(2), c.pressable) << c.barWidth;
        EXPECT_EQ(g.GestureCellFill(135, 100), c.fill) << c.barWidth;
    }
}

}  // namespace
}  // namespace mirelo
