// The list as screen readers see it through MSAA, on the hosted control's
// real window: the object answered on WM_GETOBJECT, its children and what
// they say as the list changes, actions that run the mouse's protocol, the
// notifications clients hear, and the cut-off when the window goes.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <cwchar>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "hosted_gestures.h"
#include "scrollbar/scroll_part.h"
#include "test_container.h"

namespace mltest {
namespace {

constexpr long kSelf = CHILDID_SELF;

// What a client asks of one element (an object and a child id).
struct Element {
    IAccessible* acc;
    long id;
    VARIANT Id() const {
        VARIANT v;
        V_VT(&v) = VT_I4;
        V_I4(&v) = id;
        return v;
    }
    // A text the element hands out; empty for none.
    std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const {
        BSTR s = nullptr;
        const HRESULT hr = (acc->*get)(Id(), &s);
        std::wstring out = SUCCEEDED(hr) && s ? std::wstring(s, SysStringLen(s)) : L"";
        SysFreeString(s);
        return out;
    }
    // A number it hands out; -1 for none.
    long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) const {
        VARIANT v;
        return SUCCEEDED((acc->*get)(Id(), &v)) && V_VT(&v) == VT_I4 ? V_I4(&v) : -1;
    }
    std::wstring Name() const { return Text(&IAccessible::get_accName); }
    std::wstring Description() const { return Text(&IAccessible::get_accDescription); }
    std::wstring Value() const { return Text(&IAccessible::get_accValue); }
    std::wstring Action() const { return Text(&IAccessible::get_accDefaultAction); }
    long Role() const { return Number(&IAccessible::get_accRole); }
    long State() const { return Number(&IAccessible::get_accState); }
    RECT Screen() const {
        LONG l = 0, t = 0, w = 0, h = 0;
        acc->accLocation(&l, &t, &w, &h, Id());
        return RECT{l, t, l + w, t + h};
    }
    // Its middle in the client pixels of `window`.
    POINT MiddleIn(HWND window) const {
        const RECT r = Screen();
        POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ScreenToClient(window, &p);
        return p;
    }
};

// The list's window answers for three objects: itself, its header and its bar.
enum : LONG { kHeaderObject = 1, kBarObject = 2 };

// One announcement: what happened to which child of which object.
struct Heard {
    DWORD event;
    LONG object, child;
    bool operator==(const Heard& o) const { return event == o.event && object == o.object && child == o.child; }
};
std::ostream& operator<<(std::ostream& out, const Heard& h) {
    return out << "{" << std::hex << h.event << std::dec << " " << h.object << " " << h.child << "}";
}

// Records what the control announces on its own window.
std::vector<Heard>* g_heard = nullptr;
HWND g_window = nullptr;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    const bool ours = object == OBJID_CLIENT || object == kHeaderObject || object == kBarObject;
    if (g_heard && hwnd == g_window && ours) g_heard->push_back({event, object, child});
}

// Listens to the list's window while it lives.
class Listener {
public:
    explicit Listener(HWND window) {
        g_heard = &heard;
        g_window = window;
        hook_ = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Hear, GetCurrentProcessId(), GetCurrentThreadId(),
                                WINEVENT_OUTOFCONTEXT);
    }
    ~Listener() {
        UnhookWinEvent(hook_);
        g_heard = nullptr;
    }
    bool ok() const { return hook_ != nullptr; }
    // What was said since the last call.
    std::vector<Heard> Take() {
        PumpMessages();
        return std::exchange(heard, {});
    }
    std::vector<Heard> heard;

private:
    HWINEVENTHOOK hook_ = nullptr;
};

