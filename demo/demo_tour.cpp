#include "demo_tour.h"

#include <cstdio>
#include <string>
#include <vector>

#include "demo_calls.h"

namespace demo {

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

void Pump() {
    MSG msg;
    for (int i = 0; i < 5; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
}

BOOL CALLBACK FindMarker(HWND child, LPARAM param) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    RECT rc;
    // The border marker is the narrow picture box the list shows over a gap.
    if (lstrcmpW(name, L"MireloListPictureBox") == 0 && IsWindowVisible(child) && GetWindowRect(child, &rc) &&
        rc.right - rc.left < 16) {
        *reinterpret_cast<HWND*>(param) = child;
        return FALSE;
    }
    return TRUE;
}

class Tour {
public:
    explicit Tour(IDispatch* list)
        : list_(list), hwnd_(reinterpret_cast<HWND>(static_cast<LONG_PTR>(GetLong(list, L"hWnd")))) {
        RECT rc;
        GetClientRect(hwnd_, &rc);
        width_ = rc.right;
        rowHeight_ = GetLong(list, L"ItemHeight");
        headerY_ = 1 + rowHeight_ / 2;
    }
    bool ok() const { return hwnd_ != nullptr && rowHeight_ > 0; }

    // The column gestures come first, so the picture left at the end shows the rows' own
    // state (selection, play row, checks) on the rearranged columns.
    void Run() {
        std::vector<int> gaps = Gaps();
        if (gaps.size() < 3) {
            Say(L"column borders", L"not found, column gestures skipped");
        } else {
            ClickHeader(Middle(gaps, 2));
            Say(L"click on the header 歌手 Artist", L"reversed, first row: " + Item(list_, 0, 2));
            ClickHeader(Middle(gaps, 2));
            Say(L"click on it again", L"ascending, first row: " + Item(list_, 0, 2));
            // Dragged right, a border widens the column on its left and takes the width from the
            // columns on its right; the row numbers and check boxes keep their room.
            DragBorder(gaps[1], 32);
            std::vector<int> after = Gaps();
            Say(L"drag the border after 歌曲 Song 32 pixels right",
                L"border at x " + std::to_wstring(after.size() > 1 ? after[1] : -1) + L" (was " +
                    std::to_wstring(gaps[1]) + L"), 歌手 Artist and 时长 narrower");
            // Two left-aligned columns: the alignments stay with the positions, so an exchange of
            // like with like reads as it should.
            DragHeader(Middle(after, 1), Middle(after, 2));
            Say(L"drag the header 歌曲 Song onto 歌手 Artist",
                L"exchanged, first row: " + Item(list_, 0, 1) + L", " + Item(list_, 0, 2));
        }
        ClickRow(3);
        Say(L"click on the fourth row", L"ListIndex " + std::to_wstring(GetLong(list_, L"ListIndex")));
        DoubleClickRow(6);
        Say(L"double-click on the seventh row", L"PlayIndex " + std::to_wstring(GetLong(list_, L"PlayIndex")));
        Wheel(2);
        Say(L"wheel two notches down", L"rows " + std::to_wstring(GetLong(list_, L"FirstIndex")) + L" to " +
                                            std::to_wstring(GetLong(list_, L"LastIndex")) + L" of " +
                                            std::to_wstring(GetLong(list_, L"ListCount")) + L" in view");
        Key(VK_DOWN);
        Say(L"Down key", L"ListIndex " + std::to_wstring(GetLong(list_, L"ListIndex")));
        Wheel(-2);
        ClickAt(8, RowY(1));  // the check box sits at the left edge of a row
        Say(L"click on the second row's check box", L"checked rows " + CheckedRows());
    }

private:
    void Say(const std::wstring& gesture, const std::wstring& result) {
        Pump();
        // UTF-8 bytes: the terminal that runs Wine reads them, whatever Wine's code page.
        const std::wstring line = L"tour: " + gesture + L" -> " + result + L"\n";
        std::string bytes(line.size() * 3, '\0');
        bytes.resize(WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), &bytes[0],
                                         static_cast<int>(bytes.size()), nullptr, nullptr));
        fwrite(bytes.data(), 1, bytes.size(), stdout);
        fflush(stdout);
    }
    std::wstring CheckedRows() {
        VARIANT v;
        VariantInit(&v);
        std::wstring text;
        if (SUCCEEDED(Call(list_, L"GetCheckItemId", DISPATCH_METHOD, {}, &v)) && V_VT(&v) == VT_BSTR && V_BSTR(&v))
            text = V_BSTR(&v);
        VariantClear(&v);
        return text;
    }
    int RowY(long row) const {
        return 1 + rowHeight_ + static_cast<int>(row - GetLong(list_, L"FirstIndex")) * rowHeight_ + rowHeight_ / 2;
    }
    void ClickAt(int x, int y) {
        SendMessageW(hwnd_, WM_MOUSEMOVE, 0, At(x, y));
        SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
        SendMessageW(hwnd_, WM_LBUTTONUP, 0, At(x, y));
    }
    void ClickRow(long row) { ClickAt(width_ / 2, RowY(row)); }
    void DoubleClickRow(long row) {
        const int y = RowY(row);
        ClickAt(width_ / 2, y);
        SendMessageW(hwnd_, WM_LBUTTONDBLCLK, MK_LBUTTON, At(width_ / 2, y));
        SendMessageW(hwnd_, WM_LBUTTONUP, 0, At(width_ / 2, y));
    }
    // A wheel sends one message a notch.
    void Wheel(int notches) {
        POINT p = {width_ / 2, RowY(GetLong(list_, L"FirstIndex"))};
        ClientToScreen(hwnd_, &p);
        const WORD delta = static_cast<WORD>(notches > 0 ? -WHEEL_DELTA : WHEEL_DELTA);
        for (int i = 0; i < (notches > 0 ? notches : -notches); ++i)
            SendMessageW(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), At(p.x, p.y));
    }
    void Key(UINT vk) {
        SendMessageW(hwnd_, WM_KEYDOWN, vk, 1);
        SendMessageW(hwnd_, WM_KEYUP, vk, 0xC0000001);
    }
    void ClickHeader(int x) { ClickAt(x, headerY_); }
    void DragHeader(int from, int to) {
        SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, At(from, headerY_));
        for (int step = 1; step <= 4; ++step)
            SendMessageW(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, At(from + (to - from) * step / 4, headerY_));
        SendMessageW(hwnd_, WM_LBUTTONUP, 0, At(to, headerY_));
    }
    HWND Marker() const {
        HWND marker = nullptr;
        EnumChildWindows(hwnd_, FindMarker, reinterpret_cast<LPARAM>(&marker));
        return marker;
    }
    // The x of each gap between shown columns, found as a hand finds them:
    // hovering along the header, the border marker moves to each gap it meets.
    std::vector<int> Gaps() {
        std::vector<int> gaps;
        LONG last = -1;
        for (int x = 1; x < width_; ++x) {
            SendMessageW(hwnd_, WM_MOUSEMOVE, 0, At(x, headerY_));
            HWND marker = Marker();
            if (!marker) continue;
            RECT rc;
            GetWindowRect(marker, &rc);
            MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rc), 2);
            if (rc.left == last) continue;
            last = rc.left;
            gaps.push_back(rc.left + 1);
        }
        return gaps;
    }
    static int Middle(const std::vector<int>& gaps, size_t column) {
        return column < gaps.size() ? (gaps[column - 1] + gaps[column]) / 2 : gaps.back() + 20;
    }
    void DragBorder(int gap, int dx) {
        SendMessageW(hwnd_, WM_MOUSEMOVE, 0, At(gap, headerY_));
        HWND marker = Marker();
        if (!marker) return;
        SendMessageW(marker, WM_LBUTTONDOWN, MK_LBUTTON, At(0, 5));
        // The marker follows the pointer, so each move is counted from where it stands.
        for (int step = 0; step < 4; ++step) SendMessageW(marker, WM_MOUSEMOVE, MK_LBUTTON, At(dx / 4, 5));
        SendMessageW(marker, WM_LBUTTONUP, 0, At(0, 5));  // the marker has followed the pointer
        Pump();
    }

    IDispatch* list_;
    HWND hwnd_;
    int width_ = 0;
    long rowHeight_ = 0;
    int headerY_ = 0;
};

}  // namespace

void RunTour(IDispatch* list) {
    Tour tour(list);
    if (tour.ok()) tour.Run();
}

}  // namespace demo
