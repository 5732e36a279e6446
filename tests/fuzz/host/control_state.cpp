#include "control_state.h"

#include <cwchar>

#include "com_support.h"

namespace hostfuzz {

using mltest::CallResult;
using mltest::Get;
using mltest::Method;
using mltest::Var;

namespace {

// Every property a host reads without arguments. Font is an object: its
// presence is what is compared.
const wchar_t* const kProperties[] = {
    L"CheckBox",       L"hWnd",           L"ListCount",        L"BackColor",        L"Font",
    L"ItemHeight",     L"ItemBkColor1",   L"ItemBkColor2",     L"ItemSelBkColor",   L"ItemNorTextColor",
    L"ItemSelTextColor", L"HeaderBackColor", L"YnNeedNumCol",   L"ItemPlyTextColor", L"ItemErrTextColor",
    L"Border",         L"BorderColor",    L"BorderWidth",      L"ListIndex",        L"PlayIndex",
    L"FirstIndex",     L"LastIndex",      L"bSeleArrow",
};
constexpr short kColumnsRead[] = {0, 1, 2, 3, 20};

std::wstring AsText(const CallResult& r) {
    if (FAILED(r.hr)) return L"error " + std::to_wstring(r.ErrorNumber() ? r.ErrorNumber() : r.hr);
    if (r.value.vt() == VT_DISPATCH) return L"object";
    return r.value.AsString();
}

}  // namespace

long ControlState::Number(const wchar_t* name) const {
    auto it = values.find(name);
    if (it == values.end()) return -999999;
    wchar_t* end = nullptr;
    const long v = std::wcstol(it->second.c_str(), &end, 10);
    return end && *end == 0 && !it->second.empty() ? v : -999999;
}

std::string ControlState::Difference(const ControlState& o) const {
    std::string out;
    auto narrow = [](const std::wstring& w) {
        std::string s;
        for (wchar_t c : w.substr(0, 40)) s += c < 128 ? static_cast<char>(c) : '?';
        return s;
    };
    for (const auto& [name, value] : values) {
        auto it = o.values.find(name);
        const std::wstring other = it == o.values.end() ? L"<absent>" : it->second;
        if (other != value) out += "  " + narrow(name) + ": " + narrow(value) + " -> " + narrow(other) + "\n";
    }
    for (const auto& [name, value] : o.values)
        if (!values.count(name)) out += "  " + narrow(name) + ": <absent> -> " + narrow(value) + "\n";
    return out;
}

ControlState ReadState(IDispatch* d, const std::vector<long>& rows) {
    ControlState s;
    for (const wchar_t* name : kProperties) s.values[name] = AsText(Get(d, name));
    s.values[L"GetCheckItemId"] = AsText(Method(d, L"GetCheckItemId"));
    s.values[L"GetSelectId"] = AsText(Method(d, L"GetSelectId"));
    const long count = s.Number(L"ListCount");
    for (long row : rows) {
        if (row < 0 || row >= count || row > 32767) continue;
        const std::wstring at = L"(" + std::to_wstring(row);
        s.values[L"ItemId" + at + L")"] = AsText(Get(d, L"ItemId", {Var::I2(static_cast<short>(row))}));
        for (short c : kColumnsRead)
            s.values[L"item" + at + L"," + std::to_wstring(c) + L")"] =
                AsText(Get(d, L"item", {Var::I2(static_cast<short>(row)), Var::I2(c)}));
    }
    return s;
}

std::string CheckInvariants(const ControlState& s) {
    std::string out;
    for (const auto& [name, value] : s.values)
        if (value.rfind(L"error", 0) == 0) out += "reading a property failed; ";
    const long count = s.Number(L"ListCount"), first = s.Number(L"FirstIndex"), last = s.Number(L"LastIndex");
    const long list = s.Number(L"ListIndex"), play = s.Number(L"PlayIndex");
    if (count < 0 || count > 32768) out += "ListCount out of range; ";
    if (first < 0 || first > 32767) out += "FirstIndex out of range; ";
    if (last < -1 || last > 32767 || last > count - 1) out += "LastIndex out of range; ";
    if (list < -1 || list > 32767 || play < -1 || play > 32767) out += "ListIndex or PlayIndex out of range; ";
    if (s.Number(L"GetSelectId") != play) out += "GetSelectId is not PlayIndex; ";
    if (s.Number(L"ItemHeight") < 1) out += "ItemHeight below 1; ";
    if (s.Number(L"BorderWidth") < 1 || s.Number(L"BorderWidth") > 32767) out += "BorderWidth out of range; ";
    // The checked rows: "-1" exactly while check boxes are off, else ascending indexes of rows.
    const std::wstring checked = s.values.at(L"GetCheckItemId");
    if (s.Number(L"CheckBox") == 0) {
        if (checked != L"-1") out += "GetCheckItemId is not -1 without check boxes; ";
    } else {
        long before = -1;
        for (size_t at = 0; at < checked.size();) {
            const size_t comma = checked.find(L',', at);
            const long i = std::wcstol(checked.substr(at, comma - at).c_str(), nullptr, 10);
            if (i <= before || i >= count) {
                out += "GetCheckItemId names no row or is out of order; ";
                break;
            }
            before = i;
            at = comma == std::wstring::npos ? checked.size() : comma + 1;
        }
    }
    return out;
}

}  // namespace hostfuzz
