#pragma once
// The demo's tour: every gesture a user makes on the list, sent to its window
// as the system sends a hand's mouse and keys, each step printed with what it did.
#include <windows.h>
#include <oaidl.h>

namespace demo {

void RunTour(IDispatch* list);

}  // namespace demo
