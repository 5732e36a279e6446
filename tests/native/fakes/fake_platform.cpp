#include "fakes/fake_platform.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "base/error.h"

namespace mirelo::fake {

std::string Utf8(const Text& t) { return ToUtf8(t); }

std::string RectText(const Rect& r) {
    char b[64];
    std::snprintf(b, sizeof b, "%d,%d,%d,%d", r.left, r.top, r.right, r.bottom);
    return b;
}

std::vector<std::string> Only(const std::vector<std::string>& ops, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& op : ops)
        if (op.compare(0, prefix.size(), prefix) == 0) out.push_back(op);
    return out;
}

std::vector<uint8_t> ShippedFile(const std::string& path) {
    std::ifstream in(MIRELO_SOURCE_DIR + path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

static std::string Hex(OleColor c) {
    char b[16];
    std::snprintf(b, sizeof b, "#%06X", static_cast<unsigned>(c));
    return b;
}

bool FakeMemDC::CreateFromResource(const Text& name) {
    loaded = name;
    return true;
}

BrushHandle FakeGdi::CreateSolidBrush(OleColor rgb) {
    BrushHandle h = next++;
    live[h] = rgb;
    return h;
}

BrushHandle FakeGdi::CreatePatternBrush(const uint8_t*) {
    BrushHandle h = next++;
    live[h] = -2;
    return h;
}

void FakeGdi::DeleteObject(BrushHandle brush) {
    live.erase(brush);
}

std::unique_ptr<MemDC> FakeGdi::CreateMemDC() { return std::make_unique<FakeMemDC>(++memdcs); }

long long FakeGdi::ColorOf(BrushHandle b) const {
    auto it = live.find(b);
    return it == live.end() ? -1 : it->second;
}

std::string RecordingSurface::BrushName(BrushHandle b) const {
    if (gdi_ == nullptr) return std::to_string(b);
    long long c = gdi_->ColorOf(b);
    return c >= 0 ? Hex(static_cast<OleColor>(c)) : (c == -2 ? "pattern" : "dead:" + std::to_string(b));
}

void RecordingSurface::SetDrawWidth(int16_t w) {
    if (w < 1) Raise(kInvalidPropertyValue);
    pen = w;
}

int32_t RecordingSurface::FillRect(const Rect& r, BrushHandle brush) {
    ops.push_back("fill " + RectText(r) + " " + BrushName(brush));
    return 1;
}

void RecordingSurface::SetTextColor(OleColor rgb) { ops.push_back("textcolor " + Hex(rgb)); }

int32_t RecordingSurface::DrawText(std::u16string_view text, const Rect& r, uint32_t format) {
    ops.push_back("text '" + Utf8(Text(text)) + "' " + RectText(r) + " f" + std::to_string(format));
    return static_cast<int32_t>(lineHeight);
}

double RecordingSurface::TextWidth(std::u16string_view text) {
    // A surrogate pair is one glyph; a text cut inside one ends in a box, wider.
    const bool cutPair = !text.empty() && text.back() >= 0xD800 && text.back() < 0xDC00;
    const auto pairs = std::count_if(text.begin(), text.end(), [](char16_t u) { return u >= 0xDC00 && u < 0xE000; });
    return charWidth * static_cast<double>(text.size() - static_cast<size_t>(pairs) + (cutPair ? 1 : 0));
}
double RecordingSurface::TextHeight(std::u16string_view) { return lineHeight; }

void RecordingSurface::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor rgb) {
    ops.push_back("line " + RectText(Rect{x1, y1, x2, y2}) + " " + Hex(rgb));
}

void RecordingSurface::Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor rgb) {
    ops.push_back("box " + RectText(Rect{x1, y1, x2, y2}) + " " + Hex(rgb) + " w" + std::to_string(pen));
}

void RecordingSurface::Cls() { ops.push_back("cls " + Hex(back)); }

void RecordingSurface::Print(int32_t x, int32_t y, const Text& text) {
    ops.push_back("print " + std::to_string(x) + "," + std::to_string(y) + " '" + Utf8(text) + "'");
}

void RecordingSurface::DrawFocusRect(const Rect& r) { ops.push_back("focusrect " + RectText(r)); }

void RecordingSurface::StretchBlt(int32_t xDst, int32_t yDst, int32_t wDst, int32_t hDst, MemDC& src, int32_t xSrc,
                                  int32_t ySrc, int32_t wSrc, int32_t hSrc) {
    auto* m = dynamic_cast<FakeMemDC*>(&src);
    ops.push_back("blt " + RectText(Rect{xDst, yDst, wDst, hDst}) + " from " + (m ? Utf8(m->loaded) : "?") + " " +
                  RectText(Rect{xSrc, ySrc, wSrc, hSrc}));
}

bool RecordingSurface::DrawIconImage(const uint8_t*, size_t length, int32_t x, int32_t y, int32_t w, int32_t h) {
    ops.push_back("icon " + RectText(Rect{x, y, w, h}) + " n" + std::to_string(length));
    return true;
}

void RecordingSurface::Refresh() { ops.push_back("refresh"); }

std::vector<uint8_t> FakeResources::LoadCustom(const Text& name, const Text& type) {
    auto it = custom.find(Utf8(type) + "/" + Utf8(name));
    return it == custom.end() ? std::vector<uint8_t>{} : it->second;
}

Variant MemoryBag::ReadProperty(const Text& key, const Variant& def) {
    readOrder.push_back(Utf8(key));
    auto it = values.find(Utf8(key));
    return it == values.end() ? def : it->second;
}

void MemoryBag::WriteProperty(const Text& key, const Variant& value, const Variant&) {
    writeOrder.push_back(Utf8(key));
    values[Utf8(key)] = value;
}

FontDesc MemoryBag::ReadFont(const Text& key, const FontDesc& def) {
    readOrder.push_back(Utf8(key));
    auto it = fonts.find(Utf8(key));
    return it == fonts.end() ? def : it->second;
}

void MemoryBag::WriteFont(const Text& key, const FontDesc& value) {
    writeOrder.push_back(Utf8(key));
    fonts[Utf8(key)] = value;
}

}  // namespace mirelo::fake