class Accessible : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.ok());
        ASSERT_TRUE(Fill(d(), L"#,Title,Artist", L"30,80,80", {L"x,Cello,Bach", L"x,Alto,Zed", L"x,Bass,Mingus"}));
        ASSERT_EQ(AccessibleObjectFromWindow(host.controlWindow(), OBJID_CLIENT, IID_IAccessible,
                                             reinterpret_cast<void**>(acc.Out())),
                  S_OK);
        ASSERT_TRUE(acc);
        ASSERT_EQ(acc->get_accChild(Element{acc.Get(), 1}.Id(), reinterpret_cast<IDispatch**>(headerDispatch.Out())),
                  S_OK);
        header = headerDispatch.As<IAccessible>(IID_IAccessible);
        ASSERT_TRUE(header);
    }
    IDispatch* d() { return host.dispatch(); }
    Element List(long id = kSelf) { return Element{acc.Get(), id}; }
    Element Row(long row) { return Element{acc.Get(), row + 2}; }
    Element Cell(long id) { return Element{header.Get(), id}; }
    std::vector<std::wstring> RowNames() {
        LONG count = 0;
        acc->get_accChildCount(&count);
        std::vector<std::wstring> names;
        for (long row = 0; row + 3 <= count; ++row) names.push_back(Row(row).Name());
        return names;
    }

    HostedControl host;
    ComPtr<IAccessible> acc;
    ComPtr<IDispatch> headerDispatch;
    ComPtr<IAccessible> header;
};

