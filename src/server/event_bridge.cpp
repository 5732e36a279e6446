#include "server/event_bridge.h"

#include <algorithm>

#include "server/connection_points.h"

namespace mirelo::server {

namespace {

enum : DISPID {
    kClick = 1, kDBClick, kMouseDown, kMouseMove, kMouseUp, kListIndexChanged, kPlayIndexChanged, kScroll, kResize
};

VARIANTARG Ref(int16_t& v) {
    VARIANTARG a;
    V_VT(&a) = VT_BYREF | VT_I2;
    V_I2REF(&a) = &v;
    return a;
}

VARIANTARG Ref(float& v) {
    VARIANTARG a;
    V_VT(&a) = VT_BYREF | VT_R4;
    V_R4REF(&a) = &v;
    return a;
}

}  // namespace

template <class... Args>
void EventBridge::Fire(DISPID id, Args&... args) {
    if (frozen_ > 0) return;
    // IDispatch takes the arguments last to first. The spare element keeps
    // the array from being empty for an event without arguments.
    VARIANTARG refs[] = {Ref(args)..., VARIANTARG{}};
    const UINT count = sizeof...(Args);
    std::reverse(refs, refs + count);
    DISPPARAMS params = {count ? refs : nullptr, nullptr, count, 0};
    for (const ComPtr<IUnknown>& sink : point_.Sinks()) {
        // Advised as __MireloList or as IDispatch: an IDispatch either way.
        auto* dispatch = static_cast<IDispatch*>(static_cast<void*>(sink.Get()));
        EXCEPINFO excep = {};
        UINT argErr = 0;
        // A sink's failure is its own business: the others still hear the event.
        dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, &excep, &argErr);
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
    }
}

void EventBridge::Click(int16_t& Button, int16_t& Shift, float& X, float& Y) { Fire(kClick, Button, Shift, X, Y); }
void EventBridge::DBClick(int16_t& Button, int16_t& Shift, float& X, float& Y) { Fire(kDBClick, Button, Shift, X, Y); }
void EventBridge::MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) {
    Fire(kMouseDown, Button, Shift, X, Y);
}
void EventBridge::MouseMove(int16_t& Button, int16_t& Shift, float& X, float& Y) {
    Fire(kMouseMove, Button, Shift, X, Y);
}
void EventBridge::MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) { Fire(kMouseUp, Button, Shift, X, Y); }
void EventBridge::ListIndexChanged(int16_t& OldIndex, int16_t& NewIndex, int16_t& wFlag) {
    Fire(kListIndexChanged, OldIndex, NewIndex, wFlag);
}
void EventBridge::PlayIndexChanged(int16_t& OldIndex, int16_t& NewIndex, int16_t& wFlag) {
    Fire(kPlayIndexChanged, OldIndex, NewIndex, wFlag);
}
void EventBridge::Scroll() { Fire(kScroll); }
void EventBridge::Resize() { Fire(kResize); }

}  // namespace mirelo::server
