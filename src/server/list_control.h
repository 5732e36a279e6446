#pragma once
// The COM object around the core: one identity, the platform ports the core
// runs on, and the parts that implement its interfaces (each in files of its
// own). Everything here runs on the container's thread.
#include <ole2.h>

#include <memory>
#include <utility>

#include "listctl/mirelo_list.h"
#include "server/automation.h"
#include "server/connection_points.h"
#include "server/control_site.h"
#include "server/data_object.h"
#include "server/errors.h"
#include "server/font_object.h"
#include "server/in_place.h"
#include "server/ole_control.h"
#include "server/ole_object.h"
#include "server/persistence.h"
#include "server/quick_activate.h"
#include "server/storage_persistence.h"
#include "server/view_object.h"
#include "win32/about_window.h"
#include "win32/columns_picture_box.h"
#include "win32/control_window.h"
#include "win32/gdi_objects.h"
#include "win32/gdi_surface.h"
#include "win32/module_resources.h"
#include "win32/win32_cursor.h"
#include "win32/window_timers.h"

namespace mirelo::server {

class ListControl final : public IUnknown, private win32::PictureBoxMouse {
public:
    ListControl();
    ListControl(const ListControl&) = delete;
    ListControl& operator=(const ListControl&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // Runs a host's call on the core: a control that got neither InitNew nor
    // Load receives its defaults first; run-time errors become HRESULTs.
    // When the outermost call is done, the container hears whether the
    // picture changed.
    template <class F>
    HRESULT Call(F&& body) {
        ++callDepth_;
        const HRESULT hr = Guarded([&] {
            EnsureInitialized();
            body();
        });
        if (--callDepth_ == 0) PictureMaybeChanged();
        return hr;
    }
    // InitNew and Load: false when the control was initialised already.
    bool BeginInitialization() { return !std::exchange(initialized_, true); }
    void EnsureInitialized();

    MireloList& Core() { return *core_; }
    win32::GdiSurface& Surface() { return surface_; }
    win32::ControlWindow& Window() { return *window_; }
    ControlSite& Site() { return site_; }
    InPlace& InPlaceState() { return inPlace_; }
    ConnectionPoints& Points() { return points_; }
    Persistence& Persist() { return persistence_; }
    ViewObject& View() { return view_; }
    FontLink& Font() { return font_; }
    ITypeLib* TypeLib() { return typeLib_.Get(); }

    bool IsDirty() const { return dirty_; }
    void SetDirty(bool dirty) { dirty_ = dirty; }

    // The extent in HIMETRIC, as the container sees it.
    SIZEL Extent() const { return extent_; }
    HRESULT SetExtent(const SIZEL& himetric);
    void NoteWindowRect(const RECT& pixels);

private:
    ~ListControl();
    void PropertyChanged(DISPID id);
    void PictureMaybeChanged(bool surely = false);

    // The border marker's mouse input, handed to the core like the window's own.
    void MouseDown(int16_t button, int16_t shift, float x, float y) override;
    void MouseMove(int16_t button, int16_t shift, float x, float y) override;
    void MouseUp(int16_t button, int16_t shift, float x, float y) override;

    LONG refs_ = 1;
    ComPtr<ITypeLib> typeLib_;

    // The parts, before the ports: the site and the core hand on to them.
    Automation automation_;
    Persistence persistence_;
    StoragePersistence storage_;
    OleObject oleObject_;
    ViewObject view_;
    QuickActivation quick_;
    DataObject data_;
    InPlace inPlace_;
    OleControl oleControl_;
    ConnectionPoints points_;

    // The ports the core runs on; they outlive it.
    win32::GdiSurface surface_;
    win32::GdiObjects gdi_;
    ControlSite site_;
    win32::ModuleResources resources_;
    win32::AboutBox about_;
    win32::WindowTimers timers_;
    FontLink font_;
    // The column-border marker and the still picture under its line: child
    // windows of the control's window once it has one. The core's cursor state
    // gives its shapes back to the cursor port while it is destroyed.
    win32::ChildPictureBox splitter_;
    win32::ChildPictureBox picBack_;
    win32::CursorShapesWin cursors_;

    std::unique_ptr<MireloList> core_;
    std::unique_ptr<win32::ControlWindow> window_;

    bool initialized_ = false;
    bool dirty_ = false;
    SIZEL extent_;
    int callDepth_ = 0;
    uint64_t picturesSeen_ = 0;  // the surface's drawing count when the sinks were last told
};

template <class... I>
STDMETHODIMP Part<I...>::QueryInterface(REFIID iid, void** out) {
    return owner_.QueryInterface(iid, out);
}
template <class... I>
STDMETHODIMP_(ULONG) Part<I...>::AddRef() {
    return owner_.AddRef();
}
template <class... I>
STDMETHODIMP_(ULONG) Part<I...>::Release() {
    return owner_.Release();
}

}  // namespace mirelo::server
