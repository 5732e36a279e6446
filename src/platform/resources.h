#pragma once
// The library's own resources, read as bytes.
#include <cstdint>
#include <vector>

#include "base/text.h"

namespace mirelo {

class Resources {
public:
    virtual ~Resources() = default;
    // A custom resource by name and type; empty when there is none.
    virtual std::vector<uint8_t> LoadCustom(const Text& name, const Text& type) = 0;
};

}  // namespace mirelo
