// The setters of the properties outside the look (the look's are SetLook in
// the header). What a change notifies, rebuilds and repaints is in
// the property's row (property_table.cpp); a setter says only how it stores.
#include "base/error.h"
#include "listctl/mirelo_list.h"

namespace mirelo {

int32_t MireloList::hWnd() const { return static_cast<int32_t>(surface_.hWnd()); }


OleColor MireloList::BackColor() const { return surface_.BackColor(); }

void MireloList::SetBackColor(OleColor v) {
    if (v == surface_.BackColor()) return;
    surface_.SetBackColor(v);
    Changed(RowOf(PropertyType::BackColour));
}

const FontDesc& MireloList::Font() const { return surface_.Font(); }

void MireloList::SetFont(const FontDesc& f) {
    surface_.SetFont(f);
    Changed(RowOf(PropertyType::Font));
}

void MireloList::SetFontRef(const FontDesc& f) {
    // Assigned by reference the font repaints less than the row says.
    surface_.SetFont(f);
    ports_.site.PropertyChanged(RowOf(PropertyType::Font).dispid);
    PaintList();
}



int32_t MireloList::BorderWidth() const { return surface_.DrawWidth(); }

void MireloList::SetBorderWidth(int32_t v) {
    if (v == surface_.DrawWidth()) return;
    surface_.SetDrawWidth(ToInt16(v));  // the surface refuses a width below 1 (error 380)
    Changed(RowOf(PropertyType::PenWidth));
}


void MireloList::Refresh() { surface_.Refresh(); }

void MireloList::About() {
    if (ports_.about.IsShown()) ports_.about.Close();
    ports_.about.ShowModal();
}

void MireloList::AmbientChanged() {
    PaintHeader();
    OnPaint();
}

void MireloList::OnPaint() {
    if (header_.PaintSuppressed()) return;
    PaintAll();
}

}  // namespace mirelo
