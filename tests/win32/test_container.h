#pragma once
// A container of our own that hosts one control in place in a real window:
// client site with ambient properties, in-place site and frame, control site.
// It records what the control asks of it, and sinks record what the control
// tells its host (events with their arguments, property changes).
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "com_support.h"

namespace mltest {

// Hands out nothing (a null or zero) and answers `hr`.
template <class T>
HRESULT Nothing(T* out, HRESULT hr) {
    *out = T{};
    return hr;
}

class TestSite : public IOleClientSite,
                 public IOleInPlaceSite,
                 public IOleInPlaceFrame,
                 public IOleControlSite,
                 public IDispatch {
public:
    TestSite(HWND host, bool userMode, std::wstring displayName)
        : host_(host), userMode_(userMode), displayName_(std::move(displayName)) {}
    virtual ~TestSite() = default;

    void SetUserMode(bool userMode) { userMode_ = userMode; }
    RECT position = {10, 10, 212, 161};
    std::vector<std::string> calls;  // in-place and focus traffic, in order
    bool hasFocus = false;

    // IUnknown.
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override;
    // IOleClientSite.
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** m) override { return Nothing(m, E_NOTIMPL); }
    STDMETHODIMP GetContainer(IOleContainer** c) override { return Nothing(c, E_NOINTERFACE); }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleWindow (site and frame).
    STDMETHODIMP GetWindow(HWND* hwnd) override {
        *hwnd = host_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    // IOleInPlaceSite.
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return Record("OnInPlaceActivate"); }
    STDMETHODIMP OnUIActivate() override { return Record("OnUIActivate"); }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return Record("OnUIDeactivate"); }
    STDMETHODIMP OnInPlaceDeactivate() override { return Record("OnInPlaceDeactivate"); }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return E_NOTIMPL; }
    // IOleInPlaceUIWindow / IOleInPlaceFrame.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR) override {
        return Record(active ? "SetActiveObject" : "SetActiveObject(null)");
    }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }
    // IOleControlSite.
    STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
    STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
    STDMETHODIMP GetExtendedControl(IDispatch** d) override { return Nothing(d, E_NOTIMPL); }
    STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
    STDMETHODIMP OnFocus(BOOL gained) override {
        hasFocus = gained != FALSE;
        return S_OK;
    }
    STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }
    // IDispatch: the ambient properties.
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { return Nothing(n, S_OK); }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                        UINT*) override;

private:
    HRESULT Record(const char* call) {
        calls.push_back(call);
        return S_OK;
    }

    HWND host_;
    bool userMode_;
    std::wstring displayName_;
    LONG refs_ = 1;
};

// The control's events by their dispatch identifiers.
enum : DISPID {
    kClick = 1, kDBClick, kMouseDown, kMouseMove, kMouseUp, kListIndexChanged, kPlayIndexChanged, kScroll, kResize
};

// Records the events the control raises; a handler may rewrite arguments.
class EventSink : public IDispatch {
public:
    struct Event {
        DISPID id;
        std::vector<double> args;  // as the sink saw them, before any rewrite
    };
    std::vector<Event> events;
    // Called with the event and its arguments (in parameter order).
    std::function<void(DISPID, std::vector<VARIANT*>&)> handler;

    std::vector<DISPID> Ids() const;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { return Nothing(n, S_OK); }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;

    LONG refs_ = 0;  // lives on the test's stack; counted to prove release
};

class NotifySink : public IPropertyNotifySink {
public:
    std::vector<DISPID> changed;
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }
    STDMETHODIMP OnChanged(DISPID id) override {
        changed.push_back(id);
        return S_OK;
    }
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }
    LONG refs_ = 0;
};

// Connects a sink to one of the control's connection points; 0 on failure.
DWORD Connect(IUnknown* control, REFIID iid, IUnknown* sink);
void Disconnect(IUnknown* control, REFIID iid, DWORD cookie);

// The window the tests' host windows live in.
HWND TestDesktop();
// A form on it for several controls at once; the caller destroys it.
HWND NewForm(int width, int height);

// How a container hands the control its site and sinks: one call at a time
// (SetClientSite, then the connection points), or all at once through
// IQuickActivate. Either way the control gets them before InitNew.
enum class Activation { StepByStep, Quick };
std::string ActivationName(const testing::TestParamInfo<Activation>& info);

// A host window with one control: site set first, the host's own event and
// property-change sinks connected, InitNew, then in place.
class HostedControl {
public:
    explicit HostedControl(bool userMode = true, std::wstring displayName = L"MireloList1",
                           Activation activation = Activation::StepByStep);
    explicit HostedControl(Activation activation) : HostedControl(true, L"MireloList1", activation) {}
    // One of several controls on a form the test owns, at `where` in its client area (run mode).
    HostedControl(HWND form, const RECT& where);
    ~HostedControl();
    HostedControl(const HostedControl&) = delete;
    HostedControl& operator=(const HostedControl&) = delete;

    // Unless `activate` was false, the control is in place when this is true.
    bool ok() const { return ok_; }
    const std::string& failure() const { return failure_; }
    HRESULT Activate(LONG verb = OLEIVERB_INPLACEACTIVATE);
    void Close();

    IUnknown* control() const { return control_.Get(); }
    IDispatch* dispatch() const { return dispatch_.Get(); }
    IOleObject* ole() const { return ole_.Get(); }
    TestSite& site() { return *site_; }
    // The sinks the container connected for itself.
    EventSink& events() { return events_; }
    NotifySink& notify() { return notify_; }
    HWND host() const { return host_; }
    HWND controlWindow() const;

private:
    void Start(Activation activation);
    HRESULT HandOverSite(Activation activation);

    HWND host_ = nullptr;
    bool userMode_ = true;
    EventSink events_;
    NotifySink notify_;
    DWORD eventCookie_ = 0, notifyCookie_ = 0;
    bool ownsHost_ = true;
    TestSite* site_ = nullptr;
    ComPtr<IUnknown> control_;
    ComPtr<IDispatch> dispatch_;
    ComPtr<IOleObject> ole_;
    bool ok_ = false;
    std::string failure_;
};

// A 32-bit top-down DIB for reading pixels back.
class PixelBuffer {
public:
    PixelBuffer(int width, int height);
    ~PixelBuffer();
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;
    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const;  // RGB as COLORREF
    int width() const { return width_; }
    int height() const { return height_; }
    void CopyFrom(HWND window);  // the window's client area as it is on screen

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    const DWORD* bits_ = nullptr;
};

// A pixel of a window's client area as the screen shows it, once pending
// messages (a timer's repaint among them) have run.
COLORREF ScreenPixel(HWND window, int x, int y);
// The whole client area as the screen shows it, row by row.
std::vector<COLORREF> ScreenPicture(HWND window);
// Pixels of a window's client area with the given colour, inside `area`.
int CountColour(HWND window, const RECT& area, COLORREF colour);
// Live GDI objects of this process, found by probing the handle table
// (Wine's GetGuiResources answers 0).
int LiveGdiObjects();

}  // namespace mltest
