#include "win32/about_window.h"

#include "win32/wide_text.h"

namespace mirelo::win32 {

namespace {

constexpr int kWidth = 280, kHeight = 120;

bool IsMousePress(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

}  // namespace

const wchar_t* AboutBox::ClassName() { return L"MireloListAbout"; }

AboutBox::AboutBox(HINSTANCE instance, Text title, Text body, std::function<HWND()> owner)
    : instance_(instance), title_(std::move(title)), body_(std::move(body)), owner_(std::move(owner)) {}

AboutBox::~AboutBox() { Close(); }

void AboutBox::Close() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void AboutBox::ShowModal() {
    RegisterWindowClass(instance_, ClassName(), 0, LoadCursor(nullptr, IDC_ARROW),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    HWND owner = owner_ ? owner_() : nullptr;
    if (owner) owner = GetAncestor(owner, GA_ROOT);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    Create(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, ClassName(), Wide(title_), WS_POPUP | WS_CAPTION | WS_VISIBLE, x, y,
           kWidth, kHeight, owner, instance_);
    if (!hwnd_) return;
    const bool disabled = owner && EnableWindow(owner, FALSE) == FALSE;
    MSG msg;
    while (hwnd_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The application is ending: leave the quit message for its own loop.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            Close();
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (disabled) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
}

void AboutBox::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT rc;
    GetClientRect(hwnd_, &rc);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT text = rc;
    const int height = DrawTextW(dc, Wide(body_), -1, &text, DT_CENTER | DT_CALCRECT | DT_WORDBREAK);
    text = rc;
    text.top = (rc.bottom - height) / 2;
    DrawTextW(dc, Wide(body_), -1, &text, DT_CENTER | DT_WORDBREAK);
    SelectObject(dc, old);
    EndPaint(hwnd_, &ps);
}

LRESULT AboutBox::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (IsMousePress(msg) || msg == WM_CLOSE) {
        DestroyWindow(hwnd_);
        return 0;
    }
    if (msg == WM_PAINT) {
        Paint();
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

}  // namespace mirelo::win32
