// Lifetime: many create / activate / use / destroy cycles leave no object, GDI
// object, window or heap memory behind, and the module can be unloaded
// afterwards. Wine's GetGuiResources answers 0, so GDI objects and windows are
// counted by probing the handle tables, which Wine also answers for 16-bit
// handles; memory is counted by walking the process's heaps.
#include <gtest/gtest.h>
#include <windows.h>

#define PSAPI_VERSION 2
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "hosted_gestures.h"
#include "test_container.h"

namespace mltest {
namespace {

int LiveWindows() {
    int n = 0;
    const DWORD self = GetCurrentProcessId();
    for (ULONG_PTR h = 0x20; h < 0x10000; h += 2) {
        HWND hwnd = reinterpret_cast<HWND>(h);
        DWORD pid = 0;
        if (IsWindow(hwnd) && GetWindowThreadProcessId(hwnd, &pid) && pid == self) ++n;
    }
    return n;
}

// Cursors and icons share the windows' handle table; a pointer shape loaded
// from a file and never destroyed shows here, not among the GDI objects.
int LiveCursors() {
    int n = 0;
    for (ULONG_PTR h = 0x20; h < 0x10000; h += 2) {
        ICONINFO info;
        if (!GetIconInfo(reinterpret_cast<HICON>(h), &info)) continue;
        ++n;
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    return n;
}

// Bytes handed out by every heap of the process: the C runtime's, COM's task
// allocator, BSTRs and the system's own bookkeeping for GDI and windows.
long long HeapBytesInUse() {
    HANDLE heaps[256];
    const DWORD count = GetProcessHeaps(256, heaps);
    long long total = 0;
    for (DWORD i = 0; i < count && i < 256; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return total;
}

// The process's private commit, which also sees memory taken outside the
// heaps. Wine leaves PrivateUsage 0 and keeps the figure here, as Windows
// also does.
long long PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) return -1;
    return static_cast<long long>(counters.PagefileUsage);
}

HRESULT CanUnloadNow() {
    auto fn = Export<HRESULT(WINAPI*)()>(ControlModule(), "DllCanUnloadNow");
    return fn ? fn() : E_FAIL;
}

// Where the column gestures go: found on the first list, the same on every
// other (same size, same columns). -1 while the list shows no marker.
int g_gapX = -1;

void OneCycle() {
    HostedControl host;
    ASSERT_TRUE(host.ok()) << host.failure();
    EventSink sink;
    NotifySink notify;
    const DWORD events = Connect(host.control(), DIID___MireloList, &sink);
    const DWORD changes = Connect(host.control(), IID_IPropertyNotifySink, &notify);
    Fill(host.dispatch(), L"A,B", L"90,90", std::vector<std::wstring>(30, L"x,y"));
    Put(host.dispatch(), L"CheckBox", Var::Bool(true));
    Put(host.dispatch(), L"HeaderBackColor", Var::I4(0x123456));
    Put(host.dispatch(), L"ListIndex", Var::I2(3));
    CallResult font = Get(host.dispatch(), L"Font");
    Put(V_DISPATCH(font.value.get()), L"Bold", Var::Bool(true));
    HWND list = host.controlWindow();
    Click(list, 60, 60);
    UpdateWindow(list);
    // The column gestures: the marker and its still picture are windows and
    // bitmaps, the pointer shapes cursors read from files, all coming and
    // going with each drag.
    if (g_gapX < 0) g_gapX = FindBorderGap(list);
    if (g_gapX >= 0) {
        EXPECT_TRUE(DragBorder(list, g_gapX, 10)) << "the marker came up on the first list only";
    }
    const int second = g_gapX >= 0 ? g_gapX + 30 : 120;
    Click(list, second, kHeaderY);  // sorts on that column
    Drag(list, second, 20, kHeaderY);
    UpdateWindow(list);
    Disconnect(host.control(), DIID___MireloList, events);
    Disconnect(host.control(), IID_IPropertyNotifySink, changes);
}

TEST(Lifetime, AThousandCyclesLeaveNothingBehind) {
    // One cycle first: caches and window classes that live as long as the process.
    OneCycle();
    if (HasFatalFailure()) return;
    PumpMessages();
    EXPECT_GE(g_gapX, 0) << "the hosted list shows no border marker; the cycles go without the border drag";
    const int gdi = LiveGdiObjects(), windows = LiveWindows(), cursors = LiveCursors();
    ASSERT_GT(gdi, 0) << "the GDI probe sees nothing on this platform";

    // The probes see leaks: one brush more, one cursor more, and a kilobyte
    // a cycle for as many cycles as are compared below.
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(LiveGdiObjects(), gdi + 1);
    DeleteObject(brush);
    HCURSOR cursor = CopyCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));  // a copy of the arrow
    EXPECT_EQ(LiveCursors(), cursors + 1);
    DestroyCursor(cursor);
    constexpr int kCycles = 1000, kSettled = 100;
    constexpr long long kLeakOfAKilobyteACycle = 1024LL * (kCycles - kSettled);
    constexpr long long kTolerance = kLeakOfAKilobyteACycle / 4;
    {
        std::vector<void*> leak(kCycles - kSettled);
        const long long before = HeapBytesInUse();
        for (void*& block : leak) block = std::malloc(1024);
        const long long seen = HeapBytesInUse() - before;
        for (void* block : leak) std::free(block);
        ASSERT_GE(seen, kLeakOfAKilobyteACycle) << "the heap walk does not see blocks come and go";
    }

