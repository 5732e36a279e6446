#pragma once
// Saving and loading the control: a property bag (IPersistPropertyBag) or a
// stream (IPersistStreamInit), both holding the same values. InitNew gives a
// new control its defaults; a control used before either (script clients call
// neither) gets them on first use.
#include <ocidl.h>

#include <cstdint>
#include <vector>

#include "platform/property_bag.h"
#include "server/part.h"

namespace mirelo::server {

class Persistence : public Part<IPersistStreamInit, IPersistPropertyBag> {
public:
    explicit Persistence(ListControl& owner) : Part(owner) {}

    STDMETHODIMP GetClassID(CLSID* clsid) override { return ControlClassId(clsid); }
    STDMETHODIMP InitNew() override;

    // IPersistStreamInit.
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(LPSTREAM stream) override;
    STDMETHODIMP Save(LPSTREAM stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;

    // IPersistPropertyBag.
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
    STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

private:
    // Load from either form: like InitNew, the control's one initialisation.
    HRESULT LoadFrom(PropertyBag& bag);
    // The control's properties as its stream holds them.
    HRESULT StreamForm(std::vector<uint8_t>* data);
};

}  // namespace mirelo::server
