#include "server/invoke_args.h"

#include "server/com_ptr.h"

namespace mirelo::server {

namespace {

bool IsNotPassed(const VARIANT* v) { return V_VT(v) == VT_ERROR && V_ERROR(v) == DISP_E_PARAMNOTFOUND; }

HRESULT ConversionFailure(HRESULT hr) { return hr == DISP_E_OVERFLOW ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH; }

// An object argument: any interface pointer, or Nothing.
HRESULT CoerceObject(VARIANT* dst, const VARIANT* plain, VARTYPE base) {
    const VARTYPE vt = V_VT(plain);
    if (vt == VT_EMPTY || vt == VT_NULL) {
        V_VT(dst) = base;
        V_UNKNOWN(dst) = nullptr;
        return S_OK;
    }
    if (vt != VT_DISPATCH && vt != VT_UNKNOWN) return DISP_E_TYPEMISMATCH;
    IUnknown* unknown = V_UNKNOWN(plain);
    void* iface = nullptr;
    if (unknown && FAILED(unknown->QueryInterface(base == VT_DISPATCH ? IID_IDispatch : IID_IUnknown, &iface)))
        return DISP_E_TYPEMISMATCH;
    V_VT(dst) = base;
    V_UNKNOWN(dst) = static_cast<IUnknown*>(iface);
    return S_OK;
}

// dst (initialised) := src converted to base.
HRESULT Coerce(VARIANT* dst, VARIANT* src, VARTYPE base) {
    OwnedVariant plain;
    if (FAILED(VariantCopyInd(plain.get(), src))) return DISP_E_TYPEMISMATCH;
    VariantClear(dst);
    if (base == VT_VARIANT) return VariantCopy(dst, plain.get());
    if (base == VT_DISPATCH || base == VT_UNKNOWN) return CoerceObject(dst, plain.get(), base);
    HRESULT hr = VariantChangeType(dst, plain.get(), 0, base);
    if (FAILED(hr) && base == VT_UI4 && SUCCEEDED(VariantChangeType(dst, plain.get(), 0, VT_I4))) {
        // Colours arrive as signed 32-bit values (system colours are negative).
        V_VT(dst) = VT_UI4;
        hr = S_OK;
    }
    return FAILED(hr) ? ConversionFailure(hr) : S_OK;
}

}  // namespace

VARTYPE ResolveType(ITypeInfo* info, const TYPEDESC& desc) {
    switch (desc.vt) {
    case VT_PTR: {
        const TYPEDESC& inner = *desc.lptdesc;
        const VARTYPE target = ResolveType(info, inner);
        // A pointer to an interface is the interface argument itself.
        if (inner.vt == VT_USERDEFINED && (target == VT_DISPATCH || target == VT_UNKNOWN)) return target;
        return target | VT_BYREF;
    }
    case VT_USERDEFINED: {
        ComPtr<ITypeInfo> ref;
        if (FAILED(info->GetRefTypeInfo(desc.hreftype, ref.Out()))) return VT_EMPTY;
        TYPEATTR* attr = nullptr;
        if (FAILED(ref->GetTypeAttr(&attr))) return VT_EMPTY;
        VARTYPE vt = VT_UNKNOWN;
        switch (attr->typekind) {
        case TKIND_ALIAS: vt = ResolveType(ref.Get(), attr->tdescAlias); break;
        case TKIND_ENUM: vt = VT_I4; break;
        case TKIND_DISPATCH: vt = VT_DISPATCH; break;
        case TKIND_INTERFACE: vt = (attr->wTypeFlags & TYPEFLAG_FDISPATCHABLE) ? VT_DISPATCH : VT_UNKNOWN; break;
        default: break;
        }
        ref->ReleaseTypeAttr(attr);
        return vt;
    }
    case VT_INT: return VT_I4;
    case VT_UINT: return VT_UI4;
    default: return desc.vt;
    }
}

void ArgSlot::PassByRef(VARTYPE base, VARIANT* target) {
    passType_ = static_cast<VARTYPE>(VT_BYREF | base);
    V_VT(&pass_) = passType_;
    if (base == VT_VARIANT) {
        V_VARIANTREF(&pass_) = target;
    } else {
        // Every member of a VARIANT's value union starts at the same address.
        V_BYREF(&pass_) = static_cast<void*>(&V_I4(target));
    }
}

HRESULT ArgSlot::Prepare(const ParamSpec& param, VARIANT* source) {
    const VARTYPE base = param.type & ~VT_BYREF;
    const bool byRef = (param.type & VT_BYREF) != 0;
    const bool optional = (param.flags & (PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT)) != 0;
    VARIANT* value = value_.get();
    HRESULT hr = S_OK;

    if (!source || IsNotPassed(source) || (optional && V_VT(source) == VT_EMPTY)) {
        if (!optional) return DISP_E_PARAMNOTOPTIONAL;
        if (param.flags & PARAMFLAG_FHASDEFAULT) {
            hr = Coerce(value, const_cast<VARIANT*>(param.defaultValue.get()), base);
        } else if (base == VT_VARIANT) {
            V_VT(value) = VT_ERROR;
            V_ERROR(value) = DISP_E_PARAMNOTFOUND;
        } else {
            *value = VARIANT{};
            V_VT(value) = base;
        }
    } else if (byRef && V_VT(source) == (VT_BYREF | base)) {
        pass_ = *source;
        passType_ = V_VT(source);
        return S_OK;
    } else if (byRef && V_VT(source) == (VT_BYREF | VT_VARIANT)) {
        VARIANT* inner = V_VARIANTREF(source);
        if (base == VT_VARIANT || V_VT(inner) == base) {
            PassByRef(base, inner);
            return S_OK;
        }
        hr = Coerce(value, inner, base);
        if (SUCCEEDED(hr)) writeBack_ = inner;
    } else {
        // For a by-reference parameter, a value: the method works on a
        // temporary the caller never sees.
        hr = Coerce(value, source, base);
    }
    if (FAILED(hr)) return hr;

    if (byRef) {
        PassByRef(base, value);
    } else {
        passType_ = base;
        pass_ = *value;  // a shallow copy: value_ keeps ownership
    }
    return S_OK;
}

void ArgSlot::PrepareRetval(VARTYPE byRefType) {
    const VARTYPE base = byRefType & ~VT_BYREF;
    VARIANT* value = value_.get();
    *value = VARIANT{};
    if (base != VT_VARIANT) V_VT(value) = base;
    PassByRef(base, value);
}

void ArgSlot::WriteBack() {
    if (!writeBack_) return;
    VariantClear(writeBack_);
    *writeBack_ = *value_.get();
    V_VT(value_.get()) = VT_EMPTY;  // moved
    writeBack_ = nullptr;
}

void ArgSlot::TakeRetval(VARIANT* out) {
    *out = *value_.get();
    V_VT(value_.get()) = VT_EMPTY;
    // Script engines know no unsigned 32-bit type; colours read back as Long.
    if (V_VT(out) == VT_UI4) V_VT(out) = VT_I4;
}

}  // namespace mirelo::server
