#include "server/list_control.h"

#include <stdexcept>

#include "MireloList_h.h"
#include "server/module.h"
#include "win32/gdi_font.h"
#include "win32/pc_memdc.h"
#include "win32/window_proc_hook.h"

namespace mirelo::server {

namespace {

constexpr LONG kHimetricPerInch = 2540;
// A new control is 3030 x 2265 twips, 202 x 151 pixels: in HIMETRIC, rounded.
constexpr SIZEL kInitialExtent = {5345, 3995};

Text AboutText() {
    std::wstring body = std::wstring(kProgId) + L"\n" + L"Version " + kVersionText;
    return Text(body.begin(), body.end());
}

}  // namespace

ListControl::ListControl()
    : automation_(*this),
      persistence_(*this),
      storage_(*this),
      oleObject_(*this),
      view_(*this),
      quick_(*this),
      data_(*this),
      inPlace_(*this),
      oleControl_(*this),
      points_(*this),
      gdi_([] { return std::make_unique<win32::pcMemDC>(ModuleInstance()); }),
      site_([this](DISPID id) { PropertyChanged(id); }),
      resources_(ModuleInstance()),
      about_(ModuleInstance(), Text(u"MireloList"), AboutText(), [this] { return window_ ? window_->Handle() : nullptr; }),
      font_([this](const FontDesc& desc) { Call([&] { core_->SetFont(desc); }); }),
      splitter_(ModuleInstance(), [this] { return window_ ? window_->Handle() : nullptr; }),
      picBack_(ModuleInstance(), [this] { return window_ ? window_->Handle() : nullptr; }),
      cursors_(ModuleInstance()),
      extent_(kInitialExtent) {
    if (FAILED(LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, typeLib_.Out())) ||
        FAILED(automation_.LoadTypeInfo(typeLib_.Get())))
        throw std::runtime_error("type library");
    surface_.SetPaintHandler([this] { core_->OnPaint(); });
    ListPorts ports{surface_, gdi_, site_, resources_, about_};
    ports.timers = &timers_;
    ports.hooks = &win32::SharedWindowProcHook();
    ports.splitter = &splitter_;
    ports.picBack = &picBack_;
    ports.cursors = &cursors_;
    core_ = std::make_unique<MireloList>(ports);
    core_->SetEvents(&points_);
    picBack_.KeepBelow(&splitter_);
    splitter_.SetMouse(this);
    window_ = std::make_unique<win32::ControlWindow>(ModuleInstance(), surface_, *core_, inPlace_);
    ObjectCreated();
}

ListControl::~ListControl() {
    splitter_.SetMouse(nullptr);
    inPlace_.Deactivate();
    window_.reset();
    font_.Disconnect();
    core_->SetEvents(nullptr);
    core_.reset();
    oleObject_.ReleaseAdvise();
    view_.ReleaseAdvise();
    data_.ReleaseAdvise();
    site_.SetClientSite(nullptr);
    ObjectDestroyed();
}

