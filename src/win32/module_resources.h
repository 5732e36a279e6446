#pragma once
// Resources of the component's own module.
#include <windows.h>

#include "platform/resources.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {

class ModuleResources : public Resources {
public:
    explicit ModuleResources(HMODULE module) : module_(module) {}

    std::vector<uint8_t> LoadCustom(const Text& name, const Text& type) override {
        HRSRC found = FindResourceW(module_, Wide(name), Wide(type));
        if (!found) return {};
        HGLOBAL loaded = LoadResource(module_, found);
        const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
        if (!bytes) return {};
        return std::vector<uint8_t>(bytes, bytes + SizeofResource(module_, found));
    }

private:
    HMODULE module_;
};

}  // namespace mirelo::win32
