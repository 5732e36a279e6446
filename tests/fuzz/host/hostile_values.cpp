#include "hostile_values.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace hostfuzz {

using mltest::Made;

namespace {

Var Bstr(const std::wstring& s) {
    return Made(VT_BSTR, [&](VARIANT* p) { V_BSTR(p) = SysAllocStringLen(s.data(), static_cast<UINT>(s.size())); });
}

}  // namespace

Var HostileValues::Integer() {
    static const int64_t edges[] = {0,      1,      -1,     2,          -2,          127,        128,
                                    255,    256,    -128,   32767,      32768,       -32768,     -32769,
                                    65535,  65536,  65545,  2147483647, -2147483647 - 1, 4294967295LL,
                                    1LL << 40, std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()};
    const int64_t v = edges[Below(sizeof edges / sizeof edges[0])];
    switch (Below(10)) {
    case 0: return Made(VT_I1, [&](VARIANT* p) { V_I1(p) = static_cast<CHAR>(v); });
    case 1: return Made(VT_UI1, [&](VARIANT* p) { V_UI1(p) = static_cast<BYTE>(v); });
    case 2: return Made(VT_I2, [&](VARIANT* p) { V_I2(p) = static_cast<SHORT>(v); });
    case 3: return Made(VT_UI2, [&](VARIANT* p) { V_UI2(p) = static_cast<USHORT>(v); });
    case 4: return Made(VT_I4, [&](VARIANT* p) { V_I4(p) = static_cast<LONG>(v); });
    case 5: return Made(VT_UI4, [&](VARIANT* p) { V_UI4(p) = static_cast<ULONG>(v); });
    case 6: return Made(VT_I8, [&](VARIANT* p) { V_I8(p) = v; });
    case 7: return Made(VT_UI8, [&](VARIANT* p) { V_UI8(p) = static_cast<ULONGLONG>(v); });
    case 8: return Made(VT_INT, [&](VARIANT* p) { V_INT(p) = static_cast<INT>(v); });
    default: return Made(VT_BOOL, [&](VARIANT* p) { V_BOOL(p) = static_cast<VARIANT_BOOL>(v); });
    }
}

Var HostileValues::Floating() {
    static const double edges[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity(), 0.5, -0.5, 1.5, 2.5, -0.0, 32767.5,
                                   -32768.5, 2147483647.5, 1e308, -1e308, 5e-324, 16.49999};
    const double v = edges[Below(sizeof edges / sizeof edges[0])];
    switch (Below(4)) {
    case 0: return Made(VT_R4, [&](VARIANT* p) { V_R4(p) = static_cast<float>(v); });
    case 1: return Made(VT_DATE, [&](VARIANT* p) { V_DATE(p) = v; });
    case 2:
        return Made(VT_CY, [&](VARIANT* p) {
            V_CY(p).int64 = std::isfinite(v) && std::fabs(v) < 9e14 ? static_cast<LONGLONG>(v * 10000) : INT64_MAX;
        });
    default: return Made(VT_R8, [&](VARIANT* p) { V_R8(p) = v; });
    }
}

std::wstring HostileValues::CellList(int parts) {
    std::wstring s;
    for (int i = 0; i < parts; ++i) {
        if (i) s += L',';
        s += std::to_wstring(static_cast<int>(Below(5) == 0 ? Below(400) : 20 + Below(80)));
    }
    return s;
}

Var HostileValues::Text() {
    switch (Below(12)) {
    case 0: return Bstr(L"");
    case 1: return Made(VT_BSTR, [](VARIANT* p) { V_BSTR(p) = nullptr; });  // a null BSTR is an empty text
    case 2: return Bstr(std::wstring(20000 + Below(50000), L'W'));           // huge
    case 3: return Bstr(std::wstring(Below(40), L','));                       // only separators
    case 4: return Bstr(L"32767,32767,32767");
    case 5: return Bstr(L"-32768,40000,1e308");
    case 6: return Bstr(L"&H7FFF");
    case 7: return Bstr(L" 12 ");
    case 8: return Bstr(L"\xD800,\xDFFF\xD83D\xDE00,\x5B8B\x4F53");  // lone and paired surrogates
    case 9: return Bstr(L"NaN");
    case 10: return Bstr(CellList(Chance(50) ? 19 + static_cast<int>(Below(4)) : 1 + static_cast<int>(Below(25))));  // about the 21-cell limit
    default: return Bstr(L"x,y,z");
    }
}

