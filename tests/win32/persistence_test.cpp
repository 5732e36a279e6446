// Saving and loading: the 17 keys through a property bag (the font as a
// standard font object the bag persists like any object), the same values
// through a stream, and initialisation that happens exactly once.
#include <gtest/gtest.h>

#include "saved_control.h"

namespace mltest {
namespace {

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

    ComPtr<IDispatch> loaded = LoadedFrom(&bag);
    ASSERT_TRUE(loaded);
    ExpectSameValues(loaded.Get(), original.Get());
}

TEST(Persistence, MissingKeysLoadAsTheControlDefinesThem) {
    MemoryPropertyBag bag;
    bag.values[L"BorderColor"] = Var::Str(L"16711680");  // a text bag's way of storing numbers
    bag.values[L"CheckBox"] = Var::Str(L"True");
    bag.values[L"Border"] = Var::Bool(true);
    V_BOOL(bag.values[L"Border"].get()) = 1;  // C's TRUE
    ComPtr<IDispatch> d = LoadedFrom(&bag);
    ASSERT_TRUE(d);
    EXPECT_EQ(Get(d.Get(), L"BorderColor").value.AsLong(), 16711680);
    EXPECT_EQ(Get(d.Get(), L"CheckBox").value.AsLong(), -1);
    EXPECT_EQ(Get(d.Get(), L"bSeleArrow").value.AsLong(), -1);  // absent: True
    EXPECT_EQ(Get(d.Get(), L"Border").value.AsLong(), -1);
    EXPECT_EQ(Get(d.Get(), L"ItemBkColor1").value.AsLong(), 0);  // absent colour: black
    EXPECT_EQ(Get(d.Get(), L"BackColor").value.AsLong(), 0xF7FFFF);
    EXPECT_EQ(Get(d.Get(), L"BorderWidth").value.AsLong(), 1);
}

// Office's text-only bag: every value comes back as text, the font as its name.
TEST(Persistence, TextBagOfStringsLoadsEveryValueAndTheFontByItsName) {
    ComPtr<IDispatch> original = ChangedControl();
    ASSERT_TRUE(original);
    MemoryPropertyBag saved;
    ASSERT_EQ(original.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Save(&saved, TRUE, FALSE), S_OK);
    // What the loaded font must equal: a new control's, renamed where the bag names a font.
    for (const wchar_t* name : {L"Tahoma", L""}) {
        SCOPED_TRACE(name);
        MemoryPropertyBag text;
        for (auto& [key, value] : saved.values)
            ASSERT_EQ(VariantChangeType(text.values[key].get(), value.get(), 0, VT_BSTR), S_OK);
        text.values[L"Font"] = Var::Str(name);
        ComPtr<IDispatch> loaded = LoadedFrom(&text);
        ASSERT_TRUE(loaded);
        for (const Setting& s : NonDefaults()) EXPECT_EQ(Get(loaded.Get(), s.key).value.AsLong(), s.value.AsLong());
        ComPtr<IDispatch> expected = NewDispatch();
        CallResult font = Get(expected.Get(), L"Font");
        if (*name) Put(V_DISPATCH(font.value.get()), L"Name", Var::Str(name));
        const FontFacts got = FontOf(loaded.Get()), want = FontOf(expected.Get());
        EXPECT_TRUE(got == want) << std::string(got.name.begin(), got.name.end()) << " " << got.size << " / "
                                 << std::string(want.name.begin(), want.name.end()) << " " << want.size;
    }
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
    ComPtr<IDispatch> loaded = LoadedFrom(SavedBytes(NewDispatch().Get()));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(FontOf(loaded.Get()).name, L"\u5B8B\u4F53");
}

TEST(Persistence, StreamsThatAreNotOursAreRefused) {
    ComPtr<IDispatch> original = ChangedControl();
    ASSERT_TRUE(original);
    const std::vector<char> bytes = SavedBytes(original.Get());

    struct Case {
        const char* what;
        std::vector<char> data;
    } cases[] = {
        {"empty", {}},
        {"foreign magic", std::vector<char>(bytes.size(), 'x')},
        {"newer format version", bytes},
        {"cut short", std::vector<char>(bytes.begin(), bytes.end() - 5)},
        {"a byte more than its entries", bytes},
    };
    cases[2].data[4] = 2;
    cases[4].data.push_back(0);
    ++cases[4].data[8];  // the payload's length, low byte first
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ComPtr<IStream> stream = StreamOf(c.data);
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
