#include "win32/win32_window.h"

#include "win32/hwnd.h"

namespace mirelo::win32 {

HWnd ChildWindowPort::hWnd() const { return FromHwnd(hwnd_); }

bool ChildWindowPort::IsWindowEnabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }

void ChildWindowPort::EnableWindow(bool enable) { ::EnableWindow(hwnd_, enable ? TRUE : FALSE); }

void ChildWindowPort::ShowWindow(bool show) {
    // Showing must not take the activation from the container's window.
    ++applying_;
    ::ShowWindow(hwnd_, show ? SW_SHOWNA : SW_HIDE);
    --applying_;
}

void ChildWindowPort::MoveWindow(int32_t left, int32_t top, int32_t width, int32_t height) {
    ++applying_;
    ::MoveWindow(hwnd_, left, top, width, height, TRUE);
    --applying_;
}

Rect ChildWindowPort::GetClientRect() const {
    RECT rc = {0, 0, 0, 0};
    ::GetClientRect(hwnd_, &rc);
    return Rect{rc.left, rc.top, rc.right, rc.bottom};
}

void ChildWindowPort::InvalidateRect(bool erase) { ::InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE); }

DeviceContext& ChildWindowPort::BeginPaint() {
    paintDc_.Attach(::BeginPaint(hwnd_, &ps_));
    return paintDc_;
}

void ChildWindowPort::EndPaint() {
    ::EndPaint(hwnd_, &ps_);
    paintDc_.Attach(nullptr);
}

}  // namespace mirelo::win32
