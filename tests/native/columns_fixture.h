#pragma once
// A list with the column gestures' ports: the border marker, the still
// picture, pointer shapes and a manual clock for the deferred repaint.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/list_fixture.h"
#include "platform/cursor.h"
#include "platform/picture_box.h"
#include "scrollbar_fakes.h"

namespace mirelo::fake {

class FakeBox : public PictureBox {
public:
    void MoveWindow(int32_t l, int32_t t, int32_t w, int32_t h) override {
        log.push_back("move " + std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(w) + "," +
                      std::to_string(h));
    }
    void ShowWindow(bool show) override {
        shown = show;
        log.push_back(show ? "show" : "hide");
    }
    void SetBackColor(OleColor rgb) override {
        char b[16];
        std::snprintf(b, sizeof b, "back #%06X", static_cast<unsigned>(rgb));
        log.push_back(b);
    }
    void Cls() override { log.push_back("cls"); }
    bool CopyFromScreen(HWnd window) override {
        log.push_back("copy " + std::to_string(window));
        return copyWorks;
    }
    bool shown = false;
    bool copyWorks = true;
    std::vector<std::string> log;
};

// Cursor files exist by name; each load of a file makes a new handle that
// stays alive until destroyed. Built-in resources are shared handles.
class FakeShapes : public CursorShapes {
public:
    CursorHandle GetCursor() override { return current; }
    CursorHandle SetCursor(CursorHandle c) override {
        CursorHandle before = current;
        current = c;
        shown.push_back(NameOf(c));
        return before;
    }
    CursorHandle LoadCursorFromFile(const Text& file) override {
        if (!files.count(Utf8(file))) return 0;
        CursorHandle h = next++;
        live[h] = Utf8(file);
        ++loads;
        return h;
    }
    CursorHandle LoadCursor(const Text& name) override {
        const std::string n = Utf8(name);
        if (!resources.count(n)) return 0;
        for (auto& [h, s] : builtIn)
            if (s == n) return h;
        CursorHandle h = next++;
        builtIn[h] = n;
        return h;
    }
    void DestroyCursor(CursorHandle c) override {
        if (!live.erase(c)) destroyedUnknown = true;
        if (c == current) destroyedWhileShown = true;
    }
    std::string NameOf(CursorHandle c) const {
        if (c == kArrow) return "arrow";
        if (live.count(c)) return live.at(c);
        if (builtIn.count(c)) return "res:" + builtIn.at(c);
        return "?" + std::to_string(c);
    }

    static constexpr CursorHandle kArrow = 1;
    CursorHandle current = kArrow;
    CursorHandle next = 10;
    std::set<std::string> files{"movehead.cur", "not.cur", "SizeWE.cur", "unmovehead.cur"};
    std::set<std::string> resources{"MOVEHEAD", "NOTALLOWED", "SIZEWE", "UNMOVEHEAD"};
    std::map<CursorHandle, std::string> live, builtIn;
    std::vector<std::string> shown;
    int loads = 0;
    bool destroyedUnknown = false, destroyedWhileShown = false;
};

class ColumnsTest : public ListTest {
protected:
    static constexpr float kBandY = 8;  // inside the header band (pen 1, rows 16 high)

    ~ColumnsTest() override { list.reset(); }  // it still talks to the ports below

    // A run-mode list with a window, all gesture ports and the defaults of a
    // new instance (border on, pen 1, rows 16 high, row numbers on).
    void NewWithGestures(int width, int height = 300) {
        surface.width = width;
        surface.height = height;
        surface.hwnd = 0x100;
        list = std::make_unique<MireloList>(
            ListPorts{surface, gdi, site, resources, about, nullptr, &timers, &splitter, &picBack, &shapes});
        events.sink = &log;
        list->SetEvents(&events);
        timers.deliver = [this](int32_t id) {
            if (id == kTimer1Id) list->OnTimer1();
        };
        list->InitProperties();
        Reset();
    }
    void ResetAll() {
        Reset();
        splitter.log.clear();
        picBack.log.clear();
        shapes.shown.clear();
        shapes.loads = 0;
        timers.log.clear();
    }

    // Gestures, with positions in the control's client pixels.
    void Move(float x, float y = kBandY, int16_t button = 0) { list->OnMouseMove(button, 0, x, y); }
    void Down(float x, float y = kBandY, int16_t button = 1) { list->OnMouseDown(button, 0, x, y); }
    void Up(float x, float y = kBandY, int16_t button = 1) { list->OnMouseUp(button, 0, x, y); }
    void Click(float x) {
        Down(x);
        Up(x);
    }
    // The marker's window reports twips from its own left edge, which moves.
    float Twips(float clientX) const { return (clientX - list->Header().Splitter().Left()) * 15.0f; }
    void SplitterDown(float clientX, int16_t button = 1) { list->Header().Splitter_MouseDown(button, 0, Twips(clientX), 30); }
    void SplitterMove(float clientX) { list->Header().Splitter_MouseMove(1, 0, Twips(clientX), 30); }
    void SplitterUp(float clientX, int16_t button = 1) { list->Header().Splitter_MouseUp(button, 0, Twips(clientX), 30); }

    // Hovers the gap at gapX, presses the marker `offset` pixels inside its
    // left edge, moves by `distance` in two steps and releases there.
    void DragBorder(float gapX, float offset, float distance) {
        Move(gapX);
        const float start = list->Header().Splitter().Left() + offset;
        SplitterDown(start);
        SplitterMove(start + distance / 2);
        SplitterMove(start + distance);
        SplitterUp(start + distance);
    }

    std::string Captions() const {
        std::string s;
        for (int c = 0; c <= list->Columns().count; ++c) s += (c ? "|" : "") + Utf8(list->Columns().captions.at(c));
        return s;
    }
    // Surface operations that paint inside the header band.
    Lines HeaderOps() const {
        Lines out;
        for (const auto& op : surface.ops)
            if (op.rfind("fill", 0) == 0 || op.rfind("text", 0) == 0 || op.rfind("textcolor", 0) == 0)
                out.push_back(op);
        return out;
    }

    barfake::ManualTimers timers;
    FakeBox splitter, picBack;
    FakeShapes shapes;
};

}  // namespace mirelo::fake
