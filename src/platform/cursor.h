#pragma once
// The mouse pointer: where it is, which window is under it, and injected
// button input.
#include <cstdint>

#include "base/text.h"
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

using CursorHandle = uintptr_t;  // 0 is "no cursor"

// Pointer shapes. A cursor loaded from a file belongs to whoever loaded it and
// is destroyed by it; the library's own cursor resources are shared and are
// never destroyed.
class CursorShapes {
public:
    virtual ~CursorShapes() = default;
    virtual CursorHandle GetCursor() = 0;
    virtual CursorHandle SetCursor(CursorHandle cursor) = 0;  // returns the one shown before
    // A cursor file by name, relative names against the current directory;
    // 0 when the file is missing or no cursor.
    virtual CursorHandle LoadCursorFromFile(const Text& fileName) = 0;
    // A cursor resource of the library by name; 0 when there is none.
    virtual CursorHandle LoadCursor(const Text& resourceName) = 0;
    virtual void DestroyCursor(CursorHandle cursor) = 0;
};

}  // namespace mirelo
