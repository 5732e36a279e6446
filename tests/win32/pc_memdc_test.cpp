// The memory surface on real GDI: it only grows, keeps its content when asked
// to shrink, loads bitmaps at (0, 0), and copies plainly, stretched and
// colour-keyed on magenta.
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

TEST(PcMemDC, GrowsOnlyAndKeepsContentWhenAskedSmaller) {
    pcMemDC m(GetModuleHandleW(nullptr));
    EXPECT_EQ(m.Width(), 0);
    EXPECT_EQ(m.hdc(), nullptr);
    m.SetWidth(10);
    m.SetHeight(8);
    ASSERT_NE(m.hdc(), nullptr);
    EXPECT_EQ(m.Width(), 10);
    EXPECT_EQ(m.Height(), 8);
    Fill(m.hdc(), 0, 0, 10, 8, kRed);
    m.SetWidth(4);
    m.SetHeight(8);
    EXPECT_EQ(m.Width(), 10);
    EXPECT_EQ(m.Height(), 8);
    EXPECT_EQ(GetPixel(m.hdc(), 9, 7), kRed);
}

TEST(PcMemDC, PictureSmallerThanTheSurfaceOverwritesItsCornerOnly) {
    pcMemDC m(GetModuleHandleW(nullptr));
    m.SetWidth(10);
    m.SetHeight(10);
    Fill(m.hdc(), 0, 0, 10, 10, kRed);
    HBITMAP pic = Picture(4, 3, kGreen);
    EXPECT_TRUE(m.CreateFromPicture(pic));
    EXPECT_EQ(m.Width(), 10);
    EXPECT_EQ(m.Height(), 10);
    EXPECT_EQ(GetPixel(m.hdc(), 3, 2), kGreen);
    EXPECT_EQ(GetPixel(m.hdc(), 4, 2), kRed);
    EXPECT_EQ(GetPixel(m.hdc(), 3, 3), kRed);
    BITMAP info{};
    EXPECT_NE(GetObjectA(pic, sizeof info, &info), 0);  // the picture is still whole
    DeleteObject(pic);

    pcMemDC fresh(GetModuleHandleW(nullptr));
    HBITMAP big = Picture(39, 13, kBlue);
    EXPECT_TRUE(fresh.CreateFromPicture(big));
    EXPECT_EQ(fresh.Width(), 39);
    EXPECT_EQ(fresh.Height(), 13);
    DeleteObject(big);
    EXPECT_FALSE(fresh.CreateFromResource(u"NO SUCH BITMAP"));
}

TEST(PcMemDC, PlainAndStretchedCopies) {
    pcMemDC m(GetModuleHandleW(nullptr));
    m.SetWidth(4);
    m.SetHeight(2);
    Fill(m.hdc(), 0, 0, 2, 2, kRed);
    Fill(m.hdc(), 2, 0, 4, 2, kBlue);
    Canvas c(12, 6);
    Fill(c.dc(), 0, 0, 12, 6, kWhite);
    m.Draw(c.dc(), 0, 0, 0, 0, 1, 1, false);  // sizes below 1: the whole surface
    EXPECT_EQ(Row(c.dc(), 1, 0, 6), (std::vector<COLORREF>{kWhite, kRed, kRed, kBlue, kBlue, kWhite}));
    EXPECT_EQ(GetPixel(c.dc(), 1, 3), kWhite);
    m.StretchDraw(c.dc(), 0, 4, 8, 2, 1, 0, 2, 1);  // red | blue, twice as wide... and 4 times
    EXPECT_EQ(Row(c.dc(), 5, 0, 9),
              (std::vector<COLORREF>{kRed, kRed, kRed, kRed, kBlue, kBlue, kBlue, kBlue, kWhite}));
}

TEST(PcMemDC, MagentaLetsTheDestinationShowThrough) {
    pcMemDC m(GetModuleHandleW(nullptr));
    m.SetWidth(5);
    m.SetHeight(1);
    const COLORREF src[] = {kMagentaRgb, kBlue, kMagentaRgb, kWhite, RGB(254, 0, 255)};
    for (int x = 0; x < 5; ++x) SetPixel(m.hdc(), x, 0, src[x]);
    Canvas c(7, 2);
    Fill(c.dc(), 0, 0, 7, 2, kYellow);
    for (int pass = 0; pass < 2; ++pass) {  // the same result every time
        m.Draw(c.dc(), 0, 0, 0, 0, 1, 1, true);
        EXPECT_EQ(Row(c.dc(), 1, 0, 7),
                  (std::vector<COLORREF>{kYellow, kYellow, kBlue, kYellow, kWhite, RGB(254, 0, 255), kYellow}));
    }
    EXPECT_EQ(Row(c.dc(), 0, 0, 7), std::vector<COLORREF>(7, kYellow));
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
