#pragma once
// The host's property bag. A read returns the stored value or the default
// given; a write hands the default along so a bag may leave equal values out.
#include "base/text.h"
#include "base/variant.h"
#include "platform/font.h"

namespace mirelo {

class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    virtual Variant ReadProperty(const Text& key, const Variant& def) = 0;
    virtual void WriteProperty(const Text& key, const Variant& value, const Variant& def) = 0;
    virtual FontDesc ReadFont(const Text& key, const FontDesc& def) = 0;
    virtual void WriteFont(const Text& key, const FontDesc& value) = 0;
};

}  // namespace mirelo
