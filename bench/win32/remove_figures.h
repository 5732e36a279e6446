#pragma once
// Removing rows one at a time from a full list, ours against the system list
// view (remove_figures.cpp): each removal with its repaint, the same batched
// inside WM_SETREDRAW with one repaint at the end, and the same where nothing
// is seen (our control never placed, the list view's painting off).
#include "figure.h"
#include "side_by_side.h"

namespace mlbench {

// Fills both lists to `full` rows, then returns remove-1000, remove-1000-batched
// and remove-1000-unseen.
std::vector<Figure> RemoveFigures(Ours& ours, Anchor& anchor, const Rows& rows, int full, int runs);

}  // namespace mlbench
