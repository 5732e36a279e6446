#pragma once
// GDI objects the core creates: real brushes, and off-screen surfaces made by
// the factory the component hands in (the platform's memory DC class).
#include <windows.h>

#include <functional>
#include <memory>

#include "platform/gdi.h"
#include "platform/memdc.h"

namespace mirelo::win32 {

class GdiObjects : public Gdi {
public:
    using MemDCFactory = std::function<std::unique_ptr<MemDC>()>;
    explicit GdiObjects(MemDCFactory factory) : factory_(std::move(factory)) {}

    BrushHandle CreateSolidBrush(OleColor rgb) override {
        return reinterpret_cast<BrushHandle>(::CreateSolidBrush(rgb & 0xFFFFFF));
    }
    BrushHandle CreatePatternBrush(const uint8_t rows[8]) override {
        // Monochrome bitmap rows are word aligned.
        WORD bits[8];
        for (int i = 0; i < 8; ++i) bits[i] = rows[i];
        HBITMAP pattern = CreateBitmap(8, 8, 1, 1, bits);
        HBRUSH brush = ::CreatePatternBrush(pattern);
        ::DeleteObject(pattern);  // the brush keeps its own copy
        return reinterpret_cast<BrushHandle>(brush);
    }
    void DeleteObject(BrushHandle brush) override {
        if (brush) ::DeleteObject(reinterpret_cast<HGDIOBJ>(brush));
    }
    std::unique_ptr<MemDC> CreateMemDC() override { return factory_(); }

private:
    MemDCFactory factory_;
};

}  // namespace mirelo::win32
