#pragma once
// The library's own skinned scroll bar: an integer value inside a range, two
// arrow buttons, a track and a thumb, painted from bitmap skins and driven by
// the mouse through the message hook of its window. Setters clamp silently.
//
// It works with or without a real window: without one (design data, tests,
// a container that has not created it yet) the container's extender state is
// the whole truth and the client size follows Move at once.
#include <array>
#include <cstdint>
#include <memory>

#include "base/numeric.h"
#include "base/text.h"
#include "platform/cursor.h"
#include "platform/device_context.h"
#include "platform/gdi.h"
#include "platform/property_bag.h"
#include "platform/site.h"
#include "platform/timers.h"
#include "platform/window.h"
#include "platform/window_proc.h"
#include "scrollbar/bar_input_state.h"
#include "scrollbar/bar_property.h"
#include "scrollbar/bar_layout.h"
#include "subclass/hook_owner.h"

namespace mirelo {

class ScrollbarEvents {
public:
    virtual ~ScrollbarEvents() = default;
    virtual void Change() {}
    virtual void Scroll() {}
    virtual void Show() {}
    virtual void Hide() {}
    virtual void KeyDownOk(int16_t KeyCode) { (void)KeyCode; }
    // A press on the bar ended (the system's SB_ENDSCROLL): whatever it
    // scrolled, step by step or by the thumb, is over.
    virtual void EndScroll() {}
};

// The real window of a bar and the services that come with it. Any pointer
// may be null; a bar without a window keeps working on its own state.
struct BarWindowPorts {
    Window* window = nullptr;
    Timers* timers = nullptr;
    Cursor* cursor = nullptr;
    WindowProcPort* hooks = nullptr;
};

class HookTable;
class cScrollbarDraw;

class ucScrollbar : public HookOwner {
public:
    explicit ucScrollbar(Gdi& gdi);
    ~ucScrollbar() override;
    ucScrollbar(const ucScrollbar&) = delete;
    ucScrollbar& operator=(const ucScrollbar&) = delete;

    void SetEvents(ScrollbarEvents* sink) { events_ = sink; }
    // A window attached before ReadProperties is hooked there; one attached
    // later is hooked here, if the container (asked again) runs in user mode.
    // Attaching another window, or none, first unhooks the one before.
    void AttachWindow(const BarWindowPorts& ports);

    // Properties. Setters clamp; what a change shows is in the property's row
    // (bar_property_table.cpp).
    bool Enabled() const;
    void SetEnabled(bool v) { Set(kBarEnabled, v); }
    int32_t Min() const { return model_.Min; }
    void SetMin(int32_t v);
    int32_t Max() const { return model_.Max; }
    void SetMax(int32_t v);
    int32_t Value() const { return model_.Value; }
    void SetValue(int32_t v);
    int32_t SmallChange() const { return model_.SmallChange; }
    void SetSmallChange(int32_t v) { Set(kBarSmallChange, v <= 0 ? 1 : v); }
    int32_t LargeChange() const { return model_.LargeChange; }
    void SetLargeChange(int32_t v) { Set(kBarLargeChange, v <= 0 ? 1 : v); }
    int32_t ChangeDelay() const { return model_.ChangeDelay; }
    void SetChangeDelay(int32_t v) { Set(kBarChangeDelay, v < 0 ? 0 : v); }
    int32_t ChangeFrequency() const { return model_.ChangeFrequency; }
    void SetChangeFrequency(int32_t v) { Set(kBarChangeFrequency, v < 25 ? 25 : v); }
    int32_t Orientation() const { return model_.Orientation; }
    void SetOrientation(int32_t v) { Set(kBarOrientation, v < 0 ? 0 : (v > 1 ? 1 : v)); }
    bool ShowButtons() const { return model_.ShowButtons; }
    void SetShowButtons(bool v) { Set(kBarShowButtons, v); }
    HWnd hWnd() const;

