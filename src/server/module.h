#pragma once
// The component's module: its instance handle, the class factory, and the
// count of live objects and server locks that decides whether the DLL may be
// unloaded.
#include <windows.h>

#include <string>

#include "mirelo_version.h"

namespace mirelo::server {

HINSTANCE ModuleInstance();
std::wstring ModulePath();

void ObjectCreated();
void ObjectDestroyed();

// Library name and version, shared by the About box and the version block.
constexpr const wchar_t* kLibraryName = L"MireloListProj";
constexpr const wchar_t* kProgId = L"MireloListProj.MireloList";
constexpr const wchar_t* kVersionText = L"" MIRELO_VERSION_TEXT;

}  // namespace mirelo::server
