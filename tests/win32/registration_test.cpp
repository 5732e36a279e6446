// Registration as regsvr32 does it, read back from the registry: the class,
// its ProgID, the type library, and nothing that marks the control safe for
// untrusted scripts. The test runner registered the component before us; the
// class keys are read after a fresh unregistration and registration, so that
// keys an earlier one left cannot stand in for them.
#include <gtest/gtest.h>

#include "com_support.h"
#include "mirelo_version.h"

namespace mltest {
namespace {

std::wstring GuidText(REFGUID g) {
    wchar_t text[40];
    StringFromGUID2(g, text, 40);
    return text;
}

bool KeyExists(const std::wstring& key) {
    HKEY h;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
    RegCloseKey(h);
    return true;
}

// The named value of a key (null name: its default value); "" when the key
// has no such value, "<none>" without the key.
std::wstring Value(const std::wstring& key, const wchar_t* name = nullptr) {
    wchar_t data[1024] = {};
    DWORD size = sizeof(data);
    if (!KeyExists(key)) return L"<none>";
    RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size);
    return data;
}

bool EndsWith(const std::wstring& s, const std::wstring& tail) {
    return s.size() >= tail.size() && _wcsicmp(s.c_str() + s.size() - tail.size(), tail.c_str()) == 0;
}

// Runs the system's regsvr32 on the component; its exit code.
DWORD RunRegsvr32(const std::wstring& options, const std::wstring& path) {
    std::wstring cmd = L"regsvr32.exe " + options + L" \"" + path + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return ~0u;
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = ~0u;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

const std::wstring kClsidKey = L"CLSID\\" + GuidText(CLSID_MireloList);
const std::wstring kTypeLibKey = L"TypeLib\\" + GuidText(LIBID_MireloListProj);
const std::wstring kInterfaceKey = L"Interface\\" + GuidText(IID__MireloList);
const std::wstring kEventsKey = L"Interface\\" + GuidText(DIID___MireloList);

// Everything a container or VB's Components dialog reads (which lists controls
// by their Control key) goes with unregistration and comes back with registration.
TEST(Registration, Regsvr32RemovesEverythingAndPutsItBack) {
    const std::wstring path = RegisteredServerPath();
    ASSERT_TRUE(EndsWith(path, L"MireloList.ocx")) << std::string(path.begin(), path.end());
    ASSERT_EQ(RunRegsvr32(L"/s /u", path), 0u);
    for (const std::wstring& key : {kClsidKey, std::wstring(L"MireloListProj.MireloList"), kTypeLibKey, kInterfaceKey})
        EXPECT_FALSE(KeyExists(key)) << std::string(key.begin(), key.end());
    CLSID clsid;
    EXPECT_NE(CLSIDFromProgID(L"MireloListProj.MireloList", &clsid), S_OK);

    ASSERT_EQ(RunRegsvr32(L"/s", path), 0u);
    EXPECT_EQ(RegisteredServerPath(), path);
    struct Expect {
        const wchar_t* subkey;
        const wchar_t* name;
        std::wstring value;
    } expected[] = {
        {L"", nullptr, L"MireloListProj.MireloList"},
        {L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {L"\\ProgID", nullptr, L"MireloListProj.MireloList"},
        {L"\\Control", nullptr, L""},
        {L"\\MiscStatus", nullptr, L"0"},
        // RECOMPOSEONRESIZE | CANTLINKINSIDE | INSIDEOUT | ACTIVATEWHENVISIBLE | SETCLIENTSITEFIRST
        {L"\\MiscStatus\\1", nullptr, L"131473"},
        {L"\\ToolboxBitmap32", nullptr, path + L", 30000"},
        {L"\\TypeLib", nullptr, GuidText(LIBID_MireloListProj)},
        {L"\\Version", nullptr, L"1.0"},
        {L"\\Implemented Categories\\{40FC6ED4-2438-11CF-A3DB-080036F12502}", nullptr, L""},
    };
    for (const Expect& e : expected) {
        const std::wstring key = kClsidKey + e.subkey;
        EXPECT_EQ(Value(key, e.name), e.value) << std::string(key.begin(), key.end());
    }
    EXPECT_EQ(Value(L"MireloListProj.MireloList\\CLSID"), GuidText(CLSID_MireloList));
    EXPECT_TRUE(KeyExists(kTypeLibKey));
    EXPECT_TRUE(NewControl());
}

TEST(Registration, ControlIsNotMarkedSafeForScripting) {
    EXPECT_FALSE(KeyExists(kClsidKey + L"\\Implemented Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}"));
    EXPECT_FALSE(KeyExists(kClsidKey + L"\\Implemented Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}"));
    ComPtr<IUnknown> control = NewControl();
    ASSERT_TRUE(control);
    ComPtr<IUnknown> safety;
    // IID_IObjectSafety
    const IID kObjectSafety = {0xCB5BDC81, 0x93C1, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};
    EXPECT_EQ(control->QueryInterface(kObjectSafety, reinterpret_cast<void**>(safety.Out())), E_NOINTERFACE);
}

TEST(Registration, TypeLibraryAndInterfacesAreRegistered) {
    // Each build enters its own path: the 64-bit one beside a 32-bit one on the same machine.
    const wchar_t* platform = sizeof(void*) == 8 ? L"win64" : L"win32";
    EXPECT_TRUE(EndsWith(Value(kTypeLibKey + L"\\1.0\\0\\" + platform), L"MireloList.ocx"));
    // The dual interface is marshalled by the automation marshaler.
    EXPECT_EQ(Value(kInterfaceKey + L"\\ProxyStubClsid32"), L"{00020424-0000-0000-C000-000000000046}");
    EXPECT_TRUE(KeyExists(kEventsKey));
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
    ComPtr<ITypeInfo> coclass;
    EXPECT_EQ(lib->GetTypeInfoOfGuid(CLSID_MireloList, coclass.Out()), S_OK);
    // Made for this platform: the members' method-table offsets are pointer-sized.
    TLIBATTR* attr = nullptr;
    ASSERT_EQ(lib->GetLibAttr(&attr), S_OK);
    EXPECT_EQ(attr->syskind, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
    lib->ReleaseTLibAttr(attr);
}

// The version block names the library and tells installers it registers itself.
TEST(Registration, VersionBlockNamesTheLibrary) {
    HMODULE version = LoadLibraryW(L"version.dll");
    ASSERT_TRUE(version);
    auto size = Export<DWORD(WINAPI*)(LPCWSTR, LPDWORD)>(version, "GetFileVersionInfoSizeW");
    auto info = Export<BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID)>(version, "GetFileVersionInfoW");
    auto query = Export<BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT)>(version, "VerQueryValueW");
    ASSERT_TRUE(size && info && query);
    const std::wstring path = RegisteredServerPath();
    std::vector<BYTE> block(size(path.c_str(), nullptr));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(info(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    const auto text = [&](const wchar_t* name) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
        void* value = nullptr;
        UINT length = 0;
        if (!query(block.data(), key.c_str(), &value, &length)) return std::wstring(L"<none>");
        return std::wstring(static_cast<const wchar_t*>(value));
    };
    EXPECT_EQ(text(L"ProductName"), L"MireloListProj");
    EXPECT_EQ(text(L"OriginalFilename"), L"MireloList.ocx");
    EXPECT_EQ(text(L"OLESelfRegister"), L"");
    // The version is the tree's VERSION file, as the installer packages carry it.
    EXPECT_EQ(text(L"FileVersion"), L"" MIRELO_VERSION_TEXT);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(query(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, (MIRELO_VERSION_MAJOR << 16u) | MIRELO_VERSION_MINOR);
    EXPECT_EQ(fixed->dwFileVersionLS, MIRELO_VERSION_PATCH << 16u);
    FreeLibrary(version);
}

}  // namespace
}  // namespace mltest
