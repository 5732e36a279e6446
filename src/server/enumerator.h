#pragma once
// A snapshot enumerator for the IEnumXxx interfaces the control hands out
// (connections, connection points, data formats): it owns references to
// what it lists and to the object it came from.
#include <objidl.h>
#include <ocidl.h>

#include <vector>

#include "server/com_ptr.h"

namespace mirelo::server {

// What an enumerated item holds a reference to.
inline IUnknown* ObjectOf(const CONNECTDATA& c) { return c.pUnk; }
inline IUnknown* ObjectOf(IConnectionPoint* p) { return p; }
inline IUnknown* ObjectOf(const FORMATETC&) { return nullptr; }  // formats with no target device
template <class T>
void AddRefItem(const T& item) {
    if (IUnknown* object = ObjectOf(item)) object->AddRef();
}

template <class IEnum, class T>
class Enumerator final : public IEnum {
public:
    Enumerator(IUnknown* owner, std::vector<T> items, REFIID iid)
        : owner_(owner), items_(std::move(items)), iid_(iid) {
        for (T& item : items_) AddRefItem(item);
    }
    Enumerator(const Enumerator&) = delete;
    Enumerator& operator=(const Enumerator&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override { return AnswerOne<IEnum>(this, iid_, iid, out); }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG n = InterlockedDecrement(&refs_);
        if (n == 0) delete this;
        return n;
    }

    STDMETHODIMP Next(ULONG count, T* out, ULONG* fetched) override {
        if (!out || (count > 1 && !fetched)) return E_POINTER;
        ULONG n = 0;
        for (; n < count && pos_ < items_.size(); ++n, ++pos_) {
            out[n] = items_[pos_];
            AddRefItem(out[n]);
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        const size_t left = items_.size() - pos_;
        pos_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        pos_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnum** out) override {
        if (!out) return E_POINTER;
        auto* copy = new Enumerator(owner_.Get(), items_, iid_);
        copy->pos_ = pos_;
        *out = copy;
        return S_OK;
    }

private:
    ~Enumerator() {
        for (T& item : items_)
            if (IUnknown* object = ObjectOf(item)) object->Release();
    }

    LONG refs_ = 1;
    ComPtr<IUnknown> owner_;
    std::vector<T> items_;
    IID iid_;
    size_t pos_ = 0;
};

}  // namespace mirelo::server
