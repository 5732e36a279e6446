#pragma once
// The benchmarks' list: a new run-mode instance on ports that draw nothing
// (the quiet ports the fuzz targets use too), so a benchmark measures what the
// core spends and not what a display would.
#include <memory>

#include "../tests/ports/quiet_ports.h"

namespace mirelo::bench {

using NullSurface = quiet::QuietSurface;

class NullList {
public:
    explicit NullList(int32_t width = 400, int32_t height = 300) : surface(width, height) {
        list = std::make_unique<MireloList>(ListPorts{surface, gdi, site, resources, about});
        list->InitProperties();
    }
    void Columns(const char16_t* captions, const char16_t* widths, const char16_t* aligns, int16_t count) {
        list->AddItemA(Variant(count), Variant(captions), Variant(widths), Variant(aligns));
    }
    // AddItem as a host calls it with the row's text alone.
    int32_t Add(const Variant& title) {
        Text key;
        return list->AddItem(title, key, Variant::Missing(), Variant::Missing());
    }

    quiet::QuietGdi gdi;
    NullSurface surface;
    quiet::QuietSite site;
    quiet::QuietResources resources;
    quiet::QuietAbout about;
    std::unique_ptr<MireloList> list;
};

}  // namespace mirelo::bench
