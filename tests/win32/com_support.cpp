#include "com_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mltest {

namespace {

// Every test runs on one single-threaded apartment with OLE initialised.
class OleEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override { OleUninitialize(); }
};

const auto* const g_ole = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

}  // namespace

Var Var::I2(short v) { return Made(VT_I2, [&](VARIANT* p) { V_I2(p) = v; }); }
Var Var::I4(long v) { return Made(VT_I4, [&](VARIANT* p) { V_I4(p) = v; }); }
Var Var::Bool(bool v) { return Made(VT_BOOL, [&](VARIANT* p) { V_BOOL(p) = v ? VARIANT_TRUE : VARIANT_FALSE; }); }
Var Var::Str(const wchar_t* s) { return Made(VT_BSTR, [&](VARIANT* p) { V_BSTR(p) = SysAllocString(s); }); }
Var Var::Error(SCODE code) { return Made(VT_ERROR, [&](VARIANT* p) { V_ERROR(p) = code; }); }
Var Var::RefTo(Var& target) {
    return Made(VT_BYREF | VT_VARIANT, [&](VARIANT* p) { V_VARIANTREF(p) = target.get(); });
}
Var Var::TypedRefTo(Var& target) {
    return Made(VT_BYREF | target.vt(), [&](VARIANT* p) { V_BYREF(p) = &V_I4(target.get()); });
}

Var Var::Object(IUnknown* object) {
    Var r;
    IDispatch* d = nullptr;
    if (object && SUCCEEDED(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d)))) {
        V_VT(r.get()) = VT_DISPATCH;
        V_DISPATCH(r.get()) = d;
    } else {
        V_VT(r.get()) = VT_UNKNOWN;
        V_UNKNOWN(r.get()) = object;
        if (object) object->AddRef();
    }
    return r;
}

long Var::AsLong() const {
    Var plain, converted;
    if (FAILED(VariantCopyInd(plain.get(), const_cast<VARIANT*>(&v_))) ||
        FAILED(VariantChangeType(converted.get(), plain.get(), 0, VT_I4)))
        return -999999;
    return V_I4(converted.get());
}

std::wstring Var::AsString() const {
    Var plain, converted;
    if (FAILED(VariantCopyInd(plain.get(), const_cast<VARIANT*>(&v_))) ||
        FAILED(VariantChangeType(converted.get(), plain.get(), 0, VT_BSTR)))
        return L"<no string>";
    BSTR s = V_BSTR(converted.get());
    return s ? std::wstring(s, SysStringLen(s)) : std::wstring();
}

CallResult::CallResult(CallResult&& o) noexcept : hr(o.hr), value(o.value), excep(o.excep) {
    o.excep = EXCEPINFO{};
}

CallResult::~CallResult() {
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
}

int CallResult::ErrorNumber() const {
    const HRESULT code = hr == DISP_E_EXCEPTION ? excep.scode : hr;
    return HRESULT_FACILITY(code) == FACILITY_CONTROL && FAILED(code) ? HRESULT_CODE(code) : 0;
}

ComPtr<IUnknown> NewControl() {
    CLSID clsid;
    ComPtr<IUnknown> control;
    if (FAILED(CLSIDFromProgID(L"MireloListProj.MireloList", &clsid))) return control;
    CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(control.Out()));
    return control;
}

ComPtr<IDispatch> NewDispatch() { return NewControl().As<IDispatch>(IID_IDispatch); }

DISPID IdOf(IDispatch* d, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    d->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

CallResult Invoke(IDispatch* d, const wchar_t* name, WORD flags, std::vector<Var> args) {
    CallResult r;
    const DISPID id = IdOf(d, name);
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(*it->get());
    DISPID putId = DISPID_PROPERTYPUT;
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    DISPPARAMS params = {reversed.data(), put ? &putId : nullptr, static_cast<UINT>(reversed.size()),
                         put ? 1u : 0u};
    r.hr = d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, r.value.get(), &r.excep, nullptr);
    return r;
}

CallResult Get(IDispatch* d, const wchar_t* name, std::vector<Var> args) {
    return Invoke(d, name, DISPATCH_PROPERTYGET, std::move(args));
}

CallResult Put(IDispatch* d, const wchar_t* name, Var value, std::vector<Var> args) {
    args.push_back(value);
    return Invoke(d, name, DISPATCH_PROPERTYPUT, std::move(args));
}

CallResult PutRef(IDispatch* d, const wchar_t* name, Var value) {
    return Invoke(d, name, DISPATCH_PROPERTYPUTREF, {value});
}

CallResult Method(IDispatch* d, const wchar_t* name, std::vector<Var> args) {
    return Invoke(d, name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(args));
}

bool Fill(IDispatch* d, const wchar_t* captions, const wchar_t* widths, const std::vector<std::wstring>& rows) {
    const std::wstring names = captions;
    const long last = static_cast<long>(std::count(names.begin(), names.end(), L','));
    std::wstring aligns = L"0";
    for (long i = 0; i < last; ++i) aligns += L",0";
    bool ok = Method(d, L"AddItemA", {Var::I4(last), Var::Str(captions), Var::Str(widths), Var::Str(aligns.c_str())})
                  .hr == S_OK;
    for (const std::wstring& row : rows) ok = Method(d, L"AddItem", {Var::Str(row.c_str())}).hr == S_OK && ok;
    return ok;
}

ComPtr<ITypeLib> Library() {
    ComPtr<ITypeLib> lib;
    LoadRegTypeLib(LIBID_MireloListProj, 1, 0, 0, lib.Out());
    return lib;
}

HMODULE ControlModule() { return GetModuleHandleW(L"MireloList.ocx"); }

std::wstring RegisteredServerPath() {
    wchar_t clsidText[40];
    StringFromGUID2(CLSID_MireloList, clsidText, 40);
    const std::wstring key = std::wstring(L"CLSID\\") + clsidText + L"\\InprocServer32";
    wchar_t path[MAX_PATH] = {};
    LONG size = sizeof(path);
    if (RegQueryValueW(HKEY_CLASSES_ROOT, key.c_str(), path, &size) != ERROR_SUCCESS) return std::wstring();
    return path;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void PumpFor(DWORD ms, const std::function<bool()>& until) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (until && until()) return;
        const DWORD spent = GetTickCount() - start;
        if (spent >= ms) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
    }
}

}  // namespace mltest
