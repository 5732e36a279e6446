#pragma once
// The scroll bar's own window, a child of the window it scrolls. Its window
// procedure is what the form runtime would give a user control: painting and
// sizing for the designer (in run mode the bar's hook takes both first), the
// mouse capture for the length of a press, key-downs, and the placement and
// visibility kept in step with the bar's extender state both ways.
//
// The object belongs to its window and goes with it. The window must go
// before the bar it serves (the list's window, its parent, takes it along).
#include <windows.h>

#include <functional>
#include <memory>

#include "platform/window_proc.h"
#include "scrollbar/uc_scrollbar.h"
#include "win32/win32_cursor.h"
#include "win32/win32_window.h"
#include "win32/window_object.h"
#include "win32/window_timers.h"

namespace mirelo {
class MireloList;
}

namespace mirelo::win32 {

class BarWindow final : public WindowObject {
public:
    // Creates the window where the bar's extender state puts it, shown as it
    // says, and gives it to the bar (which hooks it in run mode). onDestroy
    // runs when the window is being destroyed, after the bar let go of it.
    // Null when no window could be made.
    static BarWindow* Create(HWND parent, ucScrollbar& bar, WindowProcPort& hooks,
                             std::function<void()> onDestroy = {});

    static const wchar_t* ClassName();

private:
    BarWindow(ucScrollbar& bar, std::function<void()> onDestroy) : bar_(bar), onDestroy_(std::move(onDestroy)) {}
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void WindowGone() override;
    void Paint();
    void Press();
    void FollowWindow();  // someone else moved, sized, showed or hid it

    ucScrollbar& bar_;
    std::function<void()> onDestroy_;
    bool owned_ = false;    // the window deletes this object when it goes
    bool pressed_ = false;  // the left button went down here and holds the capture
    std::unique_ptr<ChildWindowPort> window_;
    WindowTimers timers_;
    SystemCursor cursor_;
};

// The list's in-place window has just been made: gives it the scroll bar's
// window and, in run mode, the list's own hook; both go with the window.
void AttachBarWindow(MireloList& list, HWND parent);

}  // namespace mirelo::win32
