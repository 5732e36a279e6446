#pragma once
// An owned interface reference: released when replaced or destroyed.
#include <unknwn.h>

#include <utility>

namespace mirelo::server {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes a new reference to p.
    explicit ComPtr(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    // For out parameters: drops the current reference and hands out the slot.
    T** Out() {
        Reset();
        return &p_;
    }
    // Hands the reference to the caller.
    T* Detach() { return std::exchange(p_, nullptr); }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    template <class U>
    ComPtr<U> As(REFIID iid) const {
        ComPtr<U> u;
        if (p_) p_->QueryInterface(iid, reinterpret_cast<void**>(u.Out()));
        return u;
    }

private:
    T* p_ = nullptr;
};

// QueryInterface of an object that answers IUnknown and one interface, `own`, as `self`.
template <class I>
HRESULT AnswerOne(I* self, REFIID own, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = iid == IID_IUnknown || iid == own ? self : nullptr;
    if (!*out) return E_NOINTERFACE;
    self->AddRef();
    return S_OK;
}

}  // namespace mirelo::server
