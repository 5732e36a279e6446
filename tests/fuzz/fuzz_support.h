#pragma once
// What every fuzz target shares: quiet platform ports, a property bag in
// memory, and the shapes of input hosts and users produce (texts with commas
// and digits, variants of every kind, pointer positions). A run-time error is
// the control refusing bad input, an expected outcome; anything else escaping
// (another exception, a sanitizer report, a crash) is a finding.
#include <fuzzer/FuzzedDataProvider.h>

#include <functional>
#include <map>
#include <memory>

#include "base/error.h"
#include "listctl/mirelo_list.h"
#include "platform/cursor.h"
#include "platform/device_context.h"
#include "platform/picture_box.h"

namespace mirelo::fuzz {

class QuietMemDC : public MemDC {
public:
    int32_t Width() const override { return w_; }
    void SetWidth(int32_t v) override { if (v > w_) w_ = v; }
    int32_t Height() const override { return h_; }
    void SetHeight(int32_t v) override { if (v > h_) h_ = v; }
    bool CreateFromResource(const Text&) override { SetWidth(39); SetHeight(17); return true; }

private:
    int32_t w_ = 0, h_ = 0;
};

// Counts live brushes so a target can insist nothing leaked.
class QuietGdi : public Gdi {
public:
    BrushHandle CreateSolidBrush(OleColor) override { ++live; return ++next_; }
    BrushHandle CreatePatternBrush(const uint8_t*) override { ++live; return ++next_; }
    void DeleteObject(BrushHandle) override { --live; }
    std::unique_ptr<MemDC> CreateMemDC() override { return std::make_unique<QuietMemDC>(); }
    int live = 0;

private:
    BrushHandle next_ = 100;
};

class QuietSurface : public Surface {
public:
    int32_t ScaleWidth() const override { return width; }
    int32_t ScaleHeight() const override { return height; }
    double HeightTwips() const override { return height * 15.0; }
    OleColor BackColor() const override { return back_; }
    void SetBackColor(OleColor c) override { back_ = c; }
    const FontDesc& Font() const override { return font_; }
    void SetFont(const FontDesc& f) override { font_ = f; }
    int16_t DrawWidth() const override { return pen_; }
    void SetDrawWidth(int16_t w) override {
        if (w < 1) Raise(kInvalidPropertyValue);
        pen_ = w;
    }
    intptr_t hWnd() const override { return 0x100; }
    int32_t FillRect(const Rect&, BrushHandle) override { return 1; }
    void SetTextColor(OleColor) override {}
    int32_t DrawText(const Text&, const Rect&, uint32_t) override { return 12; }
    double TextWidth(const Text& text) override {
        double w = 0;
        for (char16_t u : text) w += u < 0x100 ? 6 : 12;
        return w;
    }
    double TextHeight(const Text&) override { return 12; }
    void Line(int32_t, int32_t, int32_t, int32_t, OleColor) override {}
    void Box(int32_t, int32_t, int32_t, int32_t, OleColor) override {}
    void Cls() override {}
    void Print(int32_t, int32_t, const Text&) override {}
    void DrawFocusRect(const Rect&) override {}
    void StretchBlt(int32_t, int32_t, int32_t, int32_t, MemDC&, int32_t, int32_t, int32_t, int32_t) override {}
    bool DrawIconImage(const uint8_t* bytes, size_t length, int32_t, int32_t, int32_t, int32_t) override {
        // Touch every byte handed over: the sanitizer then sees any read past the icon's data.
        volatile uint8_t sum = 0;
        for (size_t i = 0; i < length; ++i) sum = static_cast<uint8_t>(sum + bytes[i]);
        return true;
    }
    // The paint request a refresh stands for.
    void Refresh() override {
        if (onRefresh) onRefresh();
    }
    int32_t width = 400, height = 300;
    std::function<void()> onRefresh;

private:
    OleColor back_ = 0;
    FontDesc font_;
    int16_t pen_ = 1;
};

class QuietSite : public Site {
public:
    bool UserMode() override { return userMode; }
    Text DisplayName() override { return u"MireloList1"; }
    void PropertyChanged(const Text&) override {}
    bool userMode = true;
};

class QuietResources : public Resources {
public:
    std::vector<uint8_t> LoadCustom(const Text&, const Text&) override { return icon; }
    std::vector<uint8_t> icon;
};

class QuietAbout : public AboutWindow {
public:
    bool IsShown() override { return false; }
    void Close() override {}
    void ShowModal() override {}
};

class QuietTimers : public Timers {
public:
    void SetTimer(HWnd, int32_t id, int32_t) override { pending[id] = true; }
    void KillTimer(HWnd, int32_t id) override { pending[id] = false; }
    std::map<int32_t, bool> pending;
};

class QuietBox : public PictureBox {
public:
    void MoveWindow(int32_t, int32_t, int32_t, int32_t) override {}
    void ShowWindow(bool) override {}
    void SetBackColor(OleColor) override {}
    void Cls() override {}
    bool CopyFromScreen(HWnd) override { return true; }
};

class QuietShapes : public CursorShapes {
public:
    CursorHandle GetCursor() override { return current_; }
    CursorHandle SetCursor(CursorHandle c) override { std::swap(c, current_); return c; }
    CursorHandle LoadCursorFromFile(const Text&) override { return ++next_; }
    CursorHandle LoadCursor(const Text&) override { return 5; }
    void DestroyCursor(CursorHandle) override {}

private:
    CursorHandle current_ = 1, next_ = 10;
};

class QuietDC : public DeviceContext {
public:
    void FillRect(const Rect&, BrushHandle) override {}
    void BitBlt(int32_t, int32_t, int32_t, int32_t, MemDC&, int32_t, int32_t) override {}
    void StretchBlt(int32_t, int32_t, int32_t, int32_t, MemDC&, int32_t, int32_t, int32_t, int32_t) override {}
    void TransparentBlt(int32_t, int32_t, int32_t, int32_t, MemDC&, int32_t, int32_t, OleColor) override {}
};

// A bag that answers from what it holds, else with the default.
class MapBag : public PropertyBag {
public:
    Variant ReadProperty(const Text& key, const Variant& def) override {
        auto it = values.find(key);
        return it == values.end() ? def : it->second;
    }
    void WriteProperty(const Text& key, const Variant& value, const Variant&) override { values[key] = value; }
    FontDesc ReadFont(const Text& key, const FontDesc& def) override {
        auto it = fonts.find(key);
        return it == fonts.end() ? def : it->second;
    }
    void WriteFont(const Text& key, const FontDesc& value) override { fonts[key] = value; }
    std::map<Text, Variant> values;
    std::map<Text, FontDesc> fonts;
};

// A list with every port a real window gives it.
struct Platform {
    QuietGdi gdi;
    QuietSurface surface;
    QuietSite site;
    QuietResources resources;
    QuietAbout about;
    QuietTimers timers;
    QuietBox splitter, picBack;
    QuietShapes shapes;

