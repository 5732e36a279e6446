// The list's properties as one table, and the persistence and change
// notification that read it.
#include "base/error.h"
#include "listctl/mirelo_list.h"

namespace mirelo {

namespace {
using T = PropertyType;
using R = Repaint;
using C = PropertyCategory;
using K = ListLook;
using L = MireloList;
constexpr int8_t kNoBrush = -1;
constexpr int16_t kMarkerDefault = 1;  // what a Marker is read and written against
}  // namespace

// In the order of saving; readRank gives the order of loading.
// clang-format off
const std::array<ListProperty, 19> MireloList::kProperties = {{
//   key                  DISPID      type           member                 new       read brush            repaint         rows   category       always
    {u"BackColor",        0x68030015, T::BackColour, {},                    0,        1,  kBackBrush,      R::List,        false, C::Skin,        false},
    {u"Font",             0x68030014, T::Font,       {},                    0,        2,  kNoBrush,        R::All,         false, C::Skin,        false},
    {u"ItemHeight",       0x68030013, T::Height,     &K::ItemHeight,        16,       4,  kNoBrush,        R::Layout,      false, C::ListItem,    false},
    {u"ItemBkColor1",     0x68030012, T::Colour,     &K::ItemBkColor1,      0xFFFFFF, 5,  kRowBrush1,      R::List,        false, C::ListItem,    false},
    {u"ItemBkColor2",     0x68030011, T::Colour,     &K::ItemBkColor2,      16447210, 6,  kRowBrush2,      R::List,        false, C::ListItem,    false},
    {u"ItemSelBkColor",   0x68030010, T::Colour,     &K::ItemSelBkColor,    13407330, 7,  kSelectionBrush, R::SelectedRow, false, C::ListItem,    false},
    {u"ItemNorTextColor", 0x6803000F, T::Colour,     &K::ItemNorTextColor,  9396556,  8,  kNoBrush,        R::List,        false, C::ListItem,    false},
    {u"ItemSelTextColor", 0x6803000E, T::Colour,     &K::ItemSelTextColor,  0xFFFFFF, 9,  kNoBrush,        R::SelectedRow, false, C::ListItem,    false},
    {u"ItemPlyTextColor", 0x6803000B, T::Colour,     &K::ItemPlyTextColor,  1226579,  10, kNoBrush,        R::PlayRow,     false, C::ListItem,    false},
    {u"ItemErrTextColor", 0x6803000A, T::Colour,     &K::ItemErrTextColor,  255,      11, kNoBrush,        R::List,        false, C::ListItem,    false},
    {u"HeaderBackColor",  0x6803000D, T::Colour,     &K::HeaderBackColor,   14603213, 12, kHeaderBrush,    R::Header,      false, C::List,        false},
    {u"YnNeedNumCol",     0x6803000C, T::Boolean,    &K::YnNeedNumCol,      kTrue,    13, kNoBrush,        R::Header,      true,  C::List,        false},
    {u"Border",           0x68030009, T::Boolean,    &K::Border,            kTrue,    14, kNoBrush,        R::Frame,       false, C::ListBorder,  false},
    {u"BorderColor",      0x68030008, T::Colour,     &K::BorderColor,       12821368, 15, kNoBrush,        R::BorderBox,   false, C::ListBorder,  false},
    {u"BorderWidth",      0x68030007, T::PenWidth,   {},                    0,        16, kNoBrush,        R::All,         false, C::ListBorder,  false},
    {u"CheckBox",         0x68030019, T::Boolean,    &K::CheckBox,          kFalse,   3,  kNoBrush,        R::List,        true,  C::List,        true},
    {u"bSeleArrow",       0x68030000, T::Marker,     &K::bSeleArrow,        kTrue,    17, kNoBrush,        R::Nothing,     false, C::List,        true},
    {u"ListIndex",        0x68030006, T::Unsaved,    &L::ListIndex_,        -1,       0,  kNoBrush,        R::Nothing,     false, C::List,        false},
    {u"PlayIndex",        0x68030005, T::Unsaved,    &L::PlayIndex_,        -1,       0,  kNoBrush,        R::Nothing,     false, C::List,        false},
}};
// clang-format on

const ListProperty* FindListProperty(int32_t dispid) {
    for (const ListProperty& p : MireloList::kProperties)
        if (p.dispid == dispid) return &p;
    return nullptr;
}

const ListProperty& MireloList::RowOf(PropertyField field) {
    for (const ListProperty& p : kProperties)
        if (p.field == field) return p;
    Raise(kSubscriptOutOfRange);  // a member without a row: a fault of this file
}

const ListProperty& MireloList::RowOf(PropertyType surfaceType) {
    for (const ListProperty& p : kProperties)
        if (p.type == surfaceType) return p;
    Raise(kSubscriptOutOfRange);
}

OleColor MireloList::ColourOf(const ListProperty& p) const {
    return p.type == T::BackColour ? surface_.BackColor() : look_.*p.field.colour;
}

void MireloList::Changed(const ListProperty& p) {
    ports_.site.PropertyChanged(p.dispid);
    if (p.brush != kNoBrush) Brushes[p.brush].Rebuild(ports_.gdi, ColourOf(p));
    switch (p.repaint) {
        case R::Nothing: break;
        case R::List: PaintList(); break;
        case R::Header: PaintHeader(); break;
        case R::All: OnPaint(); break;
        case R::SelectedRow: PaintRow(ListIndex_); break;
        case R::PlayRow: PaintRow(PlayIndex_); break;
        case R::Frame:
            PlaceScrollBar();
            if (look_.Border) painter_.BorderBox(View(Geometry()));
            break;
        case R::BorderBox:
            if (look_.Border) painter_.BorderBox(View(Geometry()));
            break;
        case R::Layout:
            RecordLayoutLastIndex();
            UpdateLayout();
            OnPaint();
            break;
    }
    if (p.rowsRetold && access_) access_->RowsChanged();
}

Variant MireloList::Stored(const ListProperty& p) const {
    switch (p.type) {
        case T::Colour: return Variant(static_cast<int32_t>(look_.*p.field.colour));
        case T::Boolean:
        case T::Marker: return Variant::FromBool(look_.*p.field.flag != 0);
        case T::Height: return Variant(look_.*p.field.number);
        case T::BackColour: return Variant(static_cast<int32_t>(surface_.BackColor()));
        case T::PenWidth: return Variant(surface_.DrawWidth());
        default: return Variant::Missing();
    }
}

void MireloList::Load(const ListProperty& p, const Variant& v) {
    switch (p.type) {
        case T::Colour: look_.*p.field.colour = static_cast<OleColor>(v.ToInt32()); break;
        case T::Boolean:
        case T::Marker: look_.*p.field.flag = ToBool16(v.ToBool()); break;
        case T::Height: {
            const int32_t h = v.ToInt32();
            look_.*p.field.number = h > 0 ? h : p.initial;
            break;
        }
        case T::BackColour: surface_.SetBackColor(static_cast<OleColor>(v.ToInt32())); break;
        case T::PenWidth: surface_.SetDrawWidth(v.ToInt16()); break;
        default: break;
    }
}

void MireloList::InitProperties() {
    // The members only: the surface keeps its design values.
    for (const ListProperty& p : kProperties)
        if (p.type < T::BackColour) Load(p, Variant(p.initial));
    // A new instance paints with real brushes from the start.
    BuildBrushes();
    RunModeSetup();
}

void MireloList::ReadProperties(PropertyBag& bag) {
    // A missing key reads as the value the control has now.
    for (int8_t rank = 1; rank <= static_cast<int8_t>(kProperties.size()); ++rank) {
        for (const ListProperty& p : kProperties) {
            if (p.readRank != rank) continue;
            if (p.type == T::Font) surface_.SetFont(bag.ReadFont(p.key, surface_.Font()));
            else Load(p, bag.ReadProperty(p.key, p.type == T::Marker ? Variant(kMarkerDefault) : Stored(p)));
        }
    }
    BuildBrushes();
    PlaceScrollBar();
    RunModeSetup();
}

void MireloList::WriteProperties(PropertyBag& bag) {
    // Every key on every save: nothing is left out as equal to a default.
    for (const ListProperty& p : kProperties) {
        if (p.type == T::Font) bag.WriteFont(p.key, surface_.Font());
        else if (p.type != T::Unsaved)
            bag.WriteProperty(p.key, Stored(p), p.type == T::Marker ? Variant(kMarkerDefault) : Variant::Missing());
    }
}

void MireloList::BuildBrushes() {
    for (const ListProperty& p : kProperties)
        if (p.brush != kNoBrush) Brushes[p.brush].Rebuild(ports_.gdi, ColourOf(p));
    Brushes[kPressedBrush].Rebuild(ports_.gdi, 0);
}

}  // namespace mirelo
