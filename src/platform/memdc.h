#pragma once
// An off-screen surface with a bitmap of its own that only grows, loaded from
// a picture and copied out plainly, stretched or colour-keyed on magenta.
#include <cstdint>

#include "base/text.h"

namespace mirelo {

class MemDC {
public:
    virtual ~MemDC() = default;
    virtual int32_t Width() const = 0;
    virtual void SetWidth(int32_t w) = 0;   // grows only
    virtual int32_t Height() const = 0;
    virtual void SetHeight(int32_t h) = 0;  // grows only
    // Loads a bitmap resource of the library by name into the surface at (0, 0).
    virtual bool CreateFromResource(const Text& name) = 0;
};

}  // namespace mirelo
