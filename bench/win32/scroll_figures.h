#pragma once
// The figures that scroll a full list and the one that creates a list, each
// ours against the system list view (scroll_figures.cpp, first_paint.cpp).
#include "figure.h"
#include "side_by_side.h"

namespace mlbench {

// One wheel notch, until painted, on both lists.
Figure WheelFigure(Ours& ours, Anchor& anchor, int runs);
// One thumb move of our bar, until painted, against LVM_SCROLL by the same rows.
Figure ThumbDragFigure(Ours& ours, Anchor& anchor, int runs);
// Create, activate, fill `count` rows and paint once, in a frame of its own.
Figure FirstPaintFigure(const Rows& rows, int count, int runs);

}  // namespace mlbench
