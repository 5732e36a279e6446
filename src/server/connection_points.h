#pragma once
// Connection points of the control: its events (__MireloList) and the
// property-changed notification (IPropertyNotifySink). A connection point has
// an identity of its own but lives and dies with the control.
#include <ocidl.h>

#include <vector>

#include "server/com_ptr.h"
#include "server/part.h"

namespace mirelo::server {

class ConnectionPoint : public IConnectionPoint {
public:
    // `fallback`: a second interface a sink may offer instead (IDispatch for
    // event sinks of script engines).
    ConnectionPoint(IUnknown& owner, IConnectionPointContainer& container, REFIID iid, const IID* fallback);
    ~ConnectionPoint();
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        return AnswerOne<IConnectionPoint>(this, IID_IConnectionPoint, iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return owner_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return owner_.Release(); }

    STDMETHODIMP GetConnectionInterface(IID* iid) override {
        if (!iid) return E_POINTER;
        *iid = iid_;
        return S_OK;
    }
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override {
        if (!out) return E_POINTER;
        *out = &container_;
        container_.AddRef();
        return S_OK;
    }
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** out) override;

    // The sinks now connected, each as the interface it was advised with.
    // A copy: a sink may connect or disconnect while it is being called.
    std::vector<ComPtr<IUnknown>> Sinks() const;

private:
    struct Connection {
        DWORD cookie;
        ComPtr<IUnknown> sink;
    };
    IUnknown& owner_;
    IConnectionPointContainer& container_;
    IID iid_;
    const IID* fallback_;
    std::vector<Connection> connections_;
    DWORD nextCookie_ = 1;
};

class ConnectionPoints : public Part<IConnectionPointContainer> {
public:
    explicit ConnectionPoints(ListControl& owner);

    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

    ConnectionPoint& Events() { return events_; }
    ConnectionPoint& PropertyNotify() { return propertyNotify_; }

private:
    ConnectionPoint events_;
    ConnectionPoint propertyNotify_;
};

}  // namespace mirelo::server
