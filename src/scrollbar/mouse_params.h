#pragma once
// Pointer coordinates packed into a mouse message's lParam: x in the low and
// y in the high 16 bits, each signed, so that a captured pointer left of or
// above the window comes out negative.
#include <cstdint>

namespace mirelo {

inline int32_t GetXParam(int32_t lParam) { return static_cast<int16_t>(static_cast<uint16_t>(lParam)); }
inline int32_t GetYParam(int32_t lParam) { return static_cast<int16_t>(static_cast<uint32_t>(lParam) >> 16); }

}  // namespace mirelo
