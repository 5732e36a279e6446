// The column gestures' platform side on real user32: the picture boxes (made
// with the control's window, placed, stacked, painting their colour or a
// still picture of the screen, reporting mouse input in twips with capture)
// and the pointer shapes (cursor files by name, ours among them).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "listctl/column_cursors.h"
#include "win32/columns_picture_box.h"
#include "win32/cursor_shapes.h"

namespace mirelo::win32 {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// One top-level window for the whole suite, away from where other suites put
// theirs: tearing a shown one down makes Wine wait for a window manager that
// Xvfb does not have, so it is made and destroyed once.
class ColumnsWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ColumnsTestHost";
        RegisterClassW(&wc);
        host_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, L"",
                                WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 700, 500, 500, 450, nullptr, nullptr,
                                wc.hInstance, nullptr);
    }
    static void TearDownTestSuite() { DestroyWindow(host_); }

public:
    static HWND host_;
};

HWND ColumnsWindows::host_ = nullptr;
HWND Desktop() { return ColumnsWindows::host_; }

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

COLORREF ScreenPixel(int x, int y) {
    Pump();
    GdiFlush();
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

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
                               Desktop(), nullptr, wc.hInstance, nullptr);
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
    // A pixel of this window's client area as the screen shows it.
    COLORREF Pixel(int x, int y) const {
        POINT pt{x, y};
        ClientToScreen(hwnd, &pt);
        return ScreenPixel(pt.x, pt.y);
    }
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

TEST_F(ColumnsWindows, BoxesAreMadeWithTheControlsWindowAndKeepTheirState) {
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

TEST_F(ColumnsWindows, StillPictureCoversTheControlUnderTheMarker) {
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

TEST_F(ColumnsWindows, MarkerReportsTwipsAndHoldsTheInputWhileAButtonIsDown) {
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

std::wstring ResourceCursor(const char* name) {
    // The cursor files sit in the source tree, reached through Wine's drive Z:.
    std::string path = __FILE__;
    path = path.substr(0, path.rfind("/tests/")) + "/resources/cursors/" + name;
    std::wstring wide = L"Z:";
    for (char c : path) wide += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return wide;
}

TEST_F(ColumnsWindows, OurCursorFilesLoadWithTheirHotSpots) {
    CursorShapesWin shapes(GetModuleHandleW(nullptr));
    struct Case { const char* file; DWORD x, y; };
    const Case cases[] = {{"movehead.cur", 0, 0}, {"not.cur", 15, 15}, {"SizeWE.cur", 15, 15},
                          {"unmovehead.cur", 0, 0}};
    for (const Case& c : cases) {
        const std::wstring path = ResourceCursor(c.file);
        CursorHandle h = shapes.LoadCursorFromFile(Text(path.begin(), path.end()));
        ASSERT_NE(h, 0u) << c.file;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HCURSOR>(h), &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, c.x) << c.file;
        EXPECT_EQ(info.yHotspot, c.y) << c.file;
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        shapes.DestroyCursor(h);
    }
    EXPECT_EQ(shapes.LoadCursorFromFile(u"no such file.cur"), 0u);
    EXPECT_EQ(shapes.LoadCursor(u"NO SUCH CURSOR"), 0u);
    EXPECT_NE(shapes.GetCursor(), 0u);
}

TEST_F(ColumnsWindows, GesturesShowTheFileAndComeBackToTheDefault) {
    CursorShapesWin shapes(GetModuleHandleW(nullptr));
    HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    SetCursor(arrow);
    // The files are read from the current directory.
    wchar_t old[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, old);
    std::wstring dir = ResourceCursor("");
    SetCurrentDirectoryW(dir.c_str());
    {
        ColumnCursors cursors(&shapes);
        cursors.Show(kCursorNot);
        HCURSOR shown = GetCursor();
        EXPECT_NE(shown, arrow);
        cursors.RestoreDefault();
        EXPECT_EQ(GetCursor(), arrow);
    }
    SetCurrentDirectoryW(old);
}

}  // namespace
}  // namespace mirelo::win32
