#pragma once
// Receives the child scroll bar's events for the list. Kept apart so the
// bar's Scroll does not collide with the list's own Scroll event.
#include "listctl/mirelo_list.h"

namespace mirelo {

class MireloList::BarEvents : public ScrollbarEvents {
public:
    explicit BarEvents(MireloList& list) : list_(list) {}
    void Change() override { list_.ScrollHandling(); }
    void Scroll() override {
        list_.ScrollHandling();
        if (list_.events_) list_.events_->Scroll();
    }
    void Show() override { list_.OnPaint(); }
    void Hide() override { list_.OnPaint(); }
    void KeyDownOk(int16_t KeyCode) override { list_.OnKeyDown(KeyCode, 0); }
    void EndScroll() override {
        if (list_.access_) list_.access_->ScrollEnded();
    }

private:
    MireloList& list_;
};

}  // namespace mirelo
