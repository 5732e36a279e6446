// The icon file reader: the play icon we ship, directory queries, refused
// data (never read outside the bytes) and drawing through the surface.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "fakes/error_of.h"
#include "fakes/fake_platform.h"
#include "render/cls_icon.h"

namespace mirelo {
namespace {

Text ShippedPlayIcon() {
    return FromUtf8(MIRELO_SOURCE_DIR "resources/list/playicon.ico");
}

// Out of line: inlined into the cases below, GCC's -O3 takes the copies and resizes for
// writes past the end (-Warray-bounds, -Wstringop-overflow) in the Windows builds.
[[gnu::noinline]] void Put16(std::vector<uint8_t>& d, size_t at, uint32_t v) {
    d[at] = static_cast<uint8_t>(v);
    d[at + 1] = static_cast<uint8_t>(v >> 8);
}

[[gnu::noinline]] void Put32(std::vector<uint8_t>& d, size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i) d.at(at + i) = static_cast<uint8_t>(v >> (8 * i));
}

// An icon file of `count` entries; entry i is (w, h, colours, bits) with
// `length` bytes at `offset`, image bytes filled with i + 1.
struct Img {
    uint8_t w, h, colors;
    uint16_t bits;
    uint32_t length;
};
std::vector<uint8_t> IconFile(const std::vector<Img>& imgs) {
    size_t at = 6 + 16 * imgs.size();
    size_t total = at;
    for (const Img& i : imgs) total += i.length;
    std::vector<uint8_t> d(total);
    Put16(d, 2, 1);
    Put16(d, 4, static_cast<uint32_t>(imgs.size()));
    for (size_t i = 0; i < imgs.size(); ++i) {
        size_t e = 6 + 16 * i;
        d[e] = imgs[i].w;
        d[e + 1] = imgs[i].h;
        d[e + 2] = imgs[i].colors;
        Put16(d, e + 4, 1);
        Put16(d, e + 6, imgs[i].bits);
        Put32(d, e + 8, imgs[i].length);
        Put32(d, e + 12, static_cast<uint32_t>(at));
        for (uint32_t k = 0; k < imgs[i].length; ++k) d[at + k] = static_cast<uint8_t>(i + 1);
        at += imgs[i].length;
    }
    return d;
}

TEST(ClsIcon, DirectoryOfSeveralImages) {
    ClsIcon icon;
    ASSERT_TRUE(icon.LoadFromData(IconFile({{16, 16, 16, 4, 10}, {0, 0, 0, 32, 3}})));
    EXPECT_EQ(icon.Count(), 2);
    EXPECT_EQ(icon.ColorCount(0), 16);
    EXPECT_EQ(icon.BitCount(0), 4);
    EXPECT_EQ(icon.Width(1), 0);  // 256 in the file format, reported as stored
    EXPECT_EQ(icon.Data(1), (std::vector<uint8_t>{2, 2, 2}));
}

TEST(ClsIcon, ImageOutsideTheDirectoryIsError9) {
    ClsIcon icon;
    ASSERT_TRUE(icon.LoadFromData(IconFile({{12, 12, 0, 32, 4}})));
    fake::RecordingSurface s;
    for (int image : {-1, 1, 40000}) {
        SCOPED_TRACE(image);
        EXPECT_EQ(ErrorOf([&] { icon.Width(image); }), kSubscriptOutOfRange);
        EXPECT_EQ(ErrorOf([&] { icon.Length(image); }), kSubscriptOutOfRange);
        EXPECT_EQ(ErrorOf([&] { icon.Data(image); }), kSubscriptOutOfRange);
        EXPECT_EQ(ErrorOf([&] { icon.Draw(s, 0, 0, image); }), kSubscriptOutOfRange);
    }
    EXPECT_TRUE(s.ops.empty());
    ClsIcon empty;
    EXPECT_EQ(ErrorOf([&] { empty.Height(0); }), kSubscriptOutOfRange);
}

TEST(ClsIcon, RefusedDataLeavesNoImages) {
    auto good = IconFile({{12, 12, 0, 32, 8}});
    auto shortDir = IconFile({{12, 12, 0, 32, 8}, {12, 12, 0, 32, 8}});
    shortDir.resize(6 + 16 + 4);  // the second entry is cut
    const std::vector<uint8_t> pastEnd(good.begin(), good.end() - 1);  // image bytes one short
    auto farOffset = good;
    Put32(farOffset, 6 + 12, 0xFFFFFFF0u);  // offset + length wraps 32 bits
    auto hugeLength = good;
    Put32(hugeLength, 6 + 8, 0x80000000u);
    auto noImages = good;
    Put16(noImages, 4, 0);
    auto negativeCount = good;
    Put16(negativeCount, 4, 0x8000);
    struct Case {
        const char* name;
        std::vector<uint8_t> data;
    } cases[] = {
        {"empty", {}},
        {"header cut", {0, 0, 1, 0, 1}},
        {"directory cut", shortDir},
        {"image past the end", pastEnd},
        {"offset wraps", farOffset},
        {"negative length", hugeLength},
        {"count 0", noImages},
        {"count negative", negativeCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClsIcon icon;
        ASSERT_TRUE(icon.LoadFromData(good));
        EXPECT_FALSE(icon.LoadFromData(c.data));
        EXPECT_LE(icon.Count(), 0);
        EXPECT_EQ(ErrorOf([&] { icon.Data(0); }), kSubscriptOutOfRange);
    }
}

TEST(ClsIcon, DrawHandsTheImageToTheSurfaceEveryTime) {
    ClsIcon icon;
    ASSERT_TRUE(icon.LoadFromData(IconFile({{16, 16, 0, 8, 20}, {0, 0, 0, 32, 664}})));
    fake::RecordingSurface s;
    EXPECT_TRUE(icon.Draw(s, 3, 5, 1));
    EXPECT_TRUE(icon.Draw(s, 3, 5, 1));
    EXPECT_TRUE(icon.Draw(s, -2, 7, 0));
    EXPECT_EQ(s.ops, (std::vector<std::string>{"icon 3,5,0,0 n664", "icon 3,5,0,0 n664", "icon -2,7,16,16 n20"}));
}

TEST(ClsIcon, FilesLoadTheShippedIconAndNothingElse) {
    ClsIcon icon;
    ASSERT_TRUE(icon.LoadFromFile(ShippedPlayIcon()));
    EXPECT_EQ(icon.Count(), 1);
    EXPECT_EQ(icon.Width(0), 12);
    EXPECT_EQ(icon.Height(0), 12);
    EXPECT_EQ(icon.BitCount(0), 32);
    const std::vector<uint8_t> file = fake::ShippedFile("resources/list/playicon.ico");
    EXPECT_EQ(icon.Data(0), std::vector<uint8_t>(file.begin() + 22, file.end()));  // the one image after its entry
    for (const char16_t* missing : {u"no such icon.ico", u"."}) {  // a directory is no file
        ClsIcon none;
        EXPECT_FALSE(none.LoadFromFile(missing)) << ToUtf8(missing);
        EXPECT_EQ(none.Count(), 0);
    }
}

}  // namespace
}  // namespace mirelo
