#include "scrollbar/uc_scrollbar.h"

#include "base/error.h"
#include "scrollbar/cscrollbar_draw.h"
#include "subclass/hook_table.h"

namespace mirelo {

namespace {
// A checkerboard of single pixels for the gap between buttons.
constexpr uint8_t kCheckerRows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
}  // namespace

ucScrollbar::ucScrollbar(Gdi& gdi) : gdi_(gdi) { fillBrush_ = gdi_.CreatePatternBrush(kCheckerRows); }

ucScrollbar::~ucScrollbar() {
    hooks_.reset();  // unhooks
    // The leave poll would die with the window; stopping it here keeps the
    // bar the single owner of every timer it started.
    for (int32_t id : {HotTimer, DelayTimer, RepeatTimer, LeaveTimer}) KillBarTimer(id);
    drawer_.reset();
    if (fillBrush_ != 0) gdi_.DeleteObject(fillBrush_);
}

void ucScrollbar::AttachWindow(const BarWindowPorts& ports) {
    if (hooks_) hooks_->UnhookAll();
    if (ports_.window) enabled_ = ports_.window->IsWindowEnabled();
    ports_ = ports;
    if (!ports_.window) return;
    ports_.window->EnableWindow(enabled_);
    // Containers create the window long after the properties were read, and
    // may only then answer for their mode.
    if (site_) userMode_ = site_->UserMode();
    RelayoutBar();
    HookOwnWindow();
}

HWnd ucScrollbar::hWnd() const { return ports_.window ? ports_.window->hWnd() : 0; }

bool ucScrollbar::Enabled() const { return ports_.window ? ports_.window->IsWindowEnabled() : enabled_; }

// The setters with more to them than a clamp (the others are in the header).
void ucScrollbar::SetMin(int32_t v) {
    if (v > model_.Max) v = model_.Max;
    if (model_.Value < v) model_.Value = v;  // no Change: the value follows its limit
    Set(kBarMin, v);
}

void ucScrollbar::SetMax(int32_t v) {
    if (v < model_.Min) v = model_.Min;
    if (model_.Value > v) model_.Value = v;
    Set(kBarMax, v);
}

void ucScrollbar::SetValue(int32_t v) {
    const int32_t old = model_.Value;
    // Not std::clamp: a bag may have left Min above Max.
    if (v < model_.Min) v = model_.Min;
    else if (v > model_.Max) v = model_.Max;
    Set(kBarValue, v);
    if (model_.Value != old) Fire(&ScrollbarEvents::Change);
}


void ucScrollbar::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (ports_.window) ports_.window->ShowWindow(v);
    Fire(v ? &ScrollbarEvents::Show : &ScrollbarEvents::Hide);
}

void ucScrollbar::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (width < 0 || height < 0) Raise(kInvalidPropertyValue);
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    // A real window relays out on the WM_SIZE the move sends it.
    if (ports_.window) {
        ports_.window->MoveWindow(left, top, width, height);
    } else {
        RelayoutBar();
    }
}

void ucScrollbar::RelayoutBar() {
    CalcGeometry();
    Repaint();
}

void ucScrollbar::CalcGeometry() {
    const Rect client = ports_.window ? ports_.window->GetClientRect() : Rect{0, 0, width_, height_};
    CalcButtonRects(layout_, model_, client.Width(), client.Height());
    PlaceThumb(true);
}

void ucScrollbar::PlaceThumb(bool resize) {
    if (resize) layout_.ThumbSize = GetThumbSize(layout_, model_);
    layout_.ThumbPos = GetThumbPos(layout_, model_);
    CalcTrackRects(layout_, model_);
}

void ucScrollbar::Repaint() {
    if (ports_.window) ports_.window->InvalidateRect(false);
}

void ucScrollbar::Fire(void (ScrollbarEvents::*event)()) {
    if (events_) (events_->*event)();
}

}  // namespace mirelo
