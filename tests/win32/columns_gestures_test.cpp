// The column gestures end to end on real windows: the list's core on GDI in
// its own window, the marker and the still picture as real children, real
// pointer shapes from the cursor files, and mouse messages to those windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "listctl/mirelo_list.h"
#include "win32/about_window.h"
#include "win32/columns_picture_box.h"
#include "win32/control_window.h"
#include "win32/cursor_shapes.h"
#include "win32/gdi_objects.h"
#include "win32/gdi_surface.h"
#include "win32/module_resources.h"
#include "win32/pc_memdc.h"
#include "win32/window_timers.h"

namespace mirelo::win32 {
namespace {

constexpr COLORREF kSeparator = RGB(255, 255, 247), kHeader = RGB(205, 211, 222);

class RunSite : public Site {
public:
    bool UserMode() override { return true; }
    Text DisplayName() override { return u"MireloList1"; }
    void PropertyChanged(int32_t) override {}
};

class NoHost : public ControlWindowHost {
public:
    void MousePressed() override {}
    void FocusChanged(bool) override {}
    void WindowDestroyed() override {}
};

// The real shapes, remembering which file each loaded cursor came from.
class NamedShapes : public CursorShapesWin {
public:
    using CursorShapesWin::CursorShapesWin;
    CursorHandle LoadCursorFromFile(const Text& fileName) override {
        CursorHandle h = CursorShapesWin::LoadCursorFromFile(fileName);
        if (h) file[h] = std::string(fileName.begin(), fileName.end());
        return h;
    }
    std::string Shown() { return file.count(GetCursor()) ? file[GetCursor()] : "other"; }
    std::map<CursorHandle, std::string> file;
};

class MarkerMouse : public PictureBoxMouse {
public:
    explicit MarkerMouse(MireloList*& core) : core_(core) {}
    void MouseDown(int16_t b, int16_t s, float x, float y) override { core_->Splitter_MouseDown(b, s, x, y); }
    void MouseMove(int16_t b, int16_t s, float x, float y) override { core_->Splitter_MouseMove(b, s, x, y); }
    void MouseUp(int16_t b, int16_t s, float x, float y) override { core_->Splitter_MouseUp(b, s, x, y); }

private:
    MireloList*& core_;
};

std::wstring CursorDirectory() {
    std::string path = __FILE__;
    path = path.substr(0, path.rfind("/tests/")) + "/resources/cursors";
    std::wstring wide = L"Z:";
    for (char c : path) wide += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return wide;
}

void PumpFor(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class ColumnGestures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ColumnGesturesHost";
        RegisterClassW(&wc);
        host_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, L"",
                                WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 700, 40, 400, 300, nullptr, nullptr,
                                wc.hInstance, nullptr);
    }
    static void TearDownTestSuite() { DestroyWindow(host_); }

    void SetUp() override {
        GetCurrentDirectoryW(MAX_PATH, oldDir_);
        SetCurrentDirectoryW(CursorDirectory().c_str());  // the cursor files are read from here
        created_ = shapes_.GetCursor();
        ListPorts ports{surface_, gdi_, site_, resources_, about_};
        ports.timers = &timers_;
        ports.splitter = &splitter_;
        ports.picBack = &picBack_;
        ports.cursors = &shapes_;
        core_ = std::make_unique<MireloList>(ports);
        raw_ = core_.get();
        picBack_.KeepBelow(&splitter_);
        splitter_.SetMouse(&mouse_);
        core_->InitProperties();
        window_ = std::make_unique<ControlWindow>(GetModuleHandleW(nullptr), surface_, *core_, host_callbacks_);
        ASSERT_TRUE(window_->Create(host_, RECT{10, 10, 316, 210}));
        // Columns of 100 pixels fill the 306 pixels exactly.
        core_->AddItemA(Variant(int16_t(2)), Variant(u"#,a,b"), Variant(u"100,100,100"), Variant(u"0,0,0"));
        for (const char16_t* row : {u"1,b,x", u"2,a,y", u"3,c,z"}) {
            Text key;
            core_->AddItem(Variant(Text(row)), key, Variant::Missing(), Variant::Missing());
        }
        ShowWindow(window_->Handle(), SW_SHOW);
        ASSERT_EQ(core_->ColWidth(1), 100);
        UpdateWindow(window_->Handle());
        PumpFor(30);
    }
    void TearDown() override {
        window_.reset();
        core_.reset();
        SetCurrentDirectoryW(oldDir_);
    }

    HWND List() const { return window_->Handle(); }
    COLORREF Pixel(int x, int y) {
        PumpFor(10);
        POINT pt{x, y};
        ClientToScreen(List(), &pt);
        HDC screen = GetDC(nullptr);
        COLORREF c = GetPixel(screen, pt.x, pt.y);
        ReleaseDC(nullptr, screen);
        return c;
    }
    // The list's client area as the screen shows it, row by row.
    std::vector<DWORD> Picture() {
        PumpFor(10);
        RECT rc;
        GetClientRect(List(), &rc);
        POINT origin{0, 0};
        ClientToScreen(List(), &origin);
        BITMAPINFO bi = {};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), rc.right, -rc.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC screen = GetDC(nullptr);
        HDC mem = CreateCompatibleDC(screen);
        HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(mem, bmp);
        BitBlt(mem, 0, 0, rc.right, rc.bottom, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const DWORD*>(bits);
        std::vector<DWORD> pixels(p, p + static_cast<size_t>(rc.right) * rc.bottom);
        SelectObject(mem, old);
        DeleteObject(bmp);
        DeleteDC(mem);
        ReleaseDC(nullptr, screen);
        return pixels;
    }
    std::string Captions() {
        std::string s;
        for (int c = 0; c <= 2; ++c) s += (c ? "|" : "") + ToUtf8(core_->HeadCaption(c));
        return s;
    }

