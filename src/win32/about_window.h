#pragma once
// The About window: small, modal, showing the library's name and version, and
// gone at the first mouse press on it.
#include <windows.h>

#include <functional>

#include "platform/site.h"
#include "win32/window_object.h"

namespace mirelo::win32 {

class AboutBox : public AboutWindow, public WindowObject {
public:
    // `owner` names the window to disable while the box is up (may give null).
    AboutBox(HINSTANCE instance, Text title, Text body, std::function<HWND()> owner);
    ~AboutBox() override;

    bool IsShown() override { return hwnd_ != nullptr; }
    void Close() override;
    void ShowModal() override;

    static const wchar_t* ClassName();

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Paint();

    HINSTANCE instance_;
    Text title_, body_;
    std::function<HWND()> owner_;
};

}  // namespace mirelo::win32
