// Forms saved by one build of the component load in the other: the control's
// stream, a property bag and a compound document (OleSave), written to files by the 32-bit and the 64-bit
// component in turn. The test runner names the folder (MIRELO_CROSS_DIR) and
// the build whose files to read (MIRELO_CROSS_FROM: win32 or win64).
#include <gtest/gtest.h>

#include <cstdlib>

#include "saved_control.h"

namespace mltest {
namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string FileOf(const std::string& build, const char* kind) {
    return Env("MIRELO_CROSS_DIR") + "/" + build + kind;
}

std::wstring WideFileOf(const std::string& build, const char* kind) {
    const std::string path = FileOf(build, kind);
    return std::wstring(path.begin(), path.end());
}

TEST(CrossBuild, SavesAStreamAndABagForTheOtherBuild) {
    if (Env("MIRELO_CROSS_DIR").empty()) GTEST_SKIP() << "no MIRELO_CROSS_DIR";
    const std::string self = sizeof(void*) == 8 ? "win64" : "win32";
    ComPtr<IDispatch> original = ChangedControl();
    ASSERT_TRUE(original);
    ASSERT_TRUE(WriteBytes(FileOf(self, ".stream"), SavedBytes(original.Get())));
    MemoryPropertyBag bag;
    ASSERT_EQ(original.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Save(&bag, TRUE, FALSE), S_OK);
    ASSERT_TRUE(bag.SaveTo(FileOf(self, ".bag")));

    ComPtr<IStorage> storage;
    ASSERT_EQ(StgCreateDocfile(WideFileOf(self, ".storage").c_str(),
                               STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage.Out()),
              S_OK);
    ComPtr<IPersistStorage> persist = original.As<IPersistStorage>(IID_IPersistStorage);
    ASSERT_EQ(OleSave(persist.Get(), storage.Get(), TRUE), S_OK);
    persist->SaveCompleted(nullptr);
}

TEST(CrossBuild, LoadsWhatTheOtherBuildSaved) {
    const std::string from = Env("MIRELO_CROSS_FROM");
    if (Env("MIRELO_CROSS_DIR").empty() || from.empty()) GTEST_SKIP() << "no MIRELO_CROSS_DIR / _FROM";
    ComPtr<IDispatch> reference = ChangedControl();  // what every build saved
    ASSERT_TRUE(reference);

    std::vector<char> bytes;
    ASSERT_TRUE(ReadBytes(FileOf(from, ".stream"), bytes)) << FileOf(from, ".stream");
    ComPtr<IDispatch> fromStream = LoadedFrom(bytes);
    ASSERT_TRUE(fromStream);
    ExpectSameValues(fromStream.Get(), reference.Get());

    MemoryPropertyBag bag;
    ASSERT_TRUE(bag.LoadFrom(FileOf(from, ".bag"))) << FileOf(from, ".bag");
    ComPtr<IDispatch> fromBag = LoadedFrom(&bag);
    ASSERT_TRUE(fromBag);
    ExpectSameValues(fromBag.Get(), reference.Get());

    ComPtr<IStorage> storage;
    ASSERT_EQ(StgOpenStorage(WideFileOf(from, ".storage").c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE,
                             nullptr, 0, storage.Out()),
              S_OK);
    ComPtr<IDispatch> fromStorage;
    ASSERT_EQ(OleLoad(storage.Get(), IID_IDispatch, nullptr, reinterpret_cast<void**>(fromStorage.Out())), S_OK);
    ExpectSameValues(fromStorage.Get(), reference.Get());
}

}  // namespace
}  // namespace mltest
