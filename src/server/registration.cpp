// Self-registration: the class, its ProgID and the type library. The control
// registers as a control and nothing more: it is not marked safe for
// scripting or for initialisation by untrusted callers.
//
// The 32-bit and the 64-bit component can be registered on one machine at
// once, each in its own registry view. The class keys are per view; the
// ProgID and the type library's key are one key seen by both (Windows shares
// them, and so does Wine), as are, in Wine, the interfaces' keys. Taking one
// component away therefore leaves those to the other while it is registered.
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "MireloList_h.h"
#include "server/module.h"
#include "server/ole_object.h"

namespace mirelo::server {

namespace {

constexpr int kToolboxBitmap = 30000;
// CATID_Control.
constexpr const wchar_t* kCatControl = L"{40FC6ED4-2438-11CF-A3DB-080036F12502}";

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

// Creates `key` and, unless `value` is null, sets its value `name` (null: the default value).
bool SetValue(const std::wstring& key, const wchar_t* name, const wchar_t* value) {
    HKEY h;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG rc = ERROR_SUCCESS;
    if (value)
        rc = RegSetValueExW(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                            static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
    return rc == ERROR_SUCCESS;
}

void DeleteTree(const std::wstring& key) { RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str()); }

// Whether the component of the other width has the class registered in its
// view. Without a 64-bit system there is one view, and the flag is ignored.
bool OtherViewRegistersClass(const std::wstring& clsidKey) {
    const REGSAM otherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    HKEY h;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, (clsidKey + L"\\InprocServer32").c_str(), 0, KEY_READ | otherView, &h) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

HRESULT RegisterClassKeys() {
    const std::wstring path = ModulePath();
    const std::wstring clsid = L"CLSID\\" + GuidText(CLSID_MireloList);
    // A null value makes a key without values.
    const bool ok = SetValue(clsid, nullptr, kProgId) &&
                    SetValue(clsid + L"\\InprocServer32", nullptr, path.c_str()) &&
                    SetValue(clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
                    SetValue(clsid + L"\\ProgID", nullptr, kProgId) &&
                    SetValue(clsid + L"\\Control", nullptr, nullptr) &&
                    SetValue(clsid + L"\\MiscStatus", nullptr, L"0") &&
                    SetValue(clsid + L"\\MiscStatus\\1", nullptr, std::to_wstring(OleObject::kMiscStatus).c_str()) &&
                    SetValue(clsid + L"\\ToolboxBitmap32", nullptr,
                             (path + L", " + std::to_wstring(kToolboxBitmap)).c_str()) &&
                    SetValue(clsid + L"\\TypeLib", nullptr, GuidText(LIBID_MireloListProj).c_str()) &&
                    SetValue(clsid + L"\\Version", nullptr, L"1.0") &&
                    SetValue(clsid + L"\\Implemented Categories\\" + kCatControl, nullptr, nullptr) &&
                    SetValue(kProgId, nullptr, kProgId) &&
                    SetValue(std::wstring(kProgId) + L"\\CLSID", nullptr, GuidText(CLSID_MireloList).c_str());
    return ok ? S_OK : SELFREG_E_CLASS;
}

}  // namespace

}  // namespace mirelo::server

using namespace mirelo::server;

STDAPI DllRegisterServer() {
    ITypeLib* lib = nullptr;
    // REGKIND_REGISTER enters the library and its interfaces (with the
    // automation marshaler) under HKCR\TypeLib and HKCR\Interface.
    if (FAILED(LoadTypeLibEx(ModulePath().c_str(), REGKIND_REGISTER, &lib))) return SELFREG_E_TYPELIB;
    lib->Release();
    return RegisterClassKeys();
}

STDAPI DllUnregisterServer() {
    const std::wstring clsid = L"CLSID\\" + GuidText(CLSID_MireloList);
    DeleteTree(clsid);
    const bool otherStays = OtherViewRegistersClass(clsid);
    if (!otherStays) DeleteTree(kProgId);
    // Unregister exactly what registration entered: the library's own attributes.
    ITypeLib* lib = nullptr;
    if (SUCCEEDED(LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &lib))) {
        TLIBATTR* attr = nullptr;
        if (SUCCEEDED(lib->GetLibAttr(&attr))) {
            if (otherStays) {
                // Only this width's path (TypeLib\{...}\1.0\0\win32 or win64). The whole
                // unregistration would also drop the interfaces' keys the other needs.
                DeleteTree(L"TypeLib\\" + GuidText(attr->guid) + L"\\" + std::to_wstring(attr->wMajorVerNum) +
                           L"." + std::to_wstring(attr->wMinorVerNum) + L"\\" + std::to_wstring(attr->lcid) +
                           (attr->syskind == SYS_WIN64 ? L"\\win64" : L"\\win32"));
            } else {
                UnRegisterTypeLib(attr->guid, attr->wMajorVerNum, attr->wMinorVerNum, attr->lcid, attr->syskind);
            }
            lib->ReleaseTLibAttr(attr);
        }
        lib->Release();
    }
    return S_OK;
}
