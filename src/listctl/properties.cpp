// Property getters and setters. What a change notifies, rebuilds and repaints
// is in the property's row (property_table.cpp); a setter says only how it
// stores. Most skip an unchanged value; CheckBox and bSeleArrow deliberately
// do not.
#include "base/error.h"
#include "listctl/mirelo_list.h"

namespace mirelo {

int32_t MireloList::hWnd() const { return static_cast<int32_t>(surface_.hWnd()); }

void MireloList::SetCheckBox(Bool16 v) { Assign(&MireloList::CheckBox_, v, true); }

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

void MireloList::SetItemHeight(int32_t v) {
    // Every row computation divides by the height: refuse what cannot be laid out.
    if (v <= 0) Raise(kInvalidPropertyValue);
    Assign(&MireloList::ItemHeight_, v);
}

void MireloList::SetItemBkColor1(OleColor v) { Assign(&MireloList::ItemBkColor1_, v); }
void MireloList::SetItemBkColor2(OleColor v) { Assign(&MireloList::ItemBkColor2_, v); }
void MireloList::SetItemSelBkColor(OleColor v) { Assign(&MireloList::ItemSelBkColor_, v); }
void MireloList::SetItemNorTextColor(OleColor v) { Assign(&MireloList::ItemNorTextColor_, v); }
void MireloList::SetItemSelTextColor(OleColor v) { Assign(&MireloList::ItemSelTextColor_, v); }
// Rebuilt in design mode too, so the designer shows the colour just set.
void MireloList::SetHeaderBackColor(OleColor v) { Assign(&MireloList::HeaderBackColor_, v); }
void MireloList::SetYnNeedNumCol(Bool16 v) { Assign(&MireloList::YnNeedNumCol_, v); }
void MireloList::SetItemPlyTextColor(OleColor v) { Assign(&MireloList::ItemPlyTextColor_, v); }
void MireloList::SetItemErrTextColor(OleColor v) { Assign(&MireloList::ItemErrTextColor_, v); }
void MireloList::SetBorder(Bool16 v) { Assign(&MireloList::Border_, v); }
void MireloList::SetBorderColor(OleColor v) { Assign(&MireloList::BorderColor_, v); }

int32_t MireloList::BorderWidth() const { return surface_.DrawWidth(); }

void MireloList::SetBorderWidth(int32_t v) {
    if (v == surface_.DrawWidth()) return;
    int16_t w = ToInt16(v);
    if (w < 1) Raise(kInvalidPropertyValue);
    surface_.SetDrawWidth(w);
    Changed(RowOf(PropertyType::PenWidth));
}

void MireloList::SetbSeleArrow(Bool16 v) { Assign(&MireloList::bSeleArrow_, v, true); }

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
    if (borderDrag_ || SuppressPaint_) return;
    PaintAll();
}

}  // namespace mirelo
