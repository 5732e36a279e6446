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
    for (const auto& e : events.events) n += e.id == kScrollEvent;
    return n;
}

LRESULT HostedBar::SendToBar(UINT msg, WPARAM wParam, int x, int y) const {
    return SendMessageW(Bar(), msg, wParam, MAKELPARAM(x, y));
}

void PumpFor(DWORD ms, const std::function<bool()>& until) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (until && until()) return;
        const DWORD spent = GetTickCount() - start;
        if (spent >= ms) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
    }
}

namespace {

// Wine keeps the process's GDI handle table where Windows does (the PEB's
// GdiSharedHandleTable, at 0x94 in a 32-bit PEB and 0xF8 in a 64-bit one),
// with 24-byte entries in both whose type byte is at offset 14 and 0 for a
// free entry.
int CountHandleTable() {
    const BYTE* peb = nullptr;
#ifdef _WIN64
    asm("movq %%gs:0x60, %0" : "=r"(peb));
    const BYTE* table = *reinterpret_cast<const BYTE* const*>(peb + 0xF8);
#else
    asm("movl %%fs:0x30, %0" : "=r"(peb));
    const BYTE* table = *reinterpret_cast<const BYTE* const*>(peb + 0x94);
#endif
    if (!table) return -1;
    int live = 0;
    for (int i = 0; i < 0x10000; ++i) live += table[i * 24 + 14] != 0;
    return live;
}

}  // namespace

int LiveGdiObjects() {
    // GetGuiResources is a stub in Wine that answers 0.
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) return static_cast<int>(reported);
    // Trust the table only if it sees a brush come and go.
    const int before = CountHandleTable();
    HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
    const int with = CountHandleTable();
    DeleteObject(probe);
    const int after = CountHandleTable();
    return (before >= 0 && with == before + 1 && after == before) ? before : -1;
}

int CountColour(HWND window, const RECT& area, COLORREF colour) {
    RECT client;
    GetClientRect(window, &client);
    PixelBuffer pixels(client.right, client.bottom);
    pixels.CopyFrom(window);
    int n = 0;
    for (int y = area.top; y < area.bottom && y < client.bottom; ++y)
        for (int x = area.left; x < area.right && x < client.right; ++x) n += pixels.At(x, y) == colour;
    return n;
}

}  // namespace mltest
