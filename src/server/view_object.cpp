#include "server/view_object.h"

#include "server/list_control.h"

namespace mirelo::server {

STDMETHODIMP ViewObject::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC drawDc, LPCRECTL bounds,
                              LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!drawDc || !bounds) return E_INVALIDARG;
    const RECT rc = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    return owner_.Call([&] { owner_.Surface().RenderTo(drawDc, rc); });
}

STDMETHODIMP ViewObject::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = viewAspects_;
    if (flags) *flags = viewFlags_;
    if (sink) *sink = ComPtr<IAdviseSink>(viewSink_).Detach();  // a reference of the caller's own
    return S_OK;
}

STDMETHODIMP ViewObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    *size = owner_.Extent();
    return S_OK;
}

STDMETHODIMP ViewObject::GetRect(DWORD aspect, LPRECTL rect) {
    // Opaque all over: the opaque part is the whole content.
    if (aspect != DVASPECT_CONTENT && aspect != DVASPECT_OPAQUE) return DV_E_DVASPECT;
    if (!rect) return E_POINTER;
    const SIZEL extent = owner_.Extent();
    *rect = {0, 0, extent.cx, extent.cy};
    return S_OK;
}

STDMETHODIMP ViewObject::QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT where, LONG, DWORD* result) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!bounds || !result) return E_POINTER;
    *result = PtInRect(bounds, where) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
    return S_OK;
}

STDMETHODIMP ViewObject::QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT where, LONG, DWORD* result) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!bounds || !where || !result) return E_POINTER;
    RECT common;
    *result = IntersectRect(&common, bounds, where) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
    return S_OK;
}

void ViewObject::PictureChanged() {
    if (!(viewAspects_ & DVASPECT_CONTENT)) return;
    // Called from a copy: the sink may set another while it is told.
    ComPtr<IAdviseSink> sink = viewSink_;
    if (!sink) return;
    if (viewFlags_ & ADVF_ONLYONCE) viewSink_.Reset();
    sink->OnViewChange(DVASPECT_CONTENT, -1);
}

}  // namespace mirelo::server
