#pragma once
// Resources of the component's own module.
#include <windows.h>

#include "platform/resources.h"

namespace mirelo::win32 {

class ModuleResources : public Resources {
public:
    explicit ModuleResources(HMODULE module) : module_(module) {}
    std::vector<uint8_t> LoadCustom(const Text& name, const Text& type) override;

private:
    HMODULE module_;
};

}  // namespace mirelo::win32
