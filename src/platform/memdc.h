#pragma once
// An off-screen surface with a bitmap of its own, loaded from a picture and
// copied out plainly, stretched or colour-keyed on magenta. Every copy names
// its source rectangle, so the core never asks for the surface's size.
#include "base/text.h"

namespace mirelo {

class MemDC {
public:
    virtual ~MemDC() = default;
    // Loads a bitmap resource of the library by name into the surface at (0, 0).
    virtual bool CreateFromResource(const Text& name) = 0;
};

}  // namespace mirelo
