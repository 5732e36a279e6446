#include "server/storage_persistence.h"

#include "server/com_ptr.h"
#include "server/list_control.h"

namespace mirelo::server {

namespace {

constexpr DWORD kOpenRead = STGM_READ | STGM_SHARE_EXCLUSIVE;
constexpr DWORD kCreateWrite = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

}  // namespace

STDMETHODIMP StoragePersistence::IsDirty() { return owner_.Persist().IsDirty(); }

STDMETHODIMP StoragePersistence::InitNew(IStorage* storage) {
    if (!storage) return E_POINTER;
    if (state_ != State::Uninitialized) return E_UNEXPECTED;
    const HRESULT hr = owner_.Persist().InitNew();
    if (SUCCEEDED(hr)) state_ = State::Normal;
    return hr;
}

STDMETHODIMP StoragePersistence::Load(IStorage* storage) {
    if (!storage) return E_POINTER;
    if (state_ != State::Uninitialized) return E_UNEXPECTED;
    ComPtr<IStream> stream;
    HRESULT hr = storage->OpenStream(kStreamName, nullptr, kOpenRead, 0, stream.Out());
    if (FAILED(hr)) return hr;
    // A stream the control refuses leaves it as new: still to be initialised.
    hr = owner_.Persist().Load(stream.Get());
    if (SUCCEEDED(hr)) state_ = State::Normal;
    return hr;
}

STDMETHODIMP StoragePersistence::Save(IStorage* storage, BOOL sameAsLoad) {
    if (!storage) return E_POINTER;
    // A control used before any initialisation (a script's) saves what it has.
    if (state_ != State::Normal && state_ != State::Uninitialized) return E_UNEXPECTED;
    ComPtr<IStream> stream;
    HRESULT hr = storage->CreateStream(kStreamName, kCreateWrite, 0, 0, stream.Out());
    if (FAILED(hr)) return hr;
    hr = owner_.Persist().Save(stream.Get(), sameAsLoad);
    if (SUCCEEDED(hr)) state_ = State::NoScribble;
    return hr;
}

STDMETHODIMP StoragePersistence::SaveCompleted(IStorage* storage) {
    switch (state_) {
    case State::NoScribble:
        break;
    case State::HandsOffFromNormal:
    case State::HandsOffAfterSave:
        if (!storage) return E_INVALIDARG;  // it must hand a storage back
        break;
    default:
        return E_UNEXPECTED;
    }
    state_ = State::Normal;
    return S_OK;
}

STDMETHODIMP StoragePersistence::HandsOffStorage() {
    if (state_ == State::Normal) state_ = State::HandsOffFromNormal;
    else if (state_ == State::NoScribble) state_ = State::HandsOffAfterSave;
    return S_OK;
}

}  // namespace mirelo::server
