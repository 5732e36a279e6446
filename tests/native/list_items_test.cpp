// The item store: adding, reading, changing, checking and removing rows.
#include "base/error.h"
#include "fakes/error_of.h"
#include "fakes/list_fixture.h"

namespace mirelo::fake {
namespace {


class ItemsTest : public ListTest {
protected:
    void SetUp() override {
        New(400, 300);
        Columns("#,a,b,c,d", "30,60,60,60,60", "0,0,0,0,0", 4);
        Reset();
    }
};

TEST_F(ItemsTest, AddItemSplitsCellsUpToTheColumnCount) {
    EXPECT_EQ(Add("a,b,c,d,e,f"), 1);
    EXPECT_EQ(Cell(0, 4), "e");
    EXPECT_EQ(Cell(0, 5), "");  // beyond ColNumCount: dropped
    Columns("#,a", "30,60", "0,0", 1);
    Add("a,b,c");
    EXPECT_EQ(Cell(1, 1), "b");
    EXPECT_EQ(Cell(1, 2), "");
    EXPECT_EQ(list->ItemId(1), -1);
    EXPECT_EQ(list->Rows()[1].Checked, kFalse);
}

TEST_F(ItemsTest, AddItemIndexCases) {
    struct Case { Variant index; int32_t result; const char* order; };
    const Case cases[] = {
        {Variant(0), 3, "new,x,y"},          // insert at the top
        {Variant(2.9), 3, "x,y,new"},        // Int(2.9) = 2 = ListCount: the end
        {Variant(-0.5), -1, "x,y"},          // Int(-0.5) = -1
        {Variant(3), -1, "x,y"},             // past the end
        {Variant(u"1"), 3, "x,new,y"},       // numeric text
        {Variant::Missing(), 3, "x,y,new"},  // appended
    };
    for (const Case& c : cases) {
        list->Clear();
        Add("x");
        Add("y");
        EXPECT_EQ(Add("new", c.index), c.result);
        EXPECT_EQ(Column(0), c.order);
    }
}

TEST_F(ItemsTest, AddItemOnAnEmptyListAtIndexZero) {
    EXPECT_EQ(Add("0,first", Variant(0)), 1);
    EXPECT_TRUE(Drew("first"));
}

TEST_F(ItemsTest, AppendPaintsTheNewRow) {
    Add("0,new");  // column 0 shows the row number
    EXPECT_TRUE(Drew("new"));
}

TEST_F(ItemsTest, BadRowsAreRefusedWithNothingAdded) {
    Add("keep");
    struct Case { std::function<void()> call; int error; };
    const Case cases[] = {
        {[&] { Add("0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21"); }, kSubscriptOutOfRange},
        {[&] { Add("a", Variant(40000)); }, kOverflow},
        {[&] { Add("a", Variant(u"top")); }, kTypeMismatch},
        {[&] { Add("a", Variant::Missing(), Variant(u"id")); }, kTypeMismatch},
        {[&] { Add("a", Variant::Missing(), Variant(70000)); }, kOverflow},
        {[&] { Text k; list->AddItem(Variant::Missing(), k, Variant::Missing(), Variant::Missing()); }, kTypeMismatch},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorOf(c.call), c.error);
        EXPECT_EQ(list->ListCount(), 1);
    }
}

TEST_F(ItemsTest, TwentyOneCellsFitAndIdAndKeyAreKept) {
    Columns("a", "10", "0", 20);
    EXPECT_EQ(Add("0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20", Variant::Missing(), Variant(7), "k"), 1);
    EXPECT_EQ(Cell(0, 20), "20");
    EXPECT_EQ(list->ItemId(0), 7);
    EXPECT_EQ(list->Rows()[0].Key, u"k");
}

TEST_F(ItemsTest, InsertingAboveKeepsIndexNumbers) {
    for (const char* t : {"a", "b", "c", "d", "e"}) Add(t);
    list->SetListIndex(3);
    list->SetPlayIndex(1);
    Add("top", Variant(0));
    EXPECT_EQ(list->ListIndex(), 3);
    EXPECT_EQ(Cell(3, 0), "c");  // now highlights the row that was at 2
    EXPECT_EQ(list->PlayIndex(), 1);
}

TEST_F(ItemsTest, RemoveItemAndThePlayRow) {
    for (const char* t : {"a", "b", "c", "d"}) Add(t);
    list->SetPlayIndex(2);
    EXPECT_EQ(list->RemoveItem(0), 3);  // above the play row: unchanged number
    EXPECT_EQ(list->PlayIndex(), 2);
    EXPECT_EQ(list->RemoveItem(2), 2);
    EXPECT_EQ(list->PlayIndex(), -1);
    EXPECT_EQ(Column(0), "b,c");
    for (int16_t bad : {int16_t(-1), int16_t(2), int16_t(32767)}) EXPECT_EQ(list->RemoveItem(bad), -1);
    EXPECT_EQ(list->ListCount(), 2);
}

TEST_F(ItemsTest, RemovingTheOnlyRowClearsButRemoveKeyItemDoesNot) {
    Add("a", Variant::Missing(), Variant::Missing(), "k");
    list->SetListIndex(0);
    list->SetPlayIndex(0);
    Reset();
    EXPECT_EQ(list->RemoveItem(0), 0);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->PlayIndex(), -1);
    EXPECT_EQ(list->FirstIndex(), 0);
    EXPECT_EQ(surface.ops.at(0), "cls #F7FFFF");  // blanked as Clear blanks it
    EXPECT_FALSE(list->Bar().Visible());
    Add("b", Variant::Missing(), Variant::Missing(), "k");
    list->SetListIndex(0);
    EXPECT_EQ(list->RemoveKeyItem(u"k"), 0);
    EXPECT_EQ(list->ListIndex(), 0);  // no Clear on this path
}

