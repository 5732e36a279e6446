#include "server/automation.h"

#include "server/list_control.h"

namespace mirelo::server {

HRESULT Automation::LoadTypeInfo(ITypeLib* lib) { return dispatcher_.Load(lib, IID__MireloList); }

STDMETHODIMP Automation::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP Automation::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    *info = dispatcher_.DispatchInfo();
    (*info)->AddRef();
    return S_OK;
}

STDMETHODIMP Automation::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    return dispatcher_.GetIDsOfNames(names, count, ids);
}

STDMETHODIMP Automation::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* excep, UINT* argErr) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    // Keep the control alive through the call: a handler may drop the last reference.
    ComPtr<IUnknown> hold(static_cast<_MireloList*>(this));
    return dispatcher_.Invoke(static_cast<_MireloList*>(this), id, flags, params, result, excep, argErr);
}

STDMETHODIMP Automation::InterfaceSupportsErrorInfo(REFIID iid) {
    return iid == IID__MireloList || iid == IID_IDispatch ? S_OK : S_FALSE;
}

}  // namespace mirelo::server
