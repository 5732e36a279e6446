#include "scrollbar_hosted.h"

#include "win32/bar_window.h"

namespace mltest {

void HostedBar::Host(bool userMode, int rows) {
    hosted = std::make_unique<HostedControl>(userMode);
    ASSERT_TRUE(hosted->ok()) << "the component is not registered or did not go in place";
    cookie = Connect(hosted->control(), DIID___MireloList, &events);
    IDispatch* d = hosted->dispatch();
    ASSERT_EQ(Method(d, L"AddItemA", {Var::I4(3), Var::Str(L"A,B,C"), Var::Str(L"60,60,60"), Var::Str(L"0,0,0")}).hr,
              S_OK);
    for (int i = 0; i < rows; ++i) {
        std::wstring row = L"r" + std::to_wstring(i) + L",b,c";
        ASSERT_EQ(Method(d, L"AddItem", {Var::Str(row.c_str())}).hr, S_OK);
    }
    PumpMessages();
    events.events.clear();
}

void HostedBar::TearDown() {
    if (hosted && cookie) Disconnect(hosted->control(), DIID___MireloList, cookie);
    hosted.reset();
}

HWND HostedBar::Bar() const {
    return FindWindowExW(List(), nullptr, mirelo::win32::BarWindow::ClassName(), nullptr);
}

long HostedBar::FirstIndex() const { return Get(hosted->dispatch(), L"FirstIndex").value.AsLong(); }

RECT HostedBar::BarRect() const {
    RECT rc = {};
    GetWindowRect(Bar(), &rc);
    MapWindowPoints(nullptr, List(), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

int HostedBar::ScrollEvents() const {
    int n = 0;
    for (const auto& e : events.events) n += e.id == kScroll;
    return n;
}

LRESULT HostedBar::SendToBar(UINT msg, WPARAM wParam, int x, int y) const {
    return SendMessageW(Bar(), msg, wParam, MAKELPARAM(x, y));
}

}  // namespace mltest
