#pragma once
// What the list tells its host. Every argument is a reference: a handler may
// rewrite it and the control reads it back. Raised synchronously; handlers may
// call back into the control.
#include <cstdint>

namespace mirelo {

class MireloListEvents {
public:
    virtual ~MireloListEvents() = default;
    virtual void Click(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void DBClick(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseDown(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseMove(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseUp(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void ListIndexChanged(int16_t& /*OldIndex*/, int16_t& /*NewIndex*/, int16_t& /*wFlag*/) {}
    virtual void PlayIndexChanged(int16_t& /*OldIndex*/, int16_t& /*NewIndex*/, int16_t& /*wFlag*/) {}
    virtual void Scroll() {}
    virtual void Resize() {}
};

}  // namespace mirelo
