#pragma once
// In-place activation: the control's own child window inside the container's
// window, UI activation with the focus, and deactivation back to the
// off-screen surface.
#include <ole2.h>

#include "server/com_ptr.h"
#include "server/part.h"
#include "win32/control_window.h"

namespace mirelo::server {

class InPlace : public Part<IOleInPlaceObject, IOleInPlaceActiveObject>, public win32::ControlWindowHost {
public:
    explicit InPlace(ListControl& owner) : Part(owner) {}

    // `site` is the one DoVerb names, or null for the control's client site.
    HRESULT Activate(IOleClientSite* site, bool uiActivate);
    void Deactivate();
    void Hide();

    // IOleWindow.
    STDMETHODIMP GetWindow(HWND* hwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    // IOleInPlaceObject.
    STDMETHODIMP InPlaceDeactivate() override {
        Deactivate();
        return S_OK;
    }
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT pos, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }
    // IOleInPlaceActiveObject.
    STDMETHODIMP TranslateAccelerator(LPMSG) override { return S_FALSE; }
    STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }

    // ControlWindowHost.
    void MousePressed() override;
    void FocusChanged(bool gained) override;
    void WindowDestroyed() override;

private:
    HRESULT ActivateUI();
    // Lets go of the site and its windows, then tells the site.
    void LeaveSite();

    ComPtr<IOleInPlaceSite> site_;
    ComPtr<IOleInPlaceFrame> frame_;
    ComPtr<IOleInPlaceUIWindow> document_;
    bool active_ = false;
    bool uiActive_ = false;
};

}  // namespace mirelo::server
