#pragma once
// The two lists the Wine benchmark sets side by side in one frame: ours hosted
// in place, and the system list view in report mode, both 400 x 300 with the
// same five columns and the same texts.
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

#include "MireloList_h.h"

namespace mlbench {

constexpr int kWidth = 400, kHeight = 300, kColumns = 5;

// Seconds since an arbitrary start, from the performance counter.
double Now();
// Lets pending messages (paints, timers) run for `milliseconds`.
void Settle(int milliseconds);
// The mean seconds of `step` over `times` runs, with `before` untimed ahead of each.
double Mean(int times, const std::function<void()>& step, const std::function<void()>& before = nullptr);
inline double Once(const std::function<void()>& step) { return Mean(1, step); }
// Invalidates a window with its children and paints them at once.
void Repaint(HWND window);
// Pending paints of a window and its children, so that each figure holds the
// painting its change asked for.
void Flush(HWND window);
void Key(HWND window, WPARAM key);
// A top-level window `width` x kHeight inside, the lists' parent.
HWND CreateFrame(int width, const wchar_t* title);

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
    IUnknown* site = nullptr;  // the container's site, released by Destroy
    HWND window = nullptr;     // the control's own window
    // Hosts a new control in place at the frame's top left, with the five columns.
    bool Create(HWND frame);
    // The five columns, as Create gives them.
    bool AddColumns();
    // Closes the control and lets go of it and its site.
    void Destroy();
    void Fill(const Rows& rows, int count);
    void Clear() { dual->Clear(); }
    // A left click at a point of the control's client area, on whichever of
    // its windows is there.
    void Click(int x, int y);
    void PutLong(const wchar_t* name, long value);
    long GetLong(const wchar_t* name);
    // The scroll bar's window, a child of the control's.
    HWND Bar() const;
};

struct Anchor {
    HWND window = nullptr;
    const Rows* rows = nullptr;  // the texts LVM_SORTITEMS compares
    // At `left` in the frame: beside ours unless told otherwise.
    bool Create(HWND frame, int left = kWidth + 20);
    void Destroy();
    int RowHeight() const;
    void Fill(const Rows& rows, int count);
    void Sort();
    void Unsort();  // back to the order the rows were inserted in
};

}  // namespace mlbench
