// What the control tells its host: events through __MireloList sinks, with
// by-reference arguments a sink may rewrite, and the property-changed
// notification under each property's dispatch identifier.
#include <gtest/gtest.h>

#include <algorithm>

#include "saved_control.h"
#include "test_container.h"

namespace mltest {
namespace {

class Events : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.ok()) << host.failure();
        ASSERT_TRUE(Fill(d(), L"A,B", L"90,90", {L"a,1", L"b,2", L"c,3", L"d,4"}));
        cookie = Connect(host.control(), DIID___MireloList, &sink);
        ASSERT_NE(cookie, 0u);
    }
    void TearDown() override { Disconnect(host.control(), DIID___MireloList, cookie); }
    IDispatch* d() { return host.dispatch(); }
    void Send(UINT msg, WPARAM wParam, int x, int y) {
        SendMessageW(host.controlWindow(), msg, wParam, MAKELPARAM(x, y));
    }

    HostedControl host;
    EventSink sink;
    DWORD cookie = 0;
};

TEST_F(Events, SinksRewriteByReferenceArgumentsAndTheControlHonoursThem) {
    EventSink second;
    const DWORD secondCookie = Connect(host.control(), DIID___MireloList, &second);
    ASSERT_NE(secondCookie, 0u);
    EXPECT_NE(secondCookie, cookie);
    // The first sink sends the selection elsewhere; the second sees its choice.
    sink.handler = [](DISPID id, std::vector<VARIANT*>& args) {
        if (id == kListIndexChanged) *V_I2REF(args[1]) = 1;
    };
    ASSERT_EQ(Put(d(), L"ListIndex", Var::I2(3)).hr, S_OK);
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].id, kListIndexChanged);
    EXPECT_EQ(sink.events[0].args, (std::vector<double>{-1, 3, 1}));  // old, new, wFlag 1: set by the host
    ASSERT_EQ(second.events.size(), 1u);
    EXPECT_EQ(second.events[0].args, (std::vector<double>{-1, 1, 1}));
    EXPECT_EQ(Get(d(), L"ListIndex").value.AsLong(), 1);

    // The same through the play row.
    sink.handler = [](DISPID id, std::vector<VARIANT*>& args) {
        if (id == kPlayIndexChanged) *V_I2REF(args[1]) = 0;
    };
    ASSERT_EQ(Put(d(), L"PlayIndex", Var::I2(2)).hr, S_OK);
    EXPECT_EQ(Get(d(), L"PlayIndex").value.AsLong(), 0);
    Disconnect(host.control(), DIID___MireloList, secondCookie);
    EXPECT_EQ(second.refs_, 0);  // released when disconnected
}

TEST_F(Events, ArgumentsArePassedByReferenceWithTheirDeclaredTypes) {
    std::vector<VARTYPE> types;
    sink.handler = [&](DISPID, std::vector<VARIANT*>& args) {
        for (VARIANT* a : args) types.push_back(V_VT(a));
    };
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 40);
    EXPECT_EQ(types, (std::vector<VARTYPE>{VT_BYREF | VT_I2, VT_BYREF | VT_I2, VT_BYREF | VT_I2,  // ListIndexChanged
                                           VT_BYREF | VT_I2, VT_BYREF | VT_I2, VT_BYREF | VT_R4, VT_BYREF | VT_R4}));
    Send(WM_LBUTTONUP, 0, 60, 40);
}

// The platform's order: down, up, click; a double-click is down, up, click,
// double-click, up.
TEST_F(Events, MouseEventsComeInThePlatformsOrder) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 40);
    Send(WM_LBUTTONUP, 0, 60, 40);
    ASSERT_EQ(sink.Ids(), (std::vector<DISPID>{kListIndexChanged, kMouseDown, kMouseUp, kClick}));
    EXPECT_EQ(sink.events[1].args, (std::vector<double>{1, 0, 60, 40}));  // Button, Shift, X, Y
    EXPECT_EQ(sink.events[3].args, (std::vector<double>{1, 0, 60, 40}));

    // On another row (a press on the selected row raises nothing of its own).
    sink.events.clear();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 60);
    Send(WM_LBUTTONUP, 0, 60, 60);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, 60, 60);
    Send(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 60, 60);  // arms no click of the left button
    Send(WM_RBUTTONUP, MK_LBUTTON, 60, 60);
    Send(WM_LBUTTONUP, 0, 60, 60);
    EXPECT_EQ(sink.Ids(), (std::vector<DISPID>{kListIndexChanged, kMouseDown, kMouseUp, kClick, kPlayIndexChanged,
                                               kDBClick, kMouseDown, kMouseUp, kMouseUp}));
    EXPECT_EQ(Get(d(), L"PlayIndex").value.AsLong(), Get(d(), L"ListIndex").value.AsLong());

    // The right button presses and releases, but only the left one clicks.
    sink.events.clear();
    Send(WM_RBUTTONDOWN, MK_RBUTTON, 60, 40);
    Send(WM_MOUSEMOVE, MK_RBUTTON, 61, 41);
    Send(WM_RBUTTONUP, 0, 61, 41);
    ASSERT_EQ(sink.Ids(), (std::vector<DISPID>{kMouseDown, kMouseMove, kMouseUp}));
    EXPECT_EQ(sink.events[1].args, (std::vector<double>{2, 0, 61, 41}));

    // Keys held as the mouse moves: Shift 1, Ctrl 2, Alt 4, added up.
    BYTE keys[256], held[256];
    ASSERT_TRUE(GetKeyboardState(keys));
    std::copy(keys, keys + 256, held);
    held[VK_SHIFT] = held[VK_MENU] = 0x80;
    SetKeyboardState(held);
    sink.events.clear();
    Send(WM_MOUSEMOVE, 0, 62, 42);
    SetKeyboardState(keys);
    ASSERT_EQ(sink.Ids(), (std::vector<DISPID>{kMouseMove}));
    EXPECT_EQ(sink.events[0].args, (std::vector<double>{0, 5, 62, 42}));
}

