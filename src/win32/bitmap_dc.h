#pragma once
// A memory device context with a bitmap of its own selected into it. Both
// are freed together, the context's first bitmap put back before, since GDI
// will not delete a bitmap that is still selected.
#include <windows.h>

#include <utility>

namespace mirelo::win32 {

class BitmapDC {
public:
    BitmapDC() = default;
    // A context compatible with `like` (null: the screen) holding `bitmap`,
    // which it owns from now on. The context is made even without a bitmap.
    BitmapDC(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)), bitmap_(bitmap) {
        const HGDIOBJ old = dc_ && bitmap_ ? SelectObject(dc_, bitmap_) : nullptr;
        if (old != HGDI_ERROR) old_ = old;
    }
    ~BitmapDC() { Free(); }
    BitmapDC(BitmapDC&& other) noexcept { *this = std::move(other); }
    BitmapDC& operator=(BitmapDC&& other) noexcept {
        if (this != &other) {
            Free();
            dc_ = std::exchange(other.dc_, nullptr);
            bitmap_ = std::exchange(other.bitmap_, nullptr);
            old_ = std::exchange(other.old_, nullptr);
        }
        return *this;
    }

    HDC dc() const { return dc_; }
    bool Ready() const { return old_ != nullptr; }  // the bitmap is selected
    void Free() {
        if (old_) SelectObject(dc_, old_);
        if (dc_) DeleteDC(dc_);
        if (bitmap_) DeleteObject(bitmap_);
        dc_ = nullptr;
        bitmap_ = nullptr;
        old_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

}  // namespace mirelo::win32
