// Our own container hosting the control in place in a real window: the
// window, the ambient values, painting, focus and keys, sizing, drawing for a
// container that does not activate it. A container that hands the control
// its site and sinks at once (IQuickActivate) must see the same as one that
// makes the calls one by one: every hosting check runs both ways.
#include <gtest/gtest.h>

#include <algorithm>

#include "test_container.h"

namespace mltest {
namespace {

constexpr COLORREF kBack = RGB(255, 255, 247);
constexpr COLORREF kHeader = RGB(205, 211, 222);
constexpr COLORREF kBorder = RGB(120, 163, 195);

std::vector<std::string> Without(std::vector<std::string> calls, const char* noise) {
    calls.erase(std::remove(calls.begin(), calls.end(), noise), calls.end());
    return calls;
}

// The control drawn by IViewObject::Draw into a buffer of its size.
void DrawInto(IUnknown* control, PixelBuffer& buffer) {
    ComPtr<IViewObject> view = ComPtr<IUnknown>(control).As<IViewObject>(IID_IViewObject);
    ASSERT_TRUE(view);
    RECTL bounds = {0, 0, buffer.width(), buffer.height()};
    ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, buffer.dc(), &bounds, nullptr, nullptr, 0),
              S_OK);
}

class Hosted : public testing::TestWithParam<Activation> {};
INSTANTIATE_TEST_SUITE_P(Activations, Hosted, testing::Values(Activation::StepByStep, Activation::Quick),
                         ActivationName);

TEST_P(Hosted, InPlaceActivationGivesTheControlItsOwnChildWindow) {
    HostedControl host(GetParam());
    ASSERT_TRUE(host.ok()) << host.failure();
    HWND hwnd = host.controlWindow();
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(GetParent(hwnd), host.host());
    EXPECT_TRUE(IsWindowVisible(hwnd));
    RECT rc;
    GetWindowRect(hwnd, &rc);
    MapWindowPoints(nullptr, host.host(), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(rc.left, 10);
    EXPECT_EQ(rc.top, 10);
    EXPECT_EQ(rc.right - rc.left, 202);
    EXPECT_EQ(rc.bottom - rc.top, 151);
    EXPECT_EQ(Get(host.dispatch(), L"hWnd").value.AsLong(), static_cast<long>(reinterpret_cast<LONG_PTR>(hwnd)));
    EXPECT_EQ(host.site().calls, std::vector<std::string>{"OnInPlaceActivate"});

    host.site().calls.clear();
    ComPtr<IOleInPlaceObject> inPlace = ComPtr<IUnknown>(host.control()).As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    ASSERT_EQ(inPlace->InPlaceDeactivate(), S_OK);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(host.site().calls, std::vector<std::string>{"OnInPlaceDeactivate"});
    EXPECT_EQ(Get(host.dispatch(), L"hWnd").value.AsLong(), 0);
    // Without its window the control keeps working on its own surface.
    EXPECT_EQ(Method(host.dispatch(), L"AddItem", {Var::Str(L"a")}).value.AsLong(), 1);
    EXPECT_EQ(Method(host.dispatch(), L"Refresh").hr, S_OK);
}

// Run mode paints the header band; a form designer shows the name and frame.
TEST_P(Hosted, UserAndDesignModeComeFromTheAmbientProperties) {
    for (bool userMode : {true, false}) {
        SCOPED_TRACE(userMode ? "run mode" : "design mode");
        HostedControl host(userMode, L"MireloList1", GetParam());
        ASSERT_TRUE(host.ok()) << host.failure();
        UpdateWindow(host.controlWindow());
        PixelBuffer screen(202, 151);
        screen.CopyFrom(host.controlWindow());
        EXPECT_EQ(screen.At(0, 0), kBorder);
        EXPECT_EQ(screen.At(150, 8), userMode ? kHeader : kBack);
        // The designer prints the control's name near its top left corner.
        bool inked = false;
        for (int y = 2; y < 16 && !inked; ++y)
            for (int x = 2; x < 70 && !inked; ++x) {
                const COLORREF c = screen.At(x, y);
                inked = c != kBack && c != kBorder && c != kHeader;
            }
        EXPECT_EQ(inked, !userMode);
    }
}

// A designer switched to run mode tells the control, which repaints in it.
TEST_P(Hosted, AmbientChangeRepaintsInTheNewMode) {
    HostedControl host(false, L"MireloList1", GetParam());
    ASSERT_TRUE(host.ok()) << host.failure();
    host.site().SetUserMode(true);
    ComPtr<IOleControl> control = ComPtr<IUnknown>(host.control()).As<IOleControl>(IID_IOleControl);
    ASSERT_EQ(control->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE), S_OK);
    EXPECT_EQ(ScreenPixel(host.controlWindow(), 150, 8), kHeader);
}

