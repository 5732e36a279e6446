// Icon file bytes through ClsIcon, straight and as the play icon a list paints.
#include "fuzz_support.h"
#include "render/cls_icon.h"

using namespace mirelo;
using namespace mirelo::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data, data + size);
    QuietSurface surface;
    ClsIcon icon;
    const bool loaded = icon.LoadFromData(bytes);
    if (loaded != (icon.Count() > 0)) __builtin_trap();
    for (int32_t i = -1; i <= icon.Count(); ++i) {
        const bool valid = i >= 0 && i < icon.Count();
        try {
            (void)icon.Width(i), (void)icon.Height(i), (void)icon.ColorCount(i), (void)icon.BitCount(i);
            const std::vector<uint8_t> image = icon.Data(i);
            if (static_cast<int64_t>(image.size()) > static_cast<int64_t>(size)) __builtin_trap();
            icon.Draw(surface, 0, 0, i);
            if (!valid) __builtin_trap();  // an image number outside the icon must be refused
        } catch (const RuntimeError& e) {
            if (valid || e.number() != kSubscriptOutOfRange) __builtin_trap();
        }
        if (i > 64) break;
    }

    // The same bytes as the library's play icon, drawn on the play row.
    Platform p;
    p.resources.icon = bytes;
    auto list = p.NewList();
    list->InitProperties();
    Fill(*list, 3, 2);
    Call([&] { list->SetPlayIndex(1); });
    Call([&] { list->PaintAll(); });
    return 0;
}
