#pragma once
// Connection points of the control and what goes out through them: the
// core's events, raised to every __MireloList sink through IDispatch::Invoke,
// and the property-changed notification to every IPropertyNotifySink. Event
// arguments go by reference to the core's own variables (VT_BYREF | VT_I2 /
// VT_R4), so what a sink writes is what the next sink and then the control
// read back. While the container freezes events they are dropped, as
// containers expect. A connection point has an identity of its own but lives
// and dies with the control.
#include <ocidl.h>

#include <vector>

#include "listctl/events.h"
#include "server/com_ptr.h"
#include "server/part.h"

namespace mirelo::server {

class ConnectionPoint : public IConnectionPoint {
public:
    // `fallback`: a second interface a sink may offer instead (IDispatch for
    // event sinks of script engines). References to the point are references
    // to its container, and so to the control.
    ConnectionPoint(IConnectionPointContainer& container, REFIID iid, const IID* fallback);
    ~ConnectionPoint();
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        return AnswerOne<IConnectionPoint>(this, IID_IConnectionPoint, iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return container_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return container_.Release(); }

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
    IConnectionPointContainer& container_;
    IID iid_;
    const IID* fallback_;
    std::vector<Connection> connections_;
    DWORD nextCookie_ = 1;
};

class ConnectionPoints : public Part<IConnectionPointContainer>, public MireloListEvents {
public:
    explicit ConnectionPoints(ListControl& owner);

    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

    void NotifyChanged(DISPID id);
    void FreezeEvents(bool freeze) { frozen_ += freeze ? 1 : -1; }

    // MireloListEvents.
    void Click(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void DBClick(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void MouseMove(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) override;
    void ListIndexChanged(int16_t& OldIndex, int16_t& NewIndex, int16_t& wFlag) override;
    void PlayIndexChanged(int16_t& OldIndex, int16_t& NewIndex, int16_t& wFlag) override;
    void Scroll() override;
    void Resize() override;

private:
    // Raises the event with the arguments by reference, in the order of its parameters.
    template <class... Args>
    void Fire(DISPID id, Args&... args);

    ConnectionPoint events_;
    ConnectionPoint propertyNotify_;
    int frozen_ = 0;
};

}  // namespace mirelo::server
