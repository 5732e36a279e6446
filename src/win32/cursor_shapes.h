#pragma once
// Pointer shapes on user32: cursor files, the component's own cursor
// resources, and the shape shown now.
#include <windows.h>

#include "platform/cursor.h"

namespace mirelo::win32 {

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
