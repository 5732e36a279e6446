#include <gtest/gtest.h>

#include "base/error.h"
#include "fakes/error_of.h"
#include "base/numeric.h"
#include "base/text.h"
#include "base/variant.h"

namespace mirelo {
namespace {


TEST(Rounding, HalvesGoToTheEvenNeighbourAndIntFixDiffer) {
    struct Case { double v, round, floor, trunc; };
    for (Case c : {Case{0.5, 0, 0, 0}, Case{1.5, 2, 1, 1}, Case{2.5, 2, 2, 2}, Case{-0.5, 0, -1, 0},
                   Case{-1.5, -2, -2, -1}, Case{-2.5, -2, -3, -2}, Case{6.5, 6, 6, 6}, Case{5.64, 6, 5, 5}}) {
        EXPECT_EQ(RoundHalfEven(c.v), c.round) << c.v;
        EXPECT_EQ(Int(c.v), c.floor) << c.v;
        EXPECT_EQ(Fix(c.v), c.trunc) << c.v;
    }
}

TEST(Narrowing, OverflowIsError6AtTheExactBoundaries) {
    EXPECT_EQ(ToInt16(32767.0), 32767);
    EXPECT_EQ(ToInt16(32766.5), 32766);
    EXPECT_EQ(ErrorOf([] { ToInt16(32767.5); }), kOverflow);  // rounds to the even 32768
    EXPECT_EQ(ErrorOf([] { ToInt16(int64_t{32768}); }), kOverflow);
    EXPECT_EQ(ToInt16(-32768.4), -32768);
    EXPECT_EQ(ErrorOf([] { ToInt16(-32768.6); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { ToInt32(2147483647.6); }), kOverflow);
    // Places that only decide where something is drawn are held instead.
    EXPECT_EQ(Clip16(32767.5), 32767);
    EXPECT_EQ(Clip16(-32768.4), -32768);
    EXPECT_EQ(Clip16(-40000.0), -32768);
    EXPECT_EQ(Clip32(int64_t{1} << 40), 2147483647);
}

TEST(SplitText, CutsAtEveryCommaWithoutTrimming) {
    EXPECT_TRUE(SplitText(u"").empty());
    EXPECT_EQ(SplitText(u"a"), (std::vector<Text>{u"a"}));
    EXPECT_EQ(SplitText(u" a , b"), (std::vector<Text>{u" a ", u" b"}));
    EXPECT_EQ(SplitText(u",,"), (std::vector<Text>{u"", u"", u""}));
    EXPECT_EQ(SplitText(u"a,\"b,c\""), (std::vector<Text>{u"a", u"\"b", u"c\""}));
}

TEST(Utf8, RoundTripsChineseAndSurrogatePairs) {
    const std::string s = "\xE5\xAE\x8B\xE4\xBD\x93 \xF0\x9F\x8E\xB5";  // 宋体 and a musical note
    Text t = FromUtf8(s);
    EXPECT_EQ(t.size(), 5u);
    EXPECT_EQ(ToUtf8(t), s);
}

TEST(Variant, ConvertsLikeTheHostLanguage) {
    EXPECT_EQ(Variant(u" \t12 \t").ToInt16(), 12);
    EXPECT_EQ(Variant(u"2.5").ToInt16(), 2);
    EXPECT_EQ(Variant(u"3.5").ToInt16(), 4);
    EXPECT_EQ(Variant(u"&HFF").ToInt32(), 255);
    EXPECT_EQ(Variant(u"&HFFFF").ToInt32(), -1);  // four digits make a 16-bit literal
    EXPECT_EQ(Variant(u"&HFFFFFFFF").ToInt32(), -1);
    EXPECT_EQ(Variant(u"1e3").ToInt32(), 1000);
    EXPECT_EQ(Variant(2.9).ToDouble(), 2.9);
    EXPECT_EQ(Variant().ToInt16(), 0);
    EXPECT_EQ(Variant::FromBool(true).ToInt16(), -1);
    EXPECT_EQ(Variant(12).ToText(), u"12");
    EXPECT_EQ(Variant(0.1).ToText(), u"0.1");
    EXPECT_EQ(Variant(-2.5).ToText(), u"-2.5");
    EXPECT_EQ(Variant(1e20).ToText(), u"1E+20");
    EXPECT_EQ(Variant(123456789012345.0).ToText(), u"123456789012345");  // 15 digits stay whole
    EXPECT_EQ(Variant::FromBool(false).ToText(), u"False");
    for (const char16_t* bad : {u"", u"abc", u"1,5", u"inf", u"nan", u"0x10", u"12abc"})
        EXPECT_EQ(ErrorOf([&] { Variant(bad).ToInt16(); }), kTypeMismatch) << ToUtf8(bad);
    EXPECT_EQ(ErrorOf([] { Variant(u"40000").ToInt16(); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { Variant::Missing().ToText(); }), kTypeMismatch);
}

}  // namespace
}  // namespace mirelo
