#pragma once
// IDataObject: the control's picture for containers that show it without
// activating it (Office documents), the clipboard and drag and drop: an
// enhanced metafile (CF_ENHMETAFILE) or, for older readers, a metafile
// picture (CF_METAFILEPICT), both at the control's extent and drawn by the
// view's own Draw. Data advise sinks hear when the picture changed.
#include <ole2.h>

#include "server/com_ptr.h"
#include "server/part.h"

namespace mirelo::server {

class DataObject : public Part<IDataObject> {
public:
    explicit DataObject(ListControl& owner) : Part(owner) {}

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    // A GDI handle cannot be drawn into a medium the caller made.
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return DATA_E_FORMATETC; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
    STDMETHODIMP DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* cookie) override;
    STDMETHODIMP DUnadvise(DWORD cookie) override {
        return holder_ ? holder_->Unadvise(cookie) : OLE_E_NOCONNECTION;
    }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** out) override;

    // The control's picture changed: tell the sinks.
    void PictureChanged();
    void ReleaseAdvise() { holder_.Reset(); }

private:
    ComPtr<IDataAdviseHolder> holder_;
};

}  // namespace mirelo::server
