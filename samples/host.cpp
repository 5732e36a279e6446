// A small C++ host for MireloList: a window holding the control through ATL's host window
// class (atl.dll, part of Windows), a filled playlist, and an event sink that prints every
// change of the selected and the play row and refuses to play row 0.
//
// Build (mingw-w64, from the kit's folder), 32-bit and 64-bit:
//   i686-w64-mingw32-g++ -std=c++17 -static -Iinclude samples/host.cpp include/MireloList_i.c -o host.exe -lole32 -loleaut32 -luuid
//   x86_64-w64-mingw32-g++ -std=c++17 -static -Iinclude samples/host.cpp include/MireloList_i.c -o host64.exe -lole32 -loleaut32 -luuid
// Run it after registering the component of the program's width (`regsvr32 MireloList.ocx`).
// `--once` sets everything up, prints what happened and closes at once instead of waiting for
// the window to be closed.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <cstdio>
#include <cstring>

#include "MireloList_h.h"

namespace {

VARIANT Str(const wchar_t* s) { VARIANT v; V_VT(&v) = VT_BSTR; V_BSTR(&v) = SysAllocString(s); return v; }
VARIANT Missing() { VARIANT v; V_VT(&v) = VT_ERROR; V_ERROR(&v) = DISP_E_PARAMNOTFOUND; return v; }
VARIANT Int(long n) { VARIANT v; V_VT(&v) = VT_I4; V_I4(&v) = n; return v; }

void Fill(_MireloList* list) {
    VARIANT last = Int(3), captions = Str(L"No.,Title,Artist,Time"), widths = Str(L"40,200,120,50"),
            aligns = Str(L"1,0,0,2"), result;
    VariantInit(&result);
    list->AddItemA(last, captions, widths, aligns, &result);
    VariantClear(&captions), VariantClear(&widths), VariantClear(&aligns);
    const wchar_t* rows[] = {L"1,Yesterday,The Beatles,2:05", L"2,Imagine,John Lennon,3:07",
                             L"3,Let It Be,The Beatles,4:03"};
    for (const wchar_t* row : rows) {
        VARIANT title = Str(row);
        BSTR key = nullptr;  // no key
        LONG count = 0;
        list->AddItem(title, &key, Missing(), Missing(), &count);
        VariantClear(&title);
    }
}

// The control's events come to an IDispatch; each argument is VT_BYREF, last one first.
class PlayerEvents : public IDispatch {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID___MireloList) ? this : nullptr;
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }  // lives on main's stack
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*, UINT*) override {
        if (id != 6 && id != 7) return S_OK;  // 6 ListIndexChanged, 7 PlayIndexChanged
        short* oldIndex = V_I2REF(&p->rgvarg[2]);
        short* newIndex = V_I2REF(&p->rgvarg[1]);
        const bool refuse = id == 7 && *newIndex == 0;  // row 0 is never played
        std::printf("%s %d -> %d%s\n", id == 6 ? "ListIndexChanged" : "PlayIndexChanged", *oldIndex, *newIndex,
                    refuse ? ", refused" : "");
        if (refuse) *newIndex = *oldIndex;  // the control takes NewIndex as the handler leaves it
        return S_OK;
    }
};

LRESULT CALLBACK FrameProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

int main(int argc, char** argv) {
    const bool once = argc > 1 && std::strcmp(argv[1], "--once") == 0;
    OleInitialize(nullptr);
    auto axWinInit = reinterpret_cast<BOOL(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"atl.dll"), "AtlAxWinInit")));
    auto axGetControl = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"atl.dll"), "AtlAxGetControl")));
    if (!axWinInit || !axGetControl || !axWinInit()) return std::puts("atl.dll has no AtlAxWin"), 1;

    WNDCLASSW frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = GetModuleHandleW(nullptr);
    frameClass.lpszClassName = L"MireloSampleFrame";
    frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    // Without a brush nothing paints the frame's own area around the control: it stays black.
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassW(&frameClass);
    HWND frame = CreateWindowExW(0, L"MireloSampleFrame", L"MireloList sample", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CW_USEDEFAULT, CW_USEDEFAULT, 460, 300, nullptr, nullptr, nullptr, nullptr);
    // The host window creates the control from its ProgID and owns it from now on.
    HWND host = CreateWindowExW(0, L"AtlAxWin", L"MireloListProj.MireloList", WS_CHILD | WS_VISIBLE, 10, 10,
                                420, 240, frame, nullptr, nullptr, nullptr);
    IUnknown* control = nullptr;
    _MireloList* list = nullptr;
    if (!host || FAILED(axGetControl(host, &control)) ||
        FAILED(control->QueryInterface(IID__MireloList, reinterpret_cast<void**>(&list))))
        return std::puts("MireloList is not registered"), 1;
    control->Release();
    Fill(list);

    PlayerEvents events;
    IConnectionPointContainer* points = nullptr;
    IConnectionPoint* point = nullptr;
    DWORD cookie = 0;
    list->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points));
    points->FindConnectionPoint(DIID___MireloList, &point);
    point->Advise(&events, &cookie);

    list->put_ListIndex(1);
    list->put_PlayIndex(0);  // refused by the sink
    list->put_PlayIndex(2);
    short playing = -1;
    LONG window = 0, rows = 0;
    list->get_PlayIndex(&playing);
    list->get_hWnd(&window);
    list->get_ListCount(&rows);
    std::printf("%ld rows, playing row %d, control window %s\n", rows, playing, window ? "shown" : "missing");

    if (once) PostMessageW(frame, WM_CLOSE, 0, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    point->Unadvise(cookie);
    point->Release();
    points->Release();
    list->Release();
    OleUninitialize();
    return 0;
}
