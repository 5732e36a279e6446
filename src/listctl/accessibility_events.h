#pragma once
// What the list announces to assistive technology as it changes, so that a
// screen reader follows the list without polling it. Rows are 0-based, -1 is
// no row. Called after the change has taken effect (and after the host had
// its say in it).
#include <cstdint>

namespace mirelo {

class AccessibilityEvents {
public:
    virtual ~AccessibilityEvents() = default;
    virtual void SelectionChanged(int16_t row) = 0;
    virtual void PlayRowChanged(int16_t oldRow, int16_t newRow) = 0;
    virtual void RowStateChanged(int16_t row) = 0;  // its check box
    virtual void RowNameChanged(int16_t row) = 0;   // its cell texts
    // Rows came, went or moved, or what every row says changed (columns
    // defined, exchanged, sorted; check boxes or numbers switched).
    virtual void RowsChanged() = 0;
    // The rows moved under the view; oldTop was the top row before. While a
    // press on the scroll bar goes on (pressing), more may follow, and
    // ScrollEnded comes with its release.
    virtual void ViewScrolled(int16_t oldTop, bool pressing) = 0;
    virtual void ScrollEnded() = 0;
    // Header cells may have moved, changed width, caption or sort marker.
    virtual void HeaderChanged() = 0;
};

}  // namespace mirelo
