#include "win32/win32_window.h"

namespace mirelo::win32 {

namespace {
struct ApplyingScope {
    int& depth;
    explicit ApplyingScope(int& d) : depth(d) { ++depth; }
    ~ApplyingScope() { --depth; }
};
}  // namespace

HWnd ChildWindowPort::hWnd() const { return static_cast<HWnd>(reinterpret_cast<intptr_t>(hwnd_)); }

bool ChildWindowPort::IsWindowEnabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }

void ChildWindowPort::EnableWindow(bool enable) { ::EnableWindow(hwnd_, enable ? TRUE : FALSE); }

void ChildWindowPort::ShowWindow(bool show) {
    ApplyingScope scope(applying_);
    // Showing must not take the activation from the container's window.
    ::ShowWindow(hwnd_, show ? SW_SHOWNA : SW_HIDE);
}

void ChildWindowPort::MoveWindow(int32_t left, int32_t top, int32_t width, int32_t height) {
    ApplyingScope scope(applying_);
    ::MoveWindow(hwnd_, left, top, width, height, TRUE);
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
