#pragma once
// The core's events raised to every connected __MireloList sink through
// IDispatch::Invoke. Arguments go by reference to the core's own variables
// (VT_BYREF | VT_I2 / VT_R4), so what a sink writes is what the next sink and
// then the control read back. While the container freezes events they are
// dropped, as containers expect.
#include <ole2.h>

#include "listctl/events.h"

namespace mirelo::server {

class ConnectionPoint;

class EventBridge : public MireloListEvents {
public:
    explicit EventBridge(ConnectionPoint& point) : point_(point) {}

    void Freeze(bool freeze) { frozen_ += freeze ? 1 : -1; }

    void Click(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void DBClick(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void MouseMove(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void ListIndexChanged(int16_t& OldIndex, int16_t& NewIndex, int16_t& wFlag) override;
    void PlayIndexChanged(int16_t& OldIndex, int16_t& NewIndex, int16_t& wFlag) override;
    void Scroll() override;
    void Resize() override;

private:
    // Raises the event with the arguments by reference, in the order of its parameters.
    template <class... Args>
    void Fire(DISPID id, Args&... args);

    ConnectionPoint& point_;
    int frozen_ = 0;
};

}  // namespace mirelo::server
