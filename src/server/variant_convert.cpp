#include "server/variant_convert.h"

#include <cstdint>

#include "base/error.h"
#include "server/invoke_args.h"
#include "win32/wide_text.h"

namespace mirelo::server {

Variant FromVariant(const VARIANT& v, bool optional) {
    OwnedVariant plain;
    if (FAILED(VariantCopyInd(plain.get(), const_cast<VARIANT*>(&v)))) Raise(kTypeMismatch);
    const VARIANT* p = plain.get();
    switch (V_VT(p)) {
    case VT_ERROR:
        if (V_ERROR(p) == DISP_E_PARAMNOTFOUND) return Variant::Missing();
        Raise(kTypeMismatch);
    case VT_EMPTY: return optional ? Variant::Missing() : Variant();
    case VT_I2: return Variant(static_cast<int16_t>(V_I2(p)));
    case VT_I4: return Variant(static_cast<int>(V_I4(p)));
    case VT_INT: return Variant(static_cast<int>(V_INT(p)));
    case VT_UI1: return Variant(static_cast<int>(V_UI1(p)));
    case VT_I1: return Variant(static_cast<int>(V_I1(p)));
    case VT_UI2: return Variant(static_cast<int>(V_UI2(p)));
    // Unsigned 32-bit values are colours in practice: keep their bits.
    case VT_UI4: return Variant(static_cast<int>(static_cast<int32_t>(V_UI4(p))));
    case VT_BOOL: return Variant::FromBool(V_BOOL(p) != VARIANT_FALSE);
    case VT_BSTR: return Variant(win32::FromBstr(V_BSTR(p)));
    case VT_R4: return Variant(static_cast<double>(V_R4(p)));
    case VT_R8: return Variant(V_R8(p));
    default: {
        // Currency, dates, decimals, 64-bit integers and objects with a value.
        OwnedVariant number;
        if (FAILED(VariantChangeType(number.get(), const_cast<VARIANT*>(p), 0, VT_R8))) Raise(kTypeMismatch);
        return Variant(V_R8(number.get()));
    }
    }
}

void ToVariant(const Variant& v, VARIANT* out) {
    VariantClear(out);
    switch (v.kind()) {
    case Variant::Kind::Missing:
        V_VT(out) = VT_ERROR;
        V_ERROR(out) = DISP_E_PARAMNOTFOUND;
        break;
    case Variant::Kind::Empty: break;
    case Variant::Kind::Short:
        V_VT(out) = VT_I2;
        V_I2(out) = v.ToInt16();
        break;
    case Variant::Kind::Integer:
        V_VT(out) = VT_I4;
        V_I4(out) = v.ToInt32();
        break;
    case Variant::Kind::Floating:
        V_VT(out) = VT_R8;
        V_R8(out) = v.ToDouble();
        break;
    case Variant::Kind::String:
        V_VT(out) = VT_BSTR;
        V_BSTR(out) = win32::ToBstr(v.ToText());
        break;
    case Variant::Kind::Boolean:
        V_VT(out) = VT_BOOL;
        V_BOOL(out) = v.ToBool() ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    }
}

}  // namespace mirelo::server
