#pragma once
// GDI objects the core creates: real brushes, and off-screen surfaces made by
// the factory the component hands in (the platform's memory DC class).
#include <functional>
#include <memory>

#include "platform/gdi.h"
#include "platform/memdc.h"

namespace mirelo::win32 {

class GdiObjects : public Gdi {
public:
    using MemDCFactory = std::function<std::unique_ptr<MemDC>()>;
    explicit GdiObjects(MemDCFactory factory) : factory_(std::move(factory)) {}

    BrushHandle CreateSolidBrush(OleColor rgb) override;
    BrushHandle CreatePatternBrush(const uint8_t rows[8]) override;
    void DeleteObject(BrushHandle brush) override;
    std::unique_ptr<MemDC> CreateMemDC() override { return factory_(); }

private:
    MemDCFactory factory_;
};

}  // namespace mirelo::win32
