#pragma once
// A picture box child of the list as the list's own code sees it. Placement and
// visibility are remembered here, because the gestures read them back (the
// marker's left edge is where a drag starts); every change goes on to the real
// window when the platform gives one.
#include <cstdint>

#include "base/rect.h"
#include "platform/picture_box.h"

namespace mirelo {

class ChildBox {
public:
    // Children start hidden, in the back colour given.
    ChildBox(PictureBox* port, OleColor back) : port_(port) {
        if (port_ == nullptr) return;
        port_->ShowWindow(false);
        port_->SetBackColor(back);
    }

    void Move(int32_t left, int32_t top, int32_t width, int32_t height) {
        left_ = left, top_ = top, width_ = width, height_ = height;
        if (port_) port_->MoveWindow(left, top, width, height);
    }
    void Move(const Rect& r) { Move(r.left, r.top, r.Width(), r.Height()); }
    void Show(bool show) {
        visible_ = show;
        if (port_) port_->ShowWindow(show);
    }
    void SetBackColor(OleColor rgb) {
        if (port_) port_->SetBackColor(rgb);
    }
    void Cls() {
        if (port_) port_->Cls();
    }
    // Without a window there is nothing on screen to copy, and nothing to cover.
    bool CopyFromScreen(HWnd window) { return port_ == nullptr || port_->CopyFromScreen(window); }

    int32_t Left() const { return left_; }
    int32_t Top() const { return top_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool Visible() const { return visible_; }

private:
    PictureBox* port_;
    int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = false;
};

}  // namespace mirelo
