#pragma once
// A property bag in memory, in the order values were written: what the
// control's stream holds, parsed or about to be written.
#include <vector>

#include "platform/property_bag.h"

namespace mirelo::server {

class MemoryBag : public PropertyBag {
public:
    struct Entry {
        Text key;
        bool isFont = false;
        Variant value;
        FontDesc font;
    };

    Variant ReadProperty(const Text& key, const Variant& def) override;
    void WriteProperty(const Text& key, const Variant& value, const Variant& def) override;
    FontDesc ReadFont(const Text& key, const FontDesc& def) override;
    void WriteFont(const Text& key, const FontDesc& value) override;

    const std::vector<Entry>& Entries() const { return entries_; }
    // Replaces the entry of the same key, else adds one at the end.
    void Add(Entry e);

private:
    Entry* Find(const Text& key);

    std::vector<Entry> entries_;
};

// The stream form: a header (magic "MLST", format version, payload length)
// and the entries, each a key, a type tag and a value, little-endian.
// Parse accepts exactly the versions it knows and fails on anything
// malformed, leaving `out` unspecified.
constexpr uint16_t kStreamVersion = 1;
constexpr size_t kStreamHeaderSize = 12;
std::vector<uint8_t> Serialize(const MemoryBag& bag);
// The payload length a header announces, or false when it is not ours.
bool ParseHeader(const uint8_t* header, uint32_t* payloadLength);
bool ParsePayload(const uint8_t* data, size_t size, MemoryBag* out);

}  // namespace mirelo::server
