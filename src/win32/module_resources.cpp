#include "win32/module_resources.h"

#include "win32/wide_text.h"

namespace mirelo::win32 {

std::vector<uint8_t> ModuleResources::LoadCustom(const Text& name, const Text& type) {
    HRSRC found = FindResourceW(module_, Wide(name), Wide(type));
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module_, found);
    const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return {};
    return std::vector<uint8_t>(bytes, bytes + SizeofResource(module_, found));
}

}  // namespace mirelo::win32
