#include "server/module.h"

#include <new>

#include "MireloList_h.h"
#include "server/list_control.h"

namespace mirelo::server {

namespace {

HINSTANCE g_instance = nullptr;
// Live objects and server locks: while either is not zero the module stays loaded.
LONG g_objects = 0;
LONG g_locks = 0;

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
        if (lock) InterlockedIncrement(&g_locks);
        else InterlockedDecrement(&g_locks);
        return S_OK;
    }
};

ListControlFactory g_listFactory;

}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }

std::wstring ModulePath() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(g_instance, path, MAX_PATH);
    return std::wstring(path, n);
}

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }

}  // namespace mirelo::server

using namespace mirelo::server;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded by FreeLibrary: a later load may sit at another address,
        // so our window procedures must not stay registered.
        using namespace mirelo::win32;
        for (const wchar_t* name : {ControlWindow::ClassName(), AboutBox::ClassName(), ChildPictureBox::ClassName()})
            UnregisterClassW(name, instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow() { return g_objects != 0 || g_locks != 0 ? S_FALSE : S_OK; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (clsid != CLSID_MireloList) return CLASS_E_CLASSNOTAVAILABLE;
    return g_listFactory.QueryInterface(iid, out);
}
