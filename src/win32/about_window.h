#pragma once
// The About window: small, modal, showing the library's name and version, and
// gone at the first mouse press on it.
#include <windows.h>

#include <functional>

#include "platform/site.h"

namespace mirelo::win32 {

class AboutBox : public AboutWindow {
public:
    // `owner` names the window to disable while the box is up (may give null).
    AboutBox(HINSTANCE instance, Text title, Text body, std::function<HWND()> owner);
    ~AboutBox() override;
    AboutBox(const AboutBox&) = delete;
    AboutBox& operator=(const AboutBox&) = delete;

    bool IsShown() override { return hwnd_ != nullptr; }
    void Close() override;
    void ShowModal() override;

    HWND Handle() const { return hwnd_; }
    static const wchar_t* ClassName();
    static void UnregisterClass(HINSTANCE instance);

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint();

    HINSTANCE instance_;
    Text title_, body_;
    std::function<HWND()> owner_;
    HWND hwnd_ = nullptr;
};

}  // namespace mirelo::win32
