#pragma once
// What the scroll bar knows about each property it saves: one row per
// property in ucScrollbar::kProperties drives a new instance's values, the
// property bag (read and written in the rows' order, each entry against its
// default, so a default is left out of the bag), and what a setter does once
// the value is stored.
#include <cstdint>

#include "scrollbar/bar_layout.h"

namespace mirelo {

// What a change shows once the value is stored.
enum class BarChange : uint8_t {
    Nothing,     // read at the next press (the repeat timings)
    Repaint,
    ThumbMoved,  // the thumb's place and the track pieces, then repaint
    Reshape,     // the thumb's length too
    Relayout,    // the buttons from the client size first
};

struct BarProperty {
    const char16_t* key;        // bag key, also the property's name
    int32_t BarModel::*number;  // an integer member, saved as a 32-bit integer
    bool BarModel::*flag;       // a Boolean member, saved as a Boolean
                                // neither: the window's enabled state, saved as a
                                // Boolean, which a new instance leaves as it is
    int32_t initial;            // a new instance's value, and the default it is saved against
    BarChange change;
};

// The rows of ucScrollbar::kProperties, in the order of saving and loading.
enum BarKey : uint8_t {
    kBarEnabled, kBarMin, kBarMax, kBarValue, kBarSmallChange, kBarLargeChange,
    kBarChangeDelay, kBarChangeFrequency, kBarOrientation, kBarShowButtons, kBarPropertyCount
};

}  // namespace mirelo
