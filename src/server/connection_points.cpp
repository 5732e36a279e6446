#include "server/connection_points.h"

#include <olectl.h>

#include <algorithm>

#include "MireloList_h.h"
#include "server/enumerator.h"
#include "server/list_control.h"

namespace mirelo::server {

namespace {

// The events' dispatch identifiers in __MireloList.
enum : DISPID {
    kClick = 1, kDBClick, kMouseDown, kMouseMove, kMouseUp, kListIndexChanged, kPlayIndexChanged, kScroll, kResize
};

VARIANTARG Ref(int16_t& v) {
    VARIANTARG a;
    V_VT(&a) = VT_BYREF | VT_I2;
    V_I2REF(&a) = &v;
    return a;
}

VARIANTARG Ref(float& v) {
    VARIANTARG a;
    V_VT(&a) = VT_BYREF | VT_R4;
    V_R4REF(&a) = &v;
    return a;
}

}  // namespace

ConnectionPoint::ConnectionPoint(IConnectionPointContainer& container, REFIID iid, const IID* fallback)
    : container_(container), iid_(iid), fallback_(fallback) {}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    ComPtr<IUnknown> typed;
    if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(typed.Out()))) && fallback_)
        sink->QueryInterface(*fallback_, reinterpret_cast<void**>(typed.Out()));
    if (!typed) return CONNECT_E_CANNOTCONNECT;
    connections_.push_back({nextCookie_, typed});
    *cookie = nextCookie_++;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
    auto it = std::find_if(connections_.begin(), connections_.end(),
                           [cookie](const Connection& c) { return c.cookie == cookie; });
    if (it == connections_.end()) return CONNECT_E_NOCONNECTION;
    // Released after leaving the list: the sink's release may call back in.
    ComPtr<IUnknown> sink = std::move(it->sink);
    connections_.erase(it);
    return S_OK;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** out) {
    if (!out) return E_POINTER;
    std::vector<CONNECTDATA> items;
    for (const Connection& c : connections_) items.push_back({c.sink.Get(), c.cookie});
    *out = new Enumerator<IEnumConnections, CONNECTDATA>(&container_, std::move(items), IID_IEnumConnections);
    return S_OK;
}

std::vector<ComPtr<IUnknown>> ConnectionPoint::Sinks() const {
    std::vector<ComPtr<IUnknown>> sinks;
    for (const Connection& c : connections_) sinks.push_back(c.sink);
    return sinks;
}

ConnectionPoint::~ConnectionPoint() {
    // Released after leaving the list: a sink's release may call back in.
    std::vector<Connection> gone;
    gone.swap(connections_);
}

ConnectionPoints::ConnectionPoints(ListControl& owner)
    : Part(owner),
      events_(*this, DIID___MireloList, &IID_IDispatch),
      propertyNotify_(*this, IID_IPropertyNotifySink, nullptr) {}

STDMETHODIMP ConnectionPoints::EnumConnectionPoints(IEnumConnectionPoints** out) {
    if (!out) return E_POINTER;
    std::vector<IConnectionPoint*> items = {&events_, &propertyNotify_};
    *out = new Enumerator<IEnumConnectionPoints, IConnectionPoint*>(this, std::move(items), IID_IEnumConnectionPoints);
    return S_OK;
}

STDMETHODIMP ConnectionPoints::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == DIID___MireloList) *out = &events_;
    else if (iid == IID_IPropertyNotifySink) *out = &propertyNotify_;
    else return CONNECT_E_NOCONNECTION;
    (*out)->AddRef();
    return S_OK;
}

void ConnectionPoints::NotifyChanged(DISPID id) {
    for (const ComPtr<IUnknown>& sink : propertyNotify_.Sinks())
        static_cast<IPropertyNotifySink*>(static_cast<void*>(sink.Get()))->OnChanged(id);
}

template <class... Args>
void ConnectionPoints::Fire(DISPID id, Args&... args) {
    if (frozen_ > 0) return;
    // IDispatch takes the arguments last to first. The spare element keeps
    // the array from being empty for an event without arguments.
    VARIANTARG refs[] = {Ref(args)..., VARIANTARG{}};
    const UINT count = sizeof...(Args);
    std::reverse(refs, refs + count);
    DISPPARAMS params = {count ? refs : nullptr, nullptr, count, 0};
    for (const ComPtr<IUnknown>& sink : events_.Sinks()) {
        // Advised as __MireloList or as IDispatch: an IDispatch either way.
        auto* dispatch = static_cast<IDispatch*>(static_cast<void*>(sink.Get()));
        EXCEPINFO excep = {};
        UINT argErr = 0;
        // A sink's failure is its own business: the others still hear the event.
        dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, &excep, &argErr);
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
    }
}

void ConnectionPoints::Click(int16_t& Button, int16_t& Shift, float& X, float& Y) {
    Fire(kClick, Button, Shift, X, Y);
}
void ConnectionPoints::DBClick(int16_t& Button, int16_t& Shift, float& X, float& Y) {
    Fire(kDBClick, Button, Shift, X, Y);
}
void ConnectionPoints::MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) {
    Fire(kMouseDown, Button, Shift, X, Y);
}
void ConnectionPoints::MouseMove(int16_t& Button, int16_t& Shift, float& X, float& Y) {
    Fire(kMouseMove, Button, Shift, X, Y);
}
void ConnectionPoints::MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) {
    Fire(kMouseUp, Button, Shift, X, Y);
}
void ConnectionPoints::ListIndexChanged(int16_t& OldIndex, int16_t& NewIndex, int16_t& wFlag) {
    Fire(kListIndexChanged, OldIndex, NewIndex, wFlag);
}
void ConnectionPoints::PlayIndexChanged(int16_t& OldIndex, int16_t& NewIndex, int16_t& wFlag) {
    Fire(kPlayIndexChanged, OldIndex, NewIndex, wFlag);
}
void ConnectionPoints::Scroll() { Fire(kScroll); }
void ConnectionPoints::Resize() { Fire(kResize); }

}  // namespace mirelo::server