    static HWND host_;
    wchar_t oldDir_[MAX_PATH];
    GdiSurface surface_;
    GdiObjects gdi_{[] { return std::make_unique<pcMemDC>(GetModuleHandleW(nullptr)); }};
    RunSite site_;
    ModuleResources resources_{GetModuleHandleW(nullptr)};
    AboutBox about_{GetModuleHandleW(nullptr), u"About", u"", [] { return HWND{}; }};
    WindowTimers timers_;
    NamedShapes shapes_{GetModuleHandleW(nullptr)};
    std::unique_ptr<ControlWindow> window_;
    ChildPictureBox splitter_{GetModuleHandleW(nullptr), [this] { return window_ ? window_->Handle() : nullptr; }};
    ChildPictureBox picBack_{GetModuleHandleW(nullptr), [this] { return window_ ? window_->Handle() : nullptr; }};
    CursorHandle created_ = 0;
    MireloList* raw_ = nullptr;
    MarkerMouse mouse_{raw_};
    NoHost host_callbacks_;
    std::unique_ptr<MireloList> core_;
};

HWND ColumnGestures::host_ = nullptr;

TEST_F(ColumnGestures, BorderDragResizesAndTheTimerRepaints) {
    ASSERT_EQ(Pixel(141, 8), kHeader);
    SendMessageW(List(), WM_MOUSEMOVE, 0, At(102, 8));  // over the gap of columns 0 and 1
    HWND marker = splitter_.Handle();
    ASSERT_NE(marker, nullptr);
    EXPECT_TRUE(IsWindowVisible(marker));
    SendMessageW(marker, WM_LBUTTONDOWN, MK_LBUTTON, At(0, 5));
    EXPECT_EQ(GetCapture(), marker);
    EXPECT_TRUE(IsWindowVisible(picBack_.Handle()));
    SendMessageW(marker, WM_MOUSEMOVE, MK_LBUTTON, At(40, 5));
    SendMessageW(marker, WM_LBUTTONUP, 0, At(0, 5));  // the line stands under the pointer now
    EXPECT_EQ(core_->ColWidth(0), 140);
    EXPECT_EQ(core_->ColWidth(1), 80);
    EXPECT_EQ(core_->ColWidth(2), 80);
    EXPECT_FALSE(IsWindowVisible(marker));
    EXPECT_FALSE(IsWindowVisible(picBack_.Handle()));
    EXPECT_EQ(GetCapture(), nullptr);
    PumpFor(100);  // Timer1's repaint
    EXPECT_FALSE(core_->Timer1Enabled());
    EXPECT_EQ(Pixel(141, 8), kSeparator);
    EXPECT_EQ(Pixel(102, 8), kHeader);
}

TEST_F(ColumnGestures, HeaderClickSortsAndMarksTheCaption) {
    SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, At(150, 8));
    SendMessageW(List(), WM_LBUTTONUP, 0, At(150, 8));
    EXPECT_EQ(Captions(), "#|a\xE2\x96\xBC|b");  // "a▼"
    EXPECT_EQ(core_->item(0, 1), u"c");
    EXPECT_EQ(core_->item(2, 1), u"b");
}

// What a header gesture leaves on the screen is what a full repaint draws,
// however few paints the gesture itself made.
TEST_F(ColumnGestures, HeaderGesturesLeaveTheFullRepaintsPicture) {
    const auto click = [this](int x) {
        SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, 8));
        SendMessageW(List(), WM_LBUTTONUP, 0, At(x, 8));
    };
    struct Case {
        const char* gesture;
        std::function<void()> run;
    };
    const Case cases[] = {
        {"a click reverses", [&] { click(150); }},
        {"the next click sorts ascending", [&] { click(150); }},
        {"a click on the row numbers", [&] { click(50); }},
        {"a drag exchanges", [&] {
             SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, At(250, 8));
             SendMessageW(List(), WM_MOUSEMOVE, MK_LBUTTON, At(150, 8));
             SendMessageW(List(), WM_LBUTTONUP, 0, At(150, 8));
         }},
    };
    core_->SetListIndex(1);
    for (const Case& c : cases) {
        const std::vector<DWORD> before = Picture();
        c.run();
        const std::vector<DWORD> after = Picture();
        EXPECT_NE(after, before) << c.gesture;
        RedrawWindow(List(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_EQ(Picture(), after) << c.gesture;
    }
}

TEST_F(ColumnGestures, HeaderDragExchangesAndRefusesTheNumberColumn) {
    SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, At(150, 8));
    SendMessageW(List(), WM_MOUSEMOVE, MK_LBUTTON, At(250, 8));
    EXPECT_EQ(shapes_.Shown(), "movehead.cur");
    SendMessageW(List(), WM_MOUSEMOVE, MK_LBUTTON, At(50, 8));  // over the row numbers
    EXPECT_EQ(shapes_.Shown(), "unmovehead.cur");
    SendMessageW(List(), WM_MOUSEMOVE, MK_LBUTTON, At(250, 8));
    SendMessageW(List(), WM_LBUTTONUP, 0, At(250, 8));
    EXPECT_EQ(Captions(), "#|b|a");
    EXPECT_EQ(core_->item(0, 1), u"x");
    EXPECT_EQ(core_->item(0, 2), u"b");
    // Back to the pointer shown when the control was made.
    EXPECT_EQ(shapes_.GetCursor(), created_);
}

}  // namespace
}  // namespace mirelo::win32
