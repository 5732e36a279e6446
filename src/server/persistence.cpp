#include "server/persistence.h"

#include <vector>

#include "MireloList_h.h"
#include "server/host_property_bag.h"
#include "server/list_control.h"
#include "server/memory_bag.h"

namespace mirelo::server {

namespace {

HRESULT ReadExactly(IStream* stream, void* to, ULONG size) {
    ULONG read = 0;
    const HRESULT hr = stream->Read(to, size, &read);
    if (FAILED(hr)) return hr;
    return read == size ? S_OK : STG_E_READFAULT;
}

}  // namespace

STDMETHODIMP Persistence::GetClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_MireloList;
    return S_OK;
}

STDMETHODIMP Persistence::InitNew() {
    if (!owner_.BeginInitialization()) return E_UNEXPECTED;
    return Guarded([&] { owner_.Core().InitProperties(); });
}

STDMETHODIMP Persistence::IsDirty() { return owner_.IsDirty() ? S_OK : S_FALSE; }

STDMETHODIMP Persistence::Load(LPSTREAM stream) {
    if (!stream) return E_POINTER;
    uint8_t header[kStreamHeaderSize];
    uint32_t length = 0;
    HRESULT hr = ReadExactly(stream, header, sizeof header);
    if (FAILED(hr)) return hr;
    if (!ParseHeader(header, &length)) return E_FAIL;
    std::vector<uint8_t> payload(length);
    if (length && FAILED(hr = ReadExactly(stream, payload.data(), length))) return hr;
    MemoryBag bag;
    if (!ParsePayload(payload.data(), payload.size(), &bag)) return E_FAIL;
    if (!owner_.BeginInitialization()) return E_UNEXPECTED;
    hr = Guarded([&] { owner_.Core().ReadProperties(bag); });
    owner_.SetDirty(false);
    return hr;
}

HRESULT Persistence::StreamForm(std::vector<uint8_t>* data) {
    return owner_.Call([&] {
        MemoryBag bag;
        owner_.Core().WriteProperties(bag);
        *data = Serialize(bag);
    });
}

STDMETHODIMP Persistence::Save(LPSTREAM stream, BOOL clearDirty) {
    if (!stream) return E_POINTER;
    std::vector<uint8_t> data;
    HRESULT hr = StreamForm(&data);
    if (FAILED(hr)) return hr;
    ULONG written = 0;
    hr = stream->Write(data.data(), static_cast<ULONG>(data.size()), &written);
    if (FAILED(hr)) return hr;
    if (written != data.size()) return STG_E_WRITEFAULT;
    if (clearDirty) owner_.SetDirty(false);
    return S_OK;
}

STDMETHODIMP Persistence::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    std::vector<uint8_t> data;
    const HRESULT hr = StreamForm(&data);
    size->QuadPart = data.size();
    return hr;
}

STDMETHODIMP Persistence::Load(IPropertyBag* bag, IErrorLog* log) {
    if (!bag) return E_POINTER;
    if (!owner_.BeginInitialization()) return E_UNEXPECTED;
    HostPropertyBag host(bag, log);
    const HRESULT hr = Guarded([&] { owner_.Core().ReadProperties(host); });
    owner_.SetDirty(false);
    return hr;
}

STDMETHODIMP Persistence::Save(IPropertyBag* bag, BOOL clearDirty, BOOL /*saveAll*/) {
    if (!bag) return E_POINTER;
    HostPropertyBag host(bag, nullptr);
    const HRESULT hr = owner_.Call([&] { owner_.Core().WriteProperties(host); });
    if (SUCCEEDED(hr) && clearDirty) owner_.SetDirty(false);
    return hr;
}

}  // namespace mirelo::server
