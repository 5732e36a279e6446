#pragma once
// A picture box child of the control, as the column-border gestures use two of
// them: the thin marker over a column border (which becomes the moving line of
// a drag) and the still picture of the control shown while a border is dragged.
// Placement is in the control's client pixels.
#include <cstdint>

#include "base/color.h"
#include "platform/window.h"

namespace mirelo {

class PictureBox {
public:
    virtual ~PictureBox() = default;
    virtual void MoveWindow(int32_t left, int32_t top, int32_t width, int32_t height) = 0;
    virtual void ShowWindow(bool show) = 0;
    virtual void SetBackColor(OleColor rgb) = 0;
    virtual void Cls() = 0;  // drops its picture; it shows its back colour again
    // Takes the screen pixels under `window` (GetWindowRect, the screen's device
    // context, BitBlt SRCCOPY) as its picture, kept in memory, and covers that
    // window's area from the parent's (0, 0). False when the pixels could not
    // be copied.
    virtual bool CopyFromScreen(HWnd window) = 0;
};

}  // namespace mirelo
