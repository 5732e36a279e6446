#pragma once
// IDispatch for a dual interface, driven by its type information: Invoke
// finds the member, converts the arguments to the declared types and calls
// the vtable method. Done here rather than by ITypeInfo::Invoke so that every
// client gets the same, forgiving conversions:
//  - a by-reference parameter takes a plain value (a temporary), its own
//    by-reference type (passed through), or a by-reference Variant, which is
//    converted in and written back after the call: script clients can only
//    pass Variants by reference;
//  - an omitted optional argument is accepted as "not passed", as VT_ERROR
//    DISP_E_PARAMNOTFOUND or as VT_EMPTY, and gets its declared default;
//  - an argument that does not convert is run-time error 13 (6 when out of
//    range), with EXCEPINFO, as the control's own errors are.
#include <ole2.h>

#include <vector>

#include "server/com_ptr.h"
#include "server/invoke_args.h"

namespace mirelo::server {

class Dispatcher {
public:
    // Reads the members of `dual` (a dual interface) from the type library.
    HRESULT Load(ITypeLib* lib, REFIID dual);

    ITypeInfo* DispatchInfo() const { return dispatchInfo_.Get(); }
    HRESULT GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const;
    // `self` is the object's implementation of the dual interface.
    HRESULT Invoke(IUnknown* self, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excep, UINT* argErr) const;

private:
    struct Member {
        MEMBERID id = 0;
        INVOKEKIND kind = INVOKE_FUNC;
        SHORT vtableOffset = 0;
        std::vector<ParamSpec> params;  // without the [retval] one
        bool hasRetval = false;
        VARTYPE retvalType = VT_EMPTY;  // by reference
    };

    const Member* Find(DISPID id, WORD flags) const;
    const Member* FindKind(DISPID id, INVOKEKIND kind) const;

    ComPtr<ITypeInfo> dispatchInfo_;
    ComPtr<ITypeInfo> interfaceInfo_;
    std::vector<Member> members_;
};

}  // namespace mirelo::server
