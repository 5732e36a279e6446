#pragma once
// The control's font as the standard font object describes it.
#include <cstdint>

#include "base/text.h"

namespace mirelo {

struct FontDesc {
    Text name = u"\u5B8B\u4F53";  // 宋体 (SimSun), the default of a new control
    double size = 9;              // points
    int16_t weight = 400;
    int16_t charset = 0;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool operator==(const FontDesc& o) const {
        return name == o.name && size == o.size && weight == o.weight && charset == o.charset &&
               italic == o.italic && underline == o.underline && strikethrough == o.strikethrough;
    }
};

}  // namespace mirelo
