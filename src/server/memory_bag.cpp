#include "server/memory_bag.h"

#include <cstring>

namespace mirelo::server {

namespace {

constexpr uint32_t kMagic = 0x54534C4D;  // "MLST"
enum Tag : uint8_t { kEmpty = 0, kShort = 1, kInteger = 2, kBoolean = 3, kString = 4, kFloating = 5, kFont = 6 };
enum FontFlags : uint8_t { kItalic = 1, kUnderline = 2, kStrike = 4 };

class Writer {
public:
    template <class T>
    void Put(T v) {
        uint8_t b[sizeof(T)];
        std::memcpy(b, &v, sizeof(T));
        out.insert(out.end(), b, b + sizeof(T));
    }
    void PutText(const Text& t) {
        Put<uint32_t>(static_cast<uint32_t>(t.size()));
        for (char16_t c : t) Put<uint16_t>(c);
    }
    std::vector<uint8_t> out;
};

class Reader {
public:
    Reader(const uint8_t* p, size_t n) : p_(p), end_(p + n) {}
    template <class T>
    bool Get(T* v) {
        if (static_cast<size_t>(end_ - p_) < sizeof(T)) return false;
        std::memcpy(v, p_, sizeof(T));
        p_ += sizeof(T);
        return true;
    }
    bool GetText(Text* t) {
        uint32_t n = 0;
        if (!Get(&n) || static_cast<size_t>(end_ - p_) / 2 < n) return false;
        t->resize(n);
        std::memcpy(t->data(), p_, n * sizeof(char16_t));
        p_ += n * sizeof(char16_t);
        return true;
    }
    bool AtEnd() const { return p_ == end_; }

private:
    const uint8_t* p_;
    const uint8_t* end_;
};

void WriteValue(Writer& w, const Variant& v) {
    switch (v.kind()) {
    case Variant::Kind::Short: w.Put<uint8_t>(kShort); w.Put<int16_t>(v.ToInt16()); break;
    case Variant::Kind::Integer: w.Put<uint8_t>(kInteger); w.Put<int32_t>(v.ToInt32()); break;
    case Variant::Kind::Boolean: w.Put<uint8_t>(kBoolean); w.Put<int16_t>(v.ToBool() ? -1 : 0); break;
    case Variant::Kind::String: w.Put<uint8_t>(kString); w.PutText(v.ToText()); break;
    case Variant::Kind::Floating: w.Put<uint8_t>(kFloating); w.Put<double>(v.ToDouble()); break;
    default: w.Put<uint8_t>(kEmpty); break;
    }
}

bool ReadValue(Reader& r, uint8_t tag, MemoryBag::Entry* e) {
    switch (tag) {
    case kEmpty: e->value = Variant(); return true;
    case kShort: { int16_t v; if (!r.Get(&v)) return false; e->value = Variant(v); return true; }
    case kInteger: { int32_t v; if (!r.Get(&v)) return false; e->value = Variant(static_cast<int>(v)); return true; }
    case kBoolean: { int16_t v; if (!r.Get(&v)) return false; e->value = Variant::FromBool(v != 0); return true; }
    case kString: { Text t; if (!r.GetText(&t)) return false; e->value = Variant(t); return true; }
    case kFloating: { double v; if (!r.Get(&v)) return false; e->value = Variant(v); return true; }
    case kFont: {
        uint8_t flags = 0;
        e->isFont = true;
        if (!r.GetText(&e->font.name) || !r.Get(&e->font.size) || !r.Get(&e->font.weight) ||
            !r.Get(&e->font.charset) || !r.Get(&flags))
            return false;
        e->font.italic = flags & kItalic;
        e->font.underline = flags & kUnderline;
        e->font.strikethrough = flags & kStrike;
        return true;
    }
    default: return false;
    }
}

}  // namespace

MemoryBag::Entry* MemoryBag::Find(const Text& key) {
    for (Entry& e : entries_)
        if (e.key == key) return &e;
    return nullptr;
}

void MemoryBag::Add(Entry e) {
    if (Entry* old = Find(e.key)) *old = std::move(e);
    else entries_.push_back(std::move(e));
}

Variant MemoryBag::ReadProperty(const Text& key, const Variant& def) {
    const Entry* e = Find(key);
    return e && !e->isFont ? e->value : def;
}

void MemoryBag::WriteProperty(const Text& key, const Variant& value, const Variant&) {
    Add(Entry{key, false, value, FontDesc{}});
}

FontDesc MemoryBag::ReadFont(const Text& key, const FontDesc& def) {
    const Entry* e = Find(key);
    return e && e->isFont ? e->font : def;
}

void MemoryBag::WriteFont(const Text& key, const FontDesc& value) { Add(Entry{key, true, Variant(), value}); }

std::vector<uint8_t> Serialize(const MemoryBag& bag) {
    Writer payload;
    payload.Put<uint16_t>(static_cast<uint16_t>(bag.Entries().size()));
    for (const MemoryBag::Entry& e : bag.Entries()) {
        payload.PutText(e.key);
        if (e.isFont) {
            payload.Put<uint8_t>(kFont);
            payload.PutText(e.font.name);
            payload.Put<double>(e.font.size);
            payload.Put<int16_t>(e.font.weight);
            payload.Put<int16_t>(e.font.charset);
            payload.Put<uint8_t>((e.font.italic ? kItalic : 0) | (e.font.underline ? kUnderline : 0) |
                                 (e.font.strikethrough ? kStrike : 0));
        } else {
            WriteValue(payload, e.value);
        }
    }
    Writer all;
    all.Put<uint32_t>(kMagic);
    all.Put<uint16_t>(kStreamVersion);
    all.Put<uint16_t>(0);
    all.Put<uint32_t>(static_cast<uint32_t>(payload.out.size()));
    all.out.insert(all.out.end(), payload.out.begin(), payload.out.end());
    return all.out;
}

bool ParseHeader(const uint8_t* header, uint32_t* payloadLength) {
    Reader r(header, kStreamHeaderSize);
    uint32_t magic = 0;
    uint16_t version = 0, reserved = 0;
    r.Get(&magic);
    r.Get(&version);
    r.Get(&reserved);
    r.Get(payloadLength);
    return magic == kMagic && version == kStreamVersion;
}

bool ParsePayload(const uint8_t* data, size_t size, MemoryBag* out) {
    Reader r(data, size);
    uint16_t count = 0;
    if (!r.Get(&count)) return false;
    for (uint16_t i = 0; i < count; ++i) {
        MemoryBag::Entry e;
        uint8_t tag = 0;
        if (!r.GetText(&e.key) || !r.Get(&tag) || !ReadValue(r, tag, &e)) return false;
        out->Add(std::move(e));
    }
    return r.AtEnd();
}

}  // namespace mirelo::server
