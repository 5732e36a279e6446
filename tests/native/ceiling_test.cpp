// The ceilings: a list of 32768 rows (indices 0 .. 32767, the whole 16-bit
// range) still selects, checks, scrolls, paints, sorts and removes at its far
// end, and refuses a 32769th row with an overflow error, leaving itself intact;
// row heights at the ends of their range fail cleanly.
#include <algorithm>

#include "fakes/error_of.h"
#include "fakes/list_fixture.h"

namespace mirelo::fake {
namespace {

constexpr int kFull = kMaxRows;  // 32768
constexpr int16_t kLast = 32767;
// Column 1 spans x 63 .. 213 in the header band, column 2 215 .. 365.
constexpr float kHeaderY = 8, kKeyColumnX = 120, kTextColumnX = 300;

class CeilingTest : public ListTest {
protected:
    // Rows "<i>,<key>,k<i>" with keys distinct five-digit texts in shuffled
    // order (7919 is prime, so i -> 7919 i mod 32768 is a permutation), and
    // row keys k<i>.
    void FillToTheCeiling() {
        New(400, 300);
        Columns("#,key,text", "60,150,150", "0,0,0", 2);
        for (int i = 0; i < kFull; ++i) {
            const int k = (i * 7919) % kFull;
            const std::string cells = std::to_string(i) + "," + Five(k) + ",t", key = "k" + std::to_string(i);
            ASSERT_EQ(Add(cells.c_str(), Variant::Missing(), Variant(static_cast<int16_t>(i % 30000)), key.c_str()),
                      i + 1);
        }
        Reset();
    }
    static std::string Five(int k) {
        char b[16];
        std::snprintf(b, sizeof b, "%05d", k);
        return b;
    }
    void Click(float x) {
        list->OnMouseDown(1, 0, x, kHeaderY);
        list->OnMouseUp(1, 0, x, kHeaderY);
    }
    void ClickKeyHeader() { Click(kKeyColumnX); }
    void ClickTextHeader() { Click(kTextColumnX); }
    static Text Utf8Key(int row) { return FromUtf8("k" + std::to_string(row)); }
    // True when column 1 reads 00000, 00001, ... (or the reverse) from the top.
    // A list that lost rows fails here instead of ending the whole run.
    bool KeysInOrder(bool ascending) {
        if (keys_.empty())
            for (int k = 0; k < kFull; ++k) keys_.push_back(FromUtf8(Five(k)));
        if (list->Rows().size() != keys_.size()) return false;
        for (int i = 0; i < kFull; ++i)
            if (!(list->Rows()[i].Cell(1) == keys_[ascending ? i : kFull - 1 - i])) return false;
        return true;
    }
    std::vector<Text> keys_;
};

// One list for the whole walk: filling it is what costs (it runs under the
// sanitizers and Wine too), and each step starts from where the last left it.
TEST_F(CeilingTest, EveryOperationWorksOnAFullList) {
    FillToTheCeiling();
    {
        SCOPED_TRACE("a 32769th row");
        for (const Variant& index : {Variant::Missing(), Variant(0), Variant(int16_t{kLast})}) {
            EXPECT_EQ(ErrorOf([&] { Add("extra", index); }), kOverflow);
            EXPECT_EQ(list->ListCount(), kFull);
        }
        EXPECT_EQ(Cell(kLast, 0), "32767");
    }
    {
        SCOPED_TRACE("sorting by header clicks");
        list->SetLook(&ListLook::CheckBox, kTrue);
        int32_t row = 5;  // key 5 x 7919 mod 32768 = 06827
        Bool16 on = kTrue;
        list->SetCheckItem(row, on);
        list->SetPlayIndex(7);
        ClickKeyHeader();  // the first click reverses the rows as they stand
        EXPECT_EQ(Cell(0, 0), "32767");
        EXPECT_EQ(Cell(kLast, 0), "0");
        EXPECT_EQ(list->PlayIndex(), -1);
        ClickKeyHeader();  // the second sorts the shuffled keys
        EXPECT_TRUE(KeysInOrder(true));
        EXPECT_EQ(Utf8(list->GetCheckItemId()), "6827");  // the check went with its row
        EXPECT_EQ(Cell(6827, 0), "5");
        ClickKeyHeader();  // descending: the sorted rows reversed
        EXPECT_TRUE(KeysInOrder(false));
        ClickKeyHeader();  // a sort of keys in reverse order
        EXPECT_TRUE(KeysInOrder(true));
        // Another column takes the marker; back on the key column its first
        // click reverses again, so the next one sorts keys already in order.
        ClickTextHeader();
        ClickKeyHeader();
        EXPECT_TRUE(KeysInOrder(true));
        ClickKeyHeader();
        EXPECT_TRUE(KeysInOrder(true));
        // All keys equal: a sort moves nothing.
        ClickTextHeader();
        ClickTextHeader();
        EXPECT_TRUE(KeysInOrder(false));
        Bool16 off = kFalse;
        list->SetCheckAllItem(off);
    }
    {
        SCOPED_TRACE("row 32767");
        list->SetListIndex(kLast);
        list->SetPlayIndex(kLast);
        EXPECT_EQ(list->ListIndex(), kLast);
        EXPECT_EQ(list->GetSelectId(), kLast);
        list->Setitem(kLast, 20, u"last");
        EXPECT_EQ(Cell(kLast, 20), "last");
        int32_t index = kLast;
        Text data = u"p,q";
        list->SetItemData(index, data);
        EXPECT_EQ(Cell(kLast, 2), "q");
        Text key(list->Rows().at(kLast).Key), update = u"u";
        list->UpdateItem(key, update);
        EXPECT_EQ(Cell(kLast, 1), "u");
    }
    {
        SCOPED_TRACE("scrolled to the bottom");
        list->Bar().SetValue(list->Bar().Max());
        EXPECT_EQ(list->FirstIndex(), kFull - 17);  // 17 whole rows in view
        Reset();
        EXPECT_EQ(ErrorOf([&] { list->PaintAll(); }), 0);
        EXPECT_EQ(list->LastIndex(), kLast);  // held there, not past the rows
        EXPECT_TRUE(Drew("32768"));           // the last row's number
        EXPECT_EQ(ErrorOf([&] { list->OnResize(); }), 0);
        EXPECT_EQ(ErrorOf([&] { list->SetLook(&ListLook::ItemHeight, 8); }), 0);
        EXPECT_EQ(list->LastIndex(), kLast);
        list->OnKeyDown(38, 0);
        EXPECT_EQ(list->ListIndex(), kLast - 1);
        list->OnKeyDown(40, 0);
        list->OnKeyDown(40, 0);
        EXPECT_EQ(list->ListIndex(), kLast);
        list->OnMouseWheel(-120 * 65536);
        EXPECT_EQ(list->FirstIndex(), list->Bar().Max());
    }
    {
        SCOPED_TRACE("checking every row");
        Bool16 on = kTrue;
        list->SetCheckAllItem(on);
        const std::string ids = Utf8(list->GetCheckItemId());
        EXPECT_EQ(ids.substr(0, 8), "0,1,2,3,");
        EXPECT_EQ(ids.substr(ids.size() - 12), ",32766,32767");
        EXPECT_EQ(std::count(ids.begin(), ids.end(), ','), kFull - 1);
    }
    {
        SCOPED_TRACE("removing by index, key and check");
        const std::string second = Cell(1, 0);
        EXPECT_EQ(list->RemoveItem(kLast), kFull - 1);
        EXPECT_EQ(list->PlayIndex(), -1);  // it was the play row
        // Room again for one row, and it is addressable.
        EXPECT_EQ(Add("extra", Variant(int16_t{kLast})), kFull);
        EXPECT_EQ(Cell(kLast, 0), "extra");
        EXPECT_EQ(list->RemoveKeyItem(Utf8Key(std::stoi(Cell(0, 0)))), kFull - 1);
        EXPECT_EQ(Cell(0, 0), second);
        int32_t middle = 16000;
        const std::string kept = Cell(middle, 0);
        Bool16 off = kFalse;
        list->SetCheckItem(middle, off);
        list->RemoveCheckItems();  // the extra row came in unchecked
        EXPECT_EQ(list->ListCount(), 2);
        EXPECT_EQ(Cell(0, 0), kept);
        EXPECT_EQ(Cell(1, 0), "extra");
        list->Clear();
        EXPECT_EQ(list->ListCount(), 0);
    }
}

// Whatever a setter or AddItemA accepted, every later call works: sizes at the
// ends of their ranges, a frame that leaves the bar no room, rows that stop
// needing the bar while scrolled, a row area the header overfills. Each case
// then runs every call that lays out, paints or hit-tests, and the indexes a
// host reads stay ones it can use.
TEST_F(CeilingTest, AcceptedValuesNeverBreakALaterCall) {
    struct Case { const char* what; int width, height; std::function<void()> set; };
    const Case cases[] = {
        {"pen width 32766", 400, 300, [&] { list->SetBorderWidth(32766); }},
        {"pen width 32767", 400, 300, [&] { list->SetBorderWidth(32767); }},
        {"row height 65545", 400, 300, [&] { list->SetLook(&ListLook::ItemHeight, 65545); }},
        {"the largest row height", 400, 300, [&] { list->SetLook(&ListLook::ItemHeight, 2147483647); }},
        {"a frame with no room for the bar", 202, 151, [&] {
             list->SetLook(&ListLook::Border, kFalse);
             list->SetBorderWidth(76);
             list->SetLook(&ListLook::Border, kTrue);
         }},
        {"columns past 16 bits with their gaps", 400, 300, [&] { Columns("A,B,C", "32767,-32767,0", "0,0,0", 2); }},
        {"scrolled to the end, then rows removed until all fit", 202, 151, [&] {
             Fill(35);
             list->Bar().SetValue(32);
             while (list->ListCount() > 5) list->RemoveItem(0);
         }},
        {"a row area the header overfilled, then cleared", 202, 151, [&] {
             list->SetLook(&ListLook::ItemHeight, 1000);
             list->Clear();
             list->SetLook(&ListLook::ItemHeight, 1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        New(c.width, c.height);
        list->SetBorderWidth(1);  // the surface outlives the list before
        Columns("#,key,text", "60,150,150", "0,0,0", 2);
        Add("0,a,b");
        EXPECT_EQ(ErrorOf(c.set), 0);
        EXPECT_GE(list->LastIndex(), -1);
        if (!list->Bar().Visible()) {
            EXPECT_EQ(list->FirstIndex(), 0);  // nothing to scroll back with
        }
        Bool16 on = kTrue;
        int32_t row = 0;
        const std::function<void()> later[] = {
            [&] { Add("1,c,d"); }, [&] { Add("2,e,f", Variant(0)); }, [&] { list->RemoveItem(0); },
            [&] { list->PaintAll(); }, [&] { list->Refresh(); }, [&] { list->SetLook(&ListLook::ItemBkColor1, 0x123456); },
            [&] { list->SetLook(&ListLook::HeaderBackColor, 0x654321); }, [&] { list->SetLook(&ListLook::CheckBox, kTrue); },
            [&] { list->SetCheckAllItem(on); }, [&] { list->SetCheckItem(row, on); },
            [&] { list->IndexFromPoint(Variant(0), Variant(100)); }, [&] { list->ResizeHead(); },
            [&] { list->SetLook(&ListLook::Border, kFalse); }, [&] { list->SetLook(&ListLook::Border, kTrue); }, [&] { list->SetListIndex(0); },
            [&] { list->OnMouseDown(1, 0, 100, 100); }, [&] { list->OnMouseUp(1, 0, 100, 100); },
            [&] { list->OnDblClick(); }, [&] { list->OnResize(); }, [&] { list->Clear(); }, [&] { Add("3,g,h"); },
        };
        for (const auto& call : later) EXPECT_EQ(ErrorOf(call), 0);
        EXPECT_EQ(list->ListCount(), 1);
    }
    const auto ok = [](int error) { return error == 0 || error == kOverflow || error == kDivisionByZero; };
    Make(400, 300);  // a stored control whose bag fails at its first key
    MemoryBag bag;
    bag.values["BackColor"] = Variant(u"no colour");
    EXPECT_EQ(ErrorOf([&] { list->ReadProperties(bag); }), kTypeMismatch);
    EXPECT_EQ(list->Look().ItemHeight, 0);
    EXPECT_TRUE(ok(ErrorOf([&] { Add("0,a"); })));
    ASSERT_EQ(list->ListCount(), 1);
    const int32_t headerBottom = list->BorderWidth();  // the band has no height
    EXPECT_EQ(list->IndexFromPoint(Variant(100), Variant(headerBottom)), -1);
    EXPECT_TRUE(ok(ErrorOf([&] { list->OnMouseDown(1, 0, 100, static_cast<float>(headerBottom)); })));
    EXPECT_TRUE(ok(ErrorOf([&] { list->PaintAll(); })));
}

}  // namespace
}  // namespace mirelo::fake
