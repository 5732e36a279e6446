#pragma once
// What the Wine tests share: OLE on the test thread, the registered control,
// owned VARIANTs and late-bound calls as a script client makes them.
#include <windows.h>
#include <ole2.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "MireloList_h.h"
#include "server/com_ptr.h"

namespace mltest {

using mirelo::server::ComPtr;

// An owned VARIANT with the constructors tests need.
class Var {
public:
    Var() { VariantInit(&v_); }
    Var(const Var& o) : Var() { VariantCopy(&v_, const_cast<VARIANT*>(&o.v_)); }
    Var& operator=(const Var& o) {
        if (this != &o) VariantCopy(&v_, const_cast<VARIANT*>(&o.v_));
        return *this;
    }
    ~Var() { VariantClear(&v_); }

    static Var I2(short v);
    static Var I4(long v);
    static Var Bool(bool v);
    static Var Str(const wchar_t* s);
    static Var Object(IUnknown* object);  // VT_DISPATCH when it has IDispatch
    static Var Error(SCODE code);
    static Var NotPassed() { return Error(DISP_E_PARAMNOTFOUND); }
    static Var Empty() { return Var(); }
    // VT_BYREF | VT_VARIANT to `target`, as scripts pass their variables.
    static Var RefTo(Var& target);
    // VT_BYREF | (target's type) to target's value.
    static Var TypedRefTo(Var& target);

    VARIANT* get() { return &v_; }
    const VARIANT* get() const { return &v_; }
    VARTYPE vt() const { return V_VT(&v_); }
    long AsLong() const;  // converted; -999999 when it does not convert
    std::wstring AsString() const;

private:
    VARIANT v_;
};

// A Var of type `vt` whose value `set` writes.
template <class Set>
Var Made(VARTYPE vt, Set set) {
    Var r;
    V_VT(r.get()) = vt;
    set(r.get());
    return r;
}

// The outcome of one IDispatch::Invoke.
struct CallResult {
    HRESULT hr = E_FAIL;
    Var value;
    EXCEPINFO excep = {};
    CallResult() = default;
    CallResult(const CallResult&) = delete;
    CallResult(CallResult&& o) noexcept;
    ~CallResult();
    // The run-time error number a script would read as Err.Number, 0 when none.
    int ErrorNumber() const;
};

ComPtr<IUnknown> NewControl();
ComPtr<IDispatch> NewDispatch();  // a control as a script creates it
DISPID IdOf(IDispatch* d, const wchar_t* name);

// Late-bound calls; arguments in the order of the parameters.
CallResult Invoke(IDispatch* d, const wchar_t* name, WORD flags, std::vector<Var> args);
CallResult Get(IDispatch* d, const wchar_t* name, std::vector<Var> args = {});
CallResult Put(IDispatch* d, const wchar_t* name, Var value, std::vector<Var> args = {});
CallResult PutRef(IDispatch* d, const wchar_t* name, Var value);
CallResult Method(IDispatch* d, const wchar_t* name, std::vector<Var> args = {});

// Columns from comma-separated captions and widths, all aligned left (the
// first one the row numbers' column), then the rows; false when a call fails.
bool Fill(IDispatch* d, const wchar_t* captions, const wchar_t* widths, const std::vector<std::wstring>& rows);

// The registered type library, null when it is not registered.
ComPtr<ITypeLib> Library();

// The control's module as this process loaded it (after a first CoCreateInstance).
HMODULE ControlModule();
std::wstring RegisteredServerPath();

// An exported function by name, typed; null when the module lacks it.
template <class F>
F Export(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Pumps this thread's messages until the queue is empty.
void PumpMessages();
// Pumps them for `ms` milliseconds, so that window timers are delivered;
// returns early once `until` (if given) holds.
void PumpFor(DWORD ms, const std::function<bool()>& until = {});

}  // namespace mltest
