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

TEST_F(ItemsTest, AddedRowsAndChecksShowAtOnce) {
    EXPECT_EQ(Add("0,first", Variant(0)), 1);  // at index 0 of an empty list
    EXPECT_TRUE(Drew("first"));
    Add("0,new");  // appended
    EXPECT_TRUE(Drew("new"));
    list->SetLook(&ListLook::CheckBox, kTrue);
    Bool16 on = kTrue;
    list->SetCheckAllItem(on);
    EXPECT_TRUE(EndsWithPicture(&MireloList::PaintList));
}

// Refused rows and cells: nothing added, changed or drawn.
TEST_F(ItemsTest, BadRowsAreRefusedWithNothingAddedOrDrawn) {
    Add("keep");
    Reset();
    int32_t row = 0;
    Text tooMany = u"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21";
    struct Case { std::function<void()> call; int error; };
    const Case cases[] = {
        {[&] { Add("0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21"); }, kSubscriptOutOfRange},
        {[&] { Add("a", Variant(40000)); }, kOverflow},
        {[&] { Add("a", Variant(u"top")); }, kTypeMismatch},
        {[&] { Add("a", Variant::Missing(), Variant(u"id")); }, kTypeMismatch},
        {[&] { Add("a", Variant::Missing(), Variant(70000)); }, kOverflow},
        {[&] { Text k; list->AddItem(Variant::Missing(), k, Variant::Missing(), Variant::Missing()); }, kTypeMismatch},
        {[&] { list->SetItemData(row, tooMany); }, kSubscriptOutOfRange},
        {[&] { Text key; list->UpdateItem(key, tooMany); }, kSubscriptOutOfRange},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorOf(c.call), c.error);
        EXPECT_EQ(list->ListCount(), 1);
        EXPECT_EQ(Cell(0, 1), "");
    }
    EXPECT_TRUE(surface.ops.empty());
}

TEST_F(ItemsTest, TwentyOneCellsFitAndIdAndKeyAreKept) {
    Columns("a", "10", "0", 20);
    EXPECT_EQ(Add("0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20", Variant::Missing(), Variant(7), "k"), 1);
    EXPECT_EQ(Cell(0, 20), "20");
    EXPECT_EQ(list->ItemId(0), 7);
    EXPECT_EQ(list->Rows()[0].Key, u"k");
    const std::string longCell(70000, 'x');  // a length past 16 bits
    Add(longCell.c_str());
    EXPECT_EQ(Cell(1, 0).size(), longCell.size());
    EXPECT_EQ(list->ItemId(1), -1);  // no id given
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

TEST_F(ItemsTest, ItemAndItemIdIgnoreRowsThatDoNotExist) {
    Add("a");
    EXPECT_EQ(Cell(5, 0), "");
    EXPECT_EQ(Cell(5, 99), "");  // the column is not looked at then
    EXPECT_EQ(ErrorOf([&] { list->item(0, 21); }), kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { list->item(0, -1); }), kSubscriptOutOfRange);
    list->Setitem(0, 3, u"x,y");
    EXPECT_EQ(Cell(0, 3), "x,y");
    EXPECT_TRUE(Drew("x,y"));
    EXPECT_EQ(list->ItemId(3), 0);
    list->SetItemId(0, 42);
    list->SetItemId(3, 42);
    EXPECT_EQ(list->ItemId(0), 42);
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
    Fill(30);
    list->Bar().SetValue(10);
    list->Clear();
    EXPECT_EQ(list->FirstIndex(), 0);  // new rows show from the top
}

}  // namespace
}  // namespace mirelo::fake
