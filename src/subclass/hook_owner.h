#pragma once
// The callback a hooking control implements. Every argument but bBefore is
// by reference: the callee may consume the message (bHandled, honoured only
// before the previous procedure), set the result, and rewrite the message
// that the previous procedure then receives.
#include <cstdint>

#include "base/numeric.h"

namespace mirelo {

class HookOwner {
public:
    virtual ~HookOwner() = default;
    virtual void zSubclass_Proc(bool bBefore, Bool16& bHandled, int32_t& lReturn, int32_t& hWnd, int32_t& uMsg,
                                int32_t& wParam, int32_t& lParam) = 0;
};

}  // namespace mirelo
