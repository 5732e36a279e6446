#include "render/captions.h"

namespace mirelo {

const Text kSortUp = u"\u25B2";
const Text kSortDown = u"\u25BC";

Text WithoutSortMarker(const Text& caption) {
    for (const Text* marker : {&kSortUp, &kSortDown})
        if (EndsWith(caption, *marker)) return caption.substr(0, caption.size() - marker->size());
    return caption;
}

Text RowNumberText(const Text& caption0, int32_t count, int32_t row) {
    return DecimalText(EndsWith(caption0, kSortDown) ? count - row : row + 1);
}

}  // namespace mirelo
