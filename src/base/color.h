#pragma once
// OLE colour values. The list hands them to the platform as plain RGB
// (low 24 bits, red in the lowest byte); only the colour-keyed copy translates.
#include <cstdint>

namespace mirelo {

using OleColor = uint32_t;

constexpr OleColor Rgb(int r, int g, int b) {
    return static_cast<OleColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

constexpr OleColor kMagenta = Rgb(255, 0, 255);

}  // namespace mirelo
