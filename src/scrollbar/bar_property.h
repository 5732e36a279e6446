#pragma once
// What the scroll bar knows about each property it saves: one row per
// property in ucScrollbar::kProperties drives a new instance's values, the
// property bag (read and written in the rows' order, each entry against its
// default, so a default is left out of the bag), and what a setter does once
// the value is stored.
#include <cstdint>

#include "scrollbar/bar_layout.h"

namespace mirelo {

// How a property is held and saved.
enum class BarValue : uint8_t {
    Integer,        // a BarModel member, saved as a 32-bit integer
    Boolean,        // a BarModel member, saved as a Boolean
    WindowEnabled,  // the window's enabled state, saved as a Boolean; a new instance leaves it alone
};

// What a change shows once the value is stored.
enum class BarChange : uint8_t {
    Nothing,    // read at the next press (the repeat timings)
    Repaint,
    ThumbMoved, // the thumb's place and the track pieces, then repaint
    Reshape,    // the thumb's size and place and the track pieces, then repaint
    Relayout,   // the buttons from the client size, then as Reshape
};

constexpr int32_t kNoDispid = -1;  // DISPID_UNKNOWN: the member has no fixed dispatch identifier

struct BarProperty {
    const char16_t* key;   // bag key, also the property's name
    BarValue type;
    int32_t BarModel::*number;  // where an Integer lives
    bool BarModel::*flag;       // where a Boolean lives
    int32_t initial;       // a new instance's value, and the default it is saved against
    int32_t dispid;        // the fixed dispatch identifier, or kNoDispid
    BarChange change;
};

// The rows of ucScrollbar::kProperties, in the order of saving and loading.
enum BarKey : uint8_t {
    kBarEnabled, kBarMin, kBarMax, kBarValue, kBarSmallChange, kBarLargeChange,
    kBarChangeDelay, kBarChangeFrequency, kBarOrientation, kBarShowButtons, kBarPropertyCount
};

}  // namespace mirelo
