#include "test_container.h"

#include <utility>

namespace mltest {

STDMETHODIMP TestSite::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) *out = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) *out = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *out = static_cast<IOleInPlaceFrame*>(this);
    else if (iid == IID_IOleControlSite) *out = static_cast<IOleControlSite*>(this);
    else if (iid == IID_IDispatch) *out = static_cast<IDispatch*>(this);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TestSite::Release() {
    const LONG n = --refs_;
    if (n == 0) delete this;
    return n;
}

STDMETHODIMP TestSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                        LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    *frame = this;
    AddRef();
    *doc = nullptr;
    *pos = position;
    *clip = position;
    info->fMDIApp = FALSE;
    info->hwndFrame = host_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP TestSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                              UINT*) {
    if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
    switch (id) {
    case DISPID_AMBIENT_USERMODE:
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = userMode_ ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    case DISPID_AMBIENT_DISPLAYNAME:
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = SysAllocString(displayName_.c_str());
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

std::vector<DISPID> EventSink::Ids() const {
    std::vector<DISPID> ids;
    for (const Event& e : events) ids.push_back(e.id);
    return ids;
}

STDMETHODIMP EventSink::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID___MireloList) *out = static_cast<IDispatch*>(this);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
    Event e{id, {}};
    std::vector<VARIANT*> args;
    for (UINT i = params->cArgs; i-- > 0;) {
        VARIANT* a = &params->rgvarg[i];
        args.push_back(a);
        Var value;
        VariantCopyInd(value.get(), a);
        Var number;
        e.args.push_back(SUCCEEDED(VariantChangeType(number.get(), value.get(), 0, VT_R8)) ? V_R8(number.get())
                                                                                        : -1e9);
    }
    events.push_back(e);
    if (handler) handler(id, args);
    return S_OK;
}

STDMETHODIMP NotifySink::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IPropertyNotifySink) *out = static_cast<IPropertyNotifySink*>(this);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

DWORD Connect(IUnknown* control, REFIID iid, IUnknown* sink) {
    ComPtr<IConnectionPointContainer> container = ComPtr<IUnknown>(control).As<IConnectionPointContainer>(
        IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
    if (container && SUCCEEDED(container->FindConnectionPoint(iid, point.Out()))) point->Advise(sink, &cookie);
    return cookie;
}

void Disconnect(IUnknown* control, REFIID iid, DWORD cookie) {
    ComPtr<IConnectionPointContainer> container = ComPtr<IUnknown>(control).As<IConnectionPointContainer>(
        IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    if (container && SUCCEEDED(container->FindConnectionPoint(iid, point.Out()))) point->Unadvise(cookie);
}

namespace {

const wchar_t* HostClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = L"MireloTestHost";
        RegisterClassW(&wc);
        registered = true;
    }
    return L"MireloTestHost";
}

}  // namespace

HWND TestDesktop() {
    // One visible top-level window for the whole run: Wine on a bare X server
    // takes two seconds to destroy a visible top-level window (it waits for a
    // window manager that is not there), child windows come and go at once.
    static HWND desktop = CreateWindowExW(0, HostClass(), L"MireloList tests", WS_OVERLAPPEDWINDOW | WS_VISIBLE |
                                          WS_CLIPCHILDREN, 0, 0, 800, 600, nullptr, nullptr,
                                          GetModuleHandleW(nullptr), nullptr);
    return desktop;
}