TEST_F(Accessible, TheClientObjectDescribesTheListAndItsChildren) {
    EXPECT_EQ(List().Role(), ROLE_SYSTEM_LIST);
    EXPECT_EQ(List().Name(), L"MireloList1");  // the host's name for it
    EXPECT_TRUE(List().State() & STATE_SYSTEM_FOCUSABLE);
    HWND window = nullptr;
    EXPECT_EQ(WindowFromAccessibleObject(acc.Get(), &window), S_OK);
    EXPECT_EQ(window, host.controlWindow());

    // Header, three rows, scroll bar: as the system walks them.
    VARIANT kids[6];
    LONG got = 0;
    ASSERT_EQ(AccessibleChildren(acc.Get(), 0, 6, kids, &got), S_FALSE);
    ASSERT_EQ(got, 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(V_VT(&kids[i]), i == 0 || i == 4 ? VT_DISPATCH : VT_I4);
    for (VARIANT& v : kids) VariantClear(&v);

    EXPECT_EQ(Element({header.Get(), kSelf}).Role(), ROLE_SYSTEM_ROW);
    LONG cells = 0;
    ASSERT_EQ(header->get_accChildCount(&cells), S_OK);
    ASSERT_EQ(cells, 3);
    EXPECT_EQ(Cell(2).Role(), ROLE_SYSTEM_COLUMNHEADER);
    EXPECT_EQ(Cell(1).Name() + L"|" + Cell(2).Name() + L"|" + Cell(3).Name(), L"#|Title|Artist");
    ComPtr<IDispatch> parent;
    ASSERT_EQ(header->get_accParent(parent.Out()), S_OK);
    EXPECT_EQ(parent.As<IAccessible>(IID_IAccessible).Get(), acc.Get());

    EXPECT_EQ(Row(0).Role(), ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(RowNames(), (std::vector<std::wstring>{L"1, Cello, Bach", L"2, Alto, Zed", L"3, Bass, Mingus"}));
    EXPECT_EQ(List(5).Role(), ROLE_SYSTEM_SCROLLBAR);
    EXPECT_TRUE(List(5).State() & STATE_SYSTEM_INVISIBLE);  // three rows need no bar

    // Places: on screen where the hit test finds them again.
    const RECT list = List().Screen(), row = Row(1).Screen();
    RECT window_rect;
    GetWindowRect(host.controlWindow(), &window_rect);
    EXPECT_TRUE(EqualRect(&list, &window_rect));
    EXPECT_EQ(row.bottom - row.top, 16);
    VARIANT hit;
    ASSERT_EQ(acc->accHitTest((row.left + row.right) / 2, row.top + 8, &hit), S_OK);
    ASSERT_EQ(V_VT(&hit), VT_I4);
    EXPECT_EQ(V_I4(&hit), 3);
    const RECT cell = Cell(3).Screen();
    ASSERT_EQ(acc->accHitTest(cell.left + 10, cell.top + 5, &hit), S_OK);
    ASSERT_EQ(V_VT(&hit), VT_DISPATCH);  // the header object, which knows its cells
    VariantClear(&hit);
    ASSERT_EQ(header->accHitTest(cell.left + 10, cell.top + 5, &hit), S_OK);
    EXPECT_EQ(V_I4(&hit), 3);

    EXPECT_EQ(Element({acc.Get(), 6}).Role(), -1);  // no such child
    ASSERT_EQ(acc->accNavigate(NAVDIR_LASTCHILD, List().Id(), &hit), S_OK);
    EXPECT_EQ(V_VT(&hit), VT_DISPATCH);  // the bar, after the rows
    VariantClear(&hit);
    ASSERT_EQ(acc->accNavigate(NAVDIR_NEXT, Row(0).Id(), &hit), S_OK);
    EXPECT_EQ(V_I4(&hit), 3);
}

TEST_F(Accessible, StatesFollowTheList) {
    ASSERT_EQ(Put(d(), L"ListIndex", Var::I2(1)).hr, S_OK);
    EXPECT_TRUE(Row(1).State() & STATE_SYSTEM_SELECTED);
    EXPECT_FALSE(Row(0).State() & STATE_SYSTEM_SELECTED);
    VARIANT v;
    ASSERT_EQ(acc->get_accSelection(&v), S_OK);
    EXPECT_EQ(V_I4(&v), 3);
    SetFocus(host.host());
    EXPECT_EQ(acc->get_accFocus(&v), S_FALSE);  // the selection is the focus only in a focused list
    SetFocus(host.controlWindow());
    EXPECT_TRUE(Row(1).State() & STATE_SYSTEM_FOCUSED);
    ASSERT_EQ(acc->get_accFocus(&v), S_OK);
    EXPECT_EQ(V_I4(&v), 3);

    Method(d(), L"SetCheckItem", {Var::I4(2), Var::Bool(true)});
    ASSERT_EQ(Put(d(), L"CheckBox", Var::Bool(true)).hr, S_OK);
    EXPECT_TRUE(Row(2).State() & STATE_SYSTEM_CHECKED);
    EXPECT_FALSE(Row(1).State() & STATE_SYSTEM_CHECKED);
}

// A selection moved by the keyboard is the focus only while the list's window
// has it: losing and regaining the focus changes what clients hear.
TEST_F(Accessible, TheSelectedRowIsTheFocusOnlyWhileTheListHasIt) {
    const HWND list = host.controlWindow();
    Listener listener(list);
    ASSERT_TRUE(listener.ok());
    const LONG client = OBJID_CLIENT;
    const std::pair<HWND, std::vector<Heard>> steps[] = {
        {list, {{EVENT_OBJECT_SELECTION, client, 2}, {EVENT_OBJECT_FOCUS, client, 2}}},
        {host.host(), {{EVENT_OBJECT_SELECTION, client, 3}}},
        {list, {{EVENT_OBJECT_SELECTION, client, 4}, {EVENT_OBJECT_FOCUS, client, 4}}},
    };
    for (const auto& [focus, heard] : steps) {
        SetFocus(focus);
        listener.Take();
        Key(list, VK_DOWN);
        EXPECT_EQ(listener.Take(), heard) << (focus == list ? "focused" : "not focused");
    }
}

TEST_F(Accessible, ActionsRunTheMouseProtocol) {
    EventSink sink;
    const DWORD cookie = Connect(host.control(), DIID___MireloList, &sink);
    ASSERT_NE(cookie, 0u);
    ASSERT_EQ(acc->accSelect(SELFLAG_TAKESELECTION, Row(1).Id()), S_OK);
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].id, kListIndexChanged);
    EXPECT_EQ(sink.events[0].args, (std::vector<double>{-1, 1, 0}));  // wFlag 0: the user's doing
    EXPECT_EQ(Get(d(), L"ListIndex").value.AsLong(), 1);

    ASSERT_EQ(acc->accSelect(SELFLAG_TAKEFOCUS, Row(2).Id()), S_OK);  // the selection goes with the focus
    EXPECT_EQ(Get(d(), L"ListIndex").value.AsLong(), 2);
    EXPECT_EQ(GetFocus(), host.controlWindow());
    EXPECT_EQ(acc->accSelect(SELFLAG_ADDSELECTION, Row(2).Id()), E_INVALIDARG);  // one row at a time

    sink.events.clear();
    ASSERT_EQ(acc->accDoDefaultAction(Row(2).Id()), S_OK);
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].id, kPlayIndexChanged);
    EXPECT_EQ(sink.events[0].args, (std::vector<double>{-1, 2, 0}));
    EXPECT_EQ(Row(2).Description(), L"play row");
    EXPECT_EQ(acc->accDoDefaultAction(List().Id()), DISP_E_MEMBERNOTFOUND);

    // A header cell sorts as a click on it does (the rows, the marker and the
    // play row it leaves: accessible_actions_test.cpp).
    EXPECT_EQ(Cell(3).Action(), L"Sort");
    ASSERT_EQ(header->accDoDefaultAction(Cell(3).Id()), S_OK);
    EXPECT_EQ(RowNames(), (std::vector<std::wstring>{L"1, Bass, Mingus", L"2, Alto, Zed", L"3, Cello, Bach"}));
    EXPECT_EQ(header->accDoDefaultAction(Element({header.Get(), kSelf}).Id()), DISP_E_MEMBERNOTFOUND);
    // An empty list ignores header clicks: nothing to offer.
    Method(d(), L"Clear", {});
    EXPECT_EQ(header->accDoDefaultAction(Cell(3).Id()), DISP_E_MEMBERNOTFOUND);
    Disconnect(host.control(), DIID___MireloList, cookie);
}

