#include "saved_control.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace mltest {

STDMETHODIMP MemoryPropertyBag::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IPropertyBag) return E_NOINTERFACE;
    *out = static_cast<IPropertyBag*>(this);
    return S_OK;
}

STDMETHODIMP MemoryPropertyBag::Read(LPCOLESTR name, VARIANT* out, IErrorLog*) {
    const VARTYPE wanted = V_VT(out);
    if (auto it = objects.find(name); it != objects.end()) {
        LARGE_INTEGER zero = {};
        it->second->Seek(zero, STREAM_SEEK_SET, nullptr);
        IDispatch* object = nullptr;
        if (FAILED(OleLoadFromStream(it->second.Get(), IID_IDispatch, reinterpret_cast<void**>(&object))))
            return E_FAIL;
        V_VT(out) = VT_DISPATCH;
        V_DISPATCH(out) = object;
        return S_OK;
    }
    auto it = values.find(name);
    if (it == values.end()) return E_INVALIDARG;
    if (wanted == VT_EMPTY) return VariantCopy(out, it->second.get());
    return VariantChangeType(out, it->second.get(), 0, wanted);
}

STDMETHODIMP MemoryPropertyBag::Write(LPCOLESTR name, VARIANT* value) {
    order.push_back(name);
    if (V_VT(value) == VT_DISPATCH || V_VT(value) == VT_UNKNOWN) {
        ComPtr<IPersistStream> persist;
        if (FAILED(V_UNKNOWN(value)->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(persist.Out()))))
            return E_INVALIDARG;
        ComPtr<IStream> stream;
        CreateStreamOnHGlobal(nullptr, TRUE, stream.Out());
        if (FAILED(OleSaveToStream(persist.Get(), stream.Get()))) return E_FAIL;
        objects[name] = stream;
        types[name] = V_VT(value);
        return S_OK;
    }
    VariantCopy(values[name].get(), value);
    types[name] = V_VT(value);
    return S_OK;
}

namespace {

void Append(std::vector<char>& out, const void* data, size_t size) {
    out.insert(out.end(), static_cast<const char*>(data), static_cast<const char*>(data) + size);
}

void AppendText(std::vector<char>& out, const std::wstring& text) {
    const uint32_t length = static_cast<uint32_t>(text.size());
    Append(out, &length, sizeof length);
    Append(out, text.data(), length * sizeof(wchar_t));
}

// Reads from a file's bytes and refuses to read past them.
class Reader {
public:
    explicit Reader(const std::vector<char>& bytes) : bytes_(bytes) {}
    bool Take(void* out, size_t size) {
        if (bytes_.size() - at_ < size) return false;
        std::copy_n(bytes_.data() + at_, size, static_cast<char*>(out));
        at_ += size;
        return true;
    }
    bool TakeText(std::wstring& text) {
        uint32_t length = 0;
        if (!Take(&length, sizeof length) || (bytes_.size() - at_) / sizeof(wchar_t) < length) return false;
        text.resize(length);
        return Take(&text[0], length * sizeof(wchar_t));
    }
    bool done() const { return at_ == bytes_.size(); }

private:
    const std::vector<char>& bytes_;
    size_t at_ = 0;
};

// Record kinds in the file.
enum : uint8_t { kValue = 1, kObject = 2 };

}  // namespace

bool MemoryPropertyBag::SaveTo(const std::string& path) const {
    std::vector<char> out;
    for (const auto& [name, value] : values) {
        const VARIANT* v = value.get();
        const VARTYPE vt = V_VT(v);
        out.push_back(static_cast<char>(kValue));
        AppendText(out, name);
        Append(out, &vt, sizeof vt);
        if (vt == VT_BSTR) {
            AppendText(out, std::wstring(V_BSTR(v), SysStringLen(V_BSTR(v))));
        } else {
            if (vt != VT_I2 && vt != VT_I4 && vt != VT_BOOL && vt != VT_R8) return false;
            Append(out, &V_R8(v), sizeof(double));  // the union's first eight bytes
        }
    }
    for (const auto& [name, stream] : objects) {
        out.push_back(static_cast<char>(kObject));
        AppendText(out, name);
        const std::vector<char> bytes = BytesOf(stream.Get());
        const uint32_t size = static_cast<uint32_t>(bytes.size());
        Append(out, &size, sizeof size);
        Append(out, bytes.data(), size);
    }
    return WriteBytes(path, out);
}

bool MemoryPropertyBag::LoadFrom(const std::string& path) {
    std::vector<char> bytes;
    if (!ReadBytes(path, bytes)) return false;
    Reader in(bytes);
    while (!in.done()) {
        uint8_t kind = 0;
        std::wstring name;
        if (!in.Take(&kind, 1) || !in.TakeText(name)) return false;
        if (kind == kObject) {
            uint32_t size = 0;
            if (!in.Take(&size, sizeof size) || size > bytes.size()) return false;
            std::vector<char> data(size);
            if (!in.Take(data.data(), size)) return false;
            objects[name] = StreamOf(data);
            continue;
        }
        VARTYPE vt = VT_EMPTY;
        if (kind != kValue || !in.Take(&vt, sizeof vt)) return false;
        Var& value = values[name];
        if (vt == VT_BSTR) {
            std::wstring text;
            if (!in.TakeText(text)) return false;
            value = Var::Str(text.c_str());
        } else {
            V_VT(value.get()) = vt;
            if (!in.Take(&V_R8(value.get()), sizeof(double))) return false;
        }
    }
    return true;
}

