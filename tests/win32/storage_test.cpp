// The control in a compound document, as OLE's own helpers keep it: OleSave
// and OleLoad through a compound file, the storage's protocol, and damaged
// documents; IPersistStream through OleSaveToStream / OleLoadFromStream.
#include <gtest/gtest.h>

#include "saved_control.h"

namespace mltest {
namespace {

ComPtr<IStorage> NewStorage() {
    ComPtr<IStorage> storage;
    // No name: a temporary compound file, deleted with its last reference.
    StgCreateDocfile(nullptr, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_DELETEONRELEASE, 0,
                     storage.Out());
    return storage;
}

std::vector<char> ContentsOf(IStorage* storage) {
    ComPtr<IStream> stream;
    if (FAILED(storage->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.Out())))
        return {};
    return BytesOf(stream.Get());
}

TEST(Storage, OleSaveAndOleLoadKeepEveryValueInTheStreamsBytes) {
    ComPtr<IDispatch> original = ChangedControl();
    ASSERT_TRUE(original);
    ComPtr<IStorage> storage = NewStorage();
    ASSERT_TRUE(storage);
    ComPtr<IPersistStorage> persist = original.As<IPersistStorage>(IID_IPersistStorage);
    ASSERT_TRUE(persist);
    ASSERT_EQ(OleSave(persist.Get(), storage.Get(), TRUE), S_OK);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    EXPECT_EQ(persist->SaveCompleted(nullptr), S_OK);
    EXPECT_EQ(ContentsOf(storage.Get()), SavedBytes(original.Get()));

    ComPtr<IDispatch> loaded;
    ASSERT_EQ(OleLoad(storage.Get(), IID_IDispatch, nullptr, reinterpret_cast<void**>(loaded.Out())), S_OK);
    ExpectSameValues(loaded.Get(), original.Get());
}

TEST(Storage, PlainStreamContainersSaveAndLoadThroughIPersistStream) {
    ComPtr<IDispatch> original = ChangedControl();
    ASSERT_TRUE(original);
    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()), S_OK);
    ASSERT_EQ(OleSaveToStream(original.As<IPersistStream>(IID_IPersistStream).Get(), stream.Get()), S_OK);
    LARGE_INTEGER zero = {};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ComPtr<IDispatch> loaded;
    ASSERT_EQ(OleLoadFromStream(stream.Get(), IID_IDispatch, reinterpret_cast<void**>(loaded.Out())), S_OK);
    ExpectSameValues(loaded.Get(), original.Get());
}

// Each call in turn on one control, with the answer a container must get.
TEST(Storage, CallsTheStateForbidsAreUnexpected) {
    ComPtr<IPersistStorage> p = NewControl().As<IPersistStorage>(IID_IPersistStorage);
    ComPtr<IStorage> storage = NewStorage();
    ASSERT_TRUE(p && storage);
    IStorage* s = storage.Get();
    struct Step {
        const char* call;
        std::function<HRESULT()> run;
        HRESULT expected;
    } steps[] = {
        {"SaveCompleted before any save", [&] { return p->SaveCompleted(nullptr); }, E_UNEXPECTED},
        {"InitNew", [&] { return p->InitNew(s); }, S_OK},
        {"second InitNew", [&] { return p->InitNew(s); }, E_UNEXPECTED},
        {"Load once initialised", [&] { return p->Load(s); }, E_UNEXPECTED},
        {"Save", [&] { return p->Save(s, TRUE); }, S_OK},
        {"Save again before SaveCompleted", [&] { return p->Save(s, TRUE); }, E_UNEXPECTED},
        {"HandsOffStorage after the save", [&] { return p->HandsOffStorage(); }, S_OK},
        {"SaveCompleted without a storage while hands off", [&] { return p->SaveCompleted(nullptr); }, E_INVALIDARG},
        {"SaveCompleted with the storage back", [&] { return p->SaveCompleted(s); }, S_OK},
        {"Save in the normal state", [&] { return p->Save(s, FALSE); }, S_OK},
        {"SaveCompleted", [&] { return p->SaveCompleted(nullptr); }, S_OK},
        {"Save with no storage", [&] { return p->Save(nullptr, TRUE); }, E_POINTER},
    };
    for (Step& step : steps) EXPECT_EQ(step.run(), step.expected) << step.call;
}

TEST(Storage, DamagedDocumentsAreRefusedAndTheControlStaysUsable) {
    ComPtr<IDispatch> original = ChangedControl();
    ASSERT_TRUE(original);
    const std::vector<char> bytes = SavedBytes(original.Get());
    struct Case {
        const char* what;
        bool hasStream;
        std::vector<char> data;
    } cases[] = {
        {"no Contents stream", false, {}},
        {"empty stream", true, {}},
        {"foreign bytes", true, std::vector<char>(bytes.size(), 'x')},
        {"cut short", true, std::vector<char>(bytes.begin(), bytes.end() - 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ComPtr<IStorage> storage = NewStorage();
        ASSERT_TRUE(storage);
        WriteClassStg(storage.Get(), CLSID_MireloList);
        if (c.hasStream) {
            ComPtr<IStream> stream;
            ASSERT_EQ(storage->CreateStream(L"Contents", STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                            stream.Out()),
                      S_OK);
            stream->Write(c.data.data(), static_cast<ULONG>(c.data.size()), nullptr);
        }
        IUnknown* none = nullptr;
        EXPECT_TRUE(FAILED(OleLoad(storage.Get(), IID_IUnknown, nullptr, reinterpret_cast<void**>(&none))));
        EXPECT_EQ(none, nullptr);

        ComPtr<IDispatch> d = NewDispatch();
        ComPtr<IPersistStorage> p = d.As<IPersistStorage>(IID_IPersistStorage);
        EXPECT_TRUE(FAILED(p->Load(storage.Get())));
        // Nothing was loaded: the control starts new and works.
        EXPECT_EQ(p->InitNew(storage.Get()), S_OK);
        EXPECT_EQ(Method(d.Get(), L"AddItem", {Var::Str(L"a")}).value.AsLong(), 1);
        EXPECT_EQ(Get(d.Get(), L"ItemHeight").value.AsLong(), 16);
    }
}

}  // namespace
}  // namespace mltest
