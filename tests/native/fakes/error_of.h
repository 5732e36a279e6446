#pragma once
// The run-time error number a call raises, or 0 when it returns normally.
#include <functional>

#include "base/error.h"

namespace mirelo {

inline int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace mirelo
