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

// The bar's saved settings: the value model the geometry depends on, and the
// steps and timings of its input. Values from a bag may break Min <= Value <= Max.
struct BarModel {
    int32_t Min = 0, Max = 100, Value = 0;
    int32_t SmallChange = 1;       // an arrow's step
    int32_t LargeChange = 10;      // a page's step; also sizes the thumb
    int32_t ChangeDelay = 500;     // ms before a held press repeats
    int32_t ChangeFrequency = 50;  // ms between repeats
    int32_t Orientation = 0;       // 1 horizontal, anything else vertical
    bool ShowButtons = true;
    // 64-bit so that any pair of 32-bit limits has a range.
    int64_t ValueRange() const { return static_cast<int64_t>(Max) - Min; }
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
