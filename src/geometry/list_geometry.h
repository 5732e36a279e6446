#pragma once
// Where every part of the list lies, in client pixels: one value taken from
// the list's state, and pure functions over it. The painter, the mouse, the
// keys, the header gestures and the accessibility model all read it, so what
// is painted is what a point hits.
//
// Two pen rules live side by side on purpose. Painting places the frame's
// contents `Inset` in (the pen width while the border is drawn, else 0); the
// hit tests and the header gestures count the pen width whether or not the
// border is drawn. Without a border a press therefore lands one pen width
// lower and further right than the painted cell, and a gesture's cell paints
// there too.
#include <cstdint>
#include <optional>

#include "base/rect.h"
#include "base/slots.h"

namespace mirelo {

// The check box: one 13-pixel image of the "CHK" strip, 2 pixels from the
// client's left edge with or without a border. A click strictly inside its
// left and right edges toggles it, one at or right of its right edge selects
// the row, one at or left of its left edge does nothing.
constexpr int32_t kCheckLeft = 2;
constexpr int32_t kCheckSize = 13;
constexpr double kTwipsPerPixel = 15;  // outer sizes and the marker's input come in twips
constexpr int32_t kColumnGap = 2;   // between neighbouring cells, where the separators stand
constexpr int32_t kCellEdge = 2;    // a press this near a cell's side presses nothing
constexpr int32_t kSideMargin = 2;  // a header drag this near the client's sides has left the header
constexpr int32_t kPlayIconLeft = 2;     // the play icon from the frame
constexpr int32_t kPlayIconHeight = 12;  // centres the play icon in its row

// A border between two shown columns: the kColumnGap pixels left of `x`.
struct BorderGap {
    int16_t leftColumn = 0;  // the shown column left of the gap
    int32_t x = 0;           // left edge of the shown column right of it
};

// What lies under a client point.
struct ListHit {
    // The click band: everything above the first row's top edge (pen width +
    // row height). A mouse-down there is a header press.
    bool header = false;
    // The drag band: 2 < y < row height, measured from the client's top
    // without the pen. Narrower than the click band at both ends: a header
    // drag and the border marker track the captions, not the band's frame, so
    // a drag grazing the band's top or bottom counts as having left it.
    bool dragBand = false;
    // Set in the click band only:
    std::optional<int16_t> pressCell;  // the cell a press takes: its inside, kCellEdge off each side
    std::optional<int16_t> cell;       // the shown cell, both edges included: a drag's drop target
    std::optional<BorderGap> gap;      // the border whose gap (right edge included) is under x
    // Below the click band:
    double row = 0;          // the row line under y (may lie outside the rows; NaN for rows of no height)
    bool onRowsEdge = false; // y exactly on the first row's top edge
    bool beforeCheck = false;  // x at or left of the check box's left edge
    bool onCheck = false;      // x strictly inside the check box's left and right edges

    int16_t Row() const;  // `row` as a 16-bit index (error 6 when it is none)
    bool OnRow(int32_t rowCount) const { return row >= 0 && row <= rowCount - 1; }
};

struct ListGeometry {
    // What it is computed from (the list's Geometry()).
    int32_t width = 0, height = 0;  // client size, pixels
    double fullHeight = 0;          // client height from the outer height in twips (/ 15): the rows' bottom
    int32_t pen = 1;                // border pen width, counted by the hit tests even without a border
    bool border = false;            // the border box is drawn
    int32_t itemHeight = 0;         // row height, also the header band's
    int32_t barWidth = 0;           // the scroll bar's width while it shows, else 0
    int16_t firstIndex = 0;         // top row
    int32_t rowCount = 0;
    int16_t columnCount = 0;        // column slots 0 .. columnCount take part
    ColumnWidths widths{};          // below 1: a hidden slot

