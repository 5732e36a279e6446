#pragma once
// Draws the list on the Surface port from a read-only view: rows, the header
// band and its cells, the frame, the empty background and the look inside a
// form designer. The list decides what to paint and when; the painter only
// how, with every place taken from the view's geometry.
#include <cstdint>
#include <string_view>

#include "platform/surface.h"
#include "render/list_view.h"

namespace mirelo {

class ListPainter {
public:
    explicit ListPainter(Surface& surface) : surface_(surface) {}

    // Row `index`, which the list found in view; cut at the client's bottom.
    void Row(const ListView& v, int16_t index, const RowContent& row);
    void Header(const ListView& v);
    // One header cell where a gesture shows it; a width below 1 paints nothing.
    void HeaderCell(const ListView& v, int32_t left, int32_t width, const Text& caption, CellLook look);
    void EmptyBackground(const ListView& v);  // inside the frame: a list without rows
    void BorderBox(const ListView& v);
    void DesignLook(const ListView& v, const Text& name);  // only the name and the frame

private:
    int32_t FillBox(int32_t left, int32_t top, int32_t width, int32_t height, BrushHandle brush);
    int32_t DrawCellText(std::u16string_view text, int32_t left, int32_t top, int32_t width, int32_t height,
                         uint32_t format);

    Surface& surface_;
    // Where the last header paint put the captions (pixels from the top); the
    // gestures' cells put theirs there too.
    int16_t headerTextTop_ = 0;
};

}  // namespace mirelo
