#include "server/ole_object.h"

#include "server/list_control.h"

namespace mirelo::server {

STDMETHODIMP OleObject::SetClientSite(IOleClientSite* site) {
    owner_.Site().SetClientSite(site);
    return S_OK;
}

STDMETHODIMP OleObject::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = ComPtr<IOleClientSite>(owner_.Site().ClientSite()).Detach();
    return S_OK;
}

STDMETHODIMP OleObject::Close(DWORD saveOption) {
    owner_.InPlaceState().Deactivate();
    IOleClientSite* site = owner_.Site().ClientSite();
    if (site && owner_.IsDirty() &&
        (saveOption == OLECLOSE_SAVEIFDIRTY || saveOption == OLECLOSE_PROMPTSAVE))
        site->SaveObject();
    if (adviseHolder_) adviseHolder_->SendOnClose();
    return S_OK;
}

STDMETHODIMP OleObject::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT) {
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_UIACTIVATE:
        return owner_.InPlaceState().Activate(site, true);
    case OLEIVERB_INPLACEACTIVATE:
        return owner_.InPlaceState().Activate(site, false);
    case OLEIVERB_HIDE:
        owner_.InPlaceState().Hide();
        return S_OK;
    default:
        return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

STDMETHODIMP OleObject::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    return owner_.SetExtent(*size);
}

STDMETHODIMP OleObject::GetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    *size = owner_.Extent();
    return S_OK;
}

STDMETHODIMP OleObject::Advise(IAdviseSink* sink, DWORD* cookie) {
    if (!adviseHolder_ && FAILED(CreateOleAdviseHolder(adviseHolder_.Out()))) return E_OUTOFMEMORY;
    return adviseHolder_->Advise(sink, cookie);
}

STDMETHODIMP OleObject::EnumAdvise(IEnumSTATDATA** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return adviseHolder_ ? adviseHolder_->EnumAdvise(out) : S_OK;
}

}  // namespace mirelo::server
