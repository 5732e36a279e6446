// Saving and loading: the 17 keys through a property bag (the font as a
// standard font object the bag persists like any object), the same values
// through a stream, and initialisation that happens exactly once.
#include <gtest/gtest.h>

#include <map>

#include "com_support.h"

namespace mltest {
namespace {

// A bag that keeps values the way a form file does: objects saved through
// their IPersistStream and loaded back as new objects.
class MemoryPropertyBag : public IPropertyBag {
public:
    std::map<std::wstring, Var> values;
    std::map<std::wstring, ComPtr<IStream>> objects;
    std::vector<std::wstring> order;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IPropertyBag) return E_NOINTERFACE;
        *out = static_cast<IPropertyBag*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP Read(LPCOLESTR name, VARIANT* out, IErrorLog*) override {
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

    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override {
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

    std::map<std::wstring, VARTYPE> types;
};

// Every persisted property with a value that differs from its default.
struct Setting {
    const wchar_t* key;
    Var value;
    VARTYPE stored;
};

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

struct FontFacts {
    std::wstring name;
    long size, bold, italic;
    bool operator==(const FontFacts& o) const {
        return name == o.name && size == o.size && bold == o.bold && italic == o.italic;
    }
};

FontFacts FontOf(IDispatch* d) {
    CallResult font = Get(d, L"Font");
    IDispatch* f = V_DISPATCH(font.value.get());
    return {Get(f, L"Name").value.AsString(), Get(f, L"Size").value.AsLong(), Get(f, L"Bold").value.AsLong(),
            Get(f, L"Italic").value.AsLong()};
}

// A control with every persisted property changed from its default.
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

TEST(Persistence, PropertyBagRoundTripKeepsAllSeventeenValues) {
    ComPtr<IDispatch> original = ChangedControl();
    ASSERT_TRUE(original);
    MemoryPropertyBag bag;
    ComPtr<IPersistPropertyBag> save = original.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    ASSERT_EQ(save->Save(&bag, TRUE, FALSE), S_OK);

    EXPECT_EQ(bag.order.size(), 17u);
    EXPECT_EQ(bag.types[L"Font"], VT_DISPATCH);
    for (const Setting& s : NonDefaults())
        EXPECT_EQ(bag.types[s.key], s.stored) << std::string(s.key, s.key + wcslen(s.key));

    ComPtr<IDispatch> loaded = NewDispatch();
    ASSERT_EQ(loaded.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Load(&bag, nullptr), S_OK);
    ExpectSameValues(loaded.Get(), original.Get());
}

TEST(Persistence, MissingKeysLoadAsTheControlDefinesThem) {
    MemoryPropertyBag bag;
    bag.values[L"BorderColor"] = Var::Str(L"16711680");  // a text bag's way of storing numbers
    ComPtr<IDispatch> d = NewDispatch();
    ASSERT_EQ(d.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Load(&bag, nullptr), S_OK);
    EXPECT_EQ(Get(d.Get(), L"BorderColor").value.AsLong(), 16711680);
    EXPECT_EQ(Get(d.Get(), L"bSeleArrow").value.AsLong(), -1);  // absent: True
    EXPECT_EQ(Get(d.Get(), L"Border").value.AsLong(), 0);       // absent: False
    EXPECT_EQ(Get(d.Get(), L"ItemBkColor1").value.AsLong(), 0);  // absent colour: black
    EXPECT_EQ(Get(d.Get(), L"BackColor").value.AsLong(), 0xF7FFFF);
    EXPECT_EQ(Get(d.Get(), L"BorderWidth").value.AsLong(), 1);
}

TEST(Persistence, StreamRoundTripKeepsTheSameValues) {
    ComPtr<IDispatch> original = ChangedControl();
    ASSERT_TRUE(original);
    ComPtr<IPersistStreamInit> save = original.As<IPersistStreamInit>(IID_IPersistStreamInit);
    EXPECT_EQ(save->IsDirty(), S_OK);
    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()), S_OK);
    ASSERT_EQ(save->Save(stream.Get(), TRUE), S_OK);
    EXPECT_EQ(save->IsDirty(), S_FALSE);
    ULARGE_INTEGER max = {}, end = {};
    LARGE_INTEGER zero = {};
    EXPECT_EQ(save->GetSizeMax(&max), S_OK);
    stream->Seek(zero, STREAM_SEEK_CUR, &end);
    EXPECT_EQ(max.QuadPart, end.QuadPart);

