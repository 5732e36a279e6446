// The window messages a bar takes through the hook of its own window.
#include "base/color.h"
#include "scrollbar/uc_scrollbar.h"
#include "subclass/hook_table.h"

namespace mirelo {

namespace {
enum : int32_t {
    WM_SIZE = 0x0005,
    WM_PAINT = 0x000F,
    WM_SYSCOLORCHANGE = 0x0015,
    WM_CANCELMODE = 0x001F,
    WM_TIMER = 0x0113,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
};

struct Subscription {
    int32_t uMsg, when;
};
// Painting and sizing are taken over; the rest is watched after the window's
// own procedure (which captures the mouse for a press) has run.
constexpr Subscription kSubscriptions[] = {
    {WM_PAINT, HookBefore},      {WM_SIZE, HookBefore},      {WM_CANCELMODE, HookAfter},
    {WM_MOUSEMOVE, HookAfter},   {WM_LBUTTONDOWN, HookAfter}, {WM_LBUTTONUP, HookAfter},
    {WM_LBUTTONDBLCLK, HookAfter}, {WM_TIMER, HookAfter},     {WM_SYSCOLORCHANGE, HookAfter},
};
}  // namespace

void ucScrollbar::HookOwnWindow() {
    if (!userMode_ || ports_.window == nullptr || ports_.hooks == nullptr) return;
    const HWnd own = hWnd();
    if (!hooks_) hooks_ = std::make_unique<HookTable>(*this, *ports_.hooks);
    if (hooks_->FindHookEntry(own, false) >= 0) return;  // loaded twice: one hook is enough
    if (hooks_->HookWindow(own) < 0) return;
    for (const auto& s : kSubscriptions) hooks_->AddHookMessage(own, s.uMsg, s.when);
}

// Each message comes at one timing only, so bBefore tells nothing new.
void ucScrollbar::zSubclass_Proc(bool /*bBefore*/, Bool16& bHandled, int32_t& lReturn, int32_t& lhWnd,
                                 int32_t& uMsg, int32_t& wParam, int32_t& lParam) {
    if (lhWnd != hWnd() || lhWnd == 0) return;
    switch (uMsg) {
        case WM_PAINT: {
            struct EndPaintOnExit {
                Window& window;
                ~EndPaintOnExit() { window.EndPaint(); }
            };
            DeviceContext& dc = ports_.window->BeginPaint();
            const EndPaintOnExit end{*ports_.window};
            PaintBar(dc);
            bHandled = kTrue;
            lReturn = 0;
            break;
        }
        case WM_SIZE:
            RelayoutBar();
            bHandled = kTrue;
            lReturn = 0;
            break;
        case WM_CANCELMODE:
        case WM_LBUTTONUP:
            BarMouseUp();
            break;
        case WM_MOUSEMOVE:
            BarMouseMove(wParam, lParam);
            break;
        case WM_LBUTTONDOWN:
            BarMouseDown(wParam, lParam);
            break;
        case WM_LBUTTONDBLCLK:
            // The second click of a double click presses like the first.
            if (ports_.cursor) ports_.cursor->mouse_event(MOUSEEVENTF_LEFTDOWN_, 0, 0, 0, 0);
            break;
        case WM_TIMER:
            BarTimer(wParam);
            break;
        default:
            break;
    }
}

}  // namespace mirelo
