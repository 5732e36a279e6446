// The packed row record: cells in one block, key and scratch one pointer each.
// What a host or the column exchange can do to a row must read back exactly.
#include <gtest/gtest.h>

#include "listctl/item_record.h"

namespace mirelo {
namespace {

Text Cells(const ItemRecord& r) {
    Text all;
    for (int c = 0; c <= kMaxColumn; ++c) all += Text(r.Cell(c)) + u'|';
    return all;
}

TEST(ItemRecordTest, CellWritesReadBack) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, Text>> writes;
        Text want;  // cells 0 .. 20, each followed by '|'
    };
    const Text empty20 = Text(20, u'|');
    const Case cases[] = {
        {"nothing", {}, u"|" + empty20},
        {"last slot alone", {{20, u"z"}}, empty20 + u"z|"},
        {"middle, then first", {{3, u"c"}, {0, u"a"}}, u"a|||c|" + Text(17, u'|')},
        {"emptied again", {{2, u"x"}, {5, u"y"}, {5, u""}, {2, u""}}, u"|" + empty20},
        {"an empty cell between", {{0, u"a"}, {1, u"b"}, {1, u""}, {2, u"c"}}, u"a||c|" + Text(18, u'|')},
        {"overwritten longer and shorter", {{1, u"ab"}, {1, u"abcdef"}, {1, u"q"}}, u"|q|" + Text(19, u'|')},
        {"outside the slots: ignored", {{-1, u"x"}, {21, u"y"}}, u"|" + empty20},
        {"commas and surrogates kept", {{4, u"a,b\U0001F600"}}, u"||||a,b\U0001F600|" + Text(16, u'|')},
    };
    for (const Case& c : cases) {
        ItemRecord r;
        for (const auto& [slot, text] : c.writes) r.SetCell(slot, text);
        EXPECT_EQ(Cells(r), c.want) << c.name;
    }
}

TEST(ItemRecordTest, SetCellsReplacesEveryCell) {
    ItemRecord r;
    r.SetCell(7, u"old");
    const std::u16string_view parts[] = {u"a", u"", u"c"};
    r.SetCells(parts, 3);
    EXPECT_EQ(Cells(r), u"a||c|" + Text(18, u'|'));
    r.SetCells(parts, 0);
    EXPECT_EQ(Cells(r), Text(21, u'|'));
}

// The column exchange moves a row's own cells through its scratch text.
TEST(ItemRecordTest, OwnCellsAndScratchCanBeWrittenBack) {
    ItemRecord r;
    r.SetCell(1, u"one");
    r.SetCell(2, u"two");
    r.SwapText = r.Cell(1);
    r.SetCell(1, r.Cell(2));
    r.SetCell(2, r.SwapText);
    EXPECT_EQ(r.Cell(1), u"two");
    EXPECT_EQ(r.Cell(2), u"one");
    EXPECT_EQ(r.SwapText, u"one");
    r.SetCell(1, r.Cell(1).substr(1));  // a part of itself
    EXPECT_EQ(r.Cell(1), u"wo");
    r.SwapText = r.SwapText.view().substr(0, 2);
    EXPECT_EQ(r.SwapText, u"on");
}

TEST(ItemRecordTest, CopiesAreIndependent) {
    ItemRecord a;
    a.SetCell(0, u"a");
    a.Key = u"k";
    ItemRecord b = a;
    b.SetCell(0, u"b");
    b.Key = u"";
    EXPECT_EQ(a.Cell(0), u"a");
    EXPECT_EQ(a.Key, u"k");
    EXPECT_TRUE(b.Key.empty());
    a = b;
    EXPECT_EQ(a.Cell(0), u"b");
    a = a;
    EXPECT_EQ(a.Cell(0), u"b");
}

// Offsets are 32-bit: cells longer than 65535 units keep their lengths.
TEST(ItemRecordTest, LongCells) {
    ItemRecord r;
    const Text big(70000, u'x');
    r.SetCell(0, big);
    r.SetCell(1, u"after");
    r.Key = big;
    EXPECT_EQ(r.Cell(0).size(), 70000u);
    EXPECT_EQ(r.Cell(1), u"after");
    EXPECT_EQ(r.Key.size(), 70000u);
}

}  // namespace
}  // namespace mirelo
