#include "server/quick_activate.h"

#include <cstddef>

#include "MireloList_h.h"
#include "server/list_control.h"

namespace mirelo::server {

namespace {

// Connects `sink` at the control's connection point for `iid`; no sink, no connection.
HRESULT ConnectSink(IConnectionPointContainer& points, REFIID iid, IUnknown* sink, DWORD* cookie) {
    *cookie = 0;
    if (!sink) return S_OK;
    ComPtr<IConnectionPoint> point;
    HRESULT hr = points.FindConnectionPoint(iid, point.Out());
    if (SUCCEEDED(hr)) hr = point->Advise(sink, cookie);
    return hr;
}

}  // namespace

STDMETHODIMP QuickActivation::QuickActivate(QACONTAINER* container, QACONTROL* control) {
    if (!container || !control) return E_POINTER;
    // Containers of every age fill at least the site, the sinks and the ambient flags.
    if (container->cbSize < offsetof(QACONTAINER, colorFore) || control->cbSize < sizeof(QACONTROL))
        return E_INVALIDARG;
    ControlSite& site = owner_.Site();
    site.SetClientSite(container->pClientSite);
    site.SetQuickAmbients(container->dwAmbientFlags);
    if (container->pAdviseSink) owner_.View().SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);

    ConnectionPoints& points = owner_.Points();
    HRESULT hr = ConnectSink(points, DIID___MireloList, container->pUnkEventSink, &control->dwEventCookie);
    if (SUCCEEDED(hr))
        hr = ConnectSink(points, IID_IPropertyNotifySink, container->pPropertyNotifySink, &control->dwPropNotifyCookie);
    if (FAILED(hr)) return hr;

    control->dwMiscStatus = OleObject::kMiscStatus;
    owner_.View().GetViewStatus(&control->dwViewStatus);
    control->dwPointerActivationPolicy = 0;  // no IPointerInactive: see docs/component.md
    return S_OK;
}

STDMETHODIMP QuickActivation::SetContentExtent(LPSIZEL size) {
    if (!size) return E_POINTER;
    return owner_.SetExtent(*size);
}

STDMETHODIMP QuickActivation::GetContentExtent(LPSIZEL size) {
    if (!size) return E_POINTER;
    *size = owner_.Extent();
    return S_OK;
}

}  // namespace mirelo::server