TEST_F(Events, TheMouseIsCapturedFromPressToRelease) {
    HWND hwnd = host.controlWindow();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 40);
    EXPECT_EQ(GetCapture(), hwnd);
    Send(WM_LBUTTONUP, 0, 500, 500);  // released outside: no click
    EXPECT_NE(GetCapture(), hwnd);
    ASSERT_FALSE(sink.events.empty());
    EXPECT_EQ(sink.Ids().back(), kMouseUp);
}

TEST_F(Events, FrozenEventsAreDropped) {
    ComPtr<IOleControl> control = ComPtr<IUnknown>(host.control()).As<IOleControl>(IID_IOleControl);
    control->FreezeEvents(TRUE);
    Put(d(), L"ListIndex", Var::I2(2));
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(Get(d(), L"ListIndex").value.AsLong(), 2);
    control->FreezeEvents(FALSE);
    Put(d(), L"ListIndex", Var::I2(3));
    EXPECT_EQ(sink.Ids(), std::vector<DISPID>{kListIndexChanged});
}

TEST_F(Events, ConnectionPointsAreFoundAndEnumerated) {
    ComPtr<IConnectionPointContainer> container =
        ComPtr<IUnknown>(host.control()).As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IEnumConnectionPoints> points;
    ASSERT_EQ(container->EnumConnectionPoints(points.Out()), S_OK);
    std::vector<IID> iids;
    IConnectionPoint* point = nullptr;
    while (points->Next(1, &point, nullptr) == S_OK) {
        IID iid;
        point->GetConnectionInterface(&iid);
        iids.push_back(iid);
        ComPtr<IEnumConnections> connections;
        point->EnumConnections(connections.Out());
        CONNECTDATA data = {};
        ULONG n = 0;
        if (iid == DIID___MireloList) {
            // The container's own sink comes first, then the test's.
            bool found = false;
            while (connections->Next(1, &data, &n) == S_OK) {
                found = found || data.dwCookie == cookie;
                data.pUnk->Release();
            }
            EXPECT_TRUE(found);
            EXPECT_EQ(point->Unadvise(cookie + 1000), CONNECT_E_NOCONNECTION);
        }
        point->Release();
    }
    EXPECT_EQ(iids, (std::vector<IID>{DIID___MireloList, IID_IPropertyNotifySink}));
    ComPtr<IConnectionPoint> none;
    EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, none.Out()), CONNECT_E_NOCONNECTION);
    ComPtr<IProvideClassInfo2> info = ComPtr<IUnknown>(host.control()).As<IProvideClassInfo2>(IID_IProvideClassInfo2);
    GUID events = {};
    ASSERT_EQ(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
    EXPECT_EQ(events, DIID___MireloList);
}

TEST(PropertyNotify, EachSetterNotifiesUnderItsDispatchIdentifier) {
    HostedControl host;
    ASSERT_TRUE(host.ok()) << host.failure();
    NotifySink sink;
    const DWORD cookie = Connect(host.control(), IID_IPropertyNotifySink, &sink);
    ASSERT_NE(cookie, 0u);
    ComPtr<IPersistStreamInit> persist =
        ComPtr<IUnknown>(host.control()).As<IPersistStreamInit>(IID_IPersistStreamInit);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    // Each persisted property, set to a value other than its default.
    for (const Setting& s : NonDefaults()) {
        SCOPED_TRACE(std::string(s.key, s.key + wcslen(s.key)));
        sink.changed.clear();
        ASSERT_EQ(Put(host.dispatch(), s.key, s.value).hr, S_OK);
        EXPECT_EQ(sink.changed, std::vector<DISPID>{IdOf(host.dispatch(), s.key)});
    }
    EXPECT_EQ(persist->IsDirty(), S_OK);

    // The font, set as a whole.
    sink.changed.clear();
    CallResult font = Get(host.dispatch(), L"Font");
    ASSERT_EQ(Put(V_DISPATCH(font.value.get()), L"Italic", Var::Bool(true)).hr, S_OK);
    EXPECT_EQ(sink.changed, std::vector<DISPID>{0x68030014});

    // A colour set to its value again changes nothing; bSeleArrow notifies anyway.
    sink.changed.clear();
    Put(host.dispatch(), L"BorderColor", Var::I4(0x090909));
    EXPECT_TRUE(sink.changed.empty());
    Put(host.dispatch(), L"bSeleArrow", Var::Bool(false));
    EXPECT_EQ(sink.changed, std::vector<DISPID>{0x68030000});
    Disconnect(host.control(), IID_IPropertyNotifySink, cookie);
}

}  // namespace
}  // namespace mltest
