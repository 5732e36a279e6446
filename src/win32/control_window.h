#pragma once
// The control's own child window while it is in place. A flat window
// procedure unpacks each message and hands it to the core in the form
// runtime's terms: paint, resize, mouse (down, up, click; a double-click is
// down, up, click, double-click, up), keys and the repaint timer.
#include <windows.h>

#include "listctl/mirelo_list.h"
#include "win32/gdi_surface.h"
#include "win32/window_object.h"

namespace mirelo::win32 {

// What the window tells the object that owns it.
class ControlWindowHost {
public:
    virtual void MousePressed() = 0;  // take the focus, become UI-active
    virtual void FocusChanged(bool gained) = 0;
    virtual void WindowDestroyed() = 0;  // also when a parent took the window down

protected:
    ~ControlWindowHost() = default;
};

class ControlWindow final : public WindowObject {
public:
    ControlWindow(HINSTANCE instance, GdiSurface& surface, MireloList& core, ControlWindowHost& host);
    ~ControlWindow();

    bool Create(HWND parent, const RECT& pos);
    void Destroy();

    static const wchar_t* ClassName();

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    void ButtonDown(int16_t button, LPARAM lParam, bool doubleClick);
    void ButtonUp(int16_t button, LPARAM lParam);

    HINSTANCE instance_;
    GdiSurface& surface_;
    MireloList& core_;
    ControlWindowHost& host_;
    int16_t held_ = 0;        // buttons pressed on this window and not yet released
    bool clickArmed_ = false;  // a left press here whose release is a click
};

}  // namespace mirelo::win32
