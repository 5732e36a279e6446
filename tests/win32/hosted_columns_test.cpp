// The column gestures on a control hosted in place by our container, with the
// mouse messages a user's hand produces: the border marker and its still
// picture are the component's own child windows, the cursors come from the
// files beside the host or, without them, from the component itself, and the
// pointer the host showed comes back after a gesture.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "hosted_gestures.h"
#include "test_container.h"

namespace mltest {
namespace {

constexpr COLORREF kSeparator = RGB(255, 255, 247), kHeader = RGB(205, 211, 222);

// Two cursors show the same picture at the same hot spot.
bool SameShape(HCURSOR a, HCURSOR b) {
    ICONINFO ia = {}, ib = {};
    if (!a || !b || !GetIconInfo(a, &ia) || !GetIconInfo(b, &ib)) return false;
    auto bits = [](HBITMAP bmp) {
        BITMAP bm = {};
        GetObjectW(bmp, sizeof(bm), &bm);
        std::vector<char> data(static_cast<size_t>(bm.bmWidthBytes) * bm.bmHeight);
        GetBitmapBits(bmp, static_cast<LONG>(data.size()), data.data());
        return data;
    };
    const bool same = ia.xHotspot == ib.xHotspot && ia.yHotspot == ib.yHotspot && bits(ia.hbmMask) == bits(ib.hbmMask);
    for (ICONINFO* i : {&ia, &ib}) {
        DeleteObject(i->hbmMask);
        if (i->hbmColor) DeleteObject(i->hbmColor);
    }
    return same;
}

class HostedColumns : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.ok()) << host.failure();
        // Row numbers, then two columns of 60 pixels.
        ASSERT_TRUE(Fill(d(), L"#,a,b", L"40,60,60", {L"1,b,x", L"2,a,y", L"3,c,z"}));
        UpdateWindow(List());
        PumpFor(30);
    }
    IDispatch* d() { return host.dispatch(); }
    HWND List() { return host.controlWindow(); }
    std::wstring Item(short row, short col) {
        CallResult r = Get(d(), L"item", {Var::I2(row), Var::I2(col)});
        const VARIANT* v = r.value.get();
        return V_VT(v) == VT_BSTR && V_BSTR(v) ? std::wstring(V_BSTR(v)) : L"";
    }
    COLORREF Pixel(int x, int y) { return ScreenPixel(List(), x, y); }
    // Whether the pointer shown while a header cell is dragged to `x` looks
    // like `expected` (asked before the release destroys it); the drag ends
    // over the row numbers, where it exchanges nothing.
    bool CursorDraggedToIs(int x, HCURSOR expected) {
        SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(90, kHeaderY));
        SendMessageW(List(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, kHeaderY));
        SendMessageW(List(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, kHeaderY));
        const bool same = SameShape(GetCursor(), expected);
        SendMessageW(List(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, kHeaderY));
        SendMessageW(List(), WM_LBUTTONUP, 0, MAKELPARAM(20, kHeaderY));
        return same;
    }
    // The first column separator in the header, from the left.
    int FirstSeparator() {
        for (int x = 2; x < 200; ++x)
            if (Pixel(x, kHeaderY) == kSeparator) return x;
        return -1;
    }

    HostedControl host;
};

TEST_F(HostedColumns, BorderDragOnTheMarkerResizesAndRepaintsAfterTheTimer) {
    const int gap = FindBorderGap(List());
    ASSERT_GT(gap, 0) << "no marker over the gap after the row numbers";
    HWND marker = BorderMarker(List());
    EXPECT_EQ(GetParent(marker), List());
    const int border = FirstSeparator();
    ASSERT_GT(border, 0);

    ASSERT_TRUE(DragBorder(List(), gap, 20, [&](HWND pressed) {
        EXPECT_EQ(pressed, marker);
        EXPECT_EQ(GetCapture(), marker);
        EXPECT_TRUE(StillPicture(List())) << "a still picture of the list under the marker";
    }));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(BorderMarker(List()), nullptr) << "marker and picture are hidden at the release";
    PumpFor(100);  // the repaint 10 ms after the release
    EXPECT_EQ(FirstSeparator(), border + 20);
    EXPECT_EQ(Pixel(border, kHeaderY), kHeader);
    EXPECT_EQ(FindBorderGap(List()), gap + 20);
    EXPECT_EQ(Item(1, 1), L"a") << "a resize leaves the rows alone";
}

// What a header gesture leaves on the screen is what a full repaint draws,
// however few paints the gesture itself made.
TEST_F(HostedColumns, HeaderGesturesLeaveTheFullRepaintsPicture) {
    struct Case {
        const char* gesture;
        std::function<void()> run;
    };
    const Case cases[] = {
        {"a click reverses", [&] { Click(List(), 90, kHeaderY); }},
        {"the next click sorts ascending", [&] { Click(List(), 90, kHeaderY); }},
        {"a click on the row numbers", [&] { Click(List(), 20, kHeaderY); }},
        {"a drag exchanges", [&] { Drag(List(), 150, 90, kHeaderY); }},
        {"a drag inside the last cell sorts", [&] { Drag(List(), 150, 120, kHeaderY); }},
        {"a click, then a press another window takes the mouse from", [&] {
             Click(List(), 90, kHeaderY);
             SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, kHeaderY));
             SetCapture(host.host());
             ReleaseCapture();
         }},
    };
    ASSERT_EQ(Put(d(), L"ListIndex", Var::I2(1)).hr, S_OK);
    for (const Case& c : cases) {
        const std::vector<COLORREF> before = ScreenPicture(List());
        c.run();
        const std::vector<COLORREF> after = ScreenPicture(List());
        EXPECT_NE(after, before) << c.gesture;
        RedrawWindow(List(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_EQ(ScreenPicture(List()), after) << c.gesture;
    }
}

TEST_F(HostedColumns, DraggedCellsShowTheCursorFilesOrTheComponentsOwn) {
    const HCURSOR shown = GetCursor();
    struct Case { int x; const wchar_t* file; };
    for (const Case& c : {Case{150, L"movehead.cur"}, Case{20, L"unmovehead.cur"}}) {
        HCURSOR file = LoadCursorFromFileW(c.file);
        ASSERT_NE(file, nullptr) << "the build puts the cursor files beside the tests";
        EXPECT_TRUE(CursorDraggedToIs(c.x, file)) << c.x;
        EXPECT_EQ(GetCursor(), shown) << "the host's pointer is back after the drag";
        DestroyCursor(file);
    }

    // Without the files the component shows its own.
    wchar_t old[MAX_PATH], temp[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, old);
    GetTempPathW(MAX_PATH, temp);
    std::wstring empty = std::wstring(temp) + L"mirelo-no-cursors";
    CreateDirectoryW(empty.c_str(), nullptr);
    SetCurrentDirectoryW(empty.c_str());
    HCURSOR own = LoadCursorW(ControlModule(), L"UNMOVEHEAD");
    ASSERT_NE(own, nullptr) << "the component carries its cursors";
    EXPECT_TRUE(CursorDraggedToIs(20, own));
    EXPECT_FALSE(CursorDraggedToIs(20, LoadCursorW(ControlModule(), L"MOVEHEAD")));
    EXPECT_FALSE(CursorDraggedToIs(20, LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)))) << "not the arrow";
    SetCurrentDirectoryW(old);
    RemoveDirectoryW(empty.c_str());
}

}  // namespace
}  // namespace mltest
