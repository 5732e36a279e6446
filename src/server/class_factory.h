#pragma once
// The class factory of the control; one static instance per class served.
#include <ole2.h>

namespace mirelo::server {

// The factory for the class, or null when this module does not serve it.
IClassFactory* ClassFactoryFor(REFCLSID clsid);

}  // namespace mirelo::server
