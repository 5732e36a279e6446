#include "win32/accessible_window.h"

#include <oleacc.h>

#include "listctl/accessibility_model.h"
#include "listctl/mirelo_list.h"
#include "win32/accessible_list.h"

namespace mirelo::win32 {

namespace {

// The window's own record of its accessibility, as the bar's window keeps
// its object: no table of windows anywhere.
const wchar_t kProperty[] = L"MireloList.Accessibility";

class WindowAccessibility final : public AccessibilityEvents {
public:
    WindowAccessibility(MireloList& list, HWND hwnd) : list_(list), hwnd_(hwnd), focused_(GetFocus() == hwnd) {
        list_.SetAccessibilityEvents(this);
    }
    ~WindowAccessibility() override {
        list_.SetAccessibilityEvents(nullptr);
        if (object_) {
            object_->Disconnect();
            object_->Release();
        }
    }
    WindowAccessibility(const WindowAccessibility&) = delete;
    WindowAccessibility& operator=(const WindowAccessibility&) = delete;

    LRESULT Answer(WPARAM wParam) {
        // Made on the first request: most windows are never asked.
        if (!object_) object_ = AccessibleList::Create(list_, hwnd_);
        return LresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(object_));
    }

    void SelectionChanged(int16_t row) override {
        if (row < 0) return Notify(EVENT_OBJECT_SELECTIONWITHIN, CHILDID_SELF);
        Notify(EVENT_OBJECT_SELECTION, RowId(row));
        // The focus is on the selected row while the list has it.
        if (focused_) Notify(EVENT_OBJECT_FOCUS, RowId(row));
    }
    void PlayRowChanged(int16_t oldRow, int16_t newRow) override {
        // "play row" is in the rows' descriptions.
        if (oldRow >= 0) Notify(EVENT_OBJECT_DESCRIPTIONCHANGE, RowId(oldRow));
        if (newRow >= 0) Notify(EVENT_OBJECT_DESCRIPTIONCHANGE, RowId(newRow));
    }
    void RowStateChanged(int16_t row) override { Notify(EVENT_OBJECT_STATECHANGE, RowId(row)); }
    void RowNameChanged(int16_t row) override { Notify(EVENT_OBJECT_NAMECHANGE, RowId(row)); }
    void RowsChanged() override { Notify(EVENT_OBJECT_REORDER, CHILDID_SELF); }

    void FocusChanged(bool gained) { focused_ = gained; }

private:
    LONG RowId(int16_t row) const {
        return AccessibilityModel(list_, 0, 0).ListChildId({AccessiblePart::Row, row});
    }
    void Notify(DWORD event, LONG child) { NotifyWinEvent(event, hwnd_, OBJID_CLIENT, child); }

    MireloList& list_;
    HWND hwnd_;
    bool focused_;  // between the window's WM_SETFOCUS and WM_KILLFOCUS
    AccessibleList* object_ = nullptr;  // one reference while the window lives
};

WindowAccessibility* Of(HWND hwnd) { return static_cast<WindowAccessibility*>(GetPropW(hwnd, kProperty)); }

}  // namespace

void AttachAccessibility(MireloList& list, HWND hwnd) {
    DetachAccessibility(hwnd);
    SetPropW(hwnd, kProperty, new WindowAccessibility(list, hwnd));
}

void DetachAccessibility(HWND hwnd) {
    delete static_cast<WindowAccessibility*>(RemovePropW(hwnd, kProperty));
}

void AccessibilityFocusChanged(HWND hwnd, bool gained) {
    if (WindowAccessibility* self = Of(hwnd)) self->FocusChanged(gained);
}

LRESULT AnswerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    WindowAccessibility* self = Of(hwnd);
    if (!self || static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
    return self->Answer(wParam);
}

}  // namespace mirelo::win32