    std::unique_ptr<MireloList> NewList() {
        auto list = std::make_unique<MireloList>(
            ListPorts{surface, gdi, site, resources, about, nullptr, &timers, &splitter, &picBack, &shapes});
        surface.onRefresh = [l = list.get()] { l->OnPaint(); };
        return list;
    }
};

// Runs one host call; a run-time error is the control's answer to bad input.
template <class F>
void Call(F&& f) {
    try {
        f();
    } catch (const RuntimeError&) {
    }
}

// Code units that matter to the parsers: separators, digits, signs, exponent
// and hex markers, blanks, the sort markers, a surrogate half, anything else.
inline Text RandomText(FuzzedDataProvider& in, size_t maxLength = 40) {
    static const Text kInteresting =
        Text(u",,,0123456789-+.eE&Hh \t\u25B2\u25BCabcXYZ\u5B8B") + char16_t{0xD83D} + char16_t{0xDE00};
    const size_t n = in.ConsumeIntegralInRange<size_t>(0, maxLength);
    Text t;
    for (size_t i = 0; i < n && in.remaining_bytes() > 0; ++i) {
        const uint8_t b = in.ConsumeIntegral<uint8_t>();
        if (b < 200) t += kInteresting[b % kInteresting.size()];
        else if (b < 250) t += static_cast<char16_t>(in.ConsumeIntegral<uint16_t>());
        else t += u',';
    }
    return t;
}

// A variant of any kind the automation layer hands the control.
inline Variant RandomVariant(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange<int>(0, 7)) {
        case 0: return Variant::Missing();
        case 1: return Variant();
        case 2: return Variant(in.ConsumeIntegral<int16_t>());
        case 3: return Variant(in.ConsumeIntegral<int32_t>());
        case 4: return Variant(in.ConsumeFloatingPoint<double>());
        case 5: return Variant(in.ConsumeFloatingPointInRange<double>(-40000.0, 40000.0));
        case 6: return Variant::FromBool(in.ConsumeBool());
        default: return Variant(RandomText(in));
    }
}

// Mostly inside a 400 x 300 control, sometimes far outside it.
inline float RandomCoordinate(FuzzedDataProvider& in) {
    if (in.ConsumeIntegralInRange<int>(0, 15) == 0) return in.ConsumeFloatingPointInRange<float>(-1e6f, 1e6f);
    return static_cast<float>(in.ConsumeIntegralInRange<int>(-20, 420));
}

// A list of `rows` rows under the given columns ("#,a,b,...").
inline void Fill(MireloList& list, int rows, int columns) {
    for (int i = 0; i < rows; ++i) {
        Text title = FromUtf8(std::to_string(i));
        for (int c = 1; c <= columns; ++c) title += u"," + FromUtf8(std::to_string((i * 7 + c * 3) % 11));
        Text key = FromUtf8("k" + std::to_string(i % 5));
        Call([&] { list.AddItem(Variant(title), key, Variant::Missing(), Variant(static_cast<int16_t>(i))); });
    }
}

}  // namespace mirelo::fuzz
