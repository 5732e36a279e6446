#include "server/host_property_bag.h"

#include "base/error.h"
#include "server/errors.h"
#include "server/font_object.h"
#include "server/invoke_args.h"
#include "server/variant_convert.h"
#include "win32/wide_text.h"

namespace mirelo::server {

namespace {

// The type the core expects back, for bags that keep text and convert on request.
VARTYPE RequestedType(const Variant& def) {
    switch (def.kind()) {
    case Variant::Kind::Short: return VT_I2;
    case Variant::Kind::Integer: return VT_I4;
    case Variant::Kind::Boolean: return VT_BOOL;
    case Variant::Kind::String: return VT_BSTR;
    case Variant::Kind::Floating: return VT_R8;
    default: return VT_EMPTY;
    }
}

}  // namespace

Variant HostPropertyBag::ReadProperty(const Text& key, const Variant& def) {
    OwnedVariant v;
    V_VT(v.get()) = RequestedType(def);
    if (FAILED(bag_->Read(win32::Wide(key), v.get(), log_))) return def;
    try {
        const Variant value = FromVariant(*v.get());
        return value.IsEmpty() ? def : value;
    } catch (const RuntimeError&) {
        return def;  // a stored value the core cannot read is as good as none
    }
}

void HostPropertyBag::WriteProperty(const Text& key, const Variant& value, const Variant& /*def*/) {
    OwnedVariant v;
    ToVariant(value, v.get());
    const HRESULT hr = bag_->Write(win32::Wide(key), v.get());
    if (FAILED(hr)) throw ComError{hr};
}

FontDesc HostPropertyBag::ReadFont(const Text& key, const FontDesc& def) {
    OwnedVariant v;
    V_VT(v.get()) = VT_DISPATCH;
    if (FAILED(bag_->Read(win32::Wide(key), v.get(), log_))) return def;
    FontDesc font;
    const VARTYPE vt = V_VT(v.get());
    if ((vt == VT_DISPATCH || vt == VT_UNKNOWN) && ReadFontObject(V_UNKNOWN(v.get()), &font)) return font;
    return def;
}

void HostPropertyBag::WriteFont(const Text& key, const FontDesc& value) {
    ComPtr<IFontDisp> font = CreateFontObject(value);
    if (!font) throw ComError{E_OUTOFMEMORY};
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = font.Get();
    const HRESULT hr = bag_->Write(win32::Wide(key), &v);
    if (FAILED(hr)) throw ComError{hr};
}

}  // namespace mirelo::server
