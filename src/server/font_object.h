#pragma once
// The control's font as a standard font object (IFontDisp), both ways, and
// the one font object the control hands out: a host that changes it
// (ctl.Font.Bold = True) changes the control's font.
#include <ocidl.h>
#include <olectl.h>

#include <functional>

#include "platform/font.h"
#include "server/com_ptr.h"

namespace mirelo::server {

ComPtr<IFontDisp> CreateFontObject(const FontDesc& desc);
// False when `object` is no font object.
bool ReadFontObject(IUnknown* object, FontDesc* desc);

class FontLink : public IPropertyNotifySink {
public:
    // `changed` receives the object's new description after a host changed it.
    explicit FontLink(std::function<void(const FontDesc&)> changed) : changed_(std::move(changed)) {}
    ~FontLink();
    FontLink(const FontLink&) = delete;
    FontLink& operator=(const FontLink&) = delete;

    // The font object for `current`: the one handed out before while the
    // control's font has not changed since, else a new one.
    ComPtr<IFontDisp> Object(const FontDesc& current);
    void Disconnect();

    // IPropertyNotifySink. Lives inside the control: no reference counting.
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        return AnswerOne<IPropertyNotifySink>(this, IID_IPropertyNotifySink, iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP OnChanged(DISPID id) override;
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

private:
    std::function<void(const FontDesc&)> changed_;
    ComPtr<IFontDisp> font_;
    FontDesc desc_;  // what font_ stands for, as the control knows it
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

}  // namespace mirelo::server
