#pragma once
// The control's side of the container conversation: IOleControl (ambient
// changes, frozen events), IProvideClassInfo2 (the class and its event
// interface) and the property-browser categories.
#include <ocidl.h>
#include <olectl.h>

#include "MireloList_h.h"
#include "server/categorize_properties.h"
#include "server/part.h"

namespace mirelo::server {

class OleControl : public Part<IOleControl, IProvideClassInfo2, ICategorizeProperties> {
public:
    explicit OleControl(ListControl& owner) : Part(owner) {}

    // IOleControl.
    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override {
        if (!info) return E_POINTER;
        if (info->cb != sizeof(CONTROLINFO)) return E_INVALIDARG;
        // No mnemonics: the list takes its keys while it has the focus.
        info->hAccel = nullptr;
        info->cAccel = 0;
        info->dwFlags = 0;
        return S_OK;
    }
    STDMETHODIMP OnMnemonic(MSG*) override { return E_NOTIMPL; }
    STDMETHODIMP OnAmbientPropertyChange(DISPID id) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;

    // IProvideClassInfo2.
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override {
        if (!guid) return E_POINTER;
        const bool events = kind == GUIDKIND_DEFAULT_SOURCE_DISP_IID;  // the one kind there is
        *guid = events ? DIID___MireloList : GUID_NULL;
        return events ? S_OK : E_INVALIDARG;
    }

    // ICategorizeProperties.
    STDMETHODIMP MapPropertyToCategory(DISPID id, PROPCAT* category) override;
    STDMETHODIMP GetCategoryName(PROPCAT category, LCID lcid, BSTR* name) override;
};

}  // namespace mirelo::server
