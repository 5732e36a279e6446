#pragma once
// What the list knows about each property the host saves or hears about: one
// row per property in MireloList::kProperties drives the defaults of a new
// instance, the property bag (and so the stream), the setters' notification,
// what a change repaints, and the server's dispatch identifiers and
// property-browser categories.
#include <cstdint>

#include "base/color.h"
#include "base/numeric.h"

namespace mirelo {

class MireloList;
struct ListLook;

// How a property is held and stored: the list's own members first, then the surface's.
enum class PropertyType : uint8_t {
    Colour,      // a member, saved as a 32-bit integer
    Boolean,     // a member, saved as a Boolean
    Height,      // a member, 32-bit; a stored value that cannot be laid out reads as the default
    Marker,      // a Boolean member saved against the 16-bit default 1, which no Boolean equals,
                 // so even a bag that leaves defaults out writes it; a missing key reads True
    BackColour,  // the surface background, saved as a 32-bit integer
    PenWidth,    // the surface pen width, saved in 16 bits
    Font,        // the surface font object
    Unsaved,     // a member the host hears about but that is never saved or reset
};

// What a change shows at once.
enum class Repaint : uint8_t {
    Nothing,
    List,         // header and rows
    Header,
    All,          // the paint handler
    SelectedRow,
    PlayRow,
    BorderBox,    // the border box, when a border is drawn
    Frame,        // the scroll bar placed for the new inset, then the border box when one is drawn
    Layout,       // the last visible row for the new height, the layout, then the paint handler
};

// Property-browser categories; None leaves a property under the browser's default.
enum class PropertyCategory : uint8_t { None, Skin, ListBorder, List, ListItem };

// Where a member property lives: in the list's look, or the list's own row
// indices; empty for the surface's own.
struct PropertyField {
    OleColor ListLook::*colour = nullptr;
    int16_t ListLook::*flag = nullptr;  // Booleans
    int32_t ListLook::*number = nullptr;
    int16_t MireloList::*index = nullptr;  // told about, never saved

    constexpr PropertyField() = default;
    constexpr PropertyField(OleColor ListLook::*c) : colour(c) {}
    constexpr PropertyField(int16_t ListLook::*f) : flag(f) {}
    constexpr PropertyField(int32_t ListLook::*n) : number(n) {}
    constexpr PropertyField(int16_t MireloList::*i) : index(i) {}
    bool operator==(const PropertyField& o) const {
        return colour == o.colour && flag == o.flag && number == o.number && index == o.index;
    }
};

struct ListProperty {
    const char16_t* key;        // bag key, also the name hosts call it by
    int32_t dispid;             // automation dispatch identifier, sent with the change notification
    PropertyType type;
    PropertyField field;
    int32_t initial;            // a new instance's value (members only; the surface keeps its own)
    int8_t readRank;            // place in the order of loading (rows are in the order of saving); 0: never read
    int8_t brush;               // the list's brush rebuilt from the new colour, -1 for none
    Repaint repaint;
    bool rowsRetold;            // assistive technology is told the rows read differently
    PropertyCategory category;
    bool always;                // a set notifies and repaints even when the value is unchanged
};

// The row with this dispatch identifier, or null.
const ListProperty* FindListProperty(int32_t dispid);

}  // namespace mirelo
