// The demo host: a window with a MireloList showing a sample playlist, hosted
// in place like a form would host it. By default it saves a screenshot as PNG,
// tours the gestures, saves a second one and ends. --keep-open does the same and
// then leaves the window to the user's mouse; --interactive opens on the filled
// list at once, without the tour. Both stay until the window is closed.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "demo_calls.h"
#include "demo_host.h"
#include "demo_tour.h"
#include "png_writer.h"

namespace {

using demo::Bool;
using demo::Call;
using demo::Long;
using demo::Str;

const wchar_t* const kSongs[] = {
    L"1,月亮代表我的心,邓丽君,3:29",  L"2,Yesterday,The Beatles,2:05",   L"3,甜蜜蜜,邓丽君,3:31",
    L"4,Hotel California,Eagles,6:30", L"5,后来,刘若英,5:41",            L"6,Bohemian Rhapsody,Queen,5:55",
    L"7,晴天,周杰伦,4:29",             L"8,Imagine,John Lennon,3:07",     L"9,童话,光良,4:06",
    L"10,Let It Be,The Beatles,4:03",  L"11,小幸运,田馥甄,4:25",          L"12,Take Five,Dave Brubeck,5:24",
    L"13,稻香,周杰伦,3:43",            L"14,Yellow,Coldplay,4:29",        L"15,但愿人长久,王菲,4:11",
    L"16,Wonderwall,Oasis,4:18",       L"17,海阔天空,Beyond,5:26",        L"18,Fly Me to the Moon,Frank Sinatra,2:29",
};

void FillPlaylist(IDispatch* list) {
    Call(list, L"AddItemA", DISPATCH_METHOD,
         {Long(3), Str(L"序号,歌曲 Song,歌手 Artist,时长"), Str(L"40,170,130,60"), Str(L"1,0,0,2")});
    for (const wchar_t* song : kSongs) Call(list, L"AddItem", DISPATCH_METHOD, {Str(song)});
    Call(list, L"CheckBox", DISPATCH_PROPERTYPUT, {Bool(true)});
    for (long row : {1, 3, 6}) Call(list, L"SetCheckItem", DISPATCH_METHOD, {Long(row), Bool(true)});
    Call(list, L"PlayIndex", DISPATCH_PROPERTYPUT, {Long(2)});
    Call(list, L"ListIndex", DISPATCH_PROPERTYPUT, {Long(5)});
}

// Lets the windows paint: messages for a while, however the display is.
void Settle(int milliseconds) {
    const DWORD until = GetTickCount() + milliseconds;
    MSG msg;
    while (GetTickCount() < until) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

// The window's client area as it is on screen (children included: they share
// their top-level window's surface), as RGB rows top to bottom.
std::vector<uint8_t> Capture(HWND window, int* width, int* height) {
    RECT rc;
    GetClientRect(window, &rc);
    *width = rc.right;
    *height = rc.bottom;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = *width;
    bi.bmiHeader.biHeight = -*height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC source = GetDC(window);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(memory, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, *width, *height, source, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<uint8_t> rgb(static_cast<size_t>(*width) * *height * 3);
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(*width) * *height; ++i) {
        rgb[i * 3] = static_cast<uint8_t>(pixels[i] >> 16);
        rgb[i * 3 + 1] = static_cast<uint8_t>(pixels[i] >> 8);
        rgb[i * 3 + 2] = static_cast<uint8_t>(pixels[i]);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    return rgb;
}

// Where a file is for the person who ran the demo: the Unix path under Wine.
void PrintLocation(const wchar_t* file) {
    wchar_t full[MAX_PATH];
    GetFullPathNameW(file, MAX_PATH, full, nullptr);
    using UnixName = char*(__cdecl*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (char* name = unixName ? unixName(full) : nullptr) {
        printf("screenshot: %s\n", name);
        HeapFree(GetProcessHeap(), 0, name);
    } else {
        printf("screenshot: %ls\n", full);
    }
    fflush(stdout);
}

bool SaveScreenshot(HWND frame, const wchar_t* file) {
    int width = 0, height = 0;
    const std::vector<uint8_t> rgb = Capture(frame, &width, &height);
    if (!demo::WritePng(file, width, height, rgb)) {
        fprintf(stderr, "demo: could not write the screenshot\n");
        return false;
    }
    PrintLocation(file);
    return true;
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void WaitForClose() {
    printf("demo: the window is yours; close it to end the demo\n");
    fflush(stdout);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "";
    const bool interactive = std::strcmp(mode, "--interactive") == 0;
    const bool keepOpen = interactive || std::strcmp(mode, "--keep-open") == 0;
    if (FAILED(OleInitialize(nullptr))) return 1;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"MireloListDemo";
    RegisterClassW(&wc);
    HWND frame = CreateWindowExW(0, wc.lpszClassName, L"MireloList 播放列表 — playlist demo",
                                 WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 470, 340, nullptr, nullptr,
                                 wc.hInstance, nullptr);
    RECT client;
    GetClientRect(frame, &client);
    const RECT position = {8, 8, client.right - 8, client.bottom - 8};
    demo::DemoSite* site = nullptr;
    IDispatch* list = demo::HostControl(L"MireloListProj.MireloList", frame, position, &site);
    if (!list) {
        fprintf(stderr, "demo: MireloListProj.MireloList could not be created (is MireloList.ocx registered?)\n");
        return 1;
    }
    FillPlaylist(list);
    Settle(500);

    if (!interactive) {
        if (!SaveScreenshot(frame, L"mirelolist-demo.png")) return 1;
        // Then every gesture, as a user's hand would make it, and the list after them.
        demo::RunTour(list);
        Settle(300);
        if (!SaveScreenshot(frame, L"mirelolist-demo-gestures.png")) return 1;
    }
    if (keepOpen) WaitForClose();
    IOleObject* ole = nullptr;
    if (SUCCEEDED(list->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole)))) {
        ole->Close(OLECLOSE_NOSAVE);
        ole->SetClientSite(nullptr);
        ole->Release();
    }
    list->Release();
    site->Release();
    OleUninitialize();
    return 0;
}
