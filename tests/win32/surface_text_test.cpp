// The surface draws plain single-line cell texts itself instead of through
// DrawTextW, and one-pixel lines along an axis as filled rectangles; every
// pixel and answer must stay what DrawTextW and a pen give, for every
// alignment, clipping, a text that DrawTextW treats apart, a font changed
// between measuring and drawing, and lines in every direction. A cell is a
// part of its row's storage: what follows it is never drawn or written.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "test_container.h"
#include "win32/gdi_font.h"
#include "win32/gdi_surface.h"

namespace mirelo::win32 {
namespace {

constexpr int kW = 160, kH = 24;
constexpr COLORREF kInk = RGB(10, 20, 200);

// A 32-bit bitmap where GDI draws what the surface should have drawn.
using Reference = mltest::PixelBuffer;

void Clear(HDC dc) {
    RECT all{0, 0, kW, kH};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// DrawTextW on a bitmap prepared as the surface prepares its own.
int DrawReference(Reference& ref, const FontDesc& font, const std::u16string& text, RECT rc, UINT format) {
    Clear(ref.dc());
    HFONT f = CreateGdiFont(font);
    HGDIOBJ old = SelectObject(ref.dc(), f);
    SetBkMode(ref.dc(), TRANSPARENT);
    SetTextColor(ref.dc(), kInk);
    // DT_MODIFYSTRING changes no pixel; here it would write into `text`.
    std::u16string copy = text;
    copy.reserve(text.size() + 5);
    const int answer =
        DrawTextW(ref.dc(), reinterpret_cast<wchar_t*>(copy.data()), static_cast<int>(text.size()), &rc, format);
    SelectObject(ref.dc(), old);
    DeleteObject(f);
    return answer;
}

// The first pixel where the two differ, or "" when none does.
std::string FirstDifference(HDC a, HDC b) {
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (GetPixel(a, x, y) != GetPixel(b, x, y)) return std::to_string(x) + "," + std::to_string(y);
    return "";
}

struct Case {
    const char* name;
    std::u16string text;
    RECT rect;
    UINT format;
};

TEST(SurfaceText, DrawsEveryCellTextAsDrawTextDoes) {
    const RECT roomy{4, 2, 150, 20}, narrow{30, 2, 60, 20}, empty{50, 2, 50, 20};
    const std::vector<Case> cases = {
        {"left", u"Charlie 42", roomy, 0},
        {"centre", u"Charlie 42", roomy, DT_CENTER},
        {"right", u"Charlie 42", roomy, DT_RIGHT},
        {"centre and right", u"Charlie 42", roomy, DT_CENTER | DT_RIGHT},
        {"odd centring", u"ab", RECT{3, 2, 20, 20}, DT_CENTER},
        {"clipped left", u"Foxtrot Foxtrot", narrow, 0},
        {"clipped centre", u"Foxtrot Foxtrot", narrow, DT_CENTER},
        {"clipped right", u"Foxtrot Foxtrot", narrow, DT_RIGHT},
        {"no room", u"Echo", empty, DT_CENTER},
        {"empty", u"", roomy, DT_RIGHT},
        {"dots", u"...", roomy, 0},
        {"Chinese", u"\u4E2D\u6587\u6B4C\u66F2", roomy, DT_CENTER},
        {"prefix", u"Rock & Roll", roomy, 0},
        {"line break", u"one\r\ntwo", roomy, 0},
        {"tab", u"a\tb", roomy, DT_RIGHT},
        {"vertical centre", u"Delta", roomy, DT_VCENTER | DT_SINGLELINE},
        {"other bits", u"Delta", roomy, DT_NOPREFIX | DT_RIGHT},
        {"bottom", u"Delta", roomy, DT_BOTTOM | DT_SINGLELINE},
        {"host's ellipsis", u"Foxtrot Foxtrot", narrow, DT_END_ELLIPSIS | DT_MODIFYSTRING},
    };
    GdiSurface surface;
    surface.SetOffscreenSize(kW, kH);
    Reference ref(kW, kH);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Clear(surface.Dc());
        surface.SetTextColor(kInk);
        // The cell as the row holds it: followed by the next cell's units.
        const std::u16string row = c.text + u"&\r\nGolf";
        const std::u16string_view cell = std::u16string_view(row).substr(0, c.text.size());
        // The cell painter measures a text before drawing it.
        surface.TextWidth(cell);
        const int ours = surface.DrawText(cell, Rect{c.rect.left, c.rect.top, c.rect.right, c.rect.bottom}, c.format);
        const int theirs = DrawReference(ref, surface.Font(), c.text, c.rect, c.format);
        EXPECT_EQ(ours, theirs);
        EXPECT_EQ(FirstDifference(surface.Dc(), ref.dc()), "");
        EXPECT_EQ(row, c.text + u"&\r\nGolf");
    }
}

TEST(SurfaceText, AWidthMeasuredBeforeAFontChangeIsNotReused) {
    GdiSurface surface;
    surface.SetOffscreenSize(kW, kH);
    Reference ref(kW, kH);
    const std::u16string text = u"Wide text";
    const RECT rc{0, 0, kW, kH};
    surface.TextWidth(text);
    const double smallLine = surface.TextHeight(u"");
    FontDesc big = surface.Font();
    big.size = 14;
    surface.SetFont(big);
    // Nor the line height (an empty text's height).
    EXPECT_GT(surface.TextHeight(u""), smallLine);
    EXPECT_EQ(surface.TextHeight(u""), surface.TextHeight(text));
    Clear(surface.Dc());
    surface.SetTextColor(kInk);
    surface.DrawText(text, Rect{rc.left, rc.top, rc.right, rc.bottom}, DT_RIGHT);
    DrawReference(ref, big, text, rc, DT_RIGHT);
    EXPECT_EQ(FirstDifference(surface.Dc(), ref.dc()), "");

    // Nor the width of another text measured last.
    surface.TextWidth(u"x");
    Clear(surface.Dc());
    surface.DrawText(text, Rect{rc.left, rc.top, rc.right, rc.bottom}, DT_CENTER);
    DrawReference(ref, big, text, rc, DT_CENTER);
    EXPECT_EQ(FirstDifference(surface.Dc(), ref.dc()), "");
}

TEST(SurfaceLines, OnePixelLinesCoverWhatAPenDraws) {
    struct Line {
        const char* name;
        int x1, y1, x2, y2;
        int16_t width;
    };
    const std::vector<Line> lines = {
        {"down", 10, 2, 10, 20, 1},      {"up", 12, 20, 12, 2, 1},        {"right", 3, 5, 150, 5, 1},
        {"left", 150, 7, 3, 7, 1},       {"one point", 40, 9, 40, 9, 1},  {"past the edges", -5, 22, 170, 22, 1},
        {"diagonal", 20, 2, 40, 20, 1},  {"wide pen", 60, 2, 60, 20, 3},  {"wide across", 5, 12, 90, 12, 2},
    };
    constexpr COLORREF kLine = RGB(128, 128, 129);
    GdiSurface surface;
    surface.SetOffscreenSize(kW, kH);
    Reference ref(kW, kH);
    for (const Line& l : lines) {
        SCOPED_TRACE(l.name);
        surface.SetDrawWidth(l.width);
        Clear(surface.Dc());
        surface.Line(l.x1, l.y1, l.x2, l.y2, kLine);
        // What a pen of that width draws from the first point to the last,
        // the last included.
        Clear(ref.dc());
        HPEN pen = CreatePen(PS_SOLID, l.width, kLine);
        HGDIOBJ old = SelectObject(ref.dc(), pen);
        MoveToEx(ref.dc(), l.x1, l.y1, nullptr);
        LineTo(ref.dc(), l.x2, l.y2);
        if (l.width == 1) SetPixelV(ref.dc(), l.x2, l.y2, kLine);
        SelectObject(ref.dc(), old);
        DeleteObject(pen);
        EXPECT_EQ(FirstDifference(surface.Dc(), ref.dc()), "");
    }
}

}  // namespace
}  // namespace mirelo::win32
