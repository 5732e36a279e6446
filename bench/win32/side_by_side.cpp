#include "side_by_side.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "demo_host.h"

namespace mlbench {

double Now() {
    static const double period = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return 1.0 / static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * period;
}

void Settle(int milliseconds) {
    const double end = Now() + milliseconds / 1000.0;
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (milliseconds > 0) Sleep(1);
    } while (Now() < end);
}

double Mean(int times, const std::function<void()>& step, const std::function<void()>& before) {
    double total = 0;
    for (int i = 0; i < times; ++i) {
        if (before) before();
        const double start = Now();
        step();
        total += Now() - start;
    }
    return total / times;
}

void Repaint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

void Flush(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

void Key(HWND window, WPARAM key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

namespace {

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND CreateFrame(int width, const wchar_t* title) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"MireloListBench";
    RegisterClassW(&wc);  // fails harmlessly for a second frame
    RECT r = {0, 0, width, kHeight};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowExW(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                           0, 0, r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
}

Rows::Rows(int count) {
    // Distinct keys in a fixed shuffle, so every correct sort agrees and runs
    // compare alike from run to run.
    std::vector<int> keys(count);
    for (int i = 0; i < count; ++i) keys[i] = i;
    std::shuffle(keys.begin(), keys.end(), std::mt19937(20261207));
    static const wchar_t* const kFill[] = {L"Alpha", L"Bravo", L"Charlie", L"Delta", L"Echo", L"Foxtrot"};
    wchar_t buffer[64];
    for (int i = 0; i < count; ++i) {
        swprintf(buffer, 64, L"%d", i + 1);
        cells[0].emplace_back(buffer);
        swprintf(buffer, 64, L"k%05d", keys[i]);
        cells[1].emplace_back(buffer);
        for (int c = 2; c < kColumns; ++c) cells[c].emplace_back(kFill[(i + c) % 6]);
        std::wstring row = cells[0].back();
        for (int c = 1; c < kColumns; ++c) row += L"," + cells[c].back();
        joined.push_back(SysAllocString(row.c_str()));
    }
}

Rows::~Rows() {
    for (BSTR b : joined) SysFreeString(b);
}

namespace {

VARIANT Missing() {
    VARIANT v;
    V_VT(&v) = VT_ERROR;
    V_ERROR(&v) = DISP_E_PARAMNOTFOUND;
    return v;
}

VARIANT Bstr(const wchar_t* s) {
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(s);
    return v;
}

}  // namespace

bool Ours::Create(HWND frame) {
    demo::DemoSite* host = nullptr;
    dispatch = demo::HostControl(L"MireloListProj.MireloList", frame, RECT{0, 0, kWidth, kHeight}, &host);
    site = static_cast<IOleClientSite*>(host);
    if (!dispatch) return false;
    if (FAILED(dispatch->QueryInterface(IID__MireloList, reinterpret_cast<void**>(&dual)))) return false;
    if (FAILED(dispatch->QueryInterface(IID_IViewObject, reinterpret_cast<void**>(&view)))) return false;
    IOleWindow* ole = nullptr;
    if (SUCCEEDED(dispatch->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&ole)))) {
        ole->GetWindow(&window);
        ole->Release();
    }
    return window && AddColumns();
}

bool Ours::AddColumns() {
    VARIANT count, captions = Bstr(L"Id,Key,Alpha,Beta,Gamma"), widths = Bstr(L"60,90,80,80,80"),
                   align = Bstr(L"0,0,0,0,0"), result;
    V_VT(&count) = VT_I4;
    V_I4(&count) = kColumns - 1;
    VariantInit(&result);
    const HRESULT hr = dual->AddItemA(count, captions, widths, align, &result);
    VariantClear(&captions);
    VariantClear(&widths);
    VariantClear(&align);
    VariantClear(&result);
    return SUCCEEDED(hr);
}

void Ours::Destroy() {
    IOleObject* ole = nullptr;
    if (dispatch && SUCCEEDED(dispatch->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole)))) {
        ole->Close(OLECLOSE_NOSAVE);
        ole->SetClientSite(nullptr);
        ole->Release();
    }
    for (IUnknown** p : {reinterpret_cast<IUnknown**>(&view), reinterpret_cast<IUnknown**>(&dual),
                         reinterpret_cast<IUnknown**>(&dispatch), &site}) {
        if (*p) (*p)->Release();
        *p = nullptr;
    }
    window = nullptr;
}

