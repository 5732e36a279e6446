// Lifetime: many create / activate / destroy cycles leave no object, GDI
// object or window behind, and the module can be unloaded afterwards.
// Wine's GetGuiResources answers 0, so GDI objects and windows are counted by
// probing the handle tables, which Wine also answers for 16-bit handles.
#include <gtest/gtest.h>

#include "test_container.h"

namespace mltest {
namespace {

int LiveGdiObjects() {
    int n = 0;
    for (ULONG_PTR h = 1; h < 0x10000; ++h)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(h)) != 0) ++n;
    return n;
}

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

HRESULT CanUnloadNow() {
    auto fn = Export<HRESULT(WINAPI*)()>(ControlModule(), "DllCanUnloadNow");
    return fn ? fn() : E_FAIL;
}

void OneCycle() {
    HostedControl host;
    ASSERT_TRUE(host.ok()) << host.failure();
    EventSink sink;
    NotifySink notify;
    const DWORD events = Connect(host.control(), DIID___MireloList, &sink);
    const DWORD changes = Connect(host.control(), IID_IPropertyNotifySink, &notify);
    Method(host.dispatch(), L"AddItemA", {Var::I4(1), Var::Str(L"A,B"), Var::Str(L"90,90"), Var::Str(L"0,0")});
    for (int i = 0; i < 30; ++i) Method(host.dispatch(), L"AddItem", {Var::Str(L"x,y")});
    Put(host.dispatch(), L"CheckBox", Var::Bool(true));
    Put(host.dispatch(), L"HeaderBackColor", Var::I4(0x123456));
    Put(host.dispatch(), L"ListIndex", Var::I2(3));
    CallResult font = Get(host.dispatch(), L"Font");
    Put(V_DISPATCH(font.value.get()), L"Bold", Var::Bool(true));
    SendMessageW(host.controlWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 60));
    SendMessageW(host.controlWindow(), WM_LBUTTONUP, 0, MAKELPARAM(60, 60));
    UpdateWindow(host.controlWindow());
    Disconnect(host.control(), DIID___MireloList, events);
    Disconnect(host.control(), IID_IPropertyNotifySink, changes);
}

TEST(Lifetime, TwoHundredCyclesLeaveNothingBehind) {
    // One cycle first: caches and window classes that live as long as the process.
    OneCycle();
    PumpMessages();
    const int gdi = LiveGdiObjects(), windows = LiveWindows();
    ASSERT_GT(gdi, 0) << "the GDI probe sees nothing on this platform";

    // The probe sees a leak: one brush more is counted.
    HBRUSH leak = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(LiveGdiObjects(), gdi + 1);
    DeleteObject(leak);

    for (int i = 0; i < 200; ++i) {
        OneCycle();
        if (HasFatalFailure()) return;
    }
    PumpMessages();
    EXPECT_EQ(CanUnloadNow(), S_OK);
    EXPECT_EQ(LiveGdiObjects(), gdi);
    EXPECT_EQ(LiveWindows(), windows);
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
