#pragma once
// What the pointer is doing to a bar: a pressed part and a hot part, from
// which painting derives every part's look. All cleared at creation.
#include <cstdint>

#include "scrollbar/scroll_part.h"

namespace mirelo {

struct BarInputState {
    // Where the left button went down; None once it is up again.
    ScrollPart PressedPart = ScrollPart::None;
    // The pressed part shows pressed: a button while the pointer is over it
    // (moves with the button down), a track while it pages (the repeat timer),
    // the thumb for the whole drag.
    bool PressedDown = false;
    // The button or thumb lit under a pointer with no button down; the hot-part
    // timer puts it out once the pointer is off it, a press on it at once.
    ScrollPart HotPart = ScrollPart::None;
    bool MouseInside = false;     // the pointer came over the bar and the leave poll has not seen it go
    int32_t X = 0, Y = 0;         // client position of the last press or move, pixels
    int32_t DragOffset = 0;       // thumb start minus pointer along the axis at the press, pixels
    int32_t DragStartValue = 0;   // Value when the drag began

    bool Pressed(ScrollPart p) const { return PressedPart == p && PressedDown; }
    bool Hot(ScrollPart p) const { return HotPart == p; }
};

}  // namespace mirelo