void Ours::Fill(const Rows& rows, int count) {
    const VARIANT none = Missing();
    for (int i = 0; i < count; ++i) {
        VARIANT title;
        V_VT(&title) = VT_BSTR;
        V_BSTR(&title) = rows.joined[i];
        BSTR key = nullptr;
        long index = 0;
        dual->AddItem(title, &key, none, none, &index);
        SysFreeString(key);
    }
}

void Ours::Click(int x, int y) {
    POINT p = {x, y};
    HWND target = ChildWindowFromPointEx(window, p, CWP_SKIPINVISIBLE);
    if (!target) target = window;
    MapWindowPoints(window, target, &p, 1);
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

void Ours::PutLong(const wchar_t* name, long value) {
    DISPID id;
    LPOLESTR n = const_cast<LPOLESTR>(name);
    if (FAILED(dispatch->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id))) return;
    VARIANT arg;
    V_VT(&arg) = VT_I4;
    V_I4(&arg) = value;
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&arg, &put, 1, 1};
    dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

long Ours::GetLong(const wchar_t* name) {
    DISPID id;
    LPOLESTR n = const_cast<LPOLESTR>(name);
    if (FAILED(dispatch->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id))) return -1;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
    VARIANT asLong;
    VariantInit(&asLong);
    const long value = SUCCEEDED(VariantChangeType(&asLong, &result, 0, VT_I4)) ? V_I4(&asLong) : -1;
    VariantClear(&result);
    return value;
}

HWND Ours::Bar() const { return FindWindowExW(window, nullptr, L"MireloScrollBar", nullptr); }

bool Anchor::Create(HWND frame, int left) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    window = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
                             left, 0, kWidth, kHeight, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return false;
    SendMessageW(window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    static const wchar_t* const kCaptions[] = {L"Id", L"Key", L"Alpha", L"Beta", L"Gamma"};
    static const int kWidths[] = {60, 90, 80, 80, 80};
    for (int c = 0; c < kColumns; ++c) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(kCaptions[c]);
        column.cx = kWidths[c];
        column.iSubItem = c;
        SendMessageW(window, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    return true;
}

void Anchor::Destroy() {
    DestroyWindow(window);
    window = nullptr;
}

int Anchor::RowHeight() const {
    RECT r = {LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(window, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r.bottom - r.top;
}

void Anchor::Fill(const Rows& texts, int count) {
    rows = &texts;
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < count; ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(texts.cells[0][i].c_str());
        item.lParam = i;
        const int at = static_cast<int>(SendMessageW(window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (int c = 1; c < kColumns; ++c) {
            LVITEMW sub = {};
            sub.iSubItem = c;
            sub.pszText = const_cast<wchar_t*>(texts.cells[c][i].c_str());
            SendMessageW(window, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&sub));
        }
    }
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
}

namespace {

// Ordinal comparison of the key column, as our sort compares.
int CALLBACK CompareKeys(LPARAM a, LPARAM b, LPARAM context) {
    const auto* rows = reinterpret_cast<const Rows*>(context);
    return rows->cells[1][a].compare(rows->cells[1][b]);
}

// Each row's parameter is its insertion index.
int CALLBACK CompareInserted(LPARAM a, LPARAM b, LPARAM) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

void Anchor::Sort() {
    SendMessageW(window, LVM_SORTITEMS, reinterpret_cast<WPARAM>(rows), reinterpret_cast<LPARAM>(CompareKeys));
}

void Anchor::Unsort() { SendMessageW(window, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(CompareInserted)); }

}  // namespace mlbench
