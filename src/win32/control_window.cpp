#include "win32/control_window.h"

#include <windowsx.h>

#include "win32/accessible_window.h"
#include "win32/bar_window.h"
#include "win32/mouse_buttons.h"

namespace mirelo::win32 {

namespace {

float X(LPARAM lParam) { return static_cast<float>(GET_X_LPARAM(lParam)); }
float Y(LPARAM lParam) { return static_cast<float>(GET_Y_LPARAM(lParam)); }

}  // namespace

const wchar_t* ControlWindow::ClassName() { return L"MireloListWindow"; }

ControlWindow::ControlWindow(HINSTANCE instance, GdiSurface& surface, MireloList& core, ControlWindowHost& host)
    : instance_(instance), surface_(surface), core_(core), host_(host) {}

ControlWindow::~ControlWindow() { Destroy(); }

bool ControlWindow::Create(HWND parent, const RECT& pos) {
    // A class DC keeps the control's font and colours between paints, as
    // the surface's own device context does.
    if (!RegisterWindowClass(instance_, ClassName(), CS_OWNDC | CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW)))
        return false;
    WindowObject::Create(0, ClassName(), L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP, pos.left,
                         pos.top, pos.right - pos.left, pos.bottom - pos.top, parent, instance_);
    return hwnd_ != nullptr;
}

void ControlWindow::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT ControlWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        surface_.AttachWindow(hwnd_);
        AttachBarWindow(core_, hwnd_);
        AttachAccessibility(core_, hwnd_);
        return 0;
    case WM_DESTROY:
        DetachAccessibility(hwnd_);
        surface_.DetachWindow();
        host_.WindowDestroyed();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint handler covers every pixel
    case WM_SETREDRAW:
        // The host batches changes: nothing is drawn meanwhile, the list's
        // state moves on as with painting on. The system's own handling takes
        // the window's visibility away and gives it back; the scroll bar and
        // the marker painted nothing meanwhile, so all of it waits for the
        // host's repaint.
        surface_.SetRedraw(wParam != 0);
        DefWindowProcW(hwnd_, msg, wParam, lParam);
        if (wParam) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SIZE:
        surface_.WindowResized();
        core_.OnResize();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_GETOBJECT:
        if (const LRESULT object = AnswerGetObject(hwnd_, wParam, lParam)) return object;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        AccessibilityFocusChanged(hwnd_, msg == WM_SETFOCUS);
        host_.FocusChanged(msg == WM_SETFOCUS);
        return 0;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
        // Only the left button's double-click is one to the host.
        ButtonDown(ButtonOf(msg), lParam, msg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
        ButtonUp(ButtonOf(msg), lParam);
        return 0;
    case WM_MOUSEMOVE:
        core_.OnMouseMove(HeldButtons(wParam), ShiftState(), X(lParam), Y(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd_) {
            // Taken while a button was held: no release will reach us.
            if (held_ != 0) core_.Header().CaptureLost();
            held_ = 0;
            clickArmed_ = false;
        }
        return 0;
    case WM_KEYDOWN:
        core_.OnKeyDown(static_cast<int16_t>(wParam), ShiftState());
        return 0;
    case WM_TIMER:
        if (wParam == static_cast<WPARAM>(kTimer1Id)) {
            core_.OnTimer1();
            return 0;
        }
        break;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

void ControlWindow::Paint() {
    PAINTSTRUCT ps;
    BeginPaint(hwnd_, &ps);
    // Ended also when the paint ends in a run-time error.
    struct End { HWND hwnd; PAINTSTRUCT& ps; ~End() { EndPaint(hwnd, &ps); } } end{hwnd_, ps};
    core_.OnPaint();
}

void ControlWindow::ButtonDown(int16_t button, LPARAM lParam, bool doubleClick) {
    host_.MousePressed();
    if (held_ == 0) SetCapture(hwnd_);
    held_ |= button;
    if (button == kLeft) clickArmed_ = !doubleClick;
    if (doubleClick) {
        // The second press of a double-click reaches the host as DblClick only.
        core_.OnDblClick();
    } else {
        core_.OnMouseDown(button, ShiftState(), X(lParam), Y(lParam));
    }
}

void ControlWindow::ButtonUp(int16_t button, LPARAM lParam) {
    const bool wasHeld = (held_ & button) != 0;
    // Decided before the capture goes: releasing it resets the press state.
    bool click = false;
    if (wasHeld && button == kLeft && clickArmed_) {
        RECT rc;
        GetClientRect(hwnd_, &rc);
        const POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        click = ::PtInRect(&rc, pt) != FALSE;
    }
    if (button == kLeft) clickArmed_ = false;
    held_ &= static_cast<int16_t>(~button);
    if (held_ == 0 && GetCapture() == hwnd_) ReleaseCapture();
    if (!wasHeld) return;  // pressed elsewhere and released over us
    core_.OnMouseUp(button, ShiftState(), X(lParam), Y(lParam));
    if (click) core_.OnClick();
}

}  // namespace mirelo::win32
