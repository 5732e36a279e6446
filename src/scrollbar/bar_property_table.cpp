// The scroll bar's properties as one table, and the persistence and the
// setters' follow-up that read it.
#include "scrollbar/uc_scrollbar.h"

namespace mirelo {

namespace {
using C = BarChange;
using M = BarModel;

// A value as the bag holds it.
Variant Saved(const BarProperty& p, int32_t v) { return p.number ? Variant(v) : Variant::FromBool(v != 0); }
}  // namespace

// clang-format off
const std::array<BarProperty, kBarPropertyCount> ucScrollbar::kProperties = {{
//   key                 number               flag             new  change
    {u"Enabled",         nullptr,             nullptr,         1,   C::Repaint},
    {u"Min",             &M::Min,             nullptr,         0,   C::Reshape},
    {u"Max",             &M::Max,             nullptr,         100, C::Reshape},
    {u"Value",           &M::Value,           nullptr,         0,   C::ThumbMoved},
    {u"SmallChange",     &M::SmallChange,     nullptr,         1,   C::Reshape},
    {u"LargeChange",     &M::LargeChange,     nullptr,         10,  C::Reshape},
    {u"ChangeDelay",     &M::ChangeDelay,     nullptr,         500, C::Nothing},
    {u"ChangeFrequency", &M::ChangeFrequency, nullptr,         50,  C::Nothing},
    {u"Orientation",     &M::Orientation,     nullptr,         0,   C::Relayout},
    {u"ShowButtons",     nullptr,             &M::ShowButtons, 1,   C::Relayout},
}};
// clang-format on

int32_t ucScrollbar::Stored(const BarProperty& p) const {
    if (p.number) return model_.*p.number;
    return p.flag ? model_.*p.flag : Enabled();
}

void ucScrollbar::Store(const BarProperty& p, int32_t v) {
    if (p.number) {
        model_.*p.number = v;
    } else if (p.flag) {
        model_.*p.flag = v != 0;
    } else {
        enabled_ = v != 0;
        if (ports_.window) ports_.window->EnableWindow(enabled_);
    }
}

void ucScrollbar::Set(BarKey key, int32_t v) {
    const BarProperty& p = kProperties[key];
    Store(p, v);
    switch (p.change) {
        case C::Nothing: return;
        case C::Repaint: break;
        case C::ThumbMoved:
        case C::Reshape: PlaceThumb(p.change == C::Reshape); break;
        case C::Relayout: CalcGeometry(); break;
    }
    Repaint();
}

void ucScrollbar::InitProperties() {
    for (const BarProperty& p : kProperties)
        if (p.number || p.flag) Store(p, p.initial);
    CalcGeometry();
}

void ucScrollbar::ReadProperties(PropertyBag& bag, Site& site) {
    // Stored values are taken as they are, even where a setter would clamp.
    for (const BarProperty& p : kProperties) {
        const Variant v = bag.ReadProperty(p.key, Saved(p, p.initial));
        Store(p, p.number ? v.ToInt32() : v.ToBool());
    }
    CalcGeometry();
    site_ = &site;
    userMode_ = site.UserMode();
    HookOwnWindow();
}

void ucScrollbar::WriteProperties(PropertyBag& bag) {
    for (const BarProperty& p : kProperties) bag.WriteProperty(p.key, Saved(p, Stored(p)), Saved(p, p.initial));
}

}  // namespace mirelo
