#pragma once
// IPersistStorage: the control embedded in a compound document (OleSave,
// OleLoad, document containers). The storage holds one stream, "Contents",
// with exactly the bytes the stream persistence writes, so a control moves
// between a storage and a stream unchanged.
//
// The control keeps no storage open: it reads everything at Load and writes
// everything at Save. It still follows the container's protocol (normal, no
// scribble after a save, hands off) and refuses a call the state forbids with
// E_UNEXPECTED, as containers test.
#include <ocidl.h>

#include "server/part.h"

namespace mirelo::server {

class StoragePersistence : public Part<IPersistStorage> {
public:
    explicit StoragePersistence(ListControl& owner) : Part(owner) {}

    STDMETHODIMP GetClassID(CLSID* clsid) override { return ControlClassId(clsid); }
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP InitNew(IStorage* storage) override;
    STDMETHODIMP Load(IStorage* storage) override;
    STDMETHODIMP Save(IStorage* storage, BOOL sameAsLoad) override;
    STDMETHODIMP SaveCompleted(IStorage* storage) override;
    STDMETHODIMP HandsOffStorage() override;

    // The stream of the storage that holds the control's data.
    static constexpr const wchar_t* kStreamName = L"Contents";

private:
    enum class State { Uninitialized, Normal, NoScribble, HandsOffFromNormal, HandsOffAfterSave };
    State state_ = State::Uninitialized;
};

}  // namespace mirelo::server
