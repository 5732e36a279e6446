#include "saved_control.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

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

std::string Hex(const void* data, size_t size) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out = "x";  // never empty, so that a stream reads it as one word
    for (size_t i = 0; i < size; ++i) {
        const unsigned char b = static_cast<const unsigned char*>(data)[i];
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

std::vector<char> Unhex(const std::string& text) {
    std::vector<char> out;
    for (size_t i = 1; i + 1 < text.size(); i += 2)
        out.push_back(static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16)));
    return out;
}

}  // namespace

// One line a value: "value", its name, its type and its bytes in hex (a text's
// UTF-16 code units, a number's eight bytes of the union); or "object", its
// name, 0 and its stream's bytes. Names are the control's ASCII keys.
bool MemoryPropertyBag::SaveTo(const std::string& path) const {
    std::ofstream file(path);
    for (const auto& [name, value] : values) {
        const VARIANT* v = value.get();
        const VARTYPE vt = V_VT(v);
        if (vt != VT_BSTR && vt != VT_I2 && vt != VT_I4 && vt != VT_BOOL && vt != VT_R8) return false;
        file << "value " << std::string(name.begin(), name.end()) << " " << vt << " "
             << (vt == VT_BSTR ? Hex(V_BSTR(v), SysStringByteLen(V_BSTR(v))) : Hex(&V_R8(v), sizeof(double))) << "\n";
    }
    for (const auto& [name, stream] : objects) {
        const std::vector<char> bytes = BytesOf(stream.Get());
        file << "object " << std::string(name.begin(), name.end()) << " 0 " << Hex(bytes.data(), bytes.size()) << "\n";
    }
    return static_cast<bool>(file);
}

bool MemoryPropertyBag::LoadFrom(const std::string& path) {
    std::ifstream file(path);
    std::string kind, name, hex;
    VARTYPE vt = VT_EMPTY;
    while (file >> kind >> name >> vt >> hex) {
        const std::vector<char> bytes = Unhex(hex);
        const std::wstring key(name.begin(), name.end());
        if (kind == "object") {
            objects[key] = StreamOf(bytes);
        } else if (vt == VT_BSTR) {
            values[key] = Var::Str(std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2).c_str());
        } else {
            if (bytes.size() != sizeof(double)) return false;
            V_VT(values[key].get()) = vt;
            std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(&V_R8(values[key].get())));
        }
    }
    return file.eof();  // read to the end, not stopped by a malformed line or a missing file
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
