#pragma once
// Fakes of the platform ports for native tests. The recording surface keeps
// every drawing call with its arguments, in order, as one short line each, so
// tests can assert exactly what the control paints, independent of fonts.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/text.h"
#include "listctl/list_property.h"
#include "platform/gdi.h"
#include "platform/memdc.h"
#include "platform/property_bag.h"
#include "platform/resources.h"
#include "platform/site.h"
#include "platform/surface.h"

namespace mirelo::fake {

std::string Utf8(const Text& t);
// "left,top,right,bottom", as the recording surfaces write rectangles.
std::string RectText(const Rect& r);
// The lines of ops that start with prefix.
std::vector<std::string> Only(const std::vector<std::string>& ops, const std::string& prefix);
// The bytes of a file the library ships, by its path from the repository root.
std::vector<uint8_t> ShippedFile(const std::string& path);

class FakeMemDC : public MemDC {
public:
    explicit FakeMemDC(int id) : id(id) {}
    bool CreateFromResource(const Text& name) override;
    int id;
    Text loaded;
};

// Counts live brushes and surfaces so tests prove nothing leaks.
class FakeGdi : public Gdi {
public:
    BrushHandle CreateSolidBrush(OleColor rgb) override;
    BrushHandle CreatePatternBrush(const uint8_t rows[8]) override;
    void DeleteObject(BrushHandle brush) override;
    std::unique_ptr<MemDC> CreateMemDC() override;
    // Colour a live solid brush was made with; -1 for unknown or deleted.
    long long ColorOf(BrushHandle b) const;
    std::map<BrushHandle, long long> live;  // handle -> colour (pattern: -2)
    BrushHandle next = 100;
    int memdcs = 0;
};

class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(FakeGdi* gdi = nullptr) : gdi_(gdi) {}
    int32_t ScaleWidth() const override { return width; }
    int32_t ScaleHeight() const override { return height; }
    double HeightTwips() const override { return height * 15.0; }
    OleColor BackColor() const override { return back; }
    void SetBackColor(OleColor c) override { back = c; }
    const FontDesc& Font() const override { return font; }
    void SetFont(const FontDesc& f) override { font = f; }
    int16_t DrawWidth() const override { return pen; }
    void SetDrawWidth(int16_t w) override;
    intptr_t hWnd() const override { return hwnd; }

    int32_t FillRect(const Rect& r, BrushHandle brush) override;
    void SetTextColor(OleColor rgb) override;
    int32_t DrawText(std::u16string_view text, const Rect& r, uint32_t format) override;
    double TextWidth(std::u16string_view text) override;
    double TextHeight(std::u16string_view text) override;
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor rgb) override;
    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor rgb) override;
    void Cls() override;
    void Print(int32_t x, int32_t y, const Text& text) override;
    void DrawFocusRect(const Rect& r) override;
    void StretchBlt(int32_t xDst, int32_t yDst, int32_t wDst, int32_t hDst, MemDC& src, int32_t xSrc, int32_t ySrc,
                    int32_t wSrc, int32_t hSrc) override;
    bool DrawIconImage(const uint8_t* bytes, size_t length, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void Refresh() override;

    // Text metrics: every character is charWidth wide, a line lineHeight high.
    double charWidth = 6;
    double lineHeight = 12;
    int32_t width = 202, height = 151;
    OleColor back = 0;
    FontDesc font;
    int16_t pen = 1;
    intptr_t hwnd = 0;
    std::vector<std::string> ops;

private:
    std::string BrushName(BrushHandle b) const;
    FakeGdi* gdi_;
};

class FakeSite : public Site {
public:
    bool UserMode() override { return userMode; }
    Text DisplayName() override { return name; }
    // Recorded by key, as the list's property table names it.
    void PropertyChanged(int32_t dispid) override {
        const ListProperty* p = FindListProperty(dispid);
        changed.push_back(p ? Utf8(p->key) : std::to_string(dispid));
    }
    bool userMode = true;
    Text name = u"MireloList1";
    std::vector<std::string> changed;
};

class FakeAbout : public AboutWindow {
public:
    bool IsShown() override { return shown; }
    void Close() override { shown = false; }
    void ShowModal() override {
        if (shown) ++stacked;
        shown = true;
    }
    bool shown = false;
    int stacked = 0;  // windows shown over one still open
};

class FakeResources : public Resources {
public:
    std::vector<uint8_t> LoadCustom(const Text& name, const Text& type) override;
    std::map<std::string, std::vector<uint8_t>> custom;  // "TYPE/NAME" -> bytes
};

// An in-memory property bag that remembers what was written and in what order.
class MemoryBag : public PropertyBag {
public:
    Variant ReadProperty(const Text& key, const Variant& def) override;
    void WriteProperty(const Text& key, const Variant& value, const Variant& def) override;
    FontDesc ReadFont(const Text& key, const FontDesc& def) override;
    void WriteFont(const Text& key, const FontDesc& value) override;
    std::map<std::string, Variant> values;
    std::map<std::string, FontDesc> fonts;
    std::vector<std::string> writeOrder;
    std::vector<std::string> readOrder;
};

}  // namespace mirelo::fake
