#pragma once
// What the pointer is doing to a bar. All cleared at creation.
#include <cstdint>

#include "scrollbar/scroll_part.h"

namespace mirelo {

struct BarInputState {
    ScrollPart PressedPart = ScrollPart::None;  // where the left button went down
    ScrollPart HoverPart = ScrollPart::None;    // under the pointer at the last plain move
    bool Btn1Pressed = false, Btn2Pressed = false;      // pressed and the pointer over it
    bool Track1Pressed = false, Track2Pressed = false;  // paging under way
    bool ThumbPressed = false;                          // dragging
    bool Btn1Hot = false, Btn2Hot = false, ThumbHot = false;
    bool MouseInside = false;
    int32_t X = 0, Y = 0;         // client position of the last press or move
    int32_t DragOffset = 0;       // thumb start minus pointer, along the axis
    int32_t DragStartValue = 0;   // Value when the drag began
};

}  // namespace mirelo
