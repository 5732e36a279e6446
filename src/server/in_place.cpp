#include "server/in_place.h"

#include <ocidl.h>

#include "server/list_control.h"

namespace mirelo::server {

HRESULT InPlace::Activate(IOleClientSite* site, bool uiActivate) {
    HRESULT hr = owner_.Call([] {});  // a control activated before InitNew gets its defaults now
    if (FAILED(hr)) return hr;
    if (!active_) {
        IOleClientSite* client = site ? site : owner_.Site().ClientSite();
        if (!client) return E_INVALIDARG;
        ComPtr<IOleInPlaceSite> inPlaceSite;
        if (FAILED(client->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(inPlaceSite.Out()))))
            return E_NOINTERFACE;
        if (inPlaceSite->CanInPlaceActivate() != S_OK) return E_FAIL;
        if (FAILED(hr = inPlaceSite->OnInPlaceActivate())) return hr;
        site_ = inPlaceSite;
        active_ = true;

        HWND parent = nullptr;
        RECT pos = {}, clip = {};
        OLEINPLACEFRAMEINFO info = {};
        info.cb = sizeof(info);
        site_->GetWindow(&parent);
        site_->GetWindowContext(frame_.Out(), document_.Out(), &pos, &clip, &info);
        if (!parent || !owner_.Window().Create(parent, pos)) {
            Deactivate();
            return E_FAIL;
        }
        ShowWindow(owner_.Window().Handle(), SW_SHOWNA);
    }
    return uiActivate ? ActivateUI() : S_OK;
}

HRESULT InPlace::ActivateUI() {
    if (!active_) return E_UNEXPECTED;
    HWND hwnd = owner_.Window().Handle();
    if (!uiActive_) {
        uiActive_ = true;
        site_->OnUIActivate();
        IOleInPlaceActiveObject* self = this;
        if (frame_) {
            frame_->SetActiveObject(self, nullptr);
            frame_->SetBorderSpace(nullptr);
        }
        if (document_) {
            document_->SetActiveObject(self, nullptr);
            document_->SetBorderSpace(nullptr);
        }
    }
    if (hwnd && GetFocus() != hwnd) SetFocus(hwnd);
    return S_OK;
}

STDMETHODIMP InPlace::UIDeactivate() {
    if (!uiActive_) return S_OK;
    uiActive_ = false;
    if (frame_) frame_->SetActiveObject(nullptr, nullptr);
    if (document_) document_->SetActiveObject(nullptr, nullptr);
    if (site_) site_->OnUIDeactivate(FALSE);
    return S_OK;
}

void InPlace::LeaveSite() {
    ComPtr<IOleInPlaceSite> site = std::move(site_);
    frame_.Reset();
    document_.Reset();
    if (site) site->OnInPlaceDeactivate();
}

void InPlace::Deactivate() {
    if (!active_) return;
    UIDeactivate();
    active_ = false;
    owner_.Window().Destroy();
    LeaveSite();
}

void InPlace::Hide() {
    UIDeactivate();
    if (HWND hwnd = owner_.Window().Handle()) ShowWindow(hwnd, SW_HIDE);
}

STDMETHODIMP InPlace::GetWindow(HWND* hwnd) {
    if (!hwnd) return E_POINTER;
    *hwnd = owner_.Window().Handle();
    return *hwnd ? S_OK : E_FAIL;
}

STDMETHODIMP InPlace::SetObjectRects(LPCRECT pos, LPCRECT /*clip*/) {
    if (!pos) return E_POINTER;
    owner_.NoteWindowRect(*pos);
    if (HWND hwnd = owner_.Window().Handle())
        MoveWindow(hwnd, pos->left, pos->top, pos->right - pos->left, pos->bottom - pos->top, TRUE);
    return S_OK;
}

void InPlace::MousePressed() {
    if (active_ && !uiActive_) ActivateUI();
    else if (HWND hwnd = owner_.Window().Handle()) SetFocus(hwnd);
}

void InPlace::FocusChanged(bool gained) {
    ComPtr<IOleControlSite> controlSite =
        ComPtr<IOleClientSite>(owner_.Site().ClientSite()).As<IOleControlSite>(IID_IOleControlSite);
    if (controlSite) controlSite->OnFocus(gained);
    if (gained && active_ && !uiActive_) ActivateUI();
}

void InPlace::WindowDestroyed() {
    // The container took the window down without deactivating us first.
    if (!active_) return;
    uiActive_ = false;
    active_ = false;
    LeaveSite();
}

}  // namespace mirelo::server
