#pragma once
// One argument of an IDispatch call, converted to the type its parameter
// declares and ready for DispCallFunc.
#include <ole2.h>

namespace mirelo::server {

// An owned VARIANT.
class OwnedVariant {
public:
    OwnedVariant() { VariantInit(&v_); }
    OwnedVariant(const OwnedVariant& o) : OwnedVariant() { VariantCopy(&v_, const_cast<VARIANT*>(&o.v_)); }
    OwnedVariant& operator=(const OwnedVariant& o) {
        if (this != &o) VariantCopy(&v_, const_cast<VARIANT*>(&o.v_));
        return *this;
    }
    ~OwnedVariant() { VariantClear(&v_); }
    VARIANT* get() { return &v_; }
    const VARIANT* get() const { return &v_; }

private:
    VARIANT v_;
};

// A parameter as the type library declares it.
struct ParamSpec {
    VARTYPE type = VT_EMPTY;  // VT_BYREF | base for a pointer to a value
    USHORT flags = 0;         // PARAMFLAG_*
    OwnedVariant defaultValue;  // when flags has PARAMFLAG_FHASDEFAULT
};

// The VARTYPE a parameter's type description stands for: aliases resolved,
// interface pointers as VT_DISPATCH / VT_UNKNOWN, other pointers as VT_BYREF.
VARTYPE ResolveType(ITypeInfo* info, const TYPEDESC& desc);

class ArgSlot {
public:
    ArgSlot() { VariantInit(&pass_); }
    ArgSlot(const ArgSlot&) = delete;
    ArgSlot& operator=(const ArgSlot&) = delete;

    // Converts `source` (null when the caller left the argument out) for
    // `param`. DISP_E_TYPEMISMATCH, DISP_E_OVERFLOW or DISP_E_PARAMNOTOPTIONAL
    // when it cannot be passed.
    HRESULT Prepare(const ParamSpec& param, VARIANT* source);
    // Storage for a [retval] of the given by-reference type.
    void PrepareRetval(VARTYPE byrefType);
    // After the call: hands changed values back to by-reference Variants.
    void WriteBack();
    // The [retval] value, moved out.
    void TakeRetval(VARIANT* out);

    VARTYPE PassType() const { return passType_; }
    VARIANTARG* Pass() { return passType_ == VT_VARIANT ? value_.get() : &pass_; }

private:
    void PassByRef(VARTYPE base, VARIANT* target);

    OwnedVariant value_;          // the converted value, owned
    VARIANTARG pass_;             // what the call receives (by reference: a pointer)
    VARTYPE passType_ = VT_EMPTY;
    VARIANT* writeBack_ = nullptr;  // the caller's Variant to update after the call
};

}  // namespace mirelo::server
