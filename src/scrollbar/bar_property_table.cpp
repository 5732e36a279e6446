// The scroll bar's properties as one table, and the persistence and the
// setters' follow-up that read it.
#include "scrollbar/uc_scrollbar.h"

namespace mirelo {

namespace {
using T = BarValue;
using C = BarChange;
using M = BarModel;
constexpr int32_t kDispidEnabled = -514;  // the standard Enabled property's
constexpr int32_t kDispidValue = 0;       // the control's default member

// A value as the bag holds it.
Variant Saved(const BarProperty& p, int32_t v) { return p.type == T::Integer ? Variant(v) : Variant::FromBool(v != 0); }
}  // namespace

// clang-format off
const std::array<BarProperty, kBarPropertyCount> ucScrollbar::kProperties = {{
//   key                 type              number               flag             new  DISPID          change
    {u"Enabled",         T::WindowEnabled, nullptr,             nullptr,         1,   kDispidEnabled, C::Repaint},
    {u"Min",             T::Integer,       &M::Min,             nullptr,         0,   kNoDispid,      C::Reshape},
    {u"Max",             T::Integer,       &M::Max,             nullptr,         100, kNoDispid,      C::Reshape},
    {u"Value",           T::Integer,       &M::Value,           nullptr,         0,   kDispidValue,   C::ThumbMoved},
    {u"SmallChange",     T::Integer,       &M::SmallChange,     nullptr,         1,   kNoDispid,      C::Reshape},
    {u"LargeChange",     T::Integer,       &M::LargeChange,     nullptr,         10,  kNoDispid,      C::Reshape},
    {u"ChangeDelay",     T::Integer,       &M::ChangeDelay,     nullptr,         500, kNoDispid,      C::Nothing},
    {u"ChangeFrequency", T::Integer,       &M::ChangeFrequency, nullptr,         50,  kNoDispid,      C::Nothing},
    {u"Orientation",     T::Integer,       &M::Orientation,     nullptr,         0,   kNoDispid,      C::Relayout},
    {u"ShowButtons",     T::Boolean,       nullptr,             &M::ShowButtons, 1,   kNoDispid,      C::Relayout},
}};
// clang-format on

int32_t ucScrollbar::Stored(const BarProperty& p) const {
    switch (p.type) {
        case T::Integer: return model_.*p.number;
        case T::Boolean: return model_.*p.flag;
        case T::WindowEnabled: break;
    }
    return Enabled();
}

void ucScrollbar::Store(const BarProperty& p, int32_t v) {
    switch (p.type) {
        case T::Integer: model_.*p.number = v; break;
        case T::Boolean: model_.*p.flag = v != 0; break;
        case T::WindowEnabled:
            enabled_ = v != 0;
            if (ports_.window) ports_.window->EnableWindow(enabled_);
            break;
    }
}

void ucScrollbar::Set(BarKey key, int32_t v) {
    const BarProperty& p = kProperties[key];
    Store(p, v);
    switch (p.change) {
        case C::Nothing: break;
        case C::Repaint: Repaint(); break;
        case C::ThumbMoved:
        case C::Reshape:
            PlaceThumb(p.change == C::Reshape);
            Repaint();
            break;
        case C::Relayout: RelayoutBar(); break;
    }
}

void ucScrollbar::InitProperties() {
    for (const BarProperty& p : kProperties)
        if (p.type != T::WindowEnabled) Store(p, p.initial);
    CalcGeometry();
}

void ucScrollbar::ReadProperties(PropertyBag& bag, Site& site) {
    // Stored values are taken as they are, even where a setter would clamp.
    for (const BarProperty& p : kProperties) {
        const Variant v = bag.ReadProperty(p.key, Saved(p, p.initial));
        Store(p, p.type == T::Integer ? v.ToInt32() : v.ToBool());
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