TEST_F(ItemsTest, KeysMatchExactlyAndEmptyKeysOnlyForUpdate) {
    Add("a,1", Variant::Missing(), Variant::Missing(), "");
    Add("b,2", Variant::Missing(), Variant::Missing(), "K");
    Add("c,3", Variant::Missing(), Variant::Missing(), "K");
    EXPECT_EQ(list->RemoveKeyItem(u""), -1);
    EXPECT_EQ(list->RemoveKeyItem(u"k"), -1);
    Text empty, data = u"x";
    list->UpdateItem(empty, data);
    EXPECT_EQ(Cell(0, 1), "x");
    EXPECT_EQ(list->RemoveKeyItem(u"K"), 2);
    EXPECT_EQ(Column(0), "a,c");
    Text missing = u"none";
    list->UpdateItem(missing, data);  // nothing happens
}

TEST_F(ItemsTest, SetItemDataWritesFromColumnOne) {
    Add("a,b,c,d");
    int32_t row = 0;
    Text text = u"p,q";
    list->SetItemData(row, text);
    EXPECT_EQ(Cell(0, 0), "a");
    EXPECT_EQ(Cell(0, 1), "p");
    EXPECT_EQ(Cell(0, 2), "q");
    EXPECT_EQ(Cell(0, 3), "d");
    int32_t missing = 1;
    EXPECT_EQ(ErrorOf([&] { list->SetItemData(missing, text); }), kSubscriptOutOfRange);
    Text tooMany = u"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21";
    Reset();
    EXPECT_EQ(ErrorOf([&] { list->SetItemData(row, tooMany); }), kSubscriptOutOfRange);
    EXPECT_EQ(Cell(0, 20), "20");  // the twenty that had a cell were written
    EXPECT_TRUE(surface.ops.empty());
}

TEST_F(ItemsTest, ItemAndItemIdIgnoreRowsThatDoNotExist) {
    Add("a");
    EXPECT_EQ(Cell(5, 0), "");
    EXPECT_EQ(Cell(5, 99), "");  // the column is not looked at then
    EXPECT_EQ(ErrorOf([&] { list->item(0, 21); }), kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { list->item(0, -1); }), kSubscriptOutOfRange);
    list->Setitem(0, 3, u"x,y");
    EXPECT_EQ(Cell(0, 3), "x,y");
    EXPECT_TRUE(Drew("x,y"));
    list->Setitem(4, 3, u"z");
    EXPECT_EQ(ErrorOf([&] { list->Setitem(0, 21, u"z"); }), kSubscriptOutOfRange);
    EXPECT_EQ(list->ItemId(3), 0);
    list->SetItemId(0, 42);
    list->SetItemId(3, 42);
    EXPECT_EQ(list->ItemId(0), 42);
}

TEST_F(ItemsTest, CheckStatesAndTheirTexts) {
    for (const char* t : {"a", "b", "c", "d", "e", "f"}) Add(t);
    Bool16 yes = kTrue;
    for (int32_t i : {0, 2, 5, 6, -1}) list->SetCheckItem(i, yes);
    EXPECT_EQ(list->GetCheckItemId(), u"-1");  // while check boxes are hidden
    list->SetCheckBox(kTrue);
    EXPECT_EQ(list->GetCheckItemId(), u"0,2,5");
    Bool16 no = kFalse;
    list->SetCheckAllItem(no);
    EXPECT_EQ(list->GetCheckItemId(), u"");
    Bool16 odd = 1;  // only True (-1) counts as checked in the text
    int32_t r = 1;
    list->SetCheckItem(r, odd);
    EXPECT_EQ(list->GetCheckItemId(), u"");
    list->SetCheckBox(kFalse);
    list->RemoveCheckItems();  // any non-zero state counts here, boxes shown or not
    EXPECT_EQ(Column(0), "a,c,d,e,f");
}

TEST_F(ItemsTest, ClearOfAnEmptyListDoesNothing) {
    list->Clear();
    EXPECT_TRUE(surface.ops.empty());
    Add("a");
    Add("b");
    list->SetListIndex(1);
    list->SetPlayIndex(0);
    Reset();
    list->Clear();
    EXPECT_EQ(list->GetSelectId(), -1);
    EXPECT_EQ(list->LastIndex(), -1);
    EXPECT_EQ(surface.ops.at(0), "cls #F7FFFF");
    EXPECT_EQ(surface.ops.at(1), "box 0,0,399,299 #C3A378 w1");
}

TEST_F(ItemsTest, GetSelectIdIsThePlayRow) {
    for (const char* t : {"a", "b", "c", "d", "e"}) Add(t);
    list->SetListIndex(4);
    list->SetPlayIndex(2);
    EXPECT_EQ(list->GetSelectId(), 2);
}

}  // namespace
}  // namespace mirelo::fake
