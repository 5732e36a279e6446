#pragma once
// The mouse pointer on user32: position, the window under it, and injected
// button input.
#include "platform/cursor.h"

namespace mirelo::win32 {

class SystemCursor : public Cursor {
public:
    Point GetCursorPos() override;
    Point ScreenToClient(HWnd hWnd, Point screen) override;
    HWnd WindowFromPoint(Point screen) override;
    void mouse_event(uint32_t flags, int32_t dx, int32_t dy, int32_t data, uint32_t extra) override;
};

}  // namespace mirelo::win32
