#pragma once
// Ports that answer like a real platform but draw nothing, for the programs
// that drive the core without a display: the benchmarks (which then measure
// what the core spends, not what a display would) and the fuzz targets (which
// then reach every path a real window reaches). Text is measured the way GDI
// does it, one advance width per code unit, so measuring a long text costs in
// proportion to its length, and the measurements are counted.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "base/error.h"
#include "listctl/mirelo_list.h"
#include "platform/cursor.h"
#include "platform/device_context.h"
#include "platform/gdi.h"
#include "platform/memdc.h"
#include "platform/picture_box.h"
#include "platform/resources.h"
#include "platform/site.h"
#include "platform/surface.h"
#include "platform/timers.h"

namespace mirelo::quiet {

class QuietMemDC : public MemDC {
public:
    bool CreateFromResource(const Text&) override { return true; }
};

// Counts live brushes so a caller can insist nothing leaked.
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
    explicit QuietSurface(int32_t w = 400, int32_t h = 300) : width(w), height(h) {}
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
    int32_t DrawText(std::u16string_view, const Rect&, uint32_t) override { return 12; }
    double TextWidth(std::u16string_view text) override {
        ++widthCalls;
        unitsMeasured += static_cast<long long>(text.size());
        // Latin narrow, everything else (CJK) a full em, as a 9-point SimSun gives.
        double w = 0;
        for (char16_t u : text) w += u < 0x100 ? 6 : 12;
        return w;
    }
    double TextHeight(std::u16string_view) override { return 12; }
    void Line(int32_t, int32_t, int32_t, int32_t, OleColor) override {}
    void Box(int32_t, int32_t, int32_t, int32_t, OleColor) override {}
    void Cls() override {}
    void Print(int32_t, int32_t, const Text&) override {}
    void DrawFocusRect(const Rect&) override {}
    void StretchBlt(int32_t, int32_t, int32_t, int32_t, MemDC&, int32_t, int32_t, int32_t, int32_t) override {}
    bool DrawIconImage(const uint8_t* bytes, size_t length, int32_t, int32_t, int32_t, int32_t) override {
        // Touch every byte handed over: a sanitizer then sees any read past the icon's data.
        volatile uint8_t sum = 0;
        for (size_t i = 0; i < length; ++i) sum = static_cast<uint8_t>(sum + bytes[i]);
        return true;
    }
    // The paint request a refresh stands for.
    void Refresh() override {
        if (onRefresh) onRefresh();
    }

    int32_t width, height;
    std::function<void()> onRefresh;
    long long widthCalls = 0;     // TextWidth calls so far
    long long unitsMeasured = 0;  // code units those calls measured

private:
    OleColor back_ = 0;
    FontDesc font_;
    int16_t pen_ = 1;
};

class QuietSite : public Site {
public:
    bool UserMode() override { return userMode; }
    Text DisplayName() override { return u"MireloList1"; }
    void PropertyChanged(int32_t) override {}
    bool userMode = true;
};

class QuietResources : public Resources {
public:
    std::vector<uint8_t> LoadCustom(const Text&, const Text&) override { return icon; }
    std::vector<uint8_t> icon;  // what every custom resource reads as
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

}  // namespace mirelo::quiet
