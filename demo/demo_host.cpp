#include "demo_host.h"

#include <cstdio>

namespace demo {

STDMETHODIMP DemoSite::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) *out = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) *out = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *out = static_cast<IOleInPlaceFrame*>(this);
    else if (iid == IID_IDispatch) *out = static_cast<IDispatch*>(this);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) DemoSite::Release() {
    const LONG n = --refs_;
    if (n == 0) delete this;
    return n;
}

STDMETHODIMP DemoSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                        LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    *frame = this;
    AddRef();
    *doc = nullptr;
    *pos = position_;
    *clip = position_;
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP DemoSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                              UINT*) {
    if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
    if (id == DISPID_AMBIENT_USERMODE) {
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = VARIANT_TRUE;
        return S_OK;
    }
    if (id == DISPID_AMBIENT_DISPLAYNAME) {
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = SysAllocString(name_.c_str());
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

namespace {

bool Failed(const char* step, HRESULT hr) {
    if (SUCCEEDED(hr)) return false;
    fprintf(stderr, "demo: %s failed (0x%08lx)\n", step, static_cast<unsigned long>(hr));
    return true;
}

}  // namespace

IDispatch* HostControl(const wchar_t* progId, HWND window, RECT position, DemoSite** site) {
    CLSID clsid;
    if (Failed("CLSIDFromProgID", CLSIDFromProgID(progId, &clsid))) return nullptr;
    IOleObject* ole = nullptr;
    if (Failed("CoCreateInstance", CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                                    reinterpret_cast<void**>(&ole))))
        return nullptr;
    *site = new DemoSite(window, position, L"PlayList");
    ole->SetClientSite(*site);
    IPersistStreamInit* persist = nullptr;
    if (SUCCEEDED(ole->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)))) {
        persist->InitNew();
        persist->Release();
    }
    SIZEL himetric = {MulDiv(position.right - position.left, 2540, 96),
                      MulDiv(position.bottom - position.top, 2540, 96)};
    ole->SetExtent(DVASPECT_CONTENT, &himetric);
    IDispatch* dispatch = nullptr;
    if (!Failed("DoVerb", ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, *site, 0, window, &position)))
        ole->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    ole->Release();
    return dispatch;
}

}  // namespace demo
