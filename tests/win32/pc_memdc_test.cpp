// The memory surface on real GDI: it loads bitmaps at (0, 0), and the
// colour-keyed copy the skins are drawn with lets the destination show
// through magenta.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "test_container.h"
#include "win32/keyed_copy.h"
#include "win32/pc_memdc.h"

namespace mirelo::win32 {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
                   kYellow = RGB(255, 255, 0), kWhite = RGB(255, 255, 255), kMagentaRgb = RGB(255, 0, 255);

// A 32-bit off-screen canvas whose pixels read back exactly.
using Canvas = mltest::PixelBuffer;

void Fill(HDC dc, int l, int t, int r, int b, COLORREF c) {
    HBRUSH brush = CreateSolidBrush(c);
    RECT rc{l, t, r, b};
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
}

// A screen-compatible bitmap of w x h in one colour, as a picture holds it.
HBITMAP Picture(int w, int h, COLORREF c) {
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    Fill(dc, 0, 0, w, h, c);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bmp;
}

std::vector<COLORREF> Row(HDC dc, int y, int from, int to) {
    std::vector<COLORREF> out;
    for (int x = from; x < to; ++x) out.push_back(GetPixel(dc, x, y));
    return out;
}

TEST(PcMemDC, APictureLoadsWholeAtTheCorner) {
    pcMemDC m(GetModuleHandleW(nullptr));
    HBITMAP pic = Picture(39, 13, kGreen);
    EXPECT_TRUE(m.CreateFromPicture(pic));
    EXPECT_EQ(m.Width(), 39);
    EXPECT_EQ(m.Height(), 13);
    EXPECT_EQ(GetPixel(m.hdc(), 0, 0), kGreen);
    EXPECT_EQ(GetPixel(m.hdc(), 38, 12), kGreen);
    BITMAP info{};
    EXPECT_NE(GetObjectA(pic, sizeof info, &info), 0);  // the caller's picture is still whole
    DeleteObject(pic);
    EXPECT_FALSE(m.CreateFromResource(u"NO SUCH BITMAP"));
}

// A scroll bar's painter keeps one set of buffers for all its keyed copies:
// copies larger and smaller than the buffers, at other places, must come out
// as copies with buffers of their own do.
TEST(PcMemDC, KeptKeyedBuffersCopyAsFreshOnesDo) {
    pcMemDC m(GetModuleHandleW(nullptr));
    m.SetWidth(6);
    m.SetHeight(4);
    const COLORREF colours[] = {kMagentaRgb, kBlue, kRed, kMagentaRgb, kWhite, kGreen, kMagentaRgb};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) SetPixel(m.hdc(), x, y, colours[(x + 2 * y) % 7]);
    struct Copy { int xDst, yDst, w, h, xSrc, ySrc; };
    const Copy copies[] = {{0, 0, 3, 2, 0, 0}, {4, 1, 6, 4, 0, 0}, {1, 5, 2, 1, 3, 2}, {9, 6, 5, 3, 1, 1}};
    Canvas kept(16, 10), fresh(16, 10);
    for (HDC dc : {kept.dc(), fresh.dc()}) {
        Fill(dc, 0, 0, 8, 10, kYellow);
        Fill(dc, 8, 0, 16, 10, kRed);
    }
    KeyedCopy buffers;
    for (const Copy& c : copies) {
        buffers.Copy(kept.dc(), c.xDst, c.yDst, c.w, c.h, m.hdc(), c.xSrc, c.ySrc, kMagenta);
        TransparentCopy(fresh.dc(), c.xDst, c.yDst, c.w, c.h, m.hdc(), c.xSrc, c.ySrc, kMagenta);
    }
    for (int y = 0; y < 10; ++y) EXPECT_EQ(Row(kept.dc(), y, 0, 16), Row(fresh.dc(), y, 0, 16)) << "row " << y;
    EXPECT_EQ(GetPixel(kept.dc(), 5, 1), kBlue) << "the source shows where it is not magenta";
    EXPECT_EQ(GetPixel(kept.dc(), 4, 1), kYellow) << "and the destination where it is";
}

}  // namespace
}  // namespace mirelo::win32
