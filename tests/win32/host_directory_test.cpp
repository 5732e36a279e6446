// The host's current directory is the host's: the list reads its pointer
// files from there by bare name, and nothing a user does with the list may
// leave a file behind in it.
#include <string>
#include <vector>

#include "hosted_gestures.h"
#include "scrollbar_hosted.h"

namespace mltest {
namespace {

// A new empty directory made the current one for as long as this lives;
// afterwards the old one is current again and the new one is gone.
class EmptyCurrentDirectory {
public:
    EmptyCurrentDirectory() {
        GetCurrentDirectoryW(MAX_PATH, old_);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"mirelo-host-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount());
        ok_ = CreateDirectoryW(path_.c_str(), nullptr) && SetCurrentDirectoryW(path_.c_str());
    }
    ~EmptyCurrentDirectory() {
        SetCurrentDirectoryW(old_);
        for (const std::wstring& name : Entries()) DeleteFileW((path_ + L"\\" + name).c_str());
        RemoveDirectoryW(path_.c_str());
    }
    EmptyCurrentDirectory(const EmptyCurrentDirectory&) = delete;
    EmptyCurrentDirectory& operator=(const EmptyCurrentDirectory&) = delete;

    bool ok() const { return ok_; }
    // Names in the directory, "." and ".." aside.
    std::vector<std::wstring> Entries() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") names.push_back(name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }
private:
    wchar_t old_[MAX_PATH] = {};
    std::wstring path_;
    bool ok_ = false;
};

std::wstring Cell(IDispatch* list, short row, short column) {
    return Get(list, L"item", {Var::I2(row), Var::I2(column)}).value.AsString();
}

// Hosted at 202 x 151 with its border, 60 rows "rN,b,c" under three columns
// that share the 182 pixels left of the bar: cells at 1..66, 68..133 and
// 135..183, the first gap hovered at 66..68. Rows are 16 high from y 17.
TEST_F(HostedBar, NoGestureWritesAFileIntoTheHostsDirectory) {
    EmptyCurrentDirectory directory;
    ASSERT_TRUE(directory.ok());
    Host(true, 60);
    IDispatch* d = hosted->dispatch();
    HWND list = List();

    Click(list, 50, 40);
    EXPECT_EQ(Get(d, L"ListIndex").value.AsLong(), 1);
    DoubleClick(list, 50, 56);
    EXPECT_EQ(Get(d, L"PlayIndex").value.AsLong(), 2);
    Wheel(list, 50, 50, 1);
    EXPECT_EQ(FirstIndex(), 2);
    for (UINT key : {VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR, VK_END, VK_SPACE, VK_RETURN, VK_LEFT, VK_RIGHT}) Key(list, key);
    Wheel(list, 50, 50, -4);

    Click(list, 30, kHeaderY);  // sorts on the first column
    EXPECT_NE(Cell(d, 0, 0), L"r0");
    Drag(list, 100, 160, kHeaderY);  // the second column onto the third
    EXPECT_EQ(Cell(d, 0, 1), L"c");
    EXPECT_EQ(Cell(d, 0, 2), L"b");
    const int gap = FindBorderGap(list);
    EXPECT_EQ(gap, 66);
    EXPECT_TRUE(DragBorder(list, gap, 12));
    EXPECT_EQ(BorderMarker(list), nullptr) << "the marker stays up after the drag";

    const long first = FirstIndex();
    const RECT bar = BarRect();
    const int downArrowY = bar.bottom - bar.top - 9;
    SendToBar(WM_LBUTTONDOWN, MK_LBUTTON, 8, downArrowY);
    EXPECT_EQ(FirstIndex(), first + 1);
    PumpFor(120);  // the bar's repeat timer and the list's deferred repaint run
    SendToBar(WM_LBUTTONUP, 0, 8, downArrowY);
    PumpFor(120);
    EXPECT_EQ(directory.Entries(), std::vector<std::wstring>{});

    // Nor when the host lets it go.
    Disconnect(hosted->control(), DIID___MireloList, cookie);
    cookie = 0;
    hosted.reset();
    PumpMessages();
    EXPECT_EQ(directory.Entries(), std::vector<std::wstring>{});
}

}  // namespace
}  // namespace mltest
