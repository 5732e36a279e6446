#include "win32/bar_window.h"

#include "listctl/mirelo_list.h"
#include "win32/window_proc_hook.h"

namespace mirelo::win32 {

namespace {

// The module this code lives in (the component, or a test that links it).
HINSTANCE OwnModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&OwnModule), &module);
    return module;
}

// The bar asks for a repaint at every change of its range, which a list
// filled row by row makes thousands of times before it paints once; under
// Wine every InvalidateRect is a round trip to the server. A window whose
// whole client area already waits for its paint needs no second request.
// Only the bar's own paint handler validates its window.
class BarWindowPort final : public ChildWindowPort {
public:
    using ChildWindowPort::ChildWindowPort;
    void InvalidateRect(bool erase) override {
        if (pending_ && (erasing_ || !erase)) return;
        ChildWindowPort::InvalidateRect(erase);
        pending_ = true;
        erasing_ = erasing_ || erase;
    }
    DeviceContext& BeginPaint() override {
        pending_ = erasing_ = false;
        return ChildWindowPort::BeginPaint();
    }

private:
    bool pending_ = false;  // invalidated since the last paint began
    bool erasing_ = false;  // and with its background to be erased
};

}  // namespace

const wchar_t* BarWindow::ClassName() { return L"MireloScrollBar"; }

BarWindow* BarWindow::Create(HWND parent, ucScrollbar& bar, WindowProcPort& hooks, std::function<void()> onDestroy) {
    const HINSTANCE instance = OwnModule();
    // Double clicks come as their own message, which the bar turns into a press.
    if (!RegisterWindowClass(instance, ClassName(), CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW))) return nullptr;
    auto* self = new BarWindow(bar, std::move(onDestroy));
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (bar.Visible() ? WS_VISIBLE : 0);
    self->WindowObject::Create(0, ClassName(), L"", style, bar.Left(), bar.Top(), bar.Width(), bar.Height(), parent,
                               instance);
    if (!self->hwnd_) {
        delete self;
        return nullptr;
    }
    self->owned_ = true;
    self->window_ = std::make_unique<BarWindowPort>(self->hwnd_);
    bar.AttachWindow(BarWindowPorts{self->window_.get(), &self->timers_, &self->cursor_, &hooks});
    return self;
}

void BarWindow::WindowGone() {
    if (owned_) delete this;
}

LRESULT BarWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;  // the bar covers every pixel when it paints
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SIZE:
        bar_.ContainerResize();
        return 0;
    case WM_WINDOWPOSCHANGED:
        DefWindowProcW(hwnd_, msg, wParam, lParam);  // sends WM_SIZE and WM_MOVE
        FollowWindow();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press();
        return 0;
    case WM_LBUTTONUP:
        pressed_ = false;
        if (GetCapture() == hwnd_) ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        // The capture went elsewhere while the button was held: the press
        // ends as a cancelled mode does.
        if (pressed_ && reinterpret_cast<HWND>(lParam) != hwnd_) SendMessageW(hwnd_, WM_CANCELMODE, 0, 0);
        return 0;
    case WM_CANCELMODE:
        pressed_ = false;
        break;  // the default handling gives the capture back
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        bar_.KeyDown(static_cast<int16_t>(wParam));
        return 0;
    case WM_DESTROY:
        bar_.AttachWindow(BarWindowPorts{});
        window_.reset();
        if (onDestroy_) onDestroy_();
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

void BarWindow::Paint() {
    // Before the window is attached there is nothing to paint with; the
    // region is still validated so the paint request does not come back.
    if (!window_) {
        ValidateRect(hwnd_, nullptr);
        return;
    }
    DeviceContext& dc = window_->BeginPaint();
    // Ended also when the paint ends in a run-time error.
    struct End { Window& window; ~End() { window.EndPaint(); } } end{*window_};
    bar_.ContainerPaint(dc);
}

void BarWindow::Press() {
    // The keyboard goes to the list the bar belongs to, which takes the keys
    // as the bar would hand them on and tells its container it has the focus.
    const HWND parent = GetParent(hwnd_);
    const HWND focus = GetFocus();
    if (parent && focus != parent && focus != hwnd_) SetFocus(parent);
    pressed_ = true;
    SetCapture(hwnd_);
}

void BarWindow::FollowWindow() {
    if (!window_ || window_->Applying()) return;
    RECT rc;
    GetWindowRect(hwnd_, &rc);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&rc), 2);
    bar_.Move(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    bar_.SetVisible((GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0);
}

void AttachBarWindow(MireloList& list, HWND parent) {
    BarWindow::Create(parent, list.Bar(), SharedWindowProcHook(), [&list] { list.WindowDestroying(); });
    list.WindowCreated();
}

}  // namespace mirelo::win32