    // Whatever follows the control's data in a container's stream is not read.
    const char trailer[] = "next object";
    stream->Write(trailer, sizeof trailer, nullptr);
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ComPtr<IDispatch> loaded = NewDispatch();
    ASSERT_EQ(loaded.As<IPersistStreamInit>(IID_IPersistStreamInit)->Load(stream.Get()), S_OK);
    ExpectSameValues(loaded.Get(), original.Get());
    ULARGE_INTEGER at = {};
    stream->Seek(zero, STREAM_SEEK_CUR, &at);
    EXPECT_EQ(at.QuadPart, end.QuadPart);
}

TEST(Persistence, StreamKeepsAChineseFontName) {
    ComPtr<IDispatch> original = NewDispatch();
    ASSERT_TRUE(original);
    ComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.Out());
    ASSERT_EQ(original.As<IPersistStreamInit>(IID_IPersistStreamInit)->Save(stream.Get(), TRUE), S_OK);
    LARGE_INTEGER zero = {};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ComPtr<IDispatch> loaded = NewDispatch();
    ASSERT_EQ(loaded.As<IPersistStreamInit>(IID_IPersistStreamInit)->Load(stream.Get()), S_OK);
    EXPECT_EQ(FontOf(loaded.Get()).name, L"\u5B8B\u4F53");
}

TEST(Persistence, StreamsThatAreNotOursAreRefused) {
    ComPtr<IDispatch> original = ChangedControl();
    ASSERT_TRUE(original);
    ComPtr<IStream> good;
    CreateStreamOnHGlobal(nullptr, TRUE, good.Out());
    original.As<IPersistStreamInit>(IID_IPersistStreamInit)->Save(good.Get(), FALSE);
    STATSTG stat = {};
    good->Stat(&stat, STATFLAG_NONAME);
    std::vector<char> bytes(stat.cbSize.QuadPart);
    LARGE_INTEGER zero = {};
    good->Seek(zero, STREAM_SEEK_SET, nullptr);
    good->Read(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);

    struct Case {
        const char* what;
        std::vector<char> data;
    } cases[] = {
        {"empty", {}},
        {"foreign magic", std::vector<char>(bytes.size(), 'x')},
        {"newer format version", bytes},
        {"cut short", std::vector<char>(bytes.begin(), bytes.end() - 5)},
    };
    cases[2].data[4] = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ComPtr<IStream> stream;
        CreateStreamOnHGlobal(nullptr, TRUE, stream.Out());
        stream->Write(c.data.data(), static_cast<ULONG>(c.data.size()), nullptr);
        stream->Seek(zero, STREAM_SEEK_SET, nullptr);
        ComPtr<IPersistStreamInit> fresh = NewControl().As<IPersistStreamInit>(IID_IPersistStreamInit);
        EXPECT_TRUE(FAILED(fresh->Load(stream.Get())));
        // Refused before anything was read into it: the control can still start new.
        EXPECT_EQ(fresh->InitNew(), S_OK);
    }
}

TEST(Persistence, InitialisationHappensExactlyOnce) {
    ComPtr<IUnknown> control = NewControl();
    ASSERT_TRUE(control);
    ComPtr<IPersistStreamInit> stream = control.As<IPersistStreamInit>(IID_IPersistStreamInit);
    ComPtr<IPersistPropertyBag> bag = control.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    EXPECT_EQ(stream->InitNew(), S_OK);
    EXPECT_EQ(stream->InitNew(), E_UNEXPECTED);
    MemoryPropertyBag empty;
    EXPECT_EQ(bag->Load(&empty, nullptr), E_UNEXPECTED);

    // A script client never calls either: its first call initialises the control.
    ComPtr<IDispatch> used = NewDispatch();
    EXPECT_EQ(Get(used.Get(), L"ItemHeight").value.AsLong(), 16);
    EXPECT_EQ(used.As<IPersistStreamInit>(IID_IPersistStreamInit)->InitNew(), E_UNEXPECTED);
    CLSID clsid = {};
    EXPECT_EQ(stream->GetClassID(&clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_MireloList);
}

}  // namespace
}  // namespace mltest
