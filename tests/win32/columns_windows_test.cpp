// The column gestures' platform side on real user32: the picture boxes (made
// with the control's window, placed, stacked, painting their colour or a
// still picture of the screen, reporting mouse input in twips with capture)
// and the pointer shapes (cursor files by name, ours among them).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "test_container.h"
#include "win32/columns_picture_box.h"
#include "win32/win32_cursor.h"

namespace mirelo::win32 {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// A child window standing in for the control's, filled with one colour.
class Parent {
public:
    Parent(int x, int y, int w, int h, COLORREF fill) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ColumnsTestParent";
        RegisterClassW(&wc);
        hwnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, w, h,
                               mltest::TestDesktop(), nullptr, wc.hInstance, nullptr);
        Fill(fill);
    }
    ~Parent() {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
    void Fill(COLORREF c) {
        HDC dc = GetDC(hwnd);
        HBRUSH b = CreateSolidBrush(c);
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(dc, &r, b);
        DeleteObject(b);
        ReleaseDC(hwnd, dc);
        GdiFlush();
    }
    COLORREF Pixel(int x, int y) const { return mltest::ScreenPixel(hwnd, x, y); }
    HWND hwnd;
};

struct Recorder : PictureBoxMouse {
    void MouseDown(int16_t b, int16_t, float x, float y) override { Add("down", b, x, y); }
    void MouseMove(int16_t b, int16_t, float x, float y) override { Add("move", b, x, y); }
    void MouseUp(int16_t b, int16_t, float x, float y) override { Add("up", b, x, y); }
    void Add(const char* what, int16_t b, float x, float y) {
        calls.push_back(std::string(what) + " " + std::to_string(b) + " " + std::to_string(static_cast<int>(x)) +
                        "," + std::to_string(static_cast<int>(y)));
    }
    std::vector<std::string> calls;
};

TEST(ColumnsWindows, BoxesAreMadeWithTheControlsWindowAndKeepTheirState) {
    HWND parent = nullptr;
    ChildPictureBox box(GetModuleHandleW(nullptr), [&] { return parent; });
    box.MoveWindow(10, 1, 2, 16);  // no window yet: only remembered
    box.ShowWindow(true);
    EXPECT_EQ(box.Handle(), nullptr);

    Parent p(100, 100, 200, 120, kBlue);
    parent = p.hwnd;
    box.SetBackColor(kRed);
    box.MoveWindow(20, 1, 4, 16);
    ASSERT_NE(box.Handle(), nullptr);
    EXPECT_EQ(GetParent(box.Handle()), p.hwnd);
    EXPECT_TRUE(IsWindowVisible(box.Handle()));
    RECT r;
    GetWindowRect(box.Handle(), &r);
    MapWindowPoints(nullptr, p.hwnd, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.right - r.left, 4);
    EXPECT_EQ(p.Pixel(21, 10), kRed);
    EXPECT_EQ(p.Pixel(19, 10), kBlue);

    // Gone with the parent, made again for the next one.
    DestroyWindow(p.hwnd);
    EXPECT_EQ(box.Handle(), nullptr);
    Parent again(100, 100, 200, 120, kBlue);
    parent = again.hwnd;
    box.MoveWindow(30, 1, 4, 16);
    ASSERT_NE(box.Handle(), nullptr);
    EXPECT_EQ(GetParent(box.Handle()), again.hwnd);
}

TEST(ColumnsWindows, StillPictureCoversTheControlUnderTheMarker) {
    Parent p(200, 100, 160, 90, kRed);
    ASSERT_EQ(p.Pixel(20, 40), kRed);
    ChildPictureBox marker(GetModuleHandleW(nullptr), [&] { return p.hwnd; });
    ChildPictureBox still(GetModuleHandleW(nullptr), [&] { return p.hwnd; });
    still.KeepBelow(&marker);
    marker.SetBackColor(RGB(24, 24, 24));
    marker.MoveWindow(50, 0, 1, 90);
    marker.ShowWindow(true);
    ASSERT_TRUE(still.CopyFromScreen(reinterpret_cast<intptr_t>(p.hwnd)));
    still.ShowWindow(true);
    EXPECT_EQ(GetWindow(p.hwnd, GW_CHILD), marker.Handle());  // the line stays on top
    RECT r;
    GetWindowRect(still.Handle(), &r);
    MapWindowPoints(nullptr, p.hwnd, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 160);
    EXPECT_EQ(r.bottom, 90);
    // The parent changes underneath; the picture still shows what was there.
    p.Fill(kBlue);
    InvalidateRect(still.Handle(), nullptr, FALSE);
    UpdateWindow(still.Handle());
    EXPECT_EQ(p.Pixel(20, 40), kRed);
    EXPECT_EQ(p.Pixel(50, 40), RGB(24, 24, 24));
    still.Cls();
    still.ShowWindow(false);
    EXPECT_FALSE(still.CopyFromScreen(0));
}

TEST(ColumnsWindows, MarkerReportsTwipsAndHoldsTheInputWhileAButtonIsDown) {
    Parent p(100, 300, 200, 60, kBlue);
    ChildPictureBox marker(GetModuleHandleW(nullptr), [&] { return p.hwnd; });
    Recorder rec;
    marker.SetMouse(&rec);
    marker.MoveWindow(40, 1, 2, 16);
    marker.ShowWindow(true);
    HWND h = marker.Handle();
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 3));
    EXPECT_EQ(GetCapture(), h);
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-5), 3));
    SendMessageW(h, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(2, 3));
    SendMessageW(h, WM_RBUTTONUP, MK_LBUTTON, MAKELPARAM(2, 3));
    EXPECT_EQ(GetCapture(), h);
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(7, 3));
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(7, 3));  // not pressed here: not passed on
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"down 1 15,45", "move 1 -75,45", "down 2 30,45", "up 2 30,45",
                                                   "up 1 105,45"}));
    // Losing the capture mid-drag ends it as a release would.
    rec.calls.clear();
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 3));
    ReleaseCapture();
    ASSERT_EQ(rec.calls.size(), 2u);
    EXPECT_EQ(rec.calls[1].rfind("up 1 ", 0), 0u);
}

TEST(ColumnsWindows, OurCursorFilesLoadWithTheirHotSpots) {
    CursorShapesWin shapes(GetModuleHandleW(nullptr));
    // The build puts the files beside the tests, where the host's current directory is.
    struct Case { const char16_t* file; DWORD x, y; };
    const Case cases[] = {{u"movehead.cur", 0, 0}, {u"not.cur", 15, 15}, {u"SizeWE.cur", 15, 15},
                          {u"unmovehead.cur", 0, 0}};
    for (const Case& c : cases) {
        CursorHandle h = shapes.LoadCursorFromFile(c.file);
        ASSERT_NE(h, 0u) << ToUtf8(c.file);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HCURSOR>(h), &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, c.x) << ToUtf8(c.file);
        EXPECT_EQ(info.yHotspot, c.y) << ToUtf8(c.file);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        shapes.DestroyCursor(h);
    }
    EXPECT_EQ(shapes.LoadCursorFromFile(u"no such file.cur"), 0u);
    EXPECT_EQ(shapes.LoadCursor(u"NO SUCH CURSOR"), 0u);
    EXPECT_NE(shapes.GetCursor(), 0u);
}

}  // namespace
}  // namespace mirelo::win32
