#pragma once
// The column gestures' picture boxes on user32: child windows of the
// control's window, made when the control has a window and again after it was
// destroyed and made anew. Until then (and while it has none) a box only
// remembers its placement, visibility and colour. The marker box passes its
// mouse input on in twips from its own top left, as a picture box reports it,
// and keeps the input while a button is held. The still picture is a bitmap
// in memory that the box paints.
#include <windows.h>

#include <functional>

#include "platform/picture_box.h"
#include "win32/bitmap_dc.h"
#include "win32/window_object.h"

namespace mirelo::win32 {

// The marker's own mouse notifications.
class PictureBoxMouse {
public:
    virtual void MouseDown(int16_t button, int16_t shift, float x, float y) = 0;
    virtual void MouseMove(int16_t button, int16_t shift, float x, float y) = 0;
    virtual void MouseUp(int16_t button, int16_t shift, float x, float y) = 0;

protected:
    ~PictureBoxMouse() = default;
};

class ChildPictureBox : public PictureBox, public WindowObject {
public:
    // `parent` answers the control's window now, or null.
    ChildPictureBox(HINSTANCE instance, std::function<HWND()> parent);
    ~ChildPictureBox() override;

    void SetMouse(PictureBoxMouse* mouse) { mouse_ = mouse; }
    // A box that must stay visible over this one when this one is shown.
    void KeepBelow(ChildPictureBox* over) { over_ = over; }

    void MoveWindow(int32_t left, int32_t top, int32_t width, int32_t height) override;
    void ShowWindow(bool show) override;
    void SetBackColor(OleColor rgb) override;
    void Cls() override;
    bool CopyFromScreen(HWnd window) override;

    static const wchar_t* ClassName();

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void WindowGone() override;
    bool EnsureWindow();
    void Raise();
    void Paint();
    void Button(UINT msg, LPARAM lParam);

    HINSTANCE instance_;
    std::function<HWND()> parent_;
    PictureBoxMouse* mouse_ = nullptr;
    ChildPictureBox* over_ = nullptr;
    RECT place_ = {0, 0, 0, 0};
    bool visible_ = false;
    COLORREF back_ = RGB(224, 224, 224);
    BitmapDC picture_;  // the still picture, shown instead of the colour
    SIZE pictureSize_ = {};
    int16_t held_ = 0;
};

}  // namespace mirelo::win32
