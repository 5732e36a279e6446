#pragma once
// Rectangles in client pixels, right and bottom edges exclusive, with the
// helpers the platform offers under the same names.
#include <cstdint>

#include "base/numeric.h"

namespace mirelo {

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    // Edges further apart than 32 bits can say (a stored value that puts a
    // part off every screen) give the largest extent, not a wrapped one.
    int32_t Width() const { return Clip32(int64_t{right} - left); }
    int32_t Height() const { return Clip32(int64_t{bottom} - top); }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const Rect& o) const { return !(*this == o); }
};

inline bool IsRectEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }
inline bool PtInRect(const Rect& r, int32_t x, int32_t y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
inline Rect InflateRect(Rect r, int32_t dx, int32_t dy) {
    r.left -= dx; r.right += dx; r.top -= dy; r.bottom += dy;
    return r;
}

}  // namespace mirelo
