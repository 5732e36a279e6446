#pragma once
#include <cstdint>

namespace mirelo {

// The parts of a bar. Decreasing the value moves the thumb towards Button1.
enum class ScrollPart : int16_t { None = 0, Button1 = 1, Button2 = 2, Track1 = 3, Track2 = 4, Thumb = 5 };

// Window timers of a bar, by id.
enum : int32_t { DelayTimer = 1, RepeatTimer = 2, HotTimer = 3, LeaveTimer = 4 };

}  // namespace mirelo
