#pragma once
// Automation VARIANTs to and from the core's Variant.
#include <ole2.h>

#include "base/variant.h"

namespace mirelo::server {

// By-reference values are read through. An omitted argument (VT_ERROR
// DISP_E_PARAMNOTFOUND) is Missing, and so is VT_EMPTY when `optional`:
// clients pass an omitted optional argument either way. Raises error 13 for
// what the core's variants cannot hold.
Variant FromVariant(const VARIANT& v, bool optional = false);
// out must be initialised; it is cleared first.
void ToVariant(const Variant& v, VARIANT* out);

}  // namespace mirelo::server
