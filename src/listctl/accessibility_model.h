#pragma once
// The list as assistive technology sees it: the list, its header band with a
// cell per shown column, every row and the scroll bar, each with a name,
// description, value, state and place. Everything is read from the list as
// it stands, with the painter's geometry for places and the mouse's hit tests
// for points, so a reader is told what the user sees and may click. The
// scroll bar's parts come from the bar's own layout and hit test. Places are
// in the list's client pixels.
#include <cstdint>
#include <vector>

#include "base/rect.h"
#include "base/text.h"
#include "geometry/list_geometry.h"

namespace mirelo {

class MireloList;

enum class AccessiblePart { List, Header, HeaderCell, Row, Bar, BarPart };

struct AccessibleElement {
    AccessiblePart part = AccessiblePart::List;
    // The row of a Row, the column slot of a HeaderCell, the ScrollPart of a BarPart.
    int16_t index = -1;
    bool operator==(const AccessibleElement& o) const { return part == o.part && index == o.index; }
};

struct AccessibleState {
    bool focusable = false;
    bool focused = false;
    bool selectable = false;
    bool selected = false;
    bool checked = false;
    bool offscreen = false;
    bool invisible = false;
    bool pressed = false;
    bool unavailable = false;
};

class AccessibilityModel {
public:
    // The client size is the surface's: the list does not hand it out itself.
    AccessibilityModel(MireloList& list, int32_t clientWidth, int32_t clientHeight);

    // The list's children, numbered from 1 in reading order: the header,
    // the rows, the scroll bar. 0 stands for the list itself.
    int32_t ListChildCount() const;
    bool ListChild(int32_t id, AccessibleElement& out) const;
    int32_t ListChildId(const AccessibleElement& e) const;
    // The header's children, numbered from 1: its shown columns from the left.
    int32_t HeaderChildCount() const;
    bool HeaderChild(int32_t id, AccessibleElement& out) const;
    int32_t HeaderChildId(int16_t column) const;  // 0 when the column is not shown
    // The scroll bar's children, numbered from 1 from the top: the up arrow,
    // the page area above the thumb, the thumb, the page area below it, the
    // down arrow.
    int32_t BarChildCount() const;
    bool BarChild(int32_t id, AccessibleElement& out) const;
    int32_t BarChildId(int16_t part) const;
    // Row slots in the view from the top row down, the one cut by the bottom edge included.
    int32_t RowsInView() const;

    Text Name(const AccessibleElement& e) const;
    Text Description(const AccessibleElement& e) const;
    Text Value(const AccessibleElement& e) const;
    Text DefaultAction(const AccessibleElement& e) const;
    AccessibleState State(const AccessibleElement& e, bool listHasFocus) const;
    Rect Location(const AccessibleElement& e) const;
    // The innermost part under a client point; false outside the client area.
    bool HitTest(int32_t x, int32_t y, AccessibleElement& out) const;

private:
    std::vector<int16_t> ShownColumns() const;
    bool SortableByClick(int16_t column) const;
    AccessibleState BarPartState(int16_t part) const;
    Text RowName(int16_t row) const;
    ListGeometry Geometry() const;

    MireloList& list_;
    int32_t width_, height_;
};

}  // namespace mirelo
