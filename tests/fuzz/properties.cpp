// Stored property values of every key and kind: the list's 17 entries and the
// scroll bar's 10, read from a bag, then used (painting, layout, input) and
// saved again. A bag may hold anything under a key: a host wrote it, a user
// edited the form file, another version of the control saved it.
#include <cstdio>

#include "fuzz_support.h"

using namespace mirelo;
using namespace mirelo::fuzz;

namespace {

const char16_t* const kListKeys[] = {
    u"BackColor", u"CheckBox", u"ItemHeight", u"ItemBkColor1", u"ItemBkColor2", u"ItemSelBkColor",
    u"ItemNorTextColor", u"ItemSelTextColor", u"ItemPlyTextColor", u"ItemErrTextColor", u"HeaderBackColor",
    u"YnNeedNumCol", u"Border", u"BorderColor", u"BorderWidth", u"bSeleArrow"};  // and "Font"
const char16_t* const kBarKeys[] = {u"Enabled",     u"Min",         u"Max",
                                    u"Value",       u"SmallChange", u"LargeChange",
                                    u"ChangeDelay", u"ChangeFrequency", u"Orientation",
                                    u"ShowButtons"};

// Numbers near the edges the properties care about, or any variant at all.
Variant StoredValue(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: return Variant(in.ConsumeIntegralInRange<int32_t>(-3, 40));
        case 1: return Variant(in.ConsumeIntegralInRange<int16_t>(-3, 3));
        default: return RandomVariant(in);
    }
}

FontDesc StoredFont(FuzzedDataProvider& in) {
    FontDesc f;
    f.name = RandomText(in, 12);
    f.size = in.ConsumeFloatingPointInRange<double>(-100, 2000);
    f.weight = in.ConsumeIntegral<int16_t>();
    f.charset = in.ConsumeIntegral<int16_t>();
    f.italic = in.ConsumeBool();
    f.underline = in.ConsumeBool();
    f.strikethrough = in.ConsumeBool();
    return f;
}

// Stops the run naming every key whose value did not survive a save and load.
void ExpectSame(const MapBag& saved, const MapBag& again) {
    bool same = saved.fonts == again.fonts;
    for (const auto& [key, value] : saved.values) {
        auto it = again.values.find(key);
        if (it != again.values.end() && it->second == value) continue;
        std::fprintf(stderr, "saved %s: \"%s\", read back \"%s\"\n", ToUtf8(key).c_str(), ToUtf8(value.ToText()).c_str(),
                     it == again.values.end() ? "(none)" : ToUtf8(it->second.ToText()).c_str());
        same = false;
    }
    if (!same) __builtin_trap();
}

// A bar window that keeps what it is told.
class QuietWindow : public Window {
public:
    HWnd hWnd() const override { return 0x200; }
    bool IsWindowEnabled() const override { return enabled_; }
    void EnableWindow(bool e) override { enabled_ = e; }
    void ShowWindow(bool) override {}
    void MoveWindow(int32_t, int32_t, int32_t w, int32_t h) override { client_ = Rect{0, 0, w, h}; }
    Rect GetClientRect() const override { return client_; }
    void InvalidateRect(bool) override {}
    DeviceContext& BeginPaint() override { return dc_; }
    void EndPaint() override {}

private:
    bool enabled_ = true;
    Rect client_{0, 0, 17, 200};
    QuietDC dc_;
};

class QuietCursor : public Cursor {
public:
    Point GetCursorPos() override { return at; }
    Point ScreenToClient(HWnd, Point p) override { return p; }
    HWnd WindowFromPoint(Point) override { return under; }
    void mouse_event(uint32_t, int32_t, int32_t, int32_t, uint32_t) override {}
    Point at;
    HWnd under = 0x200;
};