TEST_P(Hosted, ClickTakesTheFocusAndTheKeysMoveTheSelection) {
    HostedControl host(GetParam());
    ASSERT_TRUE(host.ok()) << host.failure();
    ASSERT_TRUE(Fill(host.dispatch(), L"A,B", L"90,90", {L"a,1", L"b,2", L"c,3"}));
    HWND hwnd = host.controlWindow();
    host.site().calls.clear();

    const long y = Get(host.dispatch(), L"ItemHeight").value.AsLong() * 2 + 8;  // below the header band
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(60, y));
    PumpMessages();
    EXPECT_EQ(GetFocus(), hwnd);
    EXPECT_TRUE(host.site().hasFocus);
    EXPECT_EQ(Without(host.site().calls, "SetActiveObject(null)"),
              (std::vector<std::string>{"OnUIActivate", "SetActiveObject"}));
    const long selected = Get(host.dispatch(), L"ListIndex").value.AsLong();
    EXPECT_EQ(selected, Get(host.dispatch(), L"IndexFromPoint", {Var::I4(60), Var::I4(y)}).value.AsLong());
    EXPECT_GE(selected, 0);

    // A dialog host asks before it takes the arrow keys for itself.
    EXPECT_TRUE(SendMessageW(hwnd, WM_GETDLGCODE, VK_DOWN, 0) & DLGC_WANTARROWS);
    SendMessageW(hwnd, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Get(host.dispatch(), L"ListIndex").value.AsLong(), selected + 1);
    // The container's own sinks heard the selection and the clicks.
    const std::vector<DISPID> heard = host.events().Ids();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), kListIndexChanged), 1);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), kClick), 1);
}

TEST_P(Hosted, ContainerSizesTheControlThroughSetObjectRects) {
    HostedControl host(GetParam());
    ASSERT_TRUE(host.ok()) << host.failure();
    EventSink& sink = host.events();
    sink.events.clear();
    ComPtr<IOleInPlaceObject> inPlace = ComPtr<IUnknown>(host.control()).As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    RECT pos = {20, 30, 320, 230};
    ASSERT_EQ(inPlace->SetObjectRects(&pos, &pos), S_OK);
    RECT client;
    GetClientRect(host.controlWindow(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    EXPECT_EQ(sink.Ids(), std::vector<DISPID>{kResize});  // the bar follows: scrollbar_window_test.cpp
    SIZEL extent = {};
    host.ole()->GetExtent(DVASPECT_CONTENT, &extent);
    EXPECT_EQ(MulDiv(extent.cx, 96, 2540), 300);
}

// What the host changes reaches the container's property-change sink, and
// marks the control dirty, however the sink was handed over.
TEST_P(Hosted, PropertyChangesReachTheContainersNotifySink) {
    HostedControl host(GetParam());
    ASSERT_TRUE(host.ok()) << host.failure();
    host.notify().changed.clear();
    ASSERT_EQ(Put(host.dispatch(), L"ItemHeight", Var::I4(20)).hr, S_OK);
    EXPECT_EQ(host.notify().changed, std::vector<DISPID>{IdOf(host.dispatch(), L"ItemHeight")});
    EXPECT_EQ(ComPtr<IUnknown>(host.control()).As<IPersistStreamInit>(IID_IPersistStreamInit)->IsDirty(), S_OK);
}

// A container that shows the control without activating it asks it to draw.
TEST(Hosting, ViewObjectDrawsAControlThatHasNoWindow) {
    ComPtr<IUnknown> control = NewControl();
    ASSERT_TRUE(control);
    ComPtr<IOleObject> ole = control.As<IOleObject>(IID_IOleObject);
    SIZEL extent = {};
    ASSERT_EQ(ole->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
    EXPECT_EQ(MulDiv(extent.cx, 96, 2540), 202);  // 3030 x 2265 twips
    EXPECT_EQ(MulDiv(extent.cy, 96, 2540), 151);
    PixelBuffer picture(202, 151);
    DrawInto(control.Get(), picture);
    EXPECT_EQ(picture.At(0, 0), kBorder);
    EXPECT_EQ(picture.At(201, 150), kBorder);
    EXPECT_EQ(picture.At(150, 8), kHeader);  // no container: run mode

    // A new extent resizes the control's own surface: the frame follows it.
    SIZEL larger = {MulDiv(300, 2540, 96), MulDiv(200, 2540, 96)};
    ASSERT_EQ(ole->SetExtent(DVASPECT_CONTENT, &larger), S_OK);
    SIZEL drawn = {};  // what the view reports it draws at
    ASSERT_EQ(control.As<IViewObject2>(IID_IViewObject2)->GetExtent(DVASPECT_CONTENT, -1, nullptr, &drawn), S_OK);
    EXPECT_EQ(drawn.cx, larger.cx);
    PixelBuffer resized(300, 200);
    DrawInto(control.Get(), resized);
    EXPECT_EQ(resized.At(299, 199), kBorder);
    EXPECT_EQ(resized.At(201, 150), kBack);
}

HWND g_aboutSeen = nullptr;

// Runs inside the About box's modal loop: finds the box and clicks it.
void CALLBACK ClickAbout(HWND, UINT, UINT_PTR id, DWORD) {
    HWND about = FindWindowW(L"MireloListAbout", nullptr);
    if (!about) return;
    g_aboutSeen = about;
    KillTimer(nullptr, id);
    PostMessageW(about, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
}

TEST(Hosting, AboutShowsAModalWindowThatAMouseClickCloses) {
    ComPtr<IDispatch> d = NewDispatch();
    ASSERT_TRUE(d);
    g_aboutSeen = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, ClickAbout);
    CallResult r = Method(d.Get(), L"About");
    KillTimer(nullptr, timer);
    EXPECT_EQ(r.hr, S_OK);
    ASSERT_TRUE(g_aboutSeen != nullptr);
    EXPECT_FALSE(IsWindow(g_aboutSeen));
}

}  // namespace
}  // namespace mltest
