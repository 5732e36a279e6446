#pragma once
// A MireloList on fake ports, with what it draws and the events it raises recorded.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "listctl/mirelo_list.h"

namespace mirelo::fake {

using Lines = std::vector<std::string>;

// Records every event as one line; optional hooks let a test act as the host.
class EventLog : public MireloListEvents {
public:
    void Click(int16_t& b, int16_t& s, float& x, float& y) override { Mouse("Click", b, s, x, y); }
    void DBClick(int16_t& b, int16_t& s, float& x, float& y) override { Mouse("DBClick", b, s, x, y); }
    void MouseDown(int16_t& b, int16_t& s, float& x, float& y) override { Mouse("MouseDown", b, s, x, y); }
    void MouseMove(int16_t& b, int16_t& s, float& x, float& y) override { Mouse("MouseMove", b, s, x, y); }
    void MouseUp(int16_t& b, int16_t& s, float& x, float& y) override { Mouse("MouseUp", b, s, x, y); }
    void ListIndexChanged(int16_t& o, int16_t& n, int16_t& f) override {
        Add("ListIndexChanged " + std::to_string(o) + " " + std::to_string(n) + " " + std::to_string(f));
        if (onListIndex) onListIndex(o, n, f);
    }
    void PlayIndexChanged(int16_t& o, int16_t& n, int16_t& f) override {
        Add("PlayIndexChanged " + std::to_string(o) + " " + std::to_string(n) + " " + std::to_string(f));
        if (onPlayIndex) onPlayIndex(o, n, f);
    }
    void Scroll() override { Add("Scroll"); }
    void Resize() override {
        Add("Resize");
        if (onResize) onResize();
    }

    std::function<void(int16_t&, int16_t&, int16_t&)> onListIndex, onPlayIndex;
    std::function<void()> onResize;
    std::vector<std::string>* sink = nullptr;

private:
    void Mouse(const char* name, int16_t b, int16_t s, float x, float y) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "%s %d %d %g %g", name, b, s, x, y);
        Add(buf);
    }
    void Add(const std::string& line) {
        if (sink) sink->push_back(line);
    }
};

class ListTest : public ::testing::Test {
protected:
    // A run-mode list of the given client size with the defaults of a new instance.
    void Make(int width = 400, int height = 300, bool userMode = true) {
        surface.width = width;
        surface.height = height;
        site.userMode = userMode;
        list = std::make_unique<MireloList>(ListPorts{surface, gdi, site, resources, about});
        events.sink = &log;
        list->SetEvents(&events);
    }
    void New(int width = 400, int height = 300, bool userMode = true) {
        Make(width, height, userMode);
        list->InitProperties();
        Reset();
    }
    void Reset() {
        log.clear();
        surface.ops.clear();
        site.changed.clear();
    }
    int32_t Add(const char* cells, const Variant& index = Variant::Missing(), const Variant& id = Variant::Missing(),
                const char* key = "") {
        Text k = FromUtf8(key);
        return list->AddItem(Variant(FromUtf8(cells)), k, index, id);
    }
    // Rows "r0", "r1", ... with cells "r<i>,c1_<i>,c2_<i>".
    void Fill(int rows, int columns = 3) {
        for (int i = 0; i < rows; ++i) {
            std::string cells = "r" + std::to_string(i);
            for (int c = 1; c < columns; ++c) cells += ",c" + std::to_string(c) + "_" + std::to_string(i);
            Add(cells.c_str());
        }
    }
    void Columns(const char* captions, const char* widths, const char* aligns, int count) {
        list->AddItemA(Variant(int16_t(count)), Variant(FromUtf8(captions)), Variant(FromUtf8(widths)),
                       Variant(FromUtf8(aligns)));
    }
    std::string Cell(int row, int col) const {
        return Utf8(list->item(static_cast<int16_t>(row), static_cast<int16_t>(col)));
    }
    // Column `c` of every row, comma-separated.
    std::string Column(int c) const {
        std::string s;
        for (int i = 0; i < list->ListCount(); ++i) s += (i ? "," : "") + Cell(i, c);
        return s;
    }
    // The widths of the first n slots; by default the defined columns and the slot after them.
    std::vector<int> Widths(int n = 0) const {
        std::vector<int> w;
        for (int c = 0; c < (n ? n : list->Columns().count + 1); ++c) w.push_back(list->Columns().widths.at(c));
        return w;
    }
    // What f draws, leaving the record as it was.
    template <class F>
    Lines Drawn(F&& f) {
        Lines drawn;
        drawn.swap(surface.ops);
        f();
        drawn.swap(surface.ops);
        return drawn;
    }
    // What `paint` draws now (PaintAll: a repaint from scratch).
    Lines Picture(void (MireloList::*paint)() = &MireloList::PaintAll) {
        return Drawn([&] { (*list.*paint)(); });
    }
    Lines Row(int i) {
        return Drawn([&] { list->PaintRow(static_cast<int16_t>(i)); });
    }
    // True when what was drawn so far ends with the picture `paint` draws now:
    // the control then shows its present state.
    bool EndsWithPicture(void (MireloList::*paint)() = &MireloList::PaintAll) {
        const Lines want = Picture(paint);
        const auto& ops = surface.ops;
        return !want.empty() && ops.size() >= want.size() &&
               std::equal(want.begin(), want.end(), ops.end() - static_cast<std::ptrdiff_t>(want.size()));
    }
    // How many times the whole present picture was drawn since the last Reset.
    size_t FullPaints() {
        const Lines want = Picture();
        size_t n = 0;
        for (auto at = surface.ops.begin(); !want.empty();) {
            at = std::search(at, surface.ops.end(), want.begin(), want.end());
            if (at == surface.ops.end()) break;
            ++n;
            at += static_cast<std::ptrdiff_t>(want.size());
        }
        return n;
    }
    // Whether the text was drawn (a cell, a caption) since the last Reset.
    bool Drew(const std::string& text) const {
        const std::string op = "text '" + text + "'";
        for (const auto& o : surface.ops)
            if (o.rfind(op, 0) == 0) return true;
        return false;
    }
    // The rows of Fill whose second cell was drawn, in the order drawn ("row 3").
    Lines RowsDrawn() const {
        Lines out;
        const std::string cell = "text 'c1_";
        for (const auto& o : surface.ops)
            if (o.rfind(cell, 0) == 0) out.push_back("row " + o.substr(cell.size(), o.find('\'', cell.size()) - cell.size()));
        return out;
    }
    // Whether any drawing so far shows the colour (as the surface records it, "#RRGGBB" of the value).
    bool Shows(OleColor c) const {
        char name[16];
        std::snprintf(name, sizeof name, "#%06X", static_cast<unsigned>(c));
        for (const auto& op : surface.ops)
            if (op.find(name) != std::string::npos) return true;
        return false;
    }

    FakeGdi gdi;
    RecordingSurface surface{&gdi};
    FakeSite site;
    FakeResources resources;
    FakeAbout about;
    EventLog events;
    std::vector<std::string> log;
    std::unique_ptr<MireloList> list;
};

}  // namespace mirelo::fake
