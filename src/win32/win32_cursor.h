#pragma once
// The mouse pointer on user32: position, the window under it, injected
// button input, and its shapes (cursor files, the component's own cursor
// resources, the shape shown now).
#include <windows.h>

#include "platform/cursor.h"

namespace mirelo::win32 {

class SystemCursor : public Cursor {
public:
    Point GetCursorPos() override;
    Point ScreenToClient(HWnd hWnd, Point screen) override;
    HWnd WindowFromPoint(Point screen) override;
    void mouse_event(uint32_t flags, int32_t dx, int32_t dy, int32_t data, uint32_t extra) override;
};

class CursorShapesWin : public CursorShapes {
public:
    explicit CursorShapesWin(HINSTANCE module) : module_(module) {}
    CursorHandle GetCursor() override;
    CursorHandle SetCursor(CursorHandle cursor) override;
    CursorHandle LoadCursorFromFile(const Text& fileName) override;
    CursorHandle LoadCursor(const Text& resourceName) override;
    void DestroyCursor(CursorHandle cursor) override;

private:
    HINSTANCE module_;
};

}  // namespace mirelo::win32
