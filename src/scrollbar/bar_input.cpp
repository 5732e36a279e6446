// Mouse and timer handling of a bar: stepping with auto-repeat, paging, the
// thumb drag, and hot parts polled by timers.
#include "base/numeric.h"
#include "scrollbar/mouse_params.h"
#include "scrollbar/uc_scrollbar.h"

namespace mirelo {

namespace {
constexpr int32_t kPollInterval = 25;
}

int32_t ucScrollbar::AlongAxis(int32_t x, int32_t y) const { return model_.Orientation == 1 ? x : y; }

void ucScrollbar::SetBarTimer(int32_t id, int32_t interval) {
    if (ports_.timers) ports_.timers->SetTimer(hWnd(), id, interval);
}

void ucScrollbar::KillBarTimer(int32_t id) {
    if (ports_.timers) ports_.timers->KillTimer(hWnd(), id);
    input_.HoverPart = ScrollPart::None;
}

Point ucScrollbar::CursorClientPos() {
    if (!ports_.cursor) return Point{input_.X, input_.Y};
    return ports_.cursor->ScreenToClient(hWnd(), ports_.cursor->GetCursorPos());
}

bool ucScrollbar::StepValueDown(int32_t amount, bool force) {
    int64_t target = static_cast<int64_t>(model_.Value) - amount;
    if (target < model_.Min) target = model_.Min;
    return StepTo(target, force);
}

bool ucScrollbar::StepValueUp(int32_t amount, bool force) {
    int64_t target = static_cast<int64_t>(model_.Value) + amount;
    if (target > model_.Max) target = model_.Max;
    return StepTo(target, force);
}

bool ucScrollbar::StepTo(int64_t target, bool force) {
    // Only a negative step size read from a bag can leave the 32-bit range.
    if (target < INT32_MIN) target = INT32_MIN;
    if (target > INT32_MAX) target = INT32_MAX;
    const int32_t old = model_.Value;
    model_.Value = ToInt32(target);
    const bool changed = model_.Value != old;
    if (!changed && !force) return false;
    if (changed) {
        layout_.ThumbPos = GetThumbPos(layout_, model_);
        CalcTrackRects(layout_, model_);
    }
    Repaint();
    if (changed) Fire(&ScrollbarEvents::Change);
    return changed;
}

void ucScrollbar::BarMouseDown(int32_t wParam, int32_t lParam) {
    if (wParam == 0) return;
    input_.X = GetXParam(lParam);
    input_.Y = GetYParam(lParam);
    input_.PressedPart = BarHitTest(layout_, input_.X, input_.Y);
    switch (input_.PressedPart) {
        case ScrollPart::Button1:
            input_.Btn1Pressed = true;
            input_.Btn1Hot = false;
            StepValueDown(smallChange_, true);
            break;
        case ScrollPart::Button2:
            input_.Btn2Pressed = true;
            input_.Btn2Hot = false;
            StepValueUp(smallChange_, true);
            break;
        case ScrollPart::Track1:
            input_.Track1Pressed = true;
            StepValueDown(model_.LargeChange, false);
            break;
        case ScrollPart::Track2:
            input_.Track2Pressed = true;
            StepValueUp(model_.LargeChange, false);
            break;
        case ScrollPart::Thumb:
            input_.DragOffset = model_.Orientation == 1 ? layout_.ThumbRect.left - input_.X
                                                        : layout_.ThumbRect.top - input_.Y;
            input_.DragStartValue = model_.Value;
            input_.ThumbPressed = true;
            input_.ThumbHot = false;
            Repaint();
            return;
        case ScrollPart::None:
            return;
    }
    KillBarTimer(DelayTimer);
    SetBarTimer(DelayTimer, changeDelay_);
}

void ucScrollbar::BarTimer(int32_t id) {
    switch (id) {
        case DelayTimer:
            KillBarTimer(DelayTimer);
            SetBarTimer(RepeatTimer, changeFrequency_);
            break;
        case RepeatTimer:
            RepeatStep();
            break;
        case HotTimer: {
            const Point p = CursorClientPos();
            auto cool = [&](bool& hot, const Rect& r) {
                if (PtInRect(r, p.x, p.y)) return;
                hot = false;
                KillBarTimer(HotTimer);
                Repaint();
            };
            if (input_.Btn1Hot) {
                cool(input_.Btn1Hot, layout_.Btn1Rect);
            } else if (input_.Btn2Hot) {
                cool(input_.Btn2Hot, layout_.Btn2Rect);
            } else if (input_.ThumbHot) {
                cool(input_.ThumbHot, layout_.ThumbRect);
            }
            break;
        }
        case LeaveTimer: {
            // While a press lasts, leaving counts only after the release.
            const HWnd under = ports_.cursor ? ports_.cursor->WindowFromPoint(ports_.cursor->GetCursorPos()) : 0;
            if (under != hWnd() && input_.MouseInside && input_.PressedPart == ScrollPart::None) {
                input_.MouseInside = false;
                KillBarTimer(LeaveTimer);
                Repaint();
            }
            break;
        }
        default:
            break;
    }
}

void ucScrollbar::RepeatStep() {
    const int32_t x = input_.X, y = input_.Y;
    switch (input_.PressedPart) {
        case ScrollPart::Button1:
            // Off the button the repetition pauses; it stops only at the end.
            if (PtInRect(layout_.Btn1Rect, x, y) && !StepValueDown(smallChange_, false)) KillBarTimer(RepeatTimer);
            break;
        case ScrollPart::Button2:
            if (PtInRect(layout_.Btn2Rect, x, y) && !StepValueUp(smallChange_, false)) KillBarTimer(RepeatTimer);
            break;
        case ScrollPart::Track1:
            // Pages until the thumb reaches the pointer, and again when the
            // pointer moves on, without a new press.
            if (layout_.ThumbPos > AlongAxis(x, y)) {
                input_.Track1Pressed = true;
                StepValueDown(model_.LargeChange, false);
            } else {
                input_.Track1Pressed = false;
                Repaint();
            }
            break;
        case ScrollPart::Track2:
            if (layout_.ThumbPos + layout_.ThumbSize < AlongAxis(x, y)) {
                input_.Track2Pressed = true;
                StepValueUp(model_.LargeChange, false);
            } else {
                input_.Track2Pressed = false;
                Repaint();
            }
            break;
        default:
            break;
    }
}

void ucScrollbar::BarMouseMove(int32_t wParam, int32_t lParam) {
    input_.X = GetXParam(lParam);
    input_.Y = GetYParam(lParam);
    if (wParam == 0) {
        HoverAt();
        return;
    }
    switch (input_.PressedPart) {
        case ScrollPart::Button1: {
            const bool inside = PtInRect(layout_.Btn1Rect, input_.X, input_.Y);
            if (inside != input_.Btn1Pressed) {
                input_.Btn1Pressed = inside;
                Repaint();
            }
            break;
        }
        case ScrollPart::Button2: {
            const bool inside = PtInRect(layout_.Btn2Rect, input_.X, input_.Y);
            if (inside != input_.Btn2Pressed) {
                input_.Btn2Pressed = inside;
                Repaint();
            }
            break;
        }
        case ScrollPart::Thumb:
            DragThumb();
            break;
        default:
            break;
    }
}

void ucScrollbar::DragThumb() {
    const int32_t oldValue = model_.Value, oldPos = layout_.ThumbPos;
    if (PtInRect(layout_.DragLimitRect, input_.X, input_.Y)) {
        const int32_t start = layout_.TrackStart(model_.Orientation);
        const int32_t end = layout_.TrackEnd(model_.Orientation);
        int32_t pos = input_.DragOffset + AlongAxis(input_.X, input_.Y);
        if (pos < start) pos = start;
        if (pos + layout_.ThumbSize > end) pos = end - layout_.ThumbSize;
        layout_.ThumbPos = pos;
        model_.Value = GetValueFromThumb(layout_, model_);
    } else {
        // Too far off the bar: back to where the drag began until the pointer returns.
        model_.Value = input_.DragStartValue;
        layout_.ThumbPos = GetThumbPos(layout_, model_);
    }
    if (layout_.ThumbPos == oldPos) return;
    CalcTrackRects(layout_, model_);
    Repaint();
    if (model_.Value != oldValue) Fire(&ScrollbarEvents::Scroll);
}

void ucScrollbar::HoverAt() {
    input_.HoverPart = BarHitTest(layout_, input_.X, input_.Y);
    if (!input_.MouseInside) {
        input_.MouseInside = true;
        Repaint();
        KillBarTimer(LeaveTimer);  // also forgets the part: the entering move lights nothing
        SetBarTimer(LeaveTimer, kPollInterval);
    }
    switch (input_.HoverPart) {
        case ScrollPart::Button1:
            MakeHot(input_.Btn1Hot);
            break;
        case ScrollPart::Button2:
            MakeHot(input_.Btn2Hot);
            break;
        case ScrollPart::Thumb:
            MakeHot(input_.ThumbHot);
            break;
        default:
            break;
    }
}

void ucScrollbar::MakeHot(bool& flag) {
    if (flag) return;
    input_.Btn1Hot = input_.Btn2Hot = input_.ThumbHot = false;
    flag = true;
    Repaint();
    KillBarTimer(HotTimer);
    SetBarTimer(HotTimer, kPollInterval);
}

void ucScrollbar::StepOnce(ScrollPart part) {
    switch (part) {
        case ScrollPart::Button1: StepValueDown(smallChange_, false); break;
        case ScrollPart::Button2: StepValueUp(smallChange_, false); break;
        case ScrollPart::Track1: StepValueDown(model_.LargeChange, false); break;
        case ScrollPart::Track2: StepValueUp(model_.LargeChange, false); break;
        default: break;
    }
}

void ucScrollbar::BarMouseUp() {
    const bool pressed = input_.PressedPart != ScrollPart::None;
    KillBarTimer(HotTimer);
    KillBarTimer(DelayTimer);
    KillBarTimer(RepeatTimer);
    if (input_.PressedPart == ScrollPart::Thumb && model_.Value != input_.DragStartValue) {
        Fire(&ScrollbarEvents::Change);
    }
    input_.PressedPart = ScrollPart::None;
    input_.Btn1Pressed = input_.Btn2Pressed = input_.ThumbPressed = false;
    input_.Track1Pressed = input_.Track2Pressed = false;
    // After a drag the thumb settles on the position of the final value.
    layout_.ThumbPos = GetThumbPos(layout_, model_);
    CalcTrackRects(layout_, model_);
    Repaint();
    if (pressed) Fire(&ScrollbarEvents::EndScroll);
}

}  // namespace mirelo
