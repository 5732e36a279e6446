// A host batching changes as it does with the system list view: painting off
// (WM_SETREDRAW FALSE), the changes, painting on and one repaint. Meanwhile
// nothing on screen changes and every number the host reads is what it is
// with painting on; the repaint shows what painting on shows.
#include <gtest/gtest.h>

#include "test_container.h"

namespace mltest {
namespace {

std::vector<long> Numbers(IDispatch* d) {
    std::vector<long> n;
    for (const wchar_t* name : {L"ListCount", L"FirstIndex", L"LastIndex", L"ListIndex", L"PlayIndex", L"ItemHeight"})
        n.push_back(Get(d, name).value.AsLong());
    return n;
}

TEST(Redraw, BatchedChangesPaintNothingUntilTheRepaintAndChangeNoNumber) {
    HWND form = NewForm(420, 170);
    {
        HostedControl batched(form, RECT{0, 0, 202, 151});
        HostedControl painting(form, RECT{210, 0, 412, 151});
        ASSERT_TRUE(batched.ok() && painting.ok()) << batched.failure() << painting.failure();
        std::vector<std::wstring> rows;
        for (int i = 0; i < 40; ++i) rows.push_back(std::to_wstring(i) + L",row " + std::to_wstring(i));
        for (HostedControl* h : {&batched, &painting}) ASSERT_TRUE(Fill(h->dispatch(), L"No.,Title", L"40,120", {}));
        HWND list = batched.controlWindow();
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const std::vector<COLORREF> before = ScreenPicture(list);
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);

        struct Step {
            const char* what;
            std::function<void(IDispatch*)> run;
        } steps[] = {
            {"rows added past the view", [&](IDispatch* d) {
                 for (const std::wstring& r : rows) Method(d, L"AddItem", {Var::Str(r.c_str())});
             }},
            {"a row far down selected", [](IDispatch* d) { Put(d, L"ListIndex", Var::I2(35)); }},
            {"a row played", [](IDispatch* d) { Put(d, L"PlayIndex", Var::I2(33)); }},
            {"the first row removed", [](IDispatch* d) { Method(d, L"RemoveItem", {Var::I2(0)}); }},
            {"taller rows", [](IDispatch* d) { Put(d, L"ItemHeight", Var::I4(20)); }},
            {"a colour", [](IDispatch* d) { Put(d, L"ItemBkColor1", Var::I4(0x00FFEEDD)); }},
            {"the view moved by the keys", [](IDispatch* d) {
                 Put(d, L"ListIndex", Var::I2(2));
             }},
        };
        for (Step& s : steps) {
            SCOPED_TRACE(s.what);
            s.run(batched.dispatch());
            s.run(painting.dispatch());
            SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
            SendMessageW(painting.controlWindow(), WM_KEYDOWN, VK_DOWN, 0);
            EXPECT_EQ(Numbers(batched.dispatch()), Numbers(painting.dispatch()));
        }
        EXPECT_EQ(ScreenPicture(list), before);

        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        for (HostedControl* h : {&batched, &painting})
            RedrawWindow(h->controlWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(ScreenPicture(list), ScreenPicture(painting.controlWindow()));
    }
    DestroyWindow(form);
}

}  // namespace
}  // namespace mltest
