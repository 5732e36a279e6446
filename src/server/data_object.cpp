#include "server/data_object.h"

#include <vector>

#include "server/enumerator.h"
#include "server/list_control.h"

namespace mirelo::server {

namespace {

FORMATETC Format(CLIPFORMAT format, DWORD tymed) { return {format, nullptr, DVASPECT_CONTENT, -1, tymed}; }

// The picture in a metafile DC: the view draws the control into `bounds`.
HRESULT DrawPicture(ListControl& owner, HDC dc, int width, int height) {
    const RECTL bounds = {0, 0, width, height};
    return owner.View().Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0);
}

}  // namespace

STDMETHODIMP DataObject::QueryGetData(FORMATETC* format) {
    if (!format) return E_POINTER;
    if (format->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (format->lindex != -1) return DV_E_LINDEX;
    if (format->cfFormat == CF_ENHMETAFILE) return format->tymed & TYMED_ENHMF ? S_OK : DV_E_TYMED;
    if (format->cfFormat == CF_METAFILEPICT) return format->tymed & TYMED_MFPICT ? S_OK : DV_E_TYMED;
    return DV_E_FORMATETC;
}

STDMETHODIMP DataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!medium) return E_POINTER;
    HRESULT hr = QueryGetData(format);
    if (FAILED(hr)) return hr;
    // Pixels of the control's surface, framed at its extent (HIMETRIC is the
    // metafiles' hundredths of a millimetre).
    const int width = owner_.Surface().ScaleWidth(), height = owner_.Surface().ScaleHeight();
    const SIZEL extent = owner_.Extent();
    *medium = {};
    if (format->cfFormat == CF_ENHMETAFILE) {
        const RECT frame = {0, 0, extent.cx, extent.cy};
        HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
        if (!dc) return E_OUTOFMEMORY;
        hr = DrawPicture(owner_, dc, width, height);
        HENHMETAFILE picture = CloseEnhMetaFile(dc);
        if (FAILED(hr) || !picture) {
            if (picture) DeleteEnhMetaFile(picture);
            return FAILED(hr) ? hr : E_OUTOFMEMORY;
        }
        medium->tymed = TYMED_ENHMF;
        medium->hEnhMetaFile = picture;
        return S_OK;
    }
    HDC dc = CreateMetaFileW(nullptr);
    if (!dc) return E_OUTOFMEMORY;
    // An anisotropic picture: the reader maps the window onto its rectangle.
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetWindowExtEx(dc, width, height, nullptr);
    hr = DrawPicture(owner_, dc, width, height);
    HMETAFILE picture = CloseMetaFile(dc);
    HGLOBAL block = picture && SUCCEEDED(hr) ? GlobalAlloc(GMEM_MOVEABLE, sizeof(METAFILEPICT)) : nullptr;
    auto* pict = block ? static_cast<METAFILEPICT*>(GlobalLock(block)) : nullptr;
    if (!pict) {
        if (block) GlobalFree(block);
        if (picture) DeleteMetaFile(picture);
        return FAILED(hr) ? hr : E_OUTOFMEMORY;
    }
    *pict = {MM_ANISOTROPIC, extent.cx, extent.cy, picture};
    GlobalUnlock(block);
    medium->tymed = TYMED_MFPICT;
    medium->hMetaFilePict = block;
    return S_OK;
}

STDMETHODIMP DataObject::GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) {
    if (!in || !out) return E_POINTER;
    *out = *in;
    out->ptd = nullptr;  // the picture is the same for every target device
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP DataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    std::vector<FORMATETC> formats = {Format(CF_ENHMETAFILE, TYMED_ENHMF), Format(CF_METAFILEPICT, TYMED_MFPICT)};
    *out = new Enumerator<IEnumFORMATETC, FORMATETC>(this, std::move(formats), IID_IEnumFORMATETC);
    return S_OK;
}

STDMETHODIMP DataObject::DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* cookie) {
    if (!format || !sink || !cookie) return E_POINTER;
    *cookie = 0;
    const HRESULT hr = QueryGetData(format);
    if (FAILED(hr)) return hr;
    if (!holder_ && FAILED(CreateDataAdviseHolder(holder_.Out()))) return E_OUTOFMEMORY;
    return holder_->Advise(this, format, flags, sink, cookie);
}

STDMETHODIMP DataObject::EnumDAdvise(IEnumSTATDATA** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return holder_ ? holder_->EnumAdvise(out) : OLE_E_ADVISENOTSUPPORTED;
}

void DataObject::PictureChanged() {
    if (holder_) holder_->SendOnDataChange(this, 0, 0);
}

}  // namespace mirelo::server
