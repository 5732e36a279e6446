#pragma once
// What the painter reads of the list: a read-only view the list builds for
// each paint. Nothing in it points back into the list's own type.
#include <array>
#include <cstdint>
#include <string_view>

#include "base/color.h"
#include "base/text.h"
#include "geometry/list_geometry.h"
#include "platform/gdi.h"

namespace mirelo {

class ClsIcon;
class MemDC;

// The separators between cells, and the border marker at rest.
constexpr OleColor kSeparatorColor = Rgb(255, 255, 247);

// The slots of the list's seven solid brushes.
enum BrushSlot : int8_t {
    kRowBrush1,        // ItemBkColor1: rows at even distance from the top row
    kRowBrush2,        // ItemBkColor2: the other rows
    kSelectionBrush,   // ItemSelBkColor
    kBackBrush,        // the surface background, under and beside the rows
    kHeaderBrush,      // HeaderBackColor
    kPressedBrush,     // black: a pressed header cell
    kDropTargetBrush,  // the header cell a dragged column would land on
    kBrushCount
};

struct ListView {
    ListGeometry geometry;
    const std::array<Text, kMaxColumn + 1>* captions = nullptr;
    const std::array<int16_t, kMaxColumn + 1>* aligns = nullptr;  // DrawText format bits, sign and all
    int16_t listIndex = -1;     // selected row
    int16_t playIndex = -1;     // play row
    bool altPhase = false;      // row colours swapped, flipped per scroll so they follow the rows
    bool numbered = false;      // column 0 shows row numbers
    bool checkBoxes = false;
    bool playMarker = false;    // the play row shows its marker
    OleColor norText = 0, selText = 0, plyText = 0, borderColor = 0;
    std::array<BrushHandle, kBrushCount> brushes{};
    MemDC* checkImages = nullptr;        // the "CHK" strip: empty box, play arrow, checked box
    const ClsIcon* playIcon = nullptr;   // none at design time
};

// One row's cells and check, as the painter needs them.
struct RowContent {
    std::array<std::u16string_view, kMaxColumn + 1> cells;
    bool checked = false;
};

enum class CellLook { Normal, Pressed, DropTarget };

}  // namespace mirelo
