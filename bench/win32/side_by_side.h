#pragma once
// The two lists the Wine benchmark sets side by side in one frame: ours hosted
// in place, and the system list view in report mode, both 400 x 300 with the
// same five columns and the same texts.
#include <windows.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "MireloList_h.h"

namespace mlbench {

constexpr int kWidth = 400, kHeight = 300, kColumns = 5;

// Seconds since an arbitrary start, from the performance counter.
double Now();
// Lets pending messages (paints, timers) run for `milliseconds`.
void Settle(int milliseconds);

// Row texts: an id, a shuffled distinct key (the sorted column), three fillers.
struct Rows {
    std::vector<std::wstring> cells[kColumns];
    std::vector<BSTR> joined;  // "a,b,c,d,e" as our AddItem takes a row
    explicit Rows(int count);
    ~Rows();
    Rows(const Rows&) = delete;
    Rows& operator=(const Rows&) = delete;
};

struct Ours {
    IDispatch* dispatch = nullptr;
    _MireloList* dual = nullptr;
    IViewObject* view = nullptr;
    HWND window = nullptr;  // the control's own window
    bool Create(HWND frame);
    void Fill(const Rows& rows, int count);
    void Clear() { dual->Clear(); }
    // A left click at a point of the control's client area, on whichever of
    // its windows is there.
    void Click(int x, int y);
    void PutLong(const wchar_t* name, long value);
};

struct Anchor {
    HWND window = nullptr;
    const Rows* rows = nullptr;  // the texts LVM_SORTITEMS compares
    bool Create(HWND frame);
    void Fill(const Rows& rows, int count);
    void Sort();
    void Unsort();  // back to the order the rows were inserted in
};

}  // namespace mlbench