std::vector<Setting> NonDefaults() {
    return {
        {L"BackColor", Var::I4(0x102030), VT_I4},      {L"ItemHeight", Var::I4(21), VT_I4},
        {L"ItemBkColor1", Var::I4(0x010101), VT_I4},   {L"ItemBkColor2", Var::I4(0x020202), VT_I4},
        {L"ItemSelBkColor", Var::I4(0x030303), VT_I4}, {L"ItemNorTextColor", Var::I4(0x040404), VT_I4},
        {L"ItemSelTextColor", Var::I4(0x050505), VT_I4}, {L"ItemPlyTextColor", Var::I4(0x060606), VT_I4},
        {L"ItemErrTextColor", Var::I4(0x070707), VT_I4}, {L"HeaderBackColor", Var::I4(0x080808), VT_I4},
        {L"YnNeedNumCol", Var::Bool(false), VT_BOOL},    {L"Border", Var::Bool(false), VT_BOOL},
        {L"BorderColor", Var::I4(0x090909), VT_I4},      {L"BorderWidth", Var::I4(3), VT_I2},
        {L"CheckBox", Var::Bool(true), VT_BOOL},         {L"bSeleArrow", Var::Bool(false), VT_BOOL},
    };
}

FontFacts FontOf(IDispatch* d) {
    CallResult font = Get(d, L"Font");
    IDispatch* f = V_DISPATCH(font.value.get());
    return {Get(f, L"Name").value.AsString(), Get(f, L"Size").value.AsLong(), Get(f, L"Bold").value.AsLong(),
            Get(f, L"Italic").value.AsLong()};
}

ComPtr<IDispatch> ChangedControl() {
    ComPtr<IDispatch> d = NewDispatch();
    if (!d) return d;
    d.As<IPersistStreamInit>(IID_IPersistStreamInit)->InitNew();
    for (const Setting& s : NonDefaults()) EXPECT_EQ(Put(d.Get(), s.key, s.value).hr, S_OK);
    CallResult font = Get(d.Get(), L"Font");
    IDispatch* f = V_DISPATCH(font.value.get());
    // A face the standard font's own stream can keep: it stores the name in
    // the ANSI code page, where a Chinese name does not survive on a Western system.
    Put(f, L"Name", Var::Str(L"Tahoma"));
    Put(f, L"Size", Var::I4(12));
    Put(f, L"Bold", Var::Bool(true));
    Put(f, L"Italic", Var::Bool(true));
    return d;
}

void ExpectSameValues(IDispatch* loaded, IDispatch* original) {
    for (const Setting& s : NonDefaults()) {
        SCOPED_TRACE(std::string(s.key, s.key + wcslen(s.key)));
        EXPECT_EQ(Get(loaded, s.key).value.AsLong(), s.value.AsLong());
    }
    const FontFacts a = FontOf(loaded), b = FontOf(original);
    EXPECT_TRUE(a == b) << std::string(a.name.begin(), a.name.end()) << " " << a.size << " " << a.bold << " " << a.italic << " / "
                        << std::string(b.name.begin(), b.name.end()) << " " << b.size << " " << b.bold << " " << b.italic;
    EXPECT_EQ(FontOf(loaded).size, 12);
}

std::vector<char> SavedBytes(IDispatch* control) {
    ComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.Out());
    ComPtr<IDispatch>(control).As<IPersistStreamInit>(IID_IPersistStreamInit)->Save(stream.Get(), FALSE);
    return BytesOf(stream.Get());
}

ComPtr<IDispatch> LoadedFrom(const std::vector<char>& bytes) {
    ComPtr<IDispatch> d = NewDispatch();
    if (d && FAILED(d.As<IPersistStreamInit>(IID_IPersistStreamInit)->Load(StreamOf(bytes).Get()))) d.Reset();
    return d;
}

ComPtr<IDispatch> LoadedFrom(IPropertyBag* bag) {
    ComPtr<IDispatch> d = NewDispatch();
    if (d && FAILED(d.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Load(bag, nullptr))) d.Reset();
    return d;
}

std::vector<char> BytesOf(IStream* stream) {
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    std::vector<char> bytes(static_cast<size_t>(stat.cbSize.QuadPart));
    LARGE_INTEGER zero = {};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    return bytes;
}

ComPtr<IStream> StreamOf(const std::vector<char>& bytes) {
    ComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.Out());
    stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    LARGE_INTEGER zero = {};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    return stream;
}

bool WriteBytes(const std::string& path, const std::vector<char>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool ReadBytes(const std::string& path, std::vector<char>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace mltest
