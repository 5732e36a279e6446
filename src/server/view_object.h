#pragma once
// IViewObjectEx: drawing the control onto a device context the container
// gives (a container that shows the control without activating it, or prints
// it), and what a container asks before it draws: the control covers its
// whole rectangle opaquely on a solid background (so nothing needs erasing
// behind it), and every point of its rectangle belongs to it.
#include <ole2.h>
#include <ocidl.h>

#include "server/com_ptr.h"
#include "server/part.h"

namespace mirelo::server {

class ViewObject : public Part<IViewObjectEx> {
public:
    explicit ViewObject(ListControl& owner) : Part(owner) {}

    // IViewObject.
    STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* target, HDC targetDc,
                      HDC drawDc, LPCRECTL bounds, LPCRECTL windowBounds, BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                      ULONG_PTR contArg) override;
    STDMETHODIMP GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** set) override {
        if (set) *set = nullptr;
        return S_FALSE;
    }
    STDMETHODIMP Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unfreeze(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override {
        viewAspects_ = aspects;
        viewFlags_ = flags;
        viewSink_ = ComPtr<IAdviseSink>(sink);
        return S_OK;
    }
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    // IViewObject2: drawn at the size it is embedded at.
    STDMETHODIMP GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) override;
    // IViewObjectEx.
    STDMETHODIMP GetRect(DWORD aspect, LPRECTL rect) override;
    STDMETHODIMP GetViewStatus(DWORD* status) override {
        if (!status) return E_POINTER;
        *status = VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND;
        return S_OK;
    }
    STDMETHODIMP QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT where, LONG closeHint, DWORD* result) override;
    STDMETHODIMP QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT where, LONG closeHint, DWORD* result) override;
    // The rows scroll: the list has no size of its own to propose.
    STDMETHODIMP GetNaturalExtent(DWORD, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO*, LPSIZEL) override {
        return E_NOTIMPL;
    }

    // The control's picture changed: tell the container's view sink.
    void PictureChanged();
    void ReleaseAdvise() { viewSink_.Reset(); }

private:
    ComPtr<IAdviseSink> viewSink_;
    DWORD viewAspects_ = 0, viewFlags_ = 0;
};

}  // namespace mirelo::server
