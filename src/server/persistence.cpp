#include "server/persistence.h"

#include <vector>

#include "server/font_object.h"
#include "server/list_control.h"
#include "server/memory_bag.h"
#include "server/variant_convert.h"
#include "win32/wide_text.h"

namespace mirelo::server {

namespace {

// The host's IPropertyBag as the core's property bag. Every value is written,
// whatever default the core hands along; the font goes in as a standard font
// object, for the bag to persist as it persists objects.
class HostPropertyBag : public PropertyBag {
public:
    HostPropertyBag(IPropertyBag* bag, IErrorLog* log) : bag_(bag), log_(log) {}

    Variant ReadProperty(const Text& key, const Variant& def) override {
        OwnedVariant v;
        V_VT(v.get()) = RequestedType(def);
        if (FAILED(bag_->Read(win32::Wide(key), v.get(), log_))) return def;
        try {
            const Variant value = FromVariant(*v.get());
            return value.IsEmpty() ? def : value;
        } catch (const RuntimeError&) {
            return def;  // a stored value the core cannot read is as good as none
        }
    }

    void WriteProperty(const Text& key, const Variant& value, const Variant& /*def*/) override {
        OwnedVariant v;
        ToVariant(value, v.get());
        Write(key, v.get());
    }

    FontDesc ReadFont(const Text& key, const FontDesc& def) override {
        OwnedVariant v;
        V_VT(v.get()) = VT_DISPATCH;
        if (FAILED(bag_->Read(win32::Wide(key), v.get(), log_))) {
            // A bag that keeps only text cannot give an object; asked for
            // text, it gives what it kept.
            VariantClear(v.get());
            V_VT(v.get()) = VT_BSTR;
            if (FAILED(bag_->Read(win32::Wide(key), v.get(), log_))) return def;
        }
        FontDesc font;
        const VARTYPE vt = V_VT(v.get());
        if ((vt == VT_DISPATCH || vt == VT_UNKNOWN) && ReadFontObject(V_UNKNOWN(v.get()), &font)) return font;
        // Office's text-only bags keep a font as its name: the rest is a new control's.
        if (vt == VT_BSTR && SysStringLen(V_BSTR(v.get())) > 0) {
            font.name = win32::FromBstr(V_BSTR(v.get()));
            return font;
        }
        return def;
    }

    void WriteFont(const Text& key, const FontDesc& value) override {
        ComPtr<IFontDisp> font = CreateFontObject(value);
        if (!font) throw ComError{E_OUTOFMEMORY};
        VARIANT v;
        V_VT(&v) = VT_DISPATCH;
        V_DISPATCH(&v) = font.Get();
        Write(key, &v);
    }

private:
    // The type the core expects back, for bags that keep text and convert on request.
    static VARTYPE RequestedType(const Variant& def) {
        switch (def.kind()) {
        case Variant::Kind::Short: return VT_I2;
        case Variant::Kind::Integer: return VT_I4;
        case Variant::Kind::Boolean: return VT_BOOL;
        case Variant::Kind::String: return VT_BSTR;
        case Variant::Kind::Floating: return VT_R8;
        default: return VT_EMPTY;
        }
    }

    void Write(const Text& key, VARIANT* v) {
        const HRESULT hr = bag_->Write(win32::Wide(key), v);
        if (FAILED(hr)) throw ComError{hr};
    }

    IPropertyBag* bag_;
    IErrorLog* log_;
};

HRESULT ReadExactly(IStream* stream, void* to, ULONG size) {
    ULONG read = 0;
    const HRESULT hr = stream->Read(to, size, &read);
    if (FAILED(hr)) return hr;
    return read == size ? S_OK : STG_E_READFAULT;
}

}  // namespace

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
    return LoadFrom(bag);
}

HRESULT Persistence::LoadFrom(PropertyBag& bag) {
    if (!owner_.BeginInitialization()) return E_UNEXPECTED;
    const HRESULT hr = Guarded([&] { owner_.Core().ReadProperties(bag); });
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
    HostPropertyBag host(bag, log);
    return LoadFrom(host);
}

STDMETHODIMP Persistence::Save(IPropertyBag* bag, BOOL clearDirty, BOOL /*saveAll*/) {
    if (!bag) return E_POINTER;
    HostPropertyBag host(bag, nullptr);
    const HRESULT hr = owner_.Call([&] { owner_.Core().WriteProperties(host); });
    if (SUCCEEDED(hr) && clearDirty) owner_.SetDirty(false);
    return hr;
}

}  // namespace mirelo::server
