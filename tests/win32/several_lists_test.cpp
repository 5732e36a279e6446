// Several lists on one form, as a host's form holds them: each list hooks its
// own window, so the wheel, a click and the keys move only the list they
// reach, and taking lists away in any order leaves the others working.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "hosted_gestures.h"
#include "test_container.h"

namespace mltest {
namespace {

constexpr int kLists = 3, kWidth = 202, kHeight = 151, kGap = 10;

class Form {
public:
    Form() : window_(NewForm(kLists * (kWidth + kGap) + kGap, kHeight + 2 * kGap)) {
        for (int i = 0; i < kLists; ++i) {
            const int left = kGap + i * (kWidth + kGap);
            lists_.push_back(std::make_unique<HostedControl>(window_, RECT{left, kGap, left + kWidth, kGap + kHeight}));
            IDispatch* d = lists_.back()->dispatch();
            if (!d) continue;
            Fill(d, L"A,B", L"90,90", std::vector<std::wstring>(40, L"row,cell"));
        }
        PumpMessages();
    }
    ~Form() {
        lists_.clear();
        DestroyWindow(window_);
        PumpMessages();
    }
    HostedControl* list(int i) { return lists_[static_cast<size_t>(i)].get(); }
    void Remove(int i) {
        lists_[static_cast<size_t>(i)].reset();
        PumpMessages();
    }

private:
    HWND window_;
    std::vector<std::unique_ptr<HostedControl>> lists_;
};

// What a host reads of a list: the first row in view and the selected row.
struct Seen {
    long first, selected;
    bool operator==(const Seen& o) const { return first == o.first && selected == o.selected; }
};

Seen Look(HostedControl* list) {
    return {Get(list->dispatch(), L"FirstIndex").value.AsLong(), Get(list->dispatch(), L"ListIndex").value.AsLong()};
}

// One wheel notch down, a click on the fourth row in view and a Down key,
// each checked as the host sees the list afterwards.
void Use(HostedControl* list) {
    HWND hwnd = list->controlWindow();
    ASSERT_TRUE(IsWindow(hwnd));
    const Seen before = Look(list);
    Wheel(hwnd, kWidth / 2, kHeight / 2, 1);
    EXPECT_GT(Look(list).first, before.first);

    const long y = Get(list->dispatch(), L"ItemHeight").value.AsLong() * 3 + 8;
    Click(hwnd, 60, y);
    PumpMessages();
    const long clicked = Get(list->dispatch(), L"IndexFromPoint", {Var::I4(60), Var::I4(y)}).value.AsLong();
    EXPECT_EQ(Look(list).selected, clicked);
    Key(hwnd, VK_DOWN);
    EXPECT_EQ(Look(list).selected, clicked + 1);
}

TEST(SeveralLists, InputMovesOnlyTheListItReaches) {
    Form form;
    for (int i = 0; i < kLists; ++i) ASSERT_TRUE(form.list(i)->ok()) << form.list(i)->failure();
    for (int i = 0; i < kLists; ++i) {
        SCOPED_TRACE("list " + std::to_string(i));
        std::vector<Seen> others;
        for (int j = 0; j < kLists; ++j) others.push_back(Look(form.list(j)));
        Use(form.list(i));
        for (int j = 0; j < kLists; ++j) {
            if (j == i) continue;
            EXPECT_TRUE(Look(form.list(j)) == others[static_cast<size_t>(j)]) << "list " << j << " moved";
        }
    }
}

TEST(SeveralLists, AnyListMayGoFirstAndTheOthersKeepWorking) {
    const std::vector<int> orders[] = {{0, 1, 2}, {2, 1, 0}, {1, 0, 2}};
    for (const auto& order : orders) {
        SCOPED_TRACE("removed " + std::to_string(order[0]) + std::to_string(order[1]) + std::to_string(order[2]));
        Form form;
        std::vector<bool> gone(kLists, false);
        for (int removed : order) {
            form.Remove(removed);
            gone[static_cast<size_t>(removed)] = true;
            for (int j = 0; j < kLists; ++j)
                if (!gone[static_cast<size_t>(j)]) Use(form.list(j));
        }
    }
}

}  // namespace
}  // namespace mltest
