#pragma once
// A child window of the control as the core sees it: its handle, enabled and
// shown states, placement, client area and the paint cycle. Handles are the
// 32-bit numbers of the component's platform; 0 is "no window".
#include <cstdint>

#include "base/rect.h"

namespace mirelo {

using HWnd = int32_t;

struct Point {
    int32_t x = 0, y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

class DeviceContext;

class Window {
public:
    virtual ~Window() = default;
    virtual HWnd hWnd() const = 0;
    virtual bool IsWindowEnabled() const = 0;
    virtual void EnableWindow(bool enable) = 0;
    virtual void ShowWindow(bool show) = 0;
    // Position in the parent's client pixels; the window then receives WM_SIZE.
    virtual void MoveWindow(int32_t left, int32_t top, int32_t width, int32_t height) = 0;
    virtual Rect GetClientRect() const = 0;
    // Marks the whole client area for the next paint message.
    virtual void InvalidateRect(bool erase) = 0;
    // The paint device context between BeginPaint and EndPaint.
    virtual DeviceContext& BeginPaint() = 0;
    virtual void EndPaint() = 0;
};

}  // namespace mirelo
