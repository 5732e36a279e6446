#pragma once
// IViewObject2: the control drawn onto a device context the container gives,
// for containers that show it without activating it or print it.
#include <ole2.h>

#include "server/com_ptr.h"
#include "server/part.h"

namespace mirelo::server {

class ViewObject : public Part<IViewObject2> {
public:
    explicit ViewObject(ListControl& owner) : Part(owner) {}

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
        aspects_ = aspects;
        flags_ = flags;
        sink_ = ComPtr<IAdviseSink>(sink);
        return S_OK;
    }
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* target, LPSIZEL size) override;

    void ReleaseAdvise() { sink_.Reset(); }

private:
    ComPtr<IAdviseSink> sink_;
    DWORD aspects_ = 0, flags_ = 0;
};

}  // namespace mirelo::server
