// Sorting by header clicks: the marker's cycle, ordinal keys, the row-number
// column, and everything that travels with a row.
#include "columns_fixture.h"

namespace mirelo::fake {
namespace {

// Cells in the band (pen 1): "#" 1..31, "a" 33..133, "b" 135..235.
class SortTest : public ColumnsTest {
protected:
    static constexpr float kNumber = 15, kA = 80, kB = 180;

    void Make(const std::vector<std::string>& column1, const char* captions = "#,a,b") {
        NewWithGestures(238);
        Columns(captions, "30,100,100", "0,0,0", 2);
        for (size_t i = 0; i < column1.size(); ++i) {
            const std::string n = std::to_string(i), cells = "r" + n + "," + column1[i] + ",x" + n;
            Add(cells.c_str(), Variant::Missing(), Variant(static_cast<int16_t>(100 + i)), ("k" + n).c_str());
        }
        ResetAll();
    }
    // The row numbers as the last full repaint drew them, top to bottom.
    std::string Numbers() const {
        std::vector<std::string> all;
        for (const auto& op : surface.ops) {
            const size_t end = op.find("' 1,");
            if (op.rfind("text '", 0) == 0 && end != std::string::npos && op.substr(op.size() - 3) == " f0")
                all.push_back(op.substr(6, end - 6));
        }
        const size_t n = static_cast<size_t>(list->ListCount());
        std::string s;
        for (size_t i = all.size() >= n ? all.size() - n : 0; i < all.size(); ++i) s += (s.empty() ? "" : ",") + all[i];
        return s;
    }
};

TEST_F(SortTest, ClicksReverseThenAlternateAscendingAndDescending) {
    Make({"b", "a", "c"});
    const char* want[][2] = {{"c,a,b", "a\u25BC"}, {"a,b,c", "a\u25B2"}, {"c,b,a", "a\u25BC"}, {"a,b,c", "a\u25B2"}};
    for (const auto& w : want) {
        Click(kA);
        EXPECT_EQ(Column(1), w[0]);
        EXPECT_EQ(Utf8(list->Columns().captions.at(1)), w[1]);
    }
}

TEST_F(SortTest, KeysCompareByCodeUnit) {
    struct Case { std::vector<std::string> texts; const char* ascending; };
    const Case cases[] = {
        {{"Apple", "apple", "Banana"}, "Apple,Banana,apple"},
        {{"2", "10", "1"}, "1,10,2"},
        {{"b", "", "B", "a"}, ",B,a,b"},
        {{"z", "\u00E9", "Z"}, "Z,z,\u00E9"},
        // A surrogate pair sorts by its first code unit, below U+FF21.
        {{"\uFF21", "\U0001F600", "A"}, "A,\U0001F600,\uFF21"},
        {{"ab", "a", "abc", "a"}, "a,a,ab,abc"},
    };
    for (const Case& c : cases) {
        Make(c.texts);
        Click(kA);
        Click(kA);
        EXPECT_EQ(Column(1), c.ascending);
    }
}

TEST_F(SortTest, NumberColumnKeepsEachRowsNumberThenSortsByItAsText) {
    Make({"A", "B", "C"});
    Click(kNumber);
    EXPECT_EQ(Column(1), "C,B,A");
    EXPECT_EQ(Numbers(), "3,2,1");
    EXPECT_EQ(Utf8(list->Columns().captions.at(0)), "#\u25BC");
    Click(kNumber);
    EXPECT_EQ(Column(1), "A,B,C");
    EXPECT_EQ(Numbers(), "1,2,3");
    EXPECT_EQ(Utf8(list->Columns().captions.at(0)), "#\u25B2");

    std::vector<std::string> twelve;
    for (int i = 0; i < 12; ++i) twelve.push_back("t" + std::to_string(i));
    Make(twelve);
    Click(kNumber);
    EXPECT_EQ(Numbers(), "12,11,10,9,8,7,6,5,4,3,2,1");
    Click(kNumber);
    EXPECT_EQ(Column(1), "t0,t9,t10,t11,t1,t2,t3,t4,t5,t6,t7,t8");
    EXPECT_EQ(Numbers(), "1,2,3,4,5,6,7,8,9,10,11,12");
}

TEST_F(SortTest, AnotherColumnStartsOverAndOnlyItKeepsAMarker) {
    Make({"b", "a", "c"}, "#\u25B2,a,b\u25B2");
    Click(kB);
    EXPECT_EQ(Column(2), "x2,x1,x0");
    EXPECT_EQ(Captions(), "#|a|b\u25BC");
    Click(kA);
    EXPECT_EQ(Column(1), "b,a,c");  // the reverse of c, a, b
    EXPECT_EQ(Captions(), "#|a\u25BC|b");
}

TEST_F(SortTest, WholeRowsMoveAndThePlayRowIsForgotten) {
    Make({"b", "a", "c", "a"});
    int32_t row = 1;
    Bool16 on = kTrue;
    list->SetCheckItem(row, on);
    list->SetListIndex(1);
    list->SetPlayIndex(2);
    Click(kA);
    Click(kA);
    EXPECT_EQ(Column(1), "a,a,b,c");
    EXPECT_EQ(Column(0), "r3,r1,r0,r2");  // equal keys in the order the sort leaves them
    std::string checks, ids, keys;
    for (const auto& r : list->Rows()) {
        checks += r.Checked ? "1" : "0";
        ids += std::to_string(r.Id) + " ";
        keys += Utf8(Text(r.Key)) + " ";
    }
    EXPECT_EQ(checks, "0100");
    EXPECT_EQ(ids, "103 101 100 102 ");
    EXPECT_EQ(keys, "k3 k1 k0 k2 ");
    EXPECT_EQ(list->PlayIndex(), -1);
    EXPECT_EQ(list->ListIndex(), 1);
}

TEST_F(SortTest, AClickRepaintsTheListFromTheReleasedCell) {
    Make({"b", "a"});
    Down(kA);
    ResetAll();
    Up(kA);
    EXPECT_TRUE(EndsWithPicture(&MireloList::PaintList));
    EXPECT_EQ(splitter.log, Lines{"move 31,1,2,16"});
    EXPECT_EQ(list->Header().CursorKind(), 0);
}

}  // namespace
}  // namespace mirelo::fake
