#pragma once
// The persisted properties by key: their dispatch identifiers (for the
// property-changed notification) and their property-browser categories.
#include <ole2.h>

#include "base/text.h"

namespace mirelo::server {

// DISPID_UNKNOWN for a key the table does not know ("something changed").
DISPID DispidOfKey(const Text& key);

// Custom categories; 0 when the property is shown under the browser's default.
int CategoryOf(DISPID id);
const wchar_t* CategoryName(int category);  // null for an unknown category

}  // namespace mirelo::server
