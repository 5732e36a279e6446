// A selection moved by the keyboard is announced as the focus only while the
// list's window has the focus; the list follows its focus messages for that,
// so losing and regaining the focus must change what clients hear.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <utility>
#include <vector>

#include "test_container.h"

namespace mltest {
namespace {

std::vector<std::pair<DWORD, LONG>>* g_events = nullptr;
HWND g_list = nullptr;

void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (g_events && hwnd == g_list && object == OBJID_CLIENT) g_events->push_back({event, child});
}

TEST(AccessibleFocus, TheSelectedRowIsTheFocusOnlyWhileTheListHasIt) {
    HostedControl host;
    ASSERT_TRUE(host.ok());
    IDispatch* d = host.dispatch();
    Method(d, L"AddItemA", {Var::I4(1), Var::Str(L"#,Title"), Var::Str(L"30,80"), Var::Str(L"0,0")});
    for (const wchar_t* row : {L"x,Cello", L"x,Alto", L"x,Bass", L"x,Oboe"}) Method(d, L"AddItem", {Var::Str(row)});
    const HWND list = host.controlWindow();
    ASSERT_TRUE(list);

    std::vector<std::pair<DWORD, LONG>> events;
    g_events = &events;
    g_list = list;
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Record, GetCurrentProcessId(),
                                         GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    ASSERT_TRUE(hook);

    // Rows are children 2, 3, ... (child 1 is the header).
    struct Step {
        HWND focus;
        std::vector<std::pair<DWORD, LONG>> heard;
    };
    const std::vector<Step> steps = {
        {list, {{EVENT_OBJECT_SELECTION, 2}, {EVENT_OBJECT_FOCUS, 2}}},
        {host.host(), {{EVENT_OBJECT_SELECTION, 3}}},
        {list, {{EVENT_OBJECT_SELECTION, 4}, {EVENT_OBJECT_FOCUS, 4}}},
        {host.host(), {{EVENT_OBJECT_SELECTION, 5}}},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        SetFocus(steps[i].focus);
        PumpMessages();
        events.clear();
        SendMessageW(list, WM_KEYDOWN, VK_DOWN, 1);
        PumpMessages();
        EXPECT_EQ(events, steps[i].heard);
    }
    UnhookWinEvent(hook);
    g_events = nullptr;
}

}  // namespace
}  // namespace mltest