TEST_F(Accessible, ChangesAreAnnounced) {
    Listener listener(host.controlWindow());
    ASSERT_TRUE(listener.ok());
    SetFocus(host.controlWindow());
    listener.Take();

    acc->accSelect(SELFLAG_TAKESELECTION, Row(1).Id());
    Put(d(), L"CheckBox", Var::Bool(true));
    Method(d(), L"SetCheckItem", {Var::I4(0), Var::Bool(true)});
    Method(d(), L"SetItemData", {Var::I4(2), Var::Str(L"Oboe,Ravel")});
    acc->accDoDefaultAction(Row(2).Id());
    header->accDoDefaultAction(Cell(2).Id());
    const LONG client = OBJID_CLIENT;
    const std::vector<Heard> want = {
        {EVENT_OBJECT_SELECTION, client, 3},
        {EVENT_OBJECT_FOCUS, client, 3},
        {EVENT_OBJECT_REORDER, client, kSelf},  // check boxes shown: every row's state
        {EVENT_OBJECT_STATECHANGE, client, 2},
        {EVENT_OBJECT_NAMECHANGE, client, 4},
        {EVENT_OBJECT_DESCRIPTIONCHANGE, client, 4},
        {EVENT_OBJECT_REORDER, client, kSelf},  // sorted: the rows moved, and the marker shows
        {EVENT_OBJECT_DESCRIPTIONCHANGE, kHeaderObject, 2},
    };
    EXPECT_EQ(listener.Take(), want);
}

