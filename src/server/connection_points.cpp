#include "server/connection_points.h"

#include <olectl.h>

#include <algorithm>

#include "MireloList_h.h"
#include "server/enumerator.h"
#include "server/list_control.h"

namespace mirelo::server {

ConnectionPoint::ConnectionPoint(IUnknown& owner, IConnectionPointContainer& container, REFIID iid,
                                 const IID* fallback)
    : owner_(owner), container_(container), iid_(iid), fallback_(fallback) {}

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    return AnswerOne<IConnectionPoint>(this, IID_IConnectionPoint, iid, out);
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
    if (!out) return E_POINTER;
    *out = &container_;
    container_.AddRef();
    return S_OK;
}

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
    *out = new Enumerator<IEnumConnections, CONNECTDATA>(&owner_, std::move(items), IID_IEnumConnections);
    return S_OK;
}

std::vector<ComPtr<IUnknown>> ConnectionPoint::Sinks() const {
    std::vector<ComPtr<IUnknown>> sinks;
    for (const Connection& c : connections_) sinks.push_back(c.sink);
    return sinks;
}

void ConnectionPoint::DisconnectAll() {
    std::vector<Connection> gone;
    gone.swap(connections_);
}

ConnectionPoints::ConnectionPoints(ListControl& owner)
    : Part(owner),
      events_(owner, *this, DIID___MireloList, &IID_IDispatch),
      propertyNotify_(owner, *this, IID_IPropertyNotifySink, nullptr) {}

ConnectionPoints::~ConnectionPoints() {
    events_.DisconnectAll();
    propertyNotify_.DisconnectAll();
}

STDMETHODIMP ConnectionPoints::EnumConnectionPoints(IEnumConnectionPoints** out) {
    if (!out) return E_POINTER;
    std::vector<IConnectionPoint*> items = {&events_, &propertyNotify_};
    *out = new Enumerator<IEnumConnectionPoints, IConnectionPoint*>(static_cast<IUnknown*>(&owner_),
                                                                    std::move(items), IID_IEnumConnectionPoints);
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

}  // namespace mirelo::server
