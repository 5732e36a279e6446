// Mouse and timer handling of a bar: stepping with auto-repeat, paging, the
// thumb drag, and hot parts polled by timers.
#include <algorithm>

#include "base/numeric.h"
#include "scrollbar/mouse_params.h"
#include "scrollbar/uc_scrollbar.h"

namespace mirelo {

namespace {
constexpr int32_t kPollInterval = 25;  // ms between looks at the hot part and at the pointer leaving

bool IsButton(ScrollPart p) { return p == ScrollPart::Button1 || p == ScrollPart::Button2; }
bool IsTrack(ScrollPart p) { return p == ScrollPart::Track1 || p == ScrollPart::Track2; }
bool TowardsMin(ScrollPart p) { return p == ScrollPart::Button1 || p == ScrollPart::Track1; }
}  // namespace

int32_t ucScrollbar::AlongAxis(int32_t x, int32_t y) const { return model_.Orientation == 1 ? x : y; }

void ucScrollbar::SetBarTimer(int32_t id, int32_t interval) {
    if (ports_.timers) ports_.timers->SetTimer(hWnd(), id, interval);
}

void ucScrollbar::KillBarTimer(int32_t id) {
    if (ports_.timers) ports_.timers->KillTimer(hWnd(), id);
}

Point ucScrollbar::CursorClientPos() {
    if (!ports_.cursor) return Point{input_.X, input_.Y};
    return ports_.cursor->ScreenToClient(hWnd(), ports_.cursor->GetCursorPos());
}

// An arrow steps by SmallChange and a track piece by LargeChange, the parts
// on Button1's side towards Min.
bool ucScrollbar::StepValue(ScrollPart part, bool force) {
    if (!IsButton(part) && !IsTrack(part)) return false;
    const int32_t amount = IsButton(part) ? model_.SmallChange : model_.LargeChange;
    return TowardsMin(part) ? StepValueDown(amount, force) : StepValueUp(amount, force);
}

bool ucScrollbar::StepValueDown(int32_t amount, bool force) {
    return MoveValue(std::max<int64_t>(int64_t{model_.Value} - amount, model_.Min), force);
}

bool ucScrollbar::StepValueUp(int32_t amount, bool force) {
    return MoveValue(std::min<int64_t>(int64_t{model_.Value} + amount, model_.Max), force);
}

// With `force` the bar repaints even when the value stays; it returns whether
// the value changed.
bool ucScrollbar::MoveValue(int64_t target, bool force) {
    // Only a negative step size read from a bag can leave the 32-bit range.
    target = std::clamp<int64_t>(target, INT32_MIN, INT32_MAX);
    const int32_t old = model_.Value;
    model_.Value = ToInt32(target);
    const bool changed = model_.Value != old;
    if (!changed && !force) return false;
    if (changed) PlaceThumb(false);
    Repaint();
    if (changed) Fire(&ScrollbarEvents::Change);
    return changed;
}

void ucScrollbar::BarMouseDown(int32_t wParam, int32_t lParam) {
    if (wParam == 0) return;
    input_.X = GetXParam(lParam);
    input_.Y = GetYParam(lParam);
    input_.PressedPart = BarHitTest(layout_, input_.X, input_.Y);
    if (input_.PressedPart == ScrollPart::None) return;
    input_.PressedDown = true;
    if (input_.HotPart == input_.PressedPart) input_.HotPart = ScrollPart::None;
    if (input_.PressedPart == ScrollPart::Thumb) {
        input_.DragOffset = AlongAxis(layout_.ThumbRect.left, layout_.ThumbRect.top) - AlongAxis(input_.X, input_.Y);
        input_.DragStartValue = model_.Value;
        Repaint();
        return;
    }
    // A pressed arrow shows pressed even at the end of the range; a page does not.
    StepValue(input_.PressedPart, IsButton(input_.PressedPart));
    KillBarTimer(DelayTimer);
    SetBarTimer(DelayTimer, model_.ChangeDelay);
}

void ucScrollbar::BarTimer(int32_t id) {
    switch (id) {
        case DelayTimer:
            KillBarTimer(DelayTimer);
            SetBarTimer(RepeatTimer, model_.ChangeFrequency);
            break;
        case RepeatTimer:
            RepeatStep();
            break;
        case HotTimer: {
            const Point p = CursorClientPos();
            if (input_.HotPart == ScrollPart::None || PtInRect(layout_.PartRect(input_.HotPart), p.x, p.y)) break;
            input_.HotPart = ScrollPart::None;
            KillBarTimer(HotTimer);
            Repaint();
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
    const ScrollPart part = input_.PressedPart;
    if (IsButton(part)) {
        // Off the button the repetition pauses; it stops only at the end.
        if (PtInRect(layout_.PartRect(part), input_.X, input_.Y) && !StepValue(part, false))
            KillBarTimer(RepeatTimer);
    } else if (IsTrack(part)) {
        // Pages until the thumb reaches the pointer, and again when the
        // pointer moves on, without a new press.
        const int32_t at = AlongAxis(input_.X, input_.Y);
        input_.PressedDown = TowardsMin(part) ? layout_.ThumbPos > at : layout_.ThumbPos + layout_.ThumbSize < at;
        if (input_.PressedDown) StepValue(part, false);
        else Repaint();
    }
}

void ucScrollbar::BarMouseMove(int32_t wParam, int32_t lParam) {
    input_.X = GetXParam(lParam);
    input_.Y = GetYParam(lParam);
    if (wParam == 0) {
        HoverAt();
        return;
    }
    if (input_.PressedPart == ScrollPart::Thumb) {
        DragThumb();
    } else if (IsButton(input_.PressedPart)) {
        const bool inside = PtInRect(layout_.PartRect(input_.PressedPart), input_.X, input_.Y);
        if (inside == input_.PressedDown) return;
        input_.PressedDown = inside;
        Repaint();
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
    if (!input_.MouseInside) {
        // The entering move lights nothing; only the bar's look changes.
        input_.MouseInside = true;
        Repaint();
        KillBarTimer(LeaveTimer);
        SetBarTimer(LeaveTimer, kPollInterval);
        return;
    }
    const ScrollPart under = BarHitTest(layout_, input_.X, input_.Y);
    const bool lights = IsButton(under) || under == ScrollPart::Thumb;
    if (!lights || under == input_.HotPart) return;
    input_.HotPart = under;
    Repaint();
    KillBarTimer(HotTimer);
    SetBarTimer(HotTimer, kPollInterval);
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
    input_.PressedDown = false;
    // After a drag the thumb settles on the position of the final value.
    PlaceThumb(false);
    Repaint();
    if (pressed) Fire(&ScrollbarEvents::EndScroll);
}

}  // namespace mirelo
