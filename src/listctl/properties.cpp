// Property getters and setters. Each setter tells the host under the key the
// property is saved with; most skip an unchanged value, CheckBox and
// bSeleArrow deliberately do not.
#include "base/error.h"
#include "listctl/mirelo_list.h"

namespace mirelo {

void MireloList::Notify(const char16_t* key) { ports_.site.PropertyChanged(key); }

int32_t MireloList::hWnd() const { return static_cast<int32_t>(surface_.hWnd()); }

void MireloList::SetCheckBox(Bool16 v) {
    CheckBox_ = v;
    Notify(u"CheckBox");
    PaintList();
    if (access_) access_->RowsChanged();
}

OleColor MireloList::BackColor() const { return surface_.BackColor(); }

void MireloList::SetBackColor(OleColor v) {
    if (v == surface_.BackColor()) return;
    surface_.SetBackColor(v);
    Notify(u"BackColor");
    Brushes[3].Rebuild(ports_.gdi, surface_.BackColor());
    PaintList();
}

const FontDesc& MireloList::Font() const { return surface_.Font(); }

void MireloList::SetFont(const FontDesc& f) {
    surface_.SetFont(f);
    Notify(u"Font");
    OnPaint();
}

void MireloList::SetFontRef(const FontDesc& f) {
    surface_.SetFont(f);
    Notify(u"Font");
    PaintList();
}

void MireloList::SetItemHeight(int32_t v) {
    // Every row computation divides by the height: refuse what cannot be laid out.
    if (v <= 0) Raise(kInvalidPropertyValue);
    if (v == ItemHeight_) return;
    ItemHeight_ = v;
    Notify(u"ItemHeight");
    LastIndex_ = ListGeometry::LayoutLastIndex(RowAreaHeight_, ItemHeight_, FirstIndex_);
    UpdateLayout();
    OnPaint();
}

void MireloList::SetItemBkColor1(OleColor v) {
    if (v == ItemBkColor1_) return;
    ItemBkColor1_ = v;
    Notify(u"ItemBkColor1");
    Brushes[0].Rebuild(ports_.gdi, v);
    PaintList();
}

void MireloList::SetItemBkColor2(OleColor v) {
    if (v == ItemBkColor2_) return;
    ItemBkColor2_ = v;
    Notify(u"ItemBkColor2");
    Brushes[1].Rebuild(ports_.gdi, v);
    PaintList();
}

void MireloList::SetItemSelBkColor(OleColor v) {
    if (v == ItemSelBkColor_) return;
    ItemSelBkColor_ = v;
    Notify(u"ItemSelBkColor");
    Brushes[2].Rebuild(ports_.gdi, v);
    PaintRow(ListIndex_);
}

void MireloList::SetItemNorTextColor(OleColor v) {
    if (v == ItemNorTextColor_) return;
    ItemNorTextColor_ = v;
    Notify(u"ItemNorTextColor");
    PaintList();
}

void MireloList::SetItemSelTextColor(OleColor v) {
    if (v == ItemSelTextColor_) return;
    ItemSelTextColor_ = v;
    Notify(u"ItemSelTextColor");
    PaintRow(ListIndex_);
}

void MireloList::SetHeaderBackColor(OleColor v) {
    if (v == HeaderBackColor_) return;
    HeaderBackColor_ = v;
    Notify(u"HeaderBackColor");
    // Rebuilt in design mode too, so the designer shows the colour just set.
    Brushes[4].Rebuild(ports_.gdi, v);
    PaintHeader();
}

void MireloList::SetYnNeedNumCol(Bool16 v) {
    if (v == YnNeedNumCol_) return;
    YnNeedNumCol_ = v;
    Notify(u"YnNeedNumCol");
    PaintHeader();
    if (access_) access_->RowsChanged();
}

void MireloList::SetItemPlyTextColor(OleColor v) {
    if (v == ItemPlyTextColor_) return;
    ItemPlyTextColor_ = v;
    Notify(u"ItemPlyTextColor");
    PaintRow(PlayIndex_);
}

void MireloList::SetItemErrTextColor(OleColor v) {
    if (v == ItemErrTextColor_) return;
    ItemErrTextColor_ = v;
    Notify(u"ItemErrTextColor");
    PaintList();
}

void MireloList::SetBorder(Bool16 v) {
    if (v == Border_) return;
    Border_ = v;
    Notify(u"Border");
    PlaceScrollBar();
    if (Border_) DrawBorderBox();
}

void MireloList::SetBorderColor(OleColor v) {
    if (v == BorderColor_) return;
    BorderColor_ = v;
    Notify(u"BorderColor");
    if (Border_) DrawBorderBox();
}

int32_t MireloList::BorderWidth() const { return surface_.DrawWidth(); }

void MireloList::SetBorderWidth(int32_t v) {
    if (v == surface_.DrawWidth()) return;
    int16_t w = ToInt16(v);
    if (w < 1) Raise(kInvalidPropertyValue);
    surface_.SetDrawWidth(w);
    Notify(u"BorderWidth");
    OnPaint();
}

void MireloList::SetbSeleArrow(Bool16 v) {
    bSeleArrow_ = v;
    Notify(u"bSeleArrow");
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
    Trace("OnPaint");
    if (borderDrag_ || SuppressPaint_) return;
    PaintAll();
}

}  // namespace mirelo
