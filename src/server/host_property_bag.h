#pragma once
// The host's IPropertyBag as the core's property bag. Every value is written,
// whatever default the core hands along; the font goes in as a standard font
// object, for the bag to persist as it persists objects.
#include <ocidl.h>

#include "platform/property_bag.h"

namespace mirelo::server {

class HostPropertyBag : public PropertyBag {
public:
    HostPropertyBag(IPropertyBag* bag, IErrorLog* log) : bag_(bag), log_(log) {}

    Variant ReadProperty(const Text& key, const Variant& def) override;
    void WriteProperty(const Text& key, const Variant& value, const Variant& def) override;
    FontDesc ReadFont(const Text& key, const FontDesc& def) override;
    void WriteFont(const Text& key, const FontDesc& value) override;

private:
    IPropertyBag* bag_;
    IErrorLog* log_;
};

}  // namespace mirelo::server
