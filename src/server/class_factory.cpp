#include "server/class_factory.h"

#include <new>

#include "MireloList_h.h"
#include "server/list_control.h"
#include "server/module.h"

namespace mirelo::server {

namespace {

// Static: its references do not keep the module loaded, LockServer does.
class ListControlFactory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        return AnswerOne<IClassFactory>(this, IID_IClassFactory, iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        ListControl* control = nullptr;
        try {
            control = new ListControl();
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_FAIL;
        }
        const HRESULT hr = control->QueryInterface(iid, out);
        control->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        LockModule(lock != FALSE);
        return S_OK;
    }
};

ListControlFactory g_listFactory;

}  // namespace

IClassFactory* ClassFactoryFor(REFCLSID clsid) {
    return clsid == CLSID_MireloList ? &g_listFactory : nullptr;
}

}  // namespace mirelo::server
