#pragma once
// The list's persisted look: each field has its row in the list's property
// table, which loads, saves and sets it; the painter reads it in place.
#include <cstdint>

#include "base/color.h"
#include "base/numeric.h"

namespace mirelo {

struct ListLook {
    Bool16 CheckBox = kFalse;        // rows show a check box
    int32_t ItemHeight = 0;          // row and header height, pixels
    OleColor ItemBkColor1 = 0;       // rows at even distance from the top row
    OleColor ItemBkColor2 = 0;       // the other rows
    OleColor ItemSelBkColor = 0;     // selected row background
    OleColor ItemNorTextColor = 0;   // row and header text
    OleColor ItemSelTextColor = 0;   // selected row text, pressed header caption
    OleColor ItemPlyTextColor = 0;   // play row text
    OleColor ItemErrTextColor = 0;   // kept and persisted; nothing paints with it
    OleColor HeaderBackColor = 0;    // header band
    Bool16 YnNeedNumCol = kFalse;    // column 0 shows row numbers
    Bool16 Border = kFalse;          // border box drawn, everything inset by the pen width
    OleColor BorderColor = 0;        // the border box
    Bool16 bSeleArrow = kFalse;      // the play row shows its marker
};

}  // namespace mirelo
