#include "win32/columns_picture_box.h"

#include <windowsx.h>

#include "win32/hwnd.h"
#include "win32/mouse_buttons.h"

namespace mirelo::win32 {

namespace {

constexpr float kTwipsPerPixel = 15;

float Twips(int pixels) { return static_cast<float>(pixels) * kTwipsPerPixel; }

}  // namespace

ChildPictureBox::ChildPictureBox(HINSTANCE instance, std::function<HWND()> parent)
    : instance_(instance), parent_(std::move(parent)) {}

ChildPictureBox::~ChildPictureBox() {
    if (hwnd_) DestroyWindow(hwnd_);
}

const wchar_t* ChildPictureBox::ClassName() { return L"MireloListPictureBox"; }

bool ChildPictureBox::EnsureWindow() {
    if (hwnd_) return true;
    HWND parent = parent_ ? parent_() : nullptr;
    if (!parent) return false;
    // No class cursor: the marker's shape comes from the gestures.
    if (!RegisterWindowClass(instance_, ClassName(), 0, nullptr)) return false;
    Create(0, ClassName(), L"", WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0), place_.left, place_.top,
           place_.right - place_.left, place_.bottom - place_.top, parent, instance_);
    if (hwnd_ && visible_) Raise();
    return hwnd_ != nullptr;
}

void ChildPictureBox::Raise() {
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, flags);
    if (over_ && over_->hwnd_ && over_->visible_) SetWindowPos(over_->hwnd_, HWND_TOP, 0, 0, 0, 0, flags);
}

void ChildPictureBox::MoveWindow(int32_t left, int32_t top, int32_t width, int32_t height) {
    place_ = {left, top, left + width, top + height};
    if (EnsureWindow()) ::MoveWindow(hwnd_, left, top, width, height, TRUE);
}

void ChildPictureBox::ShowWindow(bool show) {
    visible_ = show;
    // Hiding, like colouring and clearing, never makes a window: the control
    // sets its children up while it is being made, before it has a window.
    if (!show) {
        if (hwnd_) ::ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    if (!EnsureWindow()) return;
    ::ShowWindow(hwnd_, SW_SHOWNA);
    Raise();
    // Shown at once: the drag that follows keeps the thread busy.
    UpdateWindow(hwnd_);
}

void ChildPictureBox::SetBackColor(OleColor rgb) {
    back_ = static_cast<COLORREF>(rgb & 0xFFFFFF);
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void ChildPictureBox::Cls() {
    picture_.Free();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

bool ChildPictureBox::CopyFromScreen(HWnd window) {
    HWND source = ToHwnd(window);
    RECT r;
    if (!source || !GetWindowRect(source, &r)) return false;
    const int cx = r.right - r.left, cy = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    if (!screen) return false;
    BitmapDC copy(screen, CreateCompatibleBitmap(screen, cx, cy));
    const bool copied = copy.Ready() && BitBlt(copy.dc(), 0, 0, cx, cy, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    if (!copied) return false;
    picture_ = std::move(copy);
    pictureSize_ = {cx, cy};
    MoveWindow(0, 0, cx, cy);
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
    return true;
}

void ChildPictureBox::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    if (picture_.Ready()) {
        BitBlt(dc, 0, 0, pictureSize_.cx, pictureSize_.cy, picture_.dc(), 0, 0, SRCCOPY);
    } else {
        HBRUSH back = CreateSolidBrush(back_);
        FillRect(dc, &ps.rcPaint, back);
        DeleteObject(back);
    }
    EndPaint(hwnd_, &ps);
}

void ChildPictureBox::Button(UINT msg, LPARAM lParam) {
    const int16_t button = ButtonOf(msg);
    const float x = Twips(GET_X_LPARAM(lParam)), y = Twips(GET_Y_LPARAM(lParam));
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN) {
        if (held_ == 0) SetCapture(hwnd_);
        held_ |= button;
        mouse_->MouseDown(button, ShiftState(), x, y);
        return;
    }
    const bool wasHeld = (held_ & button) != 0;
    held_ &= static_cast<int16_t>(~button);
    if (held_ == 0 && GetCapture() == hwnd_) ReleaseCapture();
    if (wasHeld) mouse_->MouseUp(button, ShiftState(), x, y);
}

void ChildPictureBox::WindowGone() {
    // Gone with the control's window; made again when next needed.
    held_ = 0;
}

LRESULT ChildPictureBox::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SETCURSOR:
        // The gestures set the marker's shape on every move; the parent's
        // class arrow must not flash in between.
        if (mouse_) return TRUE;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (!mouse_) break;
        Button(msg, lParam);
        return 0;
    case WM_MOUSEMOVE:
        if (!mouse_) break;
        mouse_->MouseMove(HeldButtons(wParam), ShiftState(), Twips(GET_X_LPARAM(lParam)),
                          Twips(GET_Y_LPARAM(lParam)));
        return 0;
    case WM_CAPTURECHANGED:
        // Capture taken away mid-drag (another window, a menu): the drag ends
        // where the pointer is, as a release there would end it.
        if (mouse_ && held_ != 0 && reinterpret_cast<HWND>(lParam) != hwnd_) {
            const int16_t button = (held_ & kLeft) ? kLeft : held_;
            held_ = 0;
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(hwnd_, &p);
            mouse_->MouseUp(button, ShiftState(), Twips(p.x), Twips(p.y));
        }
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

}  // namespace mirelo::win32
