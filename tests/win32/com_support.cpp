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

Var Var::I2(short v) {
    Var r;
    V_VT(r.get()) = VT_I2;
    V_I2(r.get()) = v;
    return r;
}

Var Var::I4(long v) {
    Var r;
    V_VT(r.get()) = VT_I4;
    V_I4(r.get()) = v;
    return r;
}

Var Var::R8(double v) {
    Var r;
    V_VT(r.get()) = VT_R8;
    V_R8(r.get()) = v;
    return r;
}

Var Var::Bool(bool v) {
    Var r;
    V_VT(r.get()) = VT_BOOL;
    V_BOOL(r.get()) = v ? VARIANT_TRUE : VARIANT_FALSE;
    return r;
}

Var Var::Str(const wchar_t* s) {
    Var r;
    V_VT(r.get()) = VT_BSTR;
    V_BSTR(r.get()) = SysAllocString(s);
    return r;
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

Var Var::Error(SCODE code) {
    Var r;
    V_VT(r.get()) = VT_ERROR;
    V_ERROR(r.get()) = code;
    return r;
}

Var Var::RefTo(Var& target) {
    Var r;
    V_VT(r.get()) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(r.get()) = target.get();
    return r;
}

Var Var::TypedRefTo(Var& target) {
    Var r;
    V_VT(r.get()) = VT_BYREF | target.vt();
    V_BYREF(r.get()) = &V_I4(target.get());
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

CallResult::CallResult(CallResult&& o) noexcept : hr(o.hr), value(o.value), excep(o.excep), argErr(o.argErr) {
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
    r.hr = d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, r.value.get(), &r.excep, &r.argErr);
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

}  // namespace mltest
