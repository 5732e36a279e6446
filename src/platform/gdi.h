#pragma once
// GDI objects the core creates and owns: brushes and off-screen surfaces.
// Handles are opaque numbers; 0 is "none", as on the platform.
#include <cstdint>
#include <memory>

#include "base/color.h"

namespace mirelo {

using BrushHandle = uintptr_t;

class MemDC;

class Gdi {
public:
    virtual ~Gdi() = default;
    virtual BrushHandle CreateSolidBrush(OleColor rgb) = 0;
    // An 8 x 8 monochrome pattern, one byte per row, most significant bit left.
    virtual BrushHandle CreatePatternBrush(const uint8_t rows[8]) = 0;
    virtual void DeleteObject(BrushHandle brush) = 0;
    // An empty off-screen surface compatible with the display.
    virtual std::unique_ptr<MemDC> CreateMemDC() = 0;
};

// One owned brush: deleted when rebuilt, freed or destroyed.
class OwnedBrush {
public:
    OwnedBrush() = default;
    OwnedBrush(const OwnedBrush&) = delete;
    OwnedBrush& operator=(const OwnedBrush&) = delete;
    ~OwnedBrush() { Free(); }

    void Rebuild(Gdi& gdi, OleColor rgb) {
        Free();
        gdi_ = &gdi;
        handle_ = gdi.CreateSolidBrush(rgb);
    }
    void Free() {
        if (handle_ != 0 && gdi_ != nullptr) gdi_->DeleteObject(handle_);
        handle_ = 0;
    }
    BrushHandle handle() const { return handle_; }

private:
    Gdi* gdi_ = nullptr;
    BrushHandle handle_ = 0;
};

}  // namespace mirelo
