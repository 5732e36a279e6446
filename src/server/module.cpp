#include "server/module.h"

#include <ole2.h>

#include "server/class_factory.h"
#include "win32/about_window.h"
#include "win32/columns_picture_box.h"
#include "win32/control_window.h"

namespace mirelo::server {

namespace {
HINSTANCE g_instance = nullptr;
LONG g_objects = 0;
LONG g_locks = 0;
}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }

std::wstring ModulePath() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(g_instance, path, MAX_PATH);
    return std::wstring(path, n);
}

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }
void LockModule(bool lock) {
    if (lock) InterlockedIncrement(&g_locks);
    else InterlockedDecrement(&g_locks);
}
bool ModuleInUse() { return g_objects != 0 || g_locks != 0; }

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

STDAPI DllCanUnloadNow() { return ModuleInUse() ? S_FALSE : S_OK; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    IClassFactory* factory = ClassFactoryFor(clsid);
    if (!factory) return CLASS_E_CLASSNOTAVAILABLE;
    return factory->QueryInterface(iid, out);
}
