#include "demo_calls.h"

#include <cstdio>

namespace demo {

VARIANT Long(long v) {
    VARIANT a;
    V_VT(&a) = VT_I4;
    V_I4(&a) = v;
    return a;
}

VARIANT Bool(bool v) {
    VARIANT a;
    V_VT(&a) = VT_BOOL;
    V_BOOL(&a) = v ? VARIANT_TRUE : VARIANT_FALSE;
    return a;
}

VARIANT Str(const wchar_t* s) {
    VARIANT a;
    V_VT(&a) = VT_BSTR;
    V_BSTR(&a) = SysAllocString(s);
    return a;
}

HRESULT Call(IDispatch* d, const wchar_t* name, WORD flags, std::vector<VARIANT> args, VARIANT* result) {
    DISPID id;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = d->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (SUCCEEDED(hr)) {
        std::vector<VARIANT> reversed(args.rbegin(), args.rend());
        DISPID put = DISPID_PROPERTYPUT;
        const bool isPut = flags == DISPATCH_PROPERTYPUT;
        DISPPARAMS params = {reversed.data(), isPut ? &put : nullptr, static_cast<UINT>(reversed.size()),
                             isPut ? 1u : 0u};
        VARIANT value;
        VariantInit(&value);
        hr = d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &value, nullptr, nullptr);
        if (result) *result = value;
        else VariantClear(&value);
    }
    for (VARIANT& a : args) VariantClear(&a);
    if (FAILED(hr)) fwprintf(stderr, L"demo: %ls failed (0x%08lx)\n", name, static_cast<unsigned long>(hr));
    return hr;
}

long GetLong(IDispatch* d, const wchar_t* name) {
    VARIANT v;
    VariantInit(&v);
    if (FAILED(Call(d, name, DISPATCH_PROPERTYGET, {}, &v)) || FAILED(VariantChangeType(&v, &v, 0, VT_I4))) return 0;
    return V_I4(&v);
}

std::wstring Item(IDispatch* d, long row, long column) {
    VARIANT v;
    VariantInit(&v);
    std::wstring text;
    if (SUCCEEDED(Call(d, L"item", DISPATCH_PROPERTYGET, {Long(row), Long(column)}, &v)) && V_VT(&v) == VT_BSTR &&
        V_BSTR(&v))
        text = V_BSTR(&v);
    VariantClear(&v);
    return text;
}

}  // namespace demo