    long long heapSettled = 0, privateSettled = 0;
    const DWORD start = GetTickCount();
    for (int i = 1; i <= kCycles; ++i) {
        OneCycle();
        if (HasFatalFailure()) return;
        if (i == kSettled) {
            // Allocator caches and one-time growth have filled up by now.
            PumpMessages();
            heapSettled = HeapBytesInUse();
            privateSettled = PrivateBytes();
        }
    }
    const DWORD spent = GetTickCount() - start;
    PumpMessages();
    const long long heapGrowth = HeapBytesInUse() - heapSettled;
    const long long privateGrowth = PrivateBytes() - privateSettled;
    RecordProperty("milliseconds", std::to_string(spent));
    RecordProperty("heap_growth", std::to_string(heapGrowth));
    RecordProperty("private_growth", std::to_string(privateGrowth));
    std::printf("%d cycles in %lu ms; after cycle %d: heap %lld bytes, private %lld; growth since: heap %lld, "
                "private %lld\n",
                kCycles, static_cast<unsigned long>(spent), kSettled, heapSettled, privateSettled, heapGrowth,
                privateGrowth);
    EXPECT_EQ(CanUnloadNow(), S_OK);
    EXPECT_EQ(LiveGdiObjects(), gdi);
    EXPECT_EQ(LiveWindows(), windows);
    EXPECT_EQ(LiveCursors(), cursors);
    EXPECT_LT(heapGrowth, kTolerance) << "heap bytes grew from cycle " << kSettled << " to " << kCycles;
    if (privateSettled > 0) {
        EXPECT_LT(privateGrowth, kTolerance) << "private bytes grew from cycle " << kSettled << " to " << kCycles;
    }
}

TEST(Lifetime, ServerLocksAndLiveObjectsKeepTheModuleLoaded) {
    ComPtr<IUnknown> control = NewControl();
    ASSERT_TRUE(control);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    control.Reset();
    EXPECT_EQ(CanUnloadNow(), S_OK);

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(CLSID_MireloList, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(factory.Out())),
              S_OK);
    factory->LockServer(TRUE);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    factory->LockServer(FALSE);
    EXPECT_EQ(CanUnloadNow(), S_OK);
    ComPtr<IUnknown> aggregated;
    IUnknown* outer = factory.Get();  // any object offered as the outer one
    EXPECT_EQ(factory->CreateInstance(outer, IID_IUnknown, reinterpret_cast<void**>(aggregated.Out())),
              CLASS_E_NOAGGREGATION);

    // An enumerator keeps its control alive after the caller let go of it.
    control = NewControl();
    ComPtr<IEnumConnectionPoints> points;
    control.As<IConnectionPointContainer>(IID_IConnectionPointContainer)->EnumConnectionPoints(points.Out());
    control.Reset();
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    points.Reset();
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

}  // namespace
}  // namespace mltest
