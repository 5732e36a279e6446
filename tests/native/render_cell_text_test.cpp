// Cell texts that do not fit are cut and end in "...": exact fits, nothing
// fitting, alignments, rounding of prefix widths and UTF-16 code units.
#include "fakes/list_fixture.h"

namespace mirelo::fake {
namespace {

using Ops = Lines;

class RenderCellText : public ListTest {
protected:
    // Column 1 of row 0 is a text box at x 45, 95 wide (see the worked geometry).
    Ops CellOps(const Text& text, double charWidth, const char* aligns) {
        New(144, 151);
        Columns("No,Name", "40,100", aligns, 1);
        Add(("n," + Utf8(text)).c_str());
        surface.charWidth = charWidth;
        Ops texts = Only(Row(0), "text '");
        texts.erase(texts.begin());  // the row number
        return texts;
    }
};

TEST_F(RenderCellText, Shortening) {
    const std::string a12(12, 'a'), a19(19, 'a'), a34(34, 'a');
    struct Case {
        const char* name;
        Text text;
        double charWidth;
        const char* aligns;
        Ops expected;
    } cases[] = {
        {"fits", u"abc", 6, "0,0", {"text 'abc' 45,19,140,31 f0"}},
        {"exactly as wide as the box", Text(19, u'a'), 5, "0,0", {"text '" + a19 + "' 45,19,140,31 f0"}},
        {"one pixel too wide", Text(16, u'a'), 6, "0,0",
         {"text '" + a12 + "' 45,19,117,31 f0", "text '...' 117,19,140,31 f0"}},
        {"nothing fits: a blank of the first character", u"abc", 40, "0,0",
         {"text '' 45,19,85,31 f0", "text '...' 85,19,140,31 f0"}},
        {"long text: the same cut", Text(200, u'a'), 6, "0,0",
         {"text '" + a12 + "' 45,19,117,31 f0", "text '...' 117,19,140,31 f0"}},
        {"right aligned keeps its alignment", Text(16, u'a'), 6, "0,2",
         {"text '" + a12 + "' 45,19,117,31 f2", "text '...' 117,19,140,31 f2"}},
        {"centred fits and stays centred", u"abc", 6, "0,1", {"text 'abc' 45,19,140,31 f1"}},
        {"centred and shortened goes left", Text(16, u'a'), 6, "0,1",
         {"text '" + a12 + "' 45,19,117,31 f0", "text '...' 117,19,140,31 f0"}},
        {"vertical centring dropped too", Text(16, u'a'), 6, "0,6",
         {"text '" + a12 + "' 45,19,117,31 f2", "text '...' 117,19,140,31 f2"}},
        {"other flag bits pass", Text(16, u'a'), 6, "0,32",
         {"text '" + a12 + "' 45,19,117,31 f32", "text '...' 117,19,140,31 f32"}},
        // Prefix widths are rounded half to even: 35 units of 2.5 are 87.5,
        // which rounds to 88 and no longer fits the 87.5 left beside "...".
        {"rounded prefix widths", Text(40, u'a'), 2.5, "0,0",
         {"text '" + a34 + "' 45,19,130,31 f0", "text '...' 130,19,140,31 f0"}},
        {"measured in code units", u"\u5B8B\u4F53\u5B8B\u4F53\u5B8B\u4F53\u5B8B\u4F53\u5B8B\u4F53\u5B8B\u4F53\u5B8B"
                                  u"\u4F53\u5B8B\u4F53",
         6, "0,0",
         {"text '\xE5\xAE\x8B\xE4\xBD\x93\xE5\xAE\x8B\xE4\xBD\x93\xE5\xAE\x8B\xE4\xBD\x93\xE5\xAE\x8B\xE4\xBD\x93"
          "\xE5\xAE\x8B\xE4\xBD\x93\xE5\xAE\x8B\xE4\xBD\x93' 45,19,117,31 f0",
          "text '...' 117,19,140,31 f0"}},
        {"pairs are never cut to measure", u"aaaaaaaaaaaaaaaaa\U0001F3B5\U0001F3B5", 5, "0,0",
         {"text 'aaaaaaaaaaaaaaaaa\xF0\x9F\x8E\xB5\xF0\x9F\x8E\xB5' 45,19,140,31 f0"}},
        {"ampersands go through as they are", u"a&b", 6, "0,0", {"text 'a&b' 45,19,140,31 f0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CellOps(c.text, c.charWidth, c.aligns), c.expected);
    }
}

TEST_F(RenderCellText, CaptionTooWideIsCutLeftAligned) {
    New(144, 151);
    Columns("VeryLongCaption,Name", "40,100", "2,0", 1);
    Ops texts = Only(Picture(&MireloList::PaintHeader), "text '");
    EXPECT_EQ(texts, (Ops{"text 'Ver' 1,4,19,20 f0", "text '...' 19,4,41,20 f0", "text 'Name' 43,4,143,20 f1"}));
}

}  // namespace
}  // namespace mirelo::fake
