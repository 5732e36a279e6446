#pragma once
// A part of the control implements some of its interfaces; it shares the
// control's identity and lifetime, so its IUnknown goes to the control.
#include <unknwn.h>

namespace mirelo::server {

class ListControl;

template <class... Interfaces>
class Part : public Interfaces... {
public:
    explicit Part(ListControl& owner) : owner_(owner) {}
    Part(const Part&) = delete;
    Part& operator=(const Part&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

protected:
    ~Part() = default;
    ListControl& owner_;
};

}  // namespace mirelo::server