    int32_t Inset() const { return border ? pen : 0; }
    // The rows' and the header band's width: the client less the bar and the frame.
    int32_t ListWidth() const;
    // The client below the header band and inside the frame.
    int32_t RowAreaHeight() const;
    // The bottom visible row as the painter bounds its loop: the pen width
    // stands where the layout adds 1, so a wider pen paints rows past the
    // client's edge (they clip). Held at 32767 near the end of a full list.
    int16_t PaintedLastIndex() const;
    // The bottom visible row as the layout records it: the rows that fit in
    // `rowAreaHeight` (that of the last layout) plus the partly visible one.
    static int16_t LayoutLastIndex(int32_t rowAreaHeight, int32_t itemHeight, int16_t firstIndex);
    // Top of row `index` as painted.
    int32_t RowTop(int32_t index) const;
    // The header band, a header cell and a whole row as painted (a row cut by
    // the client's bottom is filled shorter: RowFillHeight).
    Rect HeaderBand() const;
    Rect HeaderCellBox(int column) const;
    Rect RowBox(int32_t index) const;
    // A row starting this low is not painted at all, and is off screen to
    // assistive technology.
    bool BelowClient(int32_t rowTop) const;
    // The rows from the top row down whose top is not BelowClient.
    int32_t RowsInView() const;
    // A row's fill: cut by the client's bottom, it stops the pen width above it.
    int32_t RowFillHeight(int32_t rowTop) const;
    // A row's text band for a font `textHeight` high: centred, cut like the fill.
    int32_t RowTextTop(int32_t rowTop, double textHeight) const;
    int32_t RowTextHeight(int32_t textTop, double textHeight) const;
    // Column `column`'s text in a row: column 0 from the frame; the others
    // 2 pixels right of their separators and narrower by the inset besides.
    Rect CellTextBox(int column, int32_t textTop, int32_t textHeight) const;
    Rect CheckBox(int32_t textTop) const { return Rect{kCheckLeft, textTop, kCheckLeft + kCheckSize, textTop + kCheckSize}; }
    // The play icon's top left in a row without check boxes.
    Rect PlayIcon(int32_t rowTop) const;
    // The kColumnGap pixel lines left of column `column`, one per x from left
    // to right: down the header band from the pen (one pixel into the first
    // row, which paints over it), and down a row's fill less its last line.
    Rect HeaderSeparator(int column) const;
    Rect RowSeparator(int column, int32_t rowTop) const;
    // Row `index` is the last one painted: below it the filler and the
    // bottom border line follow.
    bool LastPaintedRow(int32_t index) const;
    // Under the last painted row: the background down to the frame's pen;
    // none when the rows reach the area's bottom.
    std::optional<Rect> FillerBelow(int32_t index) const;
    Rect BottomLine() const { return Rect{0, height - pen, width, height - pen}; }
    Rect InsideBorder() const { return Rect{pen, pen, width - pen, height - pen}; }
    // Where the captions' text starts, for a font `textHeight` high: the pen
    // width is added with or without a border, which keeps captions at the
    // same height when the border is switched off.
    int16_t HeaderTextTop(double textHeight) const;

    // The last column slot; error 9 while more columns are claimed than exist.
    int LastSlot() const;
    // Left of column slot `column` from the first cell: widths and gaps before it.
    int16_t ColumnLeft(int column) const;
    int32_t CellLeft(int column) const { return Inset() + ColumnLeft(column); }    // as painted
    int32_t GestureLeft(int column) const { return pen + ColumnLeft(column); }     // as pressed and hit
    // The header cell a gesture paints: from the pen, one band high.
    Rect GestureCell(int column) const;
    // Such a cell's fill: the last cell may reach past the band (into the
    // border or under the bar); its fill stops where the band's does, as the
    // whole header's. None when nothing is left.
    std::optional<Rect> GestureCellFill(int32_t left, int32_t width) const;
    // The part of it a press can land on for assistive technology's "Sort":
    // kCellEdge off each side, and not under the scroll bar, which takes
    // presses there (empty when nothing is left).
    Rect PressableCell(int column) const;
    // The border marker over the gap left of `gapX`, and the line a border
    // drag moves, from the pen down the client's height.
    Rect GapMarker(int32_t gapX) const;
    Rect DragLine(int32_t x) const { return Rect{x, pen, x + 1, pen + height}; }
    // The scroll bar at the right, inside the frame.
    Rect BarBox(int32_t barW) const;

    // Header drags: a pointer this near the sides has left the header and
    // raises no move; a release counts on the margin's inner pixel.
    bool OffDragSides(double x) const { return x <= kSideMargin || x >= width - kSideMargin; }
    bool OnReleaseSides(double x) const { return x >= kSideMargin && x <= width - kSideMargin; }

    ListHit HitTest(double x, double y) const;
};

}  // namespace mirelo
