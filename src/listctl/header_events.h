#pragma once
// Receives the header's input for the list: what to paint, and the sort,
// exchange or resize the user asked for.
#include "listctl/mirelo_list.h"

namespace mirelo {

class MireloList::HeaderEvents final : public HeaderInputEvents {
public:
    explicit HeaderEvents(MireloList& list) : list_(list) {}
    ListGeometry Geometry() const override { return list_.Geometry(); }
    bool NumbersInFront() const override { return list_.look_.YnNeedNumCol != kFalse; }
    void PaintHeaderCell(int32_t left, int32_t width, int16_t column, CellLook look) override {
        list_.painter_.HeaderCell(list_.View(list_.Geometry()), left, width, list_.columns_.captions.at(column), look);
    }
    HWnd Window() const override { return static_cast<HWnd>(list_.surface_.hWnd()); }
    void Dropped(int16_t target, int16_t source) override { list_.SortOrExchange(target, source); }
    void BorderMoved(int16_t column, int32_t distance) override {
        if (distance > 0) list_.columns_.ResizeRight(column, distance);
        else if (distance < 0) list_.columns_.ResizeLeft(column, -distance);
        if (distance != 0 && list_.access_) list_.access_->HeaderChanged();
        // The one repaint after a drag, also when the border went nowhere.
        list_.SetTimer1(true);
    }

private:
    MireloList& list_;
};

}  // namespace mirelo