HWND NewForm(int width, int height) {
    return CreateWindowExW(0, HostClass(), L"form", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                           TestDesktop(), nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::string ActivationName(const testing::TestParamInfo<Activation>& info) {
    return info.param == Activation::Quick ? "Quick" : "StepByStep";
}

HostedControl::HostedControl(bool userMode, std::wstring displayName, Activation activation) : userMode_(userMode) {
    host_ = CreateWindowExW(0, HostClass(), L"host", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 300,
                            TestDesktop(), nullptr, GetModuleHandleW(nullptr), nullptr);
    site_ = new TestSite(host_, userMode, std::move(displayName));
    Start(activation);
}

HostedControl::HostedControl(HWND form, const RECT& where) : host_(form), ownsHost_(false) {
    site_ = new TestSite(host_, true, L"MireloList1");
    site_->position = where;
    Start(Activation::StepByStep);
}

HRESULT HostedControl::HandOverSite(Activation activation) {
    if (activation == Activation::StepByStep) {
        const HRESULT hr = ole_->SetClientSite(site_);
        eventCookie_ = Connect(control_.Get(), DIID___MireloList, &events_);
        notifyCookie_ = Connect(control_.Get(), IID_IPropertyNotifySink, &notify_);
        return hr;
    }
    ComPtr<IQuickActivate> quick = control_.As<IQuickActivate>(IID_IQuickActivate);
    if (!quick) return E_NOINTERFACE;
    QACONTAINER container = {};
    container.cbSize = sizeof container;
    container.pClientSite = site_;
    container.pUnkEventSink = &events_;
    container.pPropertyNotifySink = &notify_;
    container.dwAmbientFlags = userMode_ ? QACONTAINER_USERMODE : 0;
    QACONTROL control = {};
    control.cbSize = sizeof control;
    const HRESULT hr = quick->QuickActivate(&container, &control);
    eventCookie_ = control.dwEventCookie;
    notifyCookie_ = control.dwPropNotifyCookie;
    return hr;
}

void HostedControl::Start(Activation activation) {
    control_ = NewControl();
    if (!host_ || !control_) {
        failure_ = host_ ? "no control (is the component registered?)" : "no host window";
        return;
    }
    dispatch_ = control_.As<IDispatch>(IID_IDispatch);
    ole_ = control_.As<IOleObject>(IID_IOleObject);
    ComPtr<IPersistStreamInit> persist = control_.As<IPersistStreamInit>(IID_IPersistStreamInit);
    if (!ole_ || !persist) {
        failure_ = "no IOleObject or IPersistStreamInit";
        return;
    }
    // The control asks for its site before its initialisation (OLEMISC_SETCLIENTSITEFIRST).
    HRESULT hr = HandOverSite(activation);
    if (SUCCEEDED(hr)) hr = persist->InitNew();
    if (FAILED(hr)) {
        failure_ = "site / InitNew: " + std::to_string(hr);
        return;
    }
    hr = Activate();
    if (FAILED(hr)) failure_ = "DoVerb: " + std::to_string(hr);
    ok_ = SUCCEEDED(hr);
}

HRESULT HostedControl::Activate(LONG verb) {
    SIZEL himetric = {(site_->position.right - site_->position.left) * 2540 / 96,
                      (site_->position.bottom - site_->position.top) * 2540 / 96};
    ole_->SetExtent(DVASPECT_CONTENT, &himetric);
    const HRESULT hr = ole_->DoVerb(verb, nullptr, site_, 0, host_, &site_->position);
    PumpMessages();
    return hr;
}

void HostedControl::Close() {
    if (eventCookie_) Disconnect(control_.Get(), DIID___MireloList, std::exchange(eventCookie_, 0));
    if (notifyCookie_) Disconnect(control_.Get(), IID_IPropertyNotifySink, std::exchange(notifyCookie_, 0));
    if (ole_) {
        ole_->Close(OLECLOSE_NOSAVE);
        ole_->SetClientSite(nullptr);
    }
    ole_.Reset();
    dispatch_.Reset();
    control_.Reset();
}

HostedControl::~HostedControl() {
    Close();
    if (host_ && ownsHost_) DestroyWindow(host_);
    if (site_) site_->Release();
    PumpMessages();
}

HWND HostedControl::controlWindow() const {
    HWND hwnd = nullptr;
    ComPtr<IOleInPlaceObject> inPlace = control_.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    if (inPlace) inPlace->GetWindow(&hwnd);
    return hwnd;
}

PixelBuffer::PixelBuffer(int width, int height) : width_(width), height_(height) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    old_ = SelectObject(dc_, bitmap_);
}

PixelBuffer::~PixelBuffer() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF PixelBuffer::At(int x, int y) const {
    GdiFlush();
    const DWORD p = bits_[y * width_ + x];  // 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void PixelBuffer::CopyFrom(HWND window) {
    HDC src = GetDC(window);
    BitBlt(dc_, 0, 0, width_, height_, src, 0, 0, SRCCOPY);
    ReleaseDC(window, src);
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    PumpFor(10);
    GdiFlush();
    POINT pt{x, y};
    ClientToScreen(window, &pt);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, pt.x, pt.y);
    ReleaseDC(nullptr, screen);
    return c;
}

std::vector<COLORREF> ScreenPicture(HWND window) {
    PumpFor(10);
    RECT rc;
    GetClientRect(window, &rc);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    PixelBuffer buffer(rc.right, rc.bottom);
    HDC screen = GetDC(nullptr);
    BitBlt(buffer.dc(), 0, 0, rc.right, rc.bottom, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x) pixels.push_back(buffer.At(x, y));
    return pixels;
}

int CountColour(HWND window, const RECT& area, COLORREF colour) {
    RECT client;
    GetClientRect(window, &client);
    PixelBuffer pixels(client.right, client.bottom);
    pixels.CopyFrom(window);
    int n = 0;
    for (int y = area.top; y < area.bottom && y < client.bottom; ++y)
        for (int x = area.left; x < area.right && x < client.right; ++x) n += pixels.At(x, y) == colour;
    return n;
}

int LiveGdiObjects() {
    int n = 0;
    for (ULONG_PTR h = 1; h < 0x10000; ++h) n += GetObjectType(reinterpret_cast<HGDIOBJ>(h)) != 0;
    return n;
}

}  // namespace mltest
