#pragma once
// Fakes around a scroll bar: a window that counts repaint requests, a manual
// clock driving window timers, a pointer the test places, a drawing context
// that records every skin copy, and an event log.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "platform/cursor.h"
#include "platform/device_context.h"
#include "platform/timers.h"
#include "platform/window.h"
#include "scrollbar/uc_scrollbar.h"

namespace mirelo::barfake {

using fake::FakeGdi;
using fake::FakeMemDC;
using fake::FakeSite;
using fake::MemoryBag;
using fake::RectText;
using fake::Utf8;

class RecordingDC : public DeviceContext {
public:
    void FillRect(const Rect& r, BrushHandle brush) override {
        ops.push_back("fill " + RectText(r) + " brush " + std::to_string(brush));
    }
    void BitBlt(int32_t xd, int32_t yd, int32_t w, int32_t h, MemDC& src, int32_t xs, int32_t ys) override {
        ops.push_back(Op("copy", src, xs, ys, w, h) + " -> " + Pt(xd, yd));
    }
    void StretchBlt(int32_t xd, int32_t yd, int32_t wd, int32_t hd, MemDC& src, int32_t xs, int32_t ys, int32_t ws,
                    int32_t hs) override {
        ops.push_back(Op("stretch", src, xs, ys, ws, hs) + " -> " + Pt(xd, yd) + " " + std::to_string(wd) + "x" +
                      std::to_string(hd));
    }
    void TransparentBlt(int32_t xd, int32_t yd, int32_t w, int32_t h, MemDC& src, int32_t xs, int32_t ys,
                        OleColor key) override {
        ops.push_back(Op("keyed", src, xs, ys, w, h) + " -> " + Pt(xd, yd) + (key == kMagenta ? "" : " badkey"));
    }
    std::vector<std::string> ops;

private:
    static std::string Pt(int32_t x, int32_t y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }
    static std::string Op(const char* what, MemDC& src, int32_t x, int32_t y, int32_t w, int32_t h) {
        auto* m = dynamic_cast<FakeMemDC*>(&src);
        return std::string(what) + " " + (m ? Utf8(m->loaded) : "?") + " " + Pt(x, y) + " " + std::to_string(w) +
               "x" + std::to_string(h);
    }
};

class FakeBarWindow : public Window {
public:
    HWnd hWnd() const override { return hwnd; }
    bool IsWindowEnabled() const override { return enabled; }
    void EnableWindow(bool e) override { enabled = e; }
    void ShowWindow(bool s) override { shown = s; }
    void MoveWindow(int32_t l, int32_t t, int32_t w, int32_t h) override {
        placed = Rect{l, t, l + w, t + h};
        client = Rect{0, 0, w, h};
        if (onMove) onMove();
    }
    Rect GetClientRect() const override { return client; }
    void InvalidateRect(bool erase) override {
        ++invalidations;
        if (erase) ++erasing;
    }
    DeviceContext& BeginPaint() override {
        ++paints;
        dc.ops.clear();
        return dc;
    }
    void EndPaint() override { ++endPaints; }

    HWnd hwnd = 0x1234;
    bool enabled = true, shown = true;
    Rect placed, client{0, 0, 17, 200};
    int invalidations = 0, erasing = 0, paints = 0, endPaints = 0;
    RecordingDC dc;
    std::function<void()> onMove;
};

// Window timers on a clock that only the test advances. Due ticks are
// delivered in time order through `deliver`.
class ManualTimers : public Timers {
public:
    void SetTimer(HWnd h, int32_t id, int32_t interval) override {
        const int32_t period = interval < 10 ? 10 : interval;  // the platform's floor
        running[id] = Timer{h, period, now + period};
        log.push_back("set " + std::to_string(id) + " " + std::to_string(interval));
    }
    void KillTimer(HWnd, int32_t id) override {
        running.erase(id);
        log.push_back("kill " + std::to_string(id));
    }
    void Advance(int64_t ms) {
        const int64_t until = now + ms;
        for (;;) {
            auto next = running.end();
            for (auto it = running.begin(); it != running.end(); ++it) {
                if (it->second.due <= until && (next == running.end() || it->second.due < next->second.due)) next = it;
            }
            if (next == running.end()) break;
            now = next->second.due;
            next->second.due += next->second.period;
            const int32_t id = next->first;
            if (deliver) deliver(id);
        }
        now = until;
    }
    bool IsRunning(int32_t id) const { return running.count(id) != 0; }

    struct Timer {
        HWnd hWnd;
        int32_t period;
        int64_t due;
    };
    std::map<int32_t, Timer> running;
    std::vector<std::string> log;
    std::function<void(int32_t)> deliver;
    int64_t now = 0;
};

class FakeCursor : public Cursor {
public:
    Point GetCursorPos() override { return screen; }
    Point ScreenToClient(HWnd, Point p) override { return Point{p.x - origin.x, p.y - origin.y}; }
    HWnd WindowFromPoint(Point) override { return under; }
    void mouse_event(uint32_t flags, int32_t, int32_t, int32_t, uint32_t) override { injected.push_back(flags); }
    Point screen, origin{100, 100};
    HWnd under = 0;
    std::vector<uint32_t> injected;
};

class EventLog : public ScrollbarEvents {
public:
    void Change() override { events.push_back("Change"); }
    void Scroll() override { events.push_back("Scroll"); }
    void Show() override { events.push_back("Show"); }
    void Hide() override { events.push_back("Hide"); }
    void KeyDownOk(int16_t k) override { events.push_back("KeyDownOk " + std::to_string(k)); }
    std::vector<std::string> events;
};

// A bar with a window 17 x 200 and fakes for every port, loaded from an
// empty bag in run mode; without hooks the test calls the handlers itself.
struct BarRig {
    FakeGdi gdi;
    FakeBarWindow window;
    ManualTimers timers;
    FakeCursor cursor;
    EventLog log;
    ucScrollbar bar{gdi};

    explicit BarRig(Rect client = Rect{0, 0, 17, 200}, WindowProcPort* hooks = nullptr) {
        window.client = client;
        bar.AttachWindow(BarWindowPorts{&window, &timers, &cursor, hooks});
        bar.SetEvents(&log);
        timers.deliver = [this](int32_t id) { bar.BarTimer(id); };
        MemoryBag empty;
        FakeSite site;
        bar.ReadProperties(empty, site);
    }
};

// lParam of a mouse message at client (x, y).
inline int32_t MouseLParam(int32_t x, int32_t y) {
    const uint32_t packed = (static_cast<uint32_t>(y) << 16) | (static_cast<uint32_t>(x) & 0xFFFFu);
    return static_cast<int32_t>(packed);
}

constexpr int32_t MK_LBUTTON_ = 1, MK_SHIFT_ = 4;

}  // namespace mirelo::barfake