void FuzzList(FuzzedDataProvider& in) {
    MapBag bag;
    for (const char16_t* key : kListKeys)
        if (in.ConsumeBool()) bag.values[key] = StoredValue(in);
    if (in.ConsumeBool()) bag.fonts[u"Font"] = StoredFont(in);

    Platform p;
    p.site.userMode = in.ConsumeBool();
    auto list = p.NewList();
    bool loaded = false;
    Call([&] { list->ReadProperties(bag), loaded = true; });
    Call([&] {
        list->AddItemA(Variant(int16_t{3}), Variant(u"#,a,b,c"), Variant(u"30,90,90,90"), Variant(u"0,0,1,2"));
    });
    Fill(*list, in.ConsumeIntegralInRange<int>(0, 30), 3);
    Call([&] { list->SetPlayIndex(1); });
    Call([&] { list->SetListIndex(2); });
    Call([&] { list->PaintAll(); });
    Call([&] { list->OnKeyDown(40, 0); });
    Call([&] { list->OnMouseWheel(-120); });
    for (int i = 0; i < 3 && in.remaining_bytes() > 0; ++i) {
        const float x = RandomCoordinate(in), y = RandomCoordinate(in);
        Call([&] { list->OnMouseDown(1, 0, x, y); });
        Call([&] { list->OnMouseMove(1, 0, x, y); });
        Call([&] { list->OnMouseUp(1, 0, x, y); });
        Call([&] { list->OnDblClick(); });
        Call([&] { (void)list->IndexFromPoint(Variant(x), Variant(y)); });
    }

    // What is saved reads back as itself. (A load that failed part way has
    // left members at their creation values, which need not be loadable.)
    MapBag saved, again;
    Call([&] { list->WriteProperties(saved); });
    auto copy = p.NewList();
    Call([&] { copy->ReadProperties(saved); });
    Call([&] { copy->WriteProperties(again); });
    if (loaded) ExpectSame(saved, again);
}

void FuzzBar(FuzzedDataProvider& in) {
    MapBag bag;
    for (const char16_t* key : kBarKeys)
        if (in.ConsumeBool()) bag.values[key] = StoredValue(in);

    QuietGdi gdi;
    QuietSite site;
    QuietWindow window;
    QuietTimers timers;
    QuietCursor cursor;
    QuietDC dc;
    {
        ucScrollbar bar(gdi);
        bar.AttachWindow(BarWindowPorts{&window, &timers, &cursor, nullptr});
        bool loaded = false;
        Call([&] { bar.ReadProperties(bag, site), loaded = true; });
        Call([&] { bar.Move(0, 0, in.ConsumeIntegralInRange<int32_t>(-1, 400), in.ConsumeIntegralInRange<int32_t>(-1, 400)); });
        for (int step = 0; step < 40 && in.remaining_bytes() > 0; ++step) {
            const auto x = in.ConsumeIntegralInRange<int16_t>(-30, 420), y = in.ConsumeIntegralInRange<int16_t>(-30, 420);
            const int32_t lParam = static_cast<int32_t>(static_cast<uint16_t>(x) | (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16));
            cursor.at = Point{x, y};
            switch (in.ConsumeIntegralInRange<int>(0, 7)) {
                case 0: Call([&] { bar.BarMouseDown(1, lParam); }); break;
                case 1: Call([&] { bar.BarMouseMove(in.ConsumeBool() ? 1 : 0, lParam); }); break;
                case 2: Call([&] { bar.BarMouseUp(); }); break;
                case 3:
                    for (auto& [id, on] : std::map<int32_t, bool>(timers.pending))
                        if (on) Call([&, id = id] { bar.BarTimer(id); });
                    break;
                case 4: Call([&] { bar.PaintBar(dc); }); break;
                case 5: Call([&] { bar.SetValue(in.ConsumeIntegral<int32_t>()); }); break;
                case 6: Call([&] { bar.KeyDown(in.ConsumeIntegral<int16_t>()); }); break;
                default: Call([&] { bar.RelayoutBar(); }); break;
            }
        }
        MapBag saved, again;
        bar.WriteProperties(saved);
        ucScrollbar copy(gdi);
        Call([&] { copy.ReadProperties(saved, site); });
        copy.WriteProperties(again);
        if (loaded) ExpectSame(saved, again);
    }
    if (gdi.live != 0) __builtin_trap();  // every brush the bars made is gone with them
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool()) FuzzList(in);
    else FuzzBar(in);
    return 0;
}