Var HostileValues::Array() {
    const VARTYPE element = Chance(50) ? VT_VARIANT : VT_I4;
    Var r;
    V_VT(r.get()) = static_cast<VARTYPE>(VT_ARRAY | element);
    V_ARRAY(r.get()) = SafeArrayCreateVector(element, 0, Below(3));
    return r;
}

Var HostileValues::Any() {
    switch (Below(12)) {
    case 0: return Var::Empty();
    case 1: return Made(VT_NULL, [](VARIANT*) {});
    case 2: return Var::NotPassed();
    case 3: return Var::Error(E_FAIL);
    case 4: return Var::Object(object_);
    case 5: return Made(VT_DISPATCH, [](VARIANT* p) { V_DISPATCH(p) = nullptr; });
    case 6: return Made(VT_UNKNOWN, [](VARIANT* p) { V_UNKNOWN(p) = nullptr; });
    case 7: return Array();
    case 8: return Floating();
    case 9: return Text();
    default: return Integer();
    }
}

Var HostileValues::Plausible(VARTYPE vt) {
    switch (vt) {
    case VT_BSTR:
        switch (Below(4)) {
        case 0: return Bstr(L"k" + std::to_wstring(Below(8)));
        case 1: return Bstr(CellList(1 + static_cast<int>(Below(6))));
        default: return Bstr(L"r" + std::to_wstring(Below(100)) + L",b,c");
        }
    case VT_BOOL: return Var::Bool(Chance(50));
    case VT_I2: return Var::I2(static_cast<short>(static_cast<int>(Below(50)) - 2));
    case VT_I4:
        // Colours, row heights and pen widths as well as indexes.
        switch (Below(3)) {
        case 0: return Var::I4(static_cast<long>(Below(0x1000000)));
        default: return Var::I4(static_cast<long>(Below(50)) - 2);
        }
    default:  // Variant parameters: a count, cells, widths or an index
        switch (Below(5)) {
        case 0: return Var::I4(static_cast<long>(Below(6)));
        case 1: return Bstr(L"A,B,C,D");
        case 2: return Bstr(CellList(4));
        case 3: return Bstr(L"0,1,2,0");
        default: return Bstr(L"r" + std::to_wstring(Below(100)) + L",b,c");
        }
    }
}

Var HostileValues::For(VARTYPE vt) { return Chance(65) ? Plausible(vt) : Any(); }

std::string Describe(const VARIANT& v) {
    char b[96];
    const VARTYPE vt = V_VT(&v);
    if (vt & VT_BYREF) {
        if ((vt & VT_TYPEMASK) == VT_VARIANT && V_VARIANTREF(&v)) return "ByRef " + Describe(*V_VARIANTREF(&v));
        std::snprintf(b, sizeof b, "ByRef vt %u", static_cast<unsigned>(vt & VT_TYPEMASK));
        return b;
    }
    switch (vt) {
    case VT_EMPTY: return "Empty";
    case VT_NULL: return "Null";
    case VT_ERROR: std::snprintf(b, sizeof b, "Error %08lx", static_cast<unsigned long>(V_ERROR(&v))); return b;
    case VT_BSTR: {
        const UINT n = V_BSTR(&v) ? SysStringLen(V_BSTR(&v)) : 0;
        std::string s = "BSTR(" + std::to_string(n) + ") '";
        for (UINT i = 0; i < n && i < 24; ++i) s += V_BSTR(&v)[i] < 128 ? static_cast<char>(V_BSTR(&v)[i]) : '?';
        return s + (n > 24 ? "...'" : "'");
    }
    case VT_R8: std::snprintf(b, sizeof b, "R8 %g", V_R8(&v)); return b;
    case VT_R4: std::snprintf(b, sizeof b, "R4 %g", static_cast<double>(V_R4(&v))); return b;
    case VT_DATE: std::snprintf(b, sizeof b, "Date %g", V_DATE(&v)); return b;
    case VT_I8: std::snprintf(b, sizeof b, "I8 %lld", static_cast<long long>(V_I8(&v))); return b;
    case VT_UI8: std::snprintf(b, sizeof b, "UI8 %llu", static_cast<unsigned long long>(V_UI8(&v))); return b;
    default: break;
    }
    if (vt & VT_ARRAY) return "Array";
    Var as;
    if (SUCCEEDED(VariantChangeType(as.get(), const_cast<VARIANT*>(&v), 0, VT_I8))) {
        std::snprintf(b, sizeof b, "vt %u = %lld", static_cast<unsigned>(vt), static_cast<long long>(V_I8(as.get())));
        return b;
    }
    std::snprintf(b, sizeof b, "vt %u", static_cast<unsigned>(vt));
    return b;
}

}  // namespace hostfuzz
