// Scrolling: the list follows its scroll bar, the wheel and the deferred
// repaint after a column-border drag.
#include "listctl/mirelo_list.h"
#include "subclass/hook_table.h"

namespace mirelo {

void MireloList::ScrollHandling() {
    if (!ucBar->Visible()) return;
    AltPhase_ = static_cast<Bool16>(~AltPhase_);
    const int16_t oldTop = FirstIndex_;
    FirstIndex_ = ToInt16(static_cast<int64_t>(ucBar->Value()));
    PaintList();
    if (access_ && FirstIndex_ != oldTop) access_->ViewScrolled(oldTop, ucBar->Input().PressedPart != ScrollPart::None);
}

void MireloList::OnMouseWheel(int32_t wParam) {
    if (!ucBar->Visible()) return;
    const int32_t value = ucBar->Value();
    // A fifth of the rows the row area held at the last layout or row paint,
    // plus one (a border switched since shows at the next paint).
    const double step = Int(static_cast<double>(RowAreaHeight_) / look_.ItemHeight * 0.2 + 1);
    double target = wParam > 0 ? value - step : value + step;
    int32_t next = ToInt32(target);
    if (next < 0) next = 0;
    if (ucBar->Max() < next) next = ucBar->Max();
    if (next == value) return;
    ucBar->SetValue(next);
    // The bar's Change ran the scroll handling, which painted the list from
    // the new top row: painting it again would only draw the same pixels, at
    // the cost of a whole list under Wine. Only if the handling did not get
    // there is the paint left to do here.
    if (FirstIndex_ != ucBar->Value()) PaintList();
    if (events_) events_->Scroll();
}

void MireloList::SetTimer1(bool enabled) {
    if (ports_.timers == nullptr || surface_.hWnd() == 0) return;
    const HWnd hwnd = static_cast<HWnd>(surface_.hWnd());
    if (enabled) ports_.timers->SetTimer(hwnd, kTimer1Id, 10);
    else ports_.timers->KillTimer(hwnd, kTimer1Id);
}

void MireloList::OnTimer1() {
    SetTimer1(false);
    // Straight to PaintAll: this repaint must happen even while painting is suppressed.
    PaintAll();
}

void MireloList::HookOwnWindow() {
    const HWnd hwnd = static_cast<HWnd>(surface_.hWnd());
    if (ports_.hooks == nullptr || hwnd == 0) return;
    if (!hooks_) hooks_ = std::make_unique<HookTable>(*this, *ports_.hooks);
    if (hooks_->FindHookEntry(hwnd, false) >= 0) return;
    hooks_->HookWindow(hwnd);
    hooks_->AddHookMessage(hwnd, kWmMouseWheel, HookAfter);
}

void MireloList::WindowCreated() {
    // Containers make the window after the properties were read, when the
    // run-mode set-up found no window to hook.
    if (runModeReady_) HookOwnWindow();
}

void MireloList::WindowDestroying() { UnhookAll(); }

void MireloList::UnhookAll() {
    if (hooks_) hooks_->UnhookAll();
}

void MireloList::zSubclass_Proc(bool bBefore, Bool16& bHandled, int32_t& lReturn, int32_t& hWnd, int32_t& uMsg,
                                int32_t& wParam, int32_t& lParam) {
    (void)bBefore, (void)bHandled, (void)lReturn, (void)lParam;
    if (hWnd != static_cast<int32_t>(surface_.hWnd())) return;
    // Neither handled nor answered: the window's own handling of the wheel goes on.
    if (uMsg == kWmMouseWheel) OnMouseWheel(wParam);
}

}  // namespace mirelo
