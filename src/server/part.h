#pragma once
// A part of the control implements some of its interfaces; it shares the
// control's identity and lifetime, so its IUnknown goes to the control.
#include <unknwn.h>

#include "MireloList_h.h"

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

// The control's class, as every interface that asks for it answers.
inline HRESULT ControlClassId(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_MireloList;
    return S_OK;
}

}  // namespace mirelo::server
