#pragma once
// The mouse pointer: where it is, which window is under it, and injected
// button input.
#include <cstdint>

#include "platform/window.h"

namespace mirelo {

enum : uint32_t { MOUSEEVENTF_LEFTDOWN_ = 0x0002 };

class Cursor {
public:
    virtual ~Cursor() = default;
    virtual Point GetCursorPos() = 0;                        // screen pixels
    virtual Point ScreenToClient(HWnd hWnd, Point screen) = 0;
    virtual HWnd WindowFromPoint(Point screen) = 0;
    virtual void mouse_event(uint32_t flags, int32_t dx, int32_t dy, int32_t data, uint32_t extra) = 0;
};

}  // namespace mirelo