TEST_F(Accessible, ObjectsKeptPastTheWindowAreCutOff) {
    ComPtr<IDispatch> barDispatch;
    ASSERT_EQ(acc->get_accChild(List(5).Id(), barDispatch.Out()), S_OK);
    ComPtr<IAccessible> bar = barDispatch.As<IAccessible>(IID_IAccessible);
    host.Close();
    PumpMessages();
    // Every call of every object fails; only COM's own three still work.
    struct Call { const char* what; std::function<HRESULT(IAccessible*, const VARIANT&)> call; };
    BSTR text = nullptr;
    VARIANT v;
    LONG n = 0, l = 0, t = 0, w = 0, h = 0;
    UINT types = 0;
    IDispatch* object = nullptr;
    ITypeInfo* info = nullptr;
    const Call calls[] = {
        {"GetTypeInfoCount", [&](IAccessible* a, const VARIANT&) { return a->GetTypeInfoCount(&types); }},
        {"GetTypeInfo", [&](IAccessible* a, const VARIANT&) { return a->GetTypeInfo(0, 0, &info); }},
        {"parent", [&](IAccessible* a, const VARIANT&) { return a->get_accParent(&object); }},
        {"child count", [&](IAccessible* a, const VARIANT&) { return a->get_accChildCount(&n); }},
        {"child", [&](IAccessible* a, const VARIANT& c) { return a->get_accChild(c, &object); }},
        {"name", [&](IAccessible* a, const VARIANT& c) { return a->get_accName(c, &text); }},
        {"value", [&](IAccessible* a, const VARIANT& c) { return a->get_accValue(c, &text); }},
        {"description", [&](IAccessible* a, const VARIANT& c) { return a->get_accDescription(c, &text); }},
        {"role", [&](IAccessible* a, const VARIANT& c) { return a->get_accRole(c, &v); }},
        {"state", [&](IAccessible* a, const VARIANT& c) { return a->get_accState(c, &v); }},
        {"help", [&](IAccessible* a, const VARIANT& c) { return a->get_accHelp(c, &text); }},
        {"help topic", [&](IAccessible* a, const VARIANT& c) { return a->get_accHelpTopic(&text, c, &n); }},
        {"shortcut", [&](IAccessible* a, const VARIANT& c) { return a->get_accKeyboardShortcut(c, &text); }},
        {"focus", [&](IAccessible* a, const VARIANT&) { return a->get_accFocus(&v); }},
        {"selection", [&](IAccessible* a, const VARIANT&) { return a->get_accSelection(&v); }},
        {"action", [&](IAccessible* a, const VARIANT& c) { return a->get_accDefaultAction(c, &text); }},
        {"select", [&](IAccessible* a, const VARIANT& c) { return a->accSelect(SELFLAG_TAKESELECTION, c); }},
        {"location", [&](IAccessible* a, const VARIANT& c) { return a->accLocation(&l, &t, &w, &h, c); }},
        {"navigate", [&](IAccessible* a, const VARIANT& c) { return a->accNavigate(NAVDIR_NEXT, c, &v); }},
        {"hit test", [&](IAccessible* a, const VARIANT&) { return a->accHitTest(10, 10, &v); }},
        {"do action", [&](IAccessible* a, const VARIANT& c) { return a->accDoDefaultAction(c); }},
        {"put name", [&](IAccessible* a, const VARIANT& c) { return a->put_accName(c, nullptr); }},
    };
    for (const Element& e :
         {List(kSelf), Row(0), Element{header.Get(), kSelf}, Cell(1), Element{bar.Get(), kSelf}, Element{bar.Get(), 5}}) {
        for (const Call& c : calls) EXPECT_TRUE(FAILED(c.call(e.acc, e.Id()))) << c.what << " on child " << e.id;
        HWND window = nullptr;
        EXPECT_TRUE(FAILED(WindowFromAccessibleObject(e.acc, &window)));
    }
}

