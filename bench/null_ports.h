#pragma once
// Ports that answer like a real platform but draw nothing, so a benchmark
// measures what the core spends and not what a display would. Text is measured
// the way GDI does it, one advance width per code unit, so measuring a long
// text costs in proportion to its length.
#include <memory>

#include "listctl/mirelo_list.h"
#include "platform/gdi.h"
#include "platform/memdc.h"
#include "platform/resources.h"
#include "platform/site.h"
#include "platform/surface.h"

namespace mirelo::bench {

class NullMemDC : public MemDC {
public:
    int32_t Width() const override { return w_; }
    void SetWidth(int32_t v) override { if (v > w_) w_ = v; }
    int32_t Height() const override { return h_; }
    void SetHeight(int32_t v) override { if (v > h_) h_ = v; }
    bool CreateFromResource(const Text&) override { w_ = 39; h_ = 13; return true; }

private:
    int32_t w_ = 0, h_ = 0;
};

class NullGdi : public Gdi {
public:
    BrushHandle CreateSolidBrush(OleColor) override { return ++next_; }
    BrushHandle CreatePatternBrush(const uint8_t*) override { return ++next_; }
    void DeleteObject(BrushHandle) override {}
    std::unique_ptr<MemDC> CreateMemDC() override { return std::make_unique<NullMemDC>(); }

private:
    BrushHandle next_ = 100;
};

class NullSurface : public Surface {
public:
    NullSurface(int32_t width, int32_t height) : width_(width), height_(height) {}
    int32_t ScaleWidth() const override { return width_; }
    int32_t ScaleHeight() const override { return height_; }
    double HeightTwips() const override { return height_ * 15.0; }
    OleColor BackColor() const override { return back_; }
    void SetBackColor(OleColor c) override { back_ = c; }
    const FontDesc& Font() const override { return font_; }
    void SetFont(const FontDesc& f) override { font_ = f; }
    int16_t DrawWidth() const override { return pen_; }
    void SetDrawWidth(int16_t w) override { pen_ = w; }
    intptr_t hWnd() const override { return 0; }

    int32_t FillRect(const Rect&, BrushHandle) override { return 1; }
    void SetTextColor(OleColor) override {}
    int32_t DrawText(const Text&, const Rect&, uint32_t) override { return 12; }
    double TextWidth(const Text& text) override {
        ++widthCalls;
        unitsMeasured += text.size();
        // Latin narrow, everything else (CJK) a full em, as a 9-point SimSun gives.
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
    bool DrawIconImage(const uint8_t*, size_t, int32_t, int32_t, int32_t, int32_t) override { return true; }
    void Refresh() override {}

    long long widthCalls = 0;     // TextWidth calls so far
    long long unitsMeasured = 0;  // code units those calls measured

private:
    int32_t width_, height_;
    OleColor back_ = 0;
    FontDesc font_;
    int16_t pen_ = 1;
};

class NullSite : public Site {
public:
    bool UserMode() override { return true; }
    Text DisplayName() override { return u"MireloList1"; }
    void PropertyChanged(const Text&) override {}
};

class NullResources : public Resources {
public:
    std::vector<uint8_t> LoadCustom(const Text&, const Text&) override { return {}; }
};

class NullAbout : public AboutWindow {
public:
    bool IsShown() override { return false; }
    void Close() override {}
    void ShowModal() override {}
};

// A run-mode list of a new instance on null ports.
class NullList {
public:
    explicit NullList(int32_t width = 400, int32_t height = 300) : surface(width, height) {
        list = std::make_unique<MireloList>(ListPorts{surface, gdi, site, resources, about});
        list->InitProperties();
    }
    void Columns(const char16_t* captions, const char16_t* widths, const char16_t* aligns, int16_t count) {
        list->AddItemA(Variant(count), Variant(captions), Variant(widths), Variant(aligns));
    }

    NullGdi gdi;
    NullSurface surface;
    NullSite site;
    NullResources resources;
    NullAbout about;
    std::unique_ptr<MireloList> list;
};

}  // namespace mirelo::bench
