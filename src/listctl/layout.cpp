// The layout: row area, the scroll bar's range, visibility and place, the
// hand-over of the bar's width between columns, and the resize handling.
#include <exception>

#include "listctl/mirelo_list.h"

namespace mirelo {

ListGeometry MireloList::Geometry() const {
    ListGeometry g;
    g.width = surface_.ScaleWidth();
    g.height = surface_.ScaleHeight();
    g.fullHeight = surface_.HeightTwips() / kTwipsPerPixel;
    g.pen = surface_.DrawWidth();
    g.border = look_.Border != kFalse;
    g.itemHeight = look_.ItemHeight;
    g.barWidth = ucBar->Visible() ? ucBar->Width() : 0;
    g.firstIndex = FirstIndex_;
    g.rowCount = ListCount();
    g.columnCount = columns_.count;
    g.widths = columns_.widths;
    return g;
}

void MireloList::UpdateLayout() {
    const Text old = ucBar->Tag();
    Text state = old;
    if (ListCount() != 0) {
        const int32_t rows = Geometry().RowAreaHeight();
        RowAreaHeight_ = rows;
        ucBar->SetMax(ToInt32(ListCount() - Fix(static_cast<double>(rows) / look_.ItemHeight)));
        bool need = static_cast<int64_t>(look_.ItemHeight) * ListCount() > rows;
        // Rows that all fit show from the bar's value (0), set before the bar
        // hides and its Hide repaints: a top row left further down would hide
        // them all, with no bar left to scroll back.
        if (!need) FirstIndex_ = Clip16(ucBar->Value());
        ucBar->SetVisible(need);
        state = need ? u"1" : u"0";
        ucBar->SetTag(state);
    } else {
        ucBar->SetMax(0);
        FirstIndex_ = Clip16(ucBar->Value());
        ucBar->SetVisible(false);
    }
    const bool appeared = old == u"0" && state == u"1";
    if (!appeared && !(old == u"1" && state == u"0")) return;
    columns_.HandOverBar(appeared, ucBar->Width());
    if (access_) access_->HeaderChanged();
}

void MireloList::RecordLayoutLastIndex() {
    // From the row area the last layout or row paint measured, not the one
    // the new size or height gives: the host's Resize handler has always
    // read LastIndex so.
    LastIndex_ = ListGeometry::LayoutLastIndex(RowAreaHeight_, look_.ItemHeight, FirstIndex_);
}

void MireloList::PlaceScrollBar() {
    const Rect r = Geometry().BarBox(ucBar->Width());
    ucBar->Move(r.left, r.top, r.Width(), r.Height());
}

void MireloList::OnResize() {
    // Each step goes on whatever the one before did: a failing step must not
    // leave the control unlaid.
    auto step = [](auto&& f) {
        try {
            f();
        } catch (const std::exception&) {
        }
    };
    step([&] {
        if (ListCount() > 0) RecordLayoutLastIndex();
    });
    step([&] {
        if (surface_.ScaleWidth() < LastWidth_ || surface_.ScaleHeight() < LastHeight_) OnPaint();
    });
    step([&] { UpdateLayout(); });
    step([&] { PlaceScrollBar(); });
    LastWidth_ = surface_.ScaleWidth();
    LastHeight_ = surface_.ScaleHeight();
    if (events_) events_->Resize();
}

}  // namespace mirelo
