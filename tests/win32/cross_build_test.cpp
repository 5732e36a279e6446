// Forms saved by one build of the component load in the other: the control's
// stream and a property bag, written to files by the 32-bit and the 64-bit
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

TEST(CrossBuild, SavesAStreamAndABagForTheOtherBuild) {
    if (Env("MIRELO_CROSS_DIR").empty()) GTEST_SKIP() << "no MIRELO_CROSS_DIR";
    const std::string self = sizeof(void*) == 8 ? "win64" : "win32";
    ComPtr<IDispatch> original = ChangedControl();
    ASSERT_TRUE(original);
    ASSERT_TRUE(WriteBytes(FileOf(self, ".stream"), SavedBytes(original.Get())));
    MemoryPropertyBag bag;
    ASSERT_EQ(original.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Save(&bag, TRUE, FALSE), S_OK);
    ASSERT_TRUE(bag.SaveTo(FileOf(self, ".bag")));
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
}

}  // namespace
}  // namespace mltest
