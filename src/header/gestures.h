#pragma once
// The state of a gesture under way, one object each; the header's input holds
// them as std::optional, empty while no such gesture is under way.
#include <cstdint>
#include <optional>

namespace mirelo {

// A header cell held down, from its press to the release.
struct HeaderPressGesture {
    int16_t column;    // the pressed slot
    int16_t cellLeft;  // the pressed cell as it was painted, to repaint it there
    int16_t cellWidth;
    // The cell lit as drop target, none while over no cell. It starts at slot
    // 0, as it always has: the first move repaints that cell normal (which
    // shows nothing), and a drag jumping straight onto slot 0 lights nothing.
    std::optional<int16_t> drop;
};

// A column border dragged, from the press on its marker to the release.
struct BorderDragGesture {
    int16_t startX;  // the border's x at the press, client pixels
    int16_t column;  // the shown column left of the border, which the release resizes
};

}  // namespace mirelo