    // Methods.
    void Refresh() { Repaint(); }
    void zSubclass_Proc(bool bBefore, Bool16& bHandled, int32_t& lReturn, int32_t& lhWnd, int32_t& uMsg,
                        int32_t& wParam, int32_t& lParam) override;

    // Life cycle: a new instance, or one loaded from / saved to a bag; one row
    // per saved property (bar_property_table.cpp).
    static const std::array<BarProperty, kBarPropertyCount> kProperties;
    void InitProperties();
    void ReadProperties(PropertyBag& bag, Site& site);
    void WriteProperties(PropertyBag& bag);

    // Extender state kept by the container, in the parent's client pixels.
    bool Visible() const { return visible_; }
    void SetVisible(bool v);  // Show or Hide when it changes
    int32_t Left() const { return left_; }
    int32_t Top() const { return top_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    // Negative sizes fail with error 380 and change nothing.
    void Move(int32_t left, int32_t top, int32_t width, int32_t height);
    const Text& Tag() const { return tag_; }
    void SetTag(const Text& t) { tag_ = t; }

    // Notifications of the form runtime. In run mode the hook does the
    // resizing and painting.
    void KeyDown(int16_t keyCode) { if (events_) events_->KeyDownOk(keyCode); }
    void ContainerResize() { if (!userMode_) RelayoutBar(); }
    void ContainerPaint(DeviceContext& dc) { if (!userMode_) PaintBar(dc); }

    // Painting and input; the hook calls these in run mode.
    void PaintBar(DeviceContext& dc);
    void BarMouseDown(int32_t wParam, int32_t lParam);
    void BarMouseMove(int32_t wParam, int32_t lParam);
    void BarMouseUp();
    void BarTimer(int32_t id);
    void RelayoutBar();
    // The one step a press on an arrow or a page area starts with, without
    // the press: for assistive technology. The thumb and None do nothing.
    void StepOnce(ScrollPart part) { StepValue(part, false); }

    // State shared with painting and tests.
    const BarLayout& Layout() const { return layout_; }
    const BarInputState& Input() const { return input_; }
    int64_t ValueRange() const { return model_.ValueRange(); }
    BrushHandle FillBrush() const { return fillBrush_; }

private:
    int32_t Stored(const BarProperty& p) const;
    void Store(const BarProperty& p, int32_t v);  // as given: no clamping, nothing repainted
    void Set(BarKey key, int32_t v);              // store, then show the change as its row says
    void Repaint();
    void HookOwnWindow();  // run mode only
    // The thumb's place (and with `resize` its length) and the track pieces
    // for the value model as it stands; nothing repainted.
    void PlaceThumb(bool resize);
    void CalcGeometry();  // the buttons from the client size, then PlaceThumb
    bool StepValue(ScrollPart part, bool force);  // an arrow's or a page's step
    bool StepValueDown(int32_t amount, bool force);  // towards Min, not past it
    bool StepValueUp(int32_t amount, bool force);    // towards Max, not past it
    bool MoveValue(int64_t target, bool force);
    void SetBarTimer(int32_t id, int32_t interval);
    void KillBarTimer(int32_t id);
    Point CursorClientPos();
    int32_t AlongAxis(int32_t x, int32_t y) const;
    void RepeatStep();
    void DragThumb();
    void HoverAt();
    void Fire(void (ScrollbarEvents::*event)());

    Gdi& gdi_;
    ScrollbarEvents* events_ = nullptr;
    BarWindowPorts ports_;
    std::unique_ptr<HookTable> hooks_;
    std::unique_ptr<cScrollbarDraw> drawer_;  // made at the first paint
    BrushHandle fillBrush_ = 0;

    BarModel model_;
    bool enabled_ = true;  // the window's enabled state while there is no window
    bool userMode_ = false;
    Site* site_ = nullptr;  // the container the properties came from; it outlives the bar
    BarLayout layout_;
    BarInputState input_;

    bool visible_ = true;
    int32_t left_ = 0, top_ = 0, width_ = 17, height_ = 0;
    Text tag_;
};

}  // namespace mirelo
