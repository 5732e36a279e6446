#pragma once
// A list on fake ports for the painting tests: a recording surface with fixed
// metrics (6 pixels a code unit, lines 12 high), the defaults of a new control
// (border 1, rows 16 high) and the play icon we ship as its resource.
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "listctl/mirelo_list.h"

namespace mirelo::render_test {

inline std::vector<uint8_t> ShippedPlayIconBytes() {
    std::string here = __FILE__;
    std::string path = here.substr(0, here.rfind("tests/native/")) + "resources/list/playicon.ico";
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Default colours of a new control, as the recording surface writes them.
inline const char* kBk1 = "#FFFFFF";
inline const char* kBk2 = "#FAF6EA";
inline const char* kSelBk = "#CC9462";
inline const char* kBack = "#F7FFFF";  // BackColor at creation, also the separators
inline const char* kHeaderBk = "#DED3CD";
inline const char* kNorText = "#8F614C";
inline const char* kSelText = "#FFFFFF";
inline const char* kPlyText = "#12B753";
inline const char* kBorder = "#C3A378";

struct PaintedList {
    fake::FakeGdi gdi;
    fake::RecordingSurface surface{&gdi};
    fake::FakeSite site;
    fake::FakeResources resources;
    fake::FakeAbout about;
    std::unique_ptr<MireloList> list;

    PaintedList(int32_t width, int32_t height, bool userMode = true) {
        surface.width = width;
        surface.height = height;
        site.userMode = userMode;
        resources.custom["TCICON/PLAYICON"] = ShippedPlayIconBytes();
        list = std::make_unique<MireloList>(ListPorts{surface, gdi, site, resources, about});
        list->InitProperties();
    }

    // Columns whose widths fit the surface exactly, so none is stretched.
    void Columns(int16_t count, const char16_t* captions, const char16_t* widths, const char16_t* aligns) {
        list->AddItemA(Variant(count), Variant(captions), Variant(widths), Variant(aligns));
    }
    void Add(const char16_t* cells) {
        Text key;
        list->AddItem(Variant(cells), key, Variant::Missing(), Variant::Missing());
    }
    // Drawing calls made by f.
    template <class F>
    std::vector<std::string> Ops(F&& f) {
        surface.ops.clear();
        f();
        return surface.ops;
    }
    std::vector<std::string> Row(int16_t i) {
        return Ops([&] { list->PaintRow(i); });
    }
};

// The lines of ops that start with prefix.
inline std::vector<std::string> Only(const std::vector<std::string>& ops, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& op : ops)
        if (op.compare(0, prefix.size(), prefix) == 0) out.push_back(op);
    return out;
}

}  // namespace mirelo::render_test
