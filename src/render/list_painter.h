#pragma once
// Draws the list on the Surface port from a read-only view: rows, the header
// band and its cells, the frame, the empty background and the look inside a
// form designer. The list decides what to paint and when, and builds the view
// for each paint; nothing in it points back into the list's own type. The
// painter decides only how, with every place taken from the view's geometry.
#include <array>
#include <cstdint>
#include <string_view>

#include "base/color.h"
#include "base/text.h"
#include "geometry/list_geometry.h"
#include "render/list_look.h"
#include "platform/gdi.h"
#include "platform/surface.h"

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
    const ListLook* look = nullptr;  // colours and switches, read in place
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

class ListPainter {
public:
    explicit ListPainter(Surface& surface) : surface_(surface) {}

    // Row `index`, which the list found in view; cut at the client's bottom.
    void Row(const ListView& v, int16_t index, const RowContent& row);
    void Header(const ListView& v);
    // One header cell where a gesture shows it, its caption where the
    // header's are; a width below 1 paints nothing.
    void HeaderCell(const ListView& v, int32_t left, int32_t width, const Text& caption, CellLook look);
    void EmptyBackground(const ListView& v);  // inside the frame: a list without rows
    void BorderBox(const ListView& v);
    void DesignLook(const ListView& v, const Text& name);  // only the name and the frame

private:
    int32_t FillBox(int32_t left, int32_t top, int32_t width, int32_t height, BrushHandle brush);
    int32_t DrawCellText(std::u16string_view text, int32_t left, int32_t top, int32_t width, int32_t height,
                         uint32_t format);

    int16_t TextTop(const ListView& v);  // the captions' top
    void Separator(const Rect& lines);   // one line per x

    Surface& surface_;
};

}  // namespace mirelo