// Forty rows: the view holds seventeen and the top of an eighteenth.
class AccessibleScrolling : public Accessible {
protected:
    void SetUp() override {
        Accessible::SetUp();
        for (int i = 3; i < 40; ++i) Method(d(), L"AddItem", {Var::Str((L"x,Song " + std::to_wstring(i) + L",Band").c_str())});
        VARIANT id = List(42).Id();
        ComPtr<IDispatch> dispatch;
        ASSERT_EQ(acc->get_accChild(id, dispatch.Out()), S_OK);
        bar = dispatch.As<IAccessible>(IID_IAccessible);
        ASSERT_TRUE(bar);
    }
    // The rows' child ids a reader may be showing: those not offscreen.
    std::vector<LONG> InView() {
        std::vector<LONG> ids;
        for (long row = 0; row < 40; ++row)
            if (!(Row(row).State() & STATE_SYSTEM_OFFSCREEN)) ids.push_back(row + 2);
        return ids;
    }
    Element Part(long id) { return Element{bar.Get(), id}; }
    void ToTheTop() {
        for (int page = 0; page < 10 && Part(kSelf).Value() != L"0"; ++page) bar->accDoDefaultAction(Part(2).Id());
        ASSERT_EQ(Part(kSelf).Value(), L"0");
    }
    // Presses the middle of a bar part with the mouse, holds it for `repeats`
    // steps of the repeat timer and releases it, unless told.
    void PressOn(long part, bool release = true, int repeats = 0) {
        POINT p = Part(part).MiddleIn(host.controlWindow());
        HWND window = ChildWindowFromPoint(host.controlWindow(), p);
        ASSERT_NE(window, host.controlWindow());
        MapWindowPoints(host.controlWindow(), window, &p, 1);
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        for (int i = 0; i < repeats; ++i) SendMessageW(window, WM_TIMER, mirelo::RepeatTimer, 0);
        if (release) SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    ComPtr<IAccessible> bar;
};

TEST_F(AccessibleScrolling, EveryWayOfScrollingIsAnnounced) {
    const HWND list = host.controlWindow();
    SetFocus(list);  // as a click on the bar gives it
    Listener listener(list);
    ASSERT_TRUE(listener.ok());
    // A scroll at once, and one that ends with the release of the bar's
    // arrow; every other way the list scrolls tells the same
    // (accessible_actions_test.cpp).
    struct Case { const char* what; std::function<void()> act; };
    const Case cases[] = {
        {"a wheel notch", [&] { Wheel(list, 100, 100, 1); }},
        {"a click on the bar's down arrow", [&] { PressOn(5); }},
    };
    for (const Case& c : cases) {
        ToTheTop();
        const std::vector<LONG> before = InView();
        listener.Take();
        c.act();
        const std::vector<Heard> heard = listener.Take();
        const std::vector<LONG> after = InView();
        ASSERT_NE(before, after) << c.what;
        // The bar's value, then every row that was or is in view, then the end.
        std::vector<Heard> want = {{EVENT_OBJECT_VALUECHANGE, kBarObject, kSelf}};
        for (LONG id = std::min(before.front(), after.front()); id <= std::max(before.back(), after.back()); ++id) {
            const bool shown = std::count(before.begin(), before.end(), id) || std::count(after.begin(), after.end(), id);
            if (shown) want.push_back({EVENT_OBJECT_LOCATIONCHANGE, OBJID_CLIENT, id});
        }
        want.push_back({EVENT_SYSTEM_SCROLLINGEND, kBarObject, kSelf});
        EXPECT_EQ(heard, want) << c.what;
    }
    // Held for two more steps, the arrow ends the scrolling once, at the release.
    ToTheTop();
    listener.Take();
    PressOn(5, true, 2);
    const std::vector<Heard> held = listener.Take();
    EXPECT_EQ(std::count(held.begin(), held.end(), Heard{EVENT_SYSTEM_SCROLLINGEND, kBarObject, kSelf}), 1);
    // Nothing moved, nothing said: the wheel and the bar at the top.
    ToTheTop();
    listener.Take();
    Wheel(list, 100, 100, -1);
    bar->accDoDefaultAction(Part(1).Id());
    PressOn(1);
    EXPECT_EQ(listener.Take(), std::vector<Heard>{});

    // A client finds the bar from its announcement, with its new value.
    bar->accDoDefaultAction(Part(5).Id());
    ComPtr<IAccessible> found;
    VARIANT child;
    ASSERT_EQ(AccessibleObjectFromEvent(list, kBarObject, CHILDID_SELF, found.Out(), &child), S_OK);
    EXPECT_EQ((Element{found.Get(), V_I4(&child)}.Value()), L"1");
    EXPECT_EQ((Element{found.Get(), kSelf}.Role()), ROLE_SYSTEM_SCROLLBAR);
}

TEST_F(AccessibleScrolling, TheBarHasArrowsPagesAndAThumb) {
    LONG count = 0;
    ASSERT_EQ(bar->get_accChildCount(&count), S_OK);
    ASSERT_EQ(count, 5);
    std::wstring names;
    for (long id = 1; id <= 5; ++id) names += Part(id).Name() + L"|";
    EXPECT_EQ(names, L"Line up|Page up|Position|Page down|Line down|");
    EXPECT_EQ(Part(1).Role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(Part(3).Role(), ROLE_SYSTEM_INDICATOR);
    ComPtr<IDispatch> parent;
    ASSERT_EQ(bar->get_accParent(parent.Out()), S_OK);
    EXPECT_EQ(parent.As<IAccessible>(IID_IAccessible).Get(), acc.Get());

    // At the top nothing goes up. A page down scrolls the list: the top rows leave the view.
    EXPECT_TRUE(Part(1).State() & STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(bar->accDoDefaultAction(Part(3).Id()), DISP_E_MEMBERNOTFOUND);  // the thumb
    ASSERT_EQ(bar->accDoDefaultAction(Part(4).Id()), S_OK);
    EXPECT_TRUE(Row(0).State() & STATE_SYSTEM_OFFSCREEN);

    // The list hands out the bar under a point, the bar its part.
    const RECT down = Part(5).Screen();
    VARIANT hit;
    ASSERT_EQ(acc->accHitTest((down.left + down.right) / 2, (down.top + down.bottom) / 2, &hit), S_OK);
    EXPECT_EQ(V_VT(&hit), VT_DISPATCH);
    VariantClear(&hit);
    ASSERT_EQ(bar->accHitTest((down.left + down.right) / 2, (down.top + down.bottom) / 2, &hit), S_OK);
    EXPECT_EQ(V_I4(&hit), 5);

    // Held down by the mouse, the arrow is pressed until the release.
    PressOn(5, false);
    EXPECT_TRUE(Part(5).State() & STATE_SYSTEM_PRESSED);
    PressOn(5);
    EXPECT_FALSE(Part(5).State() & STATE_SYSTEM_PRESSED);

    // An empty list has no bar to press.
    Method(d(), L"Clear", {});
    EXPECT_EQ(bar->accDoDefaultAction(Part(5).Id()), DISP_E_MEMBERNOTFOUND);
}

TEST_F(Accessible, HeaderChangesAreAnnounced) {
    const HWND list = host.controlWindow();
    const LONG self = kSelf;
    // Cells by their middle x, as the mouse finds them.
    auto middle = [&](long id) { return static_cast<int>(Cell(id).MiddleIn(list).x); };
    struct Case {
        const char* what;
        bool numbers;
        std::function<void()> act;
        std::vector<Heard> want;  // on the header object
    };
    const Case cases[] = {
        {"exchange", true, [&] { Drag(list, middle(2), middle(3), kHeaderY); },
         {{EVENT_OBJECT_NAMECHANGE, kHeaderObject, 2}, {EVENT_OBJECT_NAMECHANGE, kHeaderObject, 3}}},
        {"without numbers the first column moves", false, [&] { Drag(list, middle(2), middle(1), kHeaderY); },
         {{EVENT_OBJECT_LOCATIONCHANGE, kHeaderObject, 1},
          {EVENT_OBJECT_NAMECHANGE, kHeaderObject, 1},
          {EVENT_OBJECT_LOCATIONCHANGE, kHeaderObject, 2},
          {EVENT_OBJECT_NAMECHANGE, kHeaderObject, 2}}},
        {"a sort marks its cell", true, [&] { Click(list, middle(3), kHeaderY); },
         {{EVENT_OBJECT_DESCRIPTIONCHANGE, kHeaderObject, 3}}},
        {"a border dragged", true, [&] { ASSERT_TRUE(DragBorder(list, FindBorderGap(list), 20)); },
         {{EVENT_OBJECT_LOCATIONCHANGE, kHeaderObject, 1},
          {EVENT_OBJECT_LOCATIONCHANGE, kHeaderObject, 2},
          {EVENT_OBJECT_LOCATIONCHANGE, kHeaderObject, 3}}},
        {"columns defined anew", true,
         [&] { Method(d(), L"AddItemA", {Var::I4(1), Var::Str(L"#,Work"), Var::Str(L"30,80"), Var::Str(L"0,0")}); },
         {{EVENT_OBJECT_REORDER, kHeaderObject, self}}},
    };
    for (const Case& c : cases) {
        // Each case starts from the fixture's columns.
        Method(d(), L"AddItemA", {Var::I4(2), Var::Str(L"#,Title,Artist"), Var::Str(L"30,80,80"), Var::Str(L"0,0,0")});
        Put(d(), L"YnNeedNumCol", Var::Bool(c.numbers));
        Listener listener(list);
        c.act();
        std::vector<Heard> heard = listener.Take();
        heard.erase(std::remove_if(heard.begin(), heard.end(), [](const Heard& h) { return h.object != kHeaderObject; }),
                    heard.end());
        EXPECT_EQ(heard, c.want) << c.what;
        // A client finds the cell each announcement names, as it now is.
        for (const Heard& h : heard) {
            if (h.child == kSelf) continue;
            ComPtr<IAccessible> found;
            VARIANT child;
            ASSERT_EQ(AccessibleObjectFromEvent(list, h.object, h.child, found.Out(), &child), S_OK);
            EXPECT_EQ((Element{found.Get(), V_I4(&child)}.Name()), Cell(h.child).Name()) << c.what;
        }
    }
}

}  // namespace
}  // namespace mltest
