// Properties and persistence of the list: defaults, setters with their
// notifications and repaints, and the property bag round trip.
#include "base/error.h"
#include "fakes/error_of.h"
#include "fakes/list_fixture.h"

namespace mirelo::fake {
namespace {

struct Colour {
    OleColor ListLook::*field;  // none: the surface's BackColor
    const char* key;
    bool shown;  // drawn at once where it is used; nothing paints with the error colour
    int brush;
};
const Colour kColours[] = {
    {&ListLook::ItemBkColor1, "ItemBkColor1", true, kRowBrush1},
    {&ListLook::ItemBkColor2, "ItemBkColor2", true, kRowBrush2},
    {&ListLook::ItemSelBkColor, "ItemSelBkColor", true, kSelectionBrush},
    {nullptr, "BackColor", true, kBackBrush},
    {&ListLook::HeaderBackColor, "HeaderBackColor", true, kHeaderBrush},
    {&ListLook::ItemNorTextColor, "ItemNorTextColor", true, -1},
    {&ListLook::ItemSelTextColor, "ItemSelTextColor", true, -1},
    {&ListLook::ItemPlyTextColor, "ItemPlyTextColor", true, -1},
    {&ListLook::ItemErrTextColor, "ItemErrTextColor", false, -1},
    {&ListLook::BorderColor, "BorderColor", true, -1},
};
OleColor Get(const MireloList& l, const Colour& c) { return c.field ? l.Look().*c.field : l.BackColor(); }
void Set(MireloList& l, const Colour& c, OleColor v) { c.field ? l.SetLook(c.field, v) : l.SetBackColor(v); }

// Row 0 selected, row 1 the play row, so every colour has a place to show.
TEST_F(ListTest, ColourSettersSkipUnchangedValuesAndShowTheNewColour) {
    New();
    Columns("#,a", "30,60", "0,0", 1);
    Fill(3, 2);
    list->SetListIndex(0);
    list->SetPlayIndex(1);
    for (const Colour& c : kColours) {
        Reset();
        Set(*list, c, Get(*list, c));
        EXPECT_TRUE(site.changed.empty()) << c.key;
        EXPECT_TRUE(surface.ops.empty()) << c.key;
        Set(*list, c, 0x123456);
        EXPECT_EQ(Get(*list, c), 0x123456u) << c.key;
        EXPECT_EQ(site.changed, Lines{c.key});
        EXPECT_EQ(Shows(0x123456), c.shown) << c.key;
        if (c.brush >= 0) { EXPECT_EQ(gdi.ColorOf(list->Brush(c.brush)), 0x123456) << c.key; }
        Set(*list, c, 0x123457);  // the next case must not find this one's colour
    }
}

TEST_F(ListTest, CheckBoxAndSeleArrowNotifyEvenWhenUnchanged) {
    New();
    list->SetLook(&ListLook::CheckBox, kFalse);
    list->SetLook(&ListLook::bSeleArrow, kTrue);
    EXPECT_EQ(site.changed, (Lines{"CheckBox", "bSeleArrow"}));
    EXPECT_FALSE(surface.ops.empty());  // CheckBox repaints the list
    Reset();
    list->SetLook(&ListLook::bSeleArrow, kFalse);
    EXPECT_TRUE(surface.ops.empty());  // bSeleArrow repaints nothing
}

TEST_F(ListTest, HeaderBackColorRebuildsItsBrushAtDesignTimeToo) {
    New(400, 300, false);
    list->SetLook(&ListLook::HeaderBackColor, Rgb(1, 2, 3));
    EXPECT_EQ(gdi.ColorOf(list->Brush(4)), Rgb(1, 2, 3));
}

TEST_F(ListTest, SizesThatCannotBeLaidOutOrDrawnAreRefused) {
    New();
    struct Case { std::function<void()> set; int error; };
    const Case cases[] = {
        {[&] { list->SetLook(&ListLook::ItemHeight, 0); }, kInvalidPropertyValue},
        {[&] { list->SetLook(&ListLook::ItemHeight, -16); }, kInvalidPropertyValue},
        {[&] { list->SetBorderWidth(0); }, kInvalidPropertyValue},  // the pen takes no less
        {[&] { list->SetBorderWidth(40000); }, kOverflow},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.set), c.error);
    EXPECT_EQ(list->Look().ItemHeight, 16);
    EXPECT_EQ(list->BorderWidth(), 1);
    EXPECT_TRUE(site.changed.empty());
    list->SetBorderWidth(3);
    list->SetLook(&ListLook::ItemHeight, 20);
    EXPECT_EQ(list->BorderWidth(), 3);
    EXPECT_EQ(site.changed, (Lines{"BorderWidth", "ItemHeight"}));
    EXPECT_TRUE(EndsWithPicture());
}

TEST_F(ListTest, BorderMovesTheBarAndDrawsTheBoxOnlyWhenTurnedOn) {
    New(400, 300);
    list->SetLook(&ListLook::Border, kFalse);
    EXPECT_TRUE(surface.ops.empty());  // the old box stays until the next repaint
    EXPECT_EQ(list->Bar().Left(), 383);
    EXPECT_EQ(list->Bar().Top(), 0);
    EXPECT_EQ(list->Bar().Height(), 300);
    Reset();
    list->SetLook(&ListLook::Border, kTrue);
    EXPECT_EQ(list->Bar().Left(), 382);
    EXPECT_EQ(list->Bar().Top(), 1);
    EXPECT_EQ(list->Bar().Height(), 298);
    EXPECT_EQ(surface.ops, Lines{"box 0,0,399,299 #C3A378 w1"});
}

TEST_F(ListTest, SaveWritesAll17KeysInOrderEveryTime) {
    New();
    MemoryBag bag;
    list->WriteProperties(bag);
    const Lines keys = {"BackColor", "Font", "ItemHeight", "ItemBkColor1", "ItemBkColor2", "ItemSelBkColor",
                        "ItemNorTextColor", "ItemSelTextColor", "ItemPlyTextColor", "ItemErrTextColor",
                        "HeaderBackColor", "YnNeedNumCol", "Border", "BorderColor", "BorderWidth", "CheckBox",
                        "bSeleArrow"};
    EXPECT_EQ(bag.writeOrder, keys);
    EXPECT_EQ(bag.values["BorderWidth"].kind(), Variant::Kind::Short);
    EXPECT_EQ(bag.values["Border"].kind(), Variant::Kind::Boolean);
}

TEST_F(ListTest, BagRoundTripRestoresEveryValue) {
    New();
    OleColor value = 1;
    for (const Colour& c : kColours) Set(*list, c, value++);
    list->SetLook(&ListLook::ItemHeight, 21);
    list->SetLook(&ListLook::YnNeedNumCol, kFalse);
    list->SetLook(&ListLook::Border, kFalse);
    list->SetBorderWidth(2);
    list->SetLook(&ListLook::CheckBox, kTrue);
    list->SetLook(&ListLook::bSeleArrow, kFalse);
    FontDesc font;
    font.name = u"Arial";
    font.size = 12;
    font.weight = 700;
    list->SetFont(font);
    MemoryBag bag;
    list->WriteProperties(bag);

    FakeGdi gdi2;
    RecordingSurface surface2{&gdi2};
    MireloList copy(ListPorts{surface2, gdi2, site, resources, about});
    copy.ReadProperties(bag);
    EXPECT_EQ(bag.readOrder, (Lines{"BackColor", "Font", "CheckBox", "ItemHeight", "ItemBkColor1", "ItemBkColor2",
                                    "ItemSelBkColor", "ItemNorTextColor", "ItemSelTextColor", "ItemPlyTextColor",
                                    "ItemErrTextColor", "HeaderBackColor", "YnNeedNumCol", "Border", "BorderColor",
                                    "BorderWidth", "bSeleArrow"}));
    value = 1;
    for (const Colour& c : kColours) EXPECT_EQ(Get(copy, c), value++) << c.key;
    EXPECT_EQ(copy.Font(), font);
    EXPECT_EQ(copy.Look().ItemHeight, 21);
    EXPECT_EQ(copy.Look().YnNeedNumCol, kFalse);
    EXPECT_EQ(copy.Look().Border, kFalse);
    EXPECT_EQ(copy.BorderWidth(), 2);
    EXPECT_EQ(copy.Look().CheckBox, kTrue);
    EXPECT_EQ(copy.Look().bSeleArrow, kFalse);
    EXPECT_EQ(gdi2.ColorOf(copy.Brush(kBackBrush)), 4);
    EXPECT_EQ(gdi2.ColorOf(copy.Brush(kPressedBrush)), 0);
}

TEST_F(ListTest, MissingKeysReadAsTheStateAfterCreation) {
    Make();
    MemoryBag empty;
    list->ReadProperties(empty);
    // The rest as a host loads them is the Wine persistence test's.
    EXPECT_EQ(list->Look().Border, kFalse);
    EXPECT_EQ(list->Look().HeaderBackColor, 0u);
    EXPECT_EQ(list->Look().ItemHeight, 16);  // 0 cannot be laid out
    // Values as other bags keep them, as the next save writes them.
    struct Case { const char* key; Variant stored, saved; };
    const Case cases[] = {
        {"ItemHeight", Variant(0), Variant(16)}, {"ItemHeight", Variant(-3), Variant(16)},  // no layout
        {"ItemHeight", Variant(7), Variant(7)}, {"Border", Variant(u"TRUE"), Variant::FromBool(true)},
        {"bSeleArrow", Variant(u"FALSE"), Variant::FromBool(false)},  // a text bag's spellings
        {"BorderColor", Variant(u"&HFFFFFFFF"), Variant(-1)},
    };
    for (const Case& c : cases) {
        Make();
        MemoryBag bag, saved;
        bag.values[c.key] = c.stored;
        list->ReadProperties(bag);
        list->WriteProperties(saved);
        EXPECT_EQ(Utf8(saved.values[c.key].ToText()), Utf8(c.saved.ToText())) << c.key << " " << Utf8(c.stored.ToText());
    }
}

TEST_F(ListTest, RebuildingABrushDeletesTheOldOneAndTerminationFreesEvery) {
    New();
    for (int i = 0; i < 50; ++i) list->SetLook(&ListLook::ItemBkColor1, static_cast<OleColor>(i));
    EXPECT_EQ(gdi.live.size(), 8u);  // seven of the list, the fill pattern of its scroll bar
    list.reset();
    EXPECT_TRUE(gdi.live.empty());
}

TEST_F(ListTest, AboutNeverStacksASecondWindow) {
    New();
    for (bool open : {false, true}) {
        about.shown = open;
        list->About();
        EXPECT_TRUE(about.shown);
        EXPECT_EQ(about.stacked, 0) << open;
    }
}

TEST_F(ListTest, AmbientChangeRepaintsEverything) {
    New();
    Fill(2);
    Reset();
    list->AmbientChanged();
    EXPECT_TRUE(EndsWithPicture());
}

}  // namespace
}  // namespace mirelo::fake