STDMETHODIMP ListControl::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    void* p = nullptr;
    if (iid == IID_IUnknown) p = static_cast<IUnknown*>(this);
    else if (iid == IID_IDispatch || iid == IID__MireloList) p = static_cast<_MireloList*>(&automation_);
    else if (iid == IID_ISupportErrorInfo) p = static_cast<ISupportErrorInfo*>(&automation_);
    else if (iid == IID_IPersist || iid == IID_IPersistStreamInit) p = static_cast<IPersistStreamInit*>(&persistence_);
    // IPersistStream is IPersistStreamInit without InitNew at the end: the
    // same method table serves both.
    else if (iid == IID_IPersistStream) p = static_cast<IPersistStreamInit*>(&persistence_);
    else if (iid == IID_IPersistStorage) p = static_cast<IPersistStorage*>(&storage_);
    else if (iid == IID_IPersistPropertyBag) p = static_cast<IPersistPropertyBag*>(&persistence_);
    else if (iid == IID_IOleObject) p = static_cast<IOleObject*>(&oleObject_);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject) p = static_cast<IOleInPlaceObject*>(&inPlace_);
    else if (iid == IID_IOleInPlaceActiveObject) p = static_cast<IOleInPlaceActiveObject*>(&inPlace_);
    else if (iid == IID_IViewObject || iid == IID_IViewObject2 || iid == IID_IViewObjectEx)
        p = static_cast<IViewObjectEx*>(&view_);
    else if (iid == IID_IDataObject) p = static_cast<IDataObject*>(&data_);
    else if (iid == IID_IQuickActivate) p = static_cast<IQuickActivate*>(&quick_);
    else if (iid == IID_IOleControl) p = static_cast<IOleControl*>(&oleControl_);
    else if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2)
        p = static_cast<IProvideClassInfo2*>(&oleControl_);
    else if (iid == IID_ICategorizeProperties) p = static_cast<ICategorizeProperties*>(&oleControl_);
    else if (iid == IID_IConnectionPointContainer) p = static_cast<IConnectionPointContainer*>(&points_);
    // Deliberately no IObjectSafety: the control does not vouch for untrusted scripts.
    *out = p;
    if (!p) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ListControl::AddRef() { return InterlockedIncrement(&refs_); }

STDMETHODIMP_(ULONG) ListControl::Release() {
    const LONG n = InterlockedDecrement(&refs_);
    if (n == 0) {
        // Teardown may hand out and drop references (sinks, the site): keep
        // the count from reaching zero a second time.
        refs_ = 1;
        delete this;
    }
    return n;
}

void ListControl::MouseDown(int16_t button, int16_t shift, float x, float y) {
    Call([&] { core_->Header().Splitter_MouseDown(button, shift, x, y); });
}

void ListControl::MouseMove(int16_t button, int16_t shift, float x, float y) {
    Call([&] { core_->Header().Splitter_MouseMove(button, shift, x, y); });
}

void ListControl::MouseUp(int16_t button, int16_t shift, float x, float y) {
    Call([&] { core_->Header().Splitter_MouseUp(button, shift, x, y); });
}

void ListControl::EnsureInitialized() {
    if (BeginInitialization()) core_->InitProperties();
}

void ListControl::PropertyChanged(DISPID id) {
    dirty_ = true;
    points_.NotifyChanged(id);
}

HRESULT ListControl::SetExtent(const SIZEL& himetric) {
    if (himetric.cx < 0 || himetric.cy < 0) return E_INVALIDARG;
    extent_ = himetric;
    if (window_->Handle()) return S_OK;  // the container moves the window through SetObjectRects
    const int w = MulDiv(himetric.cx, win32::ScreenDpi(LOGPIXELSX), kHimetricPerInch);
    const int h = MulDiv(himetric.cy, win32::ScreenDpi(LOGPIXELSY), kHimetricPerInch);
    if (w == surface_.ScaleWidth() && h == surface_.ScaleHeight()) return S_OK;
    surface_.SetOffscreenSize(w, h);
    const HRESULT hr = Guarded([&] { core_->OnResize(); });
    PictureMaybeChanged(true);  // a picture of another size, whatever was drawn
    return hr;
}

void ListControl::PictureMaybeChanged(bool surely) {
    if (!surely && surface_.Drawings() == picturesSeen_) return;
    picturesSeen_ = surface_.Drawings();
    data_.PictureChanged();
    view_.PictureChanged();
}

void ListControl::NoteWindowRect(const RECT& pixels) {
    extent_.cx = MulDiv(pixels.right - pixels.left, kHimetricPerInch, win32::ScreenDpi(LOGPIXELSX));
    extent_.cy = MulDiv(pixels.bottom - pixels.top, kHimetricPerInch, win32::ScreenDpi(LOGPIXELSY));
}

}  // namespace mirelo::server
