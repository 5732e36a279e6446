#pragma once
// The header band's input: pressing a cell, dragging it over the others with
// a drop-target light and the matching pointer, the release that sorts or
// exchanges, and the column-border gestures (the marker over a gap, the drag
// line over a still picture of the control). It owns the two picture boxes
// and the pointer shapes, and tells the list what to paint and what the user
// did through HeaderInputEvents, as the scroll bar tells it through its events.
#include <cstdint>
#include <optional>

#include "base/numeric.h"
#include "geometry/list_geometry.h"
#include "header/child_box.h"
#include "header/column_cursors.h"
#include "header/gestures.h"
#include "render/list_painter.h"

namespace mirelo {

class HeaderInputEvents {
public:
    // Where everything lies now.
    virtual ListGeometry Geometry() const = 0;
    // Column 0 shows the row numbers, which stay in front: it takes no drop.
    virtual bool NumbersInFront() const = 0;
    virtual void PaintHeaderCell(int32_t left, int32_t width, int16_t column, CellLook look) = 0;
    virtual HWnd Window() const = 0;  // the control's window, whose picture a border drag shows
    // A header released on cell `target`: the same cell sorts, another exchanges.
    virtual void Dropped(int16_t target, int16_t source) = 0;
    // A border drag released `distance` pixels right (left when negative) of
    // where it started, right of shown column `column`; 0 moved nothing.
    virtual void BorderMoved(int16_t column, int32_t distance) = 0;

protected:
    ~HeaderInputEvents() = default;
};

class HeaderInput {
public:
    // Without picture boxes and pointer shapes (a list without a window)
    // borders still drag and headers still exchange and sort.
    HeaderInput(HeaderInputEvents& list, PictureBox* splitter, PictureBox* picBack, CursorShapes* cursors);

    // From the control surface, in client pixels. Move says whether the
    // list's MouseMove is still to be raised.
    void Press(const ListHit& hit);
    bool Move(float X, float Y);
    void Release(float X, float Y);
    // The control's window lost the pointer while a button was held.
    void CaptureLost();
    // The border marker's own mouse notifications: X and Y in twips from the
    // marker's top left, as its window reports them.
    void Splitter_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void Splitter_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Splitter_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    // Widths may have moved under the marker: it goes to the first border.
    void MarkerToFirstBorder();

    // During a border drag, while the marker stands and after a drag's
    // release until the pointer moves over the control again.
    bool PaintSuppressed() const { return borderDrag_ || SuppressPaint_ != kFalse; }
    int16_t CursorKind() const { return CursorKind_; }  // the pointer shape showing now (HeaderCursorKind)
    bool BorderDragging() const { return borderDrag_.has_value(); }
    const ChildBox& Splitter() const { return Splitter_; }

private:
    void PaintCell(std::optional<int16_t> c, CellLook look);  // none paints nothing
    bool Drag(HeaderPressGesture& press, const ListHit& hit, float X);
    void EndPress();
    void ShowCursorKind(int16_t kind);
    void MoveDragLine(int32_t x);

    HeaderInputEvents& list_;
    std::optional<HeaderPressGesture> press_;
    std::optional<BorderDragGesture> borderDrag_;
    // Set while the border marker stands and after a border drag's release;
    // cleared by every pointer move over the control. The timer's repaint
    // after a drag does not wait for that.
    Bool16 SuppressPaint_ = kFalse;
    int16_t CursorKind_ = kCursorNone;
    ColumnCursors Cursors_;         // holds DefaultCursor, taken at creation
    int16_t markerColumn_ = 0;      // shown column left of the border under the marker
    ChildBox Splitter_;             // the border marker, then the drag line
    ChildBox picBack_;              // still picture of the control during a border drag
};

}  // namespace mirelo
