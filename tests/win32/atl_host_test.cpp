// Wine's ATL control host (AtlAxWin in atl.dll), created by ProgID. It calls
// InitNew before it sets the client site, offers no ambient properties and
// leaves most site methods unimplemented: the control must still come up in
// its own window, in run mode, and answer calls, focus and keys.
#include <gtest/gtest.h>

#include "test_container.h"

namespace mltest {
namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

TEST(AtlHost, ActivatesByProgIdAndAnswersCalls) {
    HMODULE atl = LoadLibraryW(L"atl.dll");
    ASSERT_TRUE(atl);
    auto init = Export<AtlAxWinInitFn>(atl, "AtlAxWinInit");
    auto getControl = Export<AtlAxGetControlFn>(atl, "AtlAxGetControl");
    ASSERT_TRUE(init && getControl);
    ASSERT_TRUE(init());

    HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, TestDesktop(),
                                 nullptr, nullptr, nullptr);
    HWND axwin = CreateWindowExW(0, L"AtlAxWin", L"MireloListProj.MireloList", WS_CHILD | WS_VISIBLE, 5, 5, 300,
                                 200, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(axwin);
    PumpMessages();

    ComPtr<IUnknown> control;
    ASSERT_EQ(getControl(axwin, control.Out()), S_OK);
    ComPtr<IDispatch> d = control.As<IDispatch>(IID_IDispatch);
    ASSERT_TRUE(d);

    // Its own window, filling the host's.
    HWND own = reinterpret_cast<HWND>(static_cast<LONG_PTR>(Get(d.Get(), L"hWnd").value.AsLong()));
    ASSERT_TRUE(IsWindow(own));
    EXPECT_EQ(GetParent(own), axwin);
    RECT rc;
    GetClientRect(own, &rc);
    EXPECT_EQ(rc.right, 300);
    EXPECT_EQ(rc.bottom, 200);

    // No ambient answer: run mode, so the list paints its header band.
    EXPECT_TRUE(Fill(d.Get(), L"A,B", L"100,100", {L"a,1", L"b,2", L"c,3"}));
    EXPECT_EQ(Get(d.Get(), L"ListCount").value.AsLong(), 3);
    UpdateWindow(own);
    HDC dc = GetDC(own);
    EXPECT_EQ(GetPixel(dc, 200, 8), RGB(205, 211, 222));
    ReleaseDC(own, dc);

    // Focus and keys stay with the control's window.
    SendMessageW(own, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 40));
    SendMessageW(own, WM_LBUTTONUP, 0, MAKELPARAM(60, 40));
    EXPECT_EQ(GetFocus(), own);
    const long selected = Get(d.Get(), L"ListIndex").value.AsLong();
    ASSERT_GE(selected, 0);
    SendMessageW(own, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Get(d.Get(), L"ListIndex").value.AsLong(), selected + 1);

    // The host's window takes the control with it.
    d.Reset();
    control.Reset();
    DestroyWindow(frame);
    PumpMessages();
    EXPECT_FALSE(IsWindow(own));
    auto canUnload = Export<HRESULT(WINAPI*)()>(ControlModule(), "DllCanUnloadNow");
    ASSERT_TRUE(canUnload);
    EXPECT_EQ(canUnload(), S_OK);
}

}  // namespace
}  // namespace mltest
