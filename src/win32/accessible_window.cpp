#include "win32/accessible_window.h"

#include <oleacc.h>

#include <algorithm>
#include <utility>
#include <vector>

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
        Quietly([&] { header_ = HeaderNow(); });
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

    LRESULT Answer(WPARAM wParam, LONG objectId) {
        if (objectId != static_cast<LONG>(OBJID_CLIENT) && objectId != kHeaderObjectId && objectId != kBarObjectId)
            return 0;
        // Made on the first request: most windows are never asked.
        if (!object_) object_ = AccessibleList::Create(list_, hwnd_);
        IAccessible* answer = object_->ObjectFor(objectId);
        return answer ? LresultFromObject(IID_IAccessible, wParam, answer) : 0;
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

    void ViewScrolled(int16_t oldTop, bool pressing) override {
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hwnd_, kBarObjectId, CHILDID_SELF);
        // Every row that was or is in view has moved; the rows beyond moved
        // too, but nobody can be showing them.
        int32_t span = 0;
        const int32_t top = list_.FirstIndex();
        Quietly([&] { span = Model().RowsInView(); });
        const int32_t first = std::max(0, std::min<int32_t>(oldTop, top));
        const int32_t end = std::min(list_.ListCount(), std::max<int32_t>(oldTop, top) + span);
        for (int32_t row = first; row < end; ++row) {
            if ((row >= oldTop && row < oldTop + span) || (row >= top && row < top + span))
                Notify(EVENT_OBJECT_LOCATIONCHANGE, RowId(static_cast<int16_t>(row)));
        }
        if (pressing) scrolling_ = true;
        else EndOfScroll();
    }
    void ScrollEnded() override {
        if (scrolling_) EndOfScroll();
    }

    void HeaderChanged() override {
        std::vector<CellSays> now;
        if (!Quietly([&] { now = HeaderNow(); })) return;
        if (now.size() != header_.size()) {
            NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd_, kHeaderObjectId, CHILDID_SELF);
        } else {
            for (size_t i = 0; i < now.size(); ++i) {
                const CellSays &was = header_[i], &is = now[i];
                const LONG id = static_cast<LONG>(i) + 1;
                if (was.place != is.place) NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, hwnd_, kHeaderObjectId, id);
                if (was.name != is.name) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, kHeaderObjectId, id);
                if (was.description != is.description)
                    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, hwnd_, kHeaderObjectId, id);
            }
        }
        header_ = std::move(now);
    }

    void FocusChanged(bool gained) { focused_ = gained; }

private:
    // What a header cell told clients last: changes are announced against it.
    struct CellSays {
        Text name, description;
        Rect place;
    };

    AccessibilityModel Model() const { return ModelOf(list_, hwnd_); }
    // Describing the list may meet a run-time error of the core (widths past
    // the pixel range); the change it describes has happened all the same,
    // and must not fail for want of its announcement.
    template <class F>
    static bool Quietly(F&& describe) {
        try {
            describe();
            return true;
        } catch (...) {
            return false;
        }
    }
    std::vector<CellSays> HeaderNow() const {
        const AccessibilityModel m = Model();
        std::vector<CellSays> cells;
        AccessibleElement cell;
        for (int32_t id = 1; m.HeaderChild(id, cell); ++id)
            cells.push_back({m.Name(cell), m.Description(cell), m.Location(cell)});
        return cells;
    }
    void EndOfScroll() {
        scrolling_ = false;
        NotifyWinEvent(EVENT_SYSTEM_SCROLLINGEND, hwnd_, kBarObjectId, CHILDID_SELF);
    }
    LONG RowId(int16_t row) const {
        return AccessibilityModel(list_, 0, 0).ListChildId({AccessiblePart::Row, row});
    }
    void Notify(DWORD event, LONG child) { NotifyWinEvent(event, hwnd_, OBJID_CLIENT, child); }

    MireloList& list_;
    HWND hwnd_;
    bool focused_;  // between the window's WM_SETFOCUS and WM_KILLFOCUS
    bool scrolling_ = false;  // a press on the bar scrolled; its release ends the scroll
    std::vector<CellSays> header_;
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
    // The object id travels in the low 32 bits, as a DWORD.
    return self ? self->Answer(wParam, static_cast<LONG>(static_cast<DWORD>(lParam))) : 0;
}

}  // namespace mirelo::win32
