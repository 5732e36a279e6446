#pragma once
// Pixel geometry of a bar, computed from its client size and value model.
// Painting, hit testing and the thumb drag all read these rectangles.
#include <cstdint>

#include "base/rect.h"
#include "scrollbar/scroll_part.h"

namespace mirelo {

struct BarLayout {
    Rect Btn1Rect, Btn2Rect, Track1Rect, Track2Rect, ThumbRect, FillerRect, DragLimitRect;
    bool ThumbVisible = false;
    bool FillerVisible = false;  // the gap (or odd middle line) no part covers
    int32_t ThumbPos = 0;        // thumb start along the axis
    int32_t ThumbSize = 0;       // thumb length

    int32_t TrackStart(int32_t orientation) const;
    int32_t TrackEnd(int32_t orientation) const;
    int32_t TrackLen(int32_t orientation) const { return TrackEnd(orientation) - TrackStart(orientation); }
    const Rect& PartRect(ScrollPart p) const;  // an empty rectangle for None
};

// The value model the geometry depends on. ValueRange is 64-bit so that any
// pair of 32-bit limits has a range.
struct BarModel {
    int32_t Min = 0, Max = 100, Value = 0;
    int64_t ValueRange = 100;
    int32_t LargeChange = 10;
    int32_t Orientation = 0;  // 1 horizontal, anything else vertical
    bool ShowButtons = true;
};

constexpr int32_t kButtonLength = 18;
constexpr int32_t kMinThumbSize = 8;

void CalcButtonRects(BarLayout& g, const BarModel& m, int32_t width, int32_t height);
int32_t GetThumbSize(const BarLayout& g, const BarModel& m);
int32_t GetThumbPos(const BarLayout& g, const BarModel& m);
int32_t GetValueFromThumb(const BarLayout& g, const BarModel& m);
void CalcTrackRects(BarLayout& g, const BarModel& m);

// The first part whose rectangle holds the point, in the order buttons,
// track pieces, thumb.
ScrollPart BarHitTest(const BarLayout& g, int32_t x, int32_t y);

}  // namespace mirelo
