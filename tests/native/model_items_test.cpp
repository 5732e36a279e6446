// The item store against a reference model: seeded random sequences of item
// operations run on the list and on a plain model of the rows written from
// the rules of the store alone (no painting, no layout); after every step the
// two must agree on the count, every cell, key, id and check, the selection,
// the play row and the checked-id text.
#include <array>
#include <cmath>
#include <sstream>

#include "fakes/error_of.h"
#include "fakes/list_fixture.h"

namespace mirelo::fake {
namespace {

struct ModelRow {
    std::array<Text, kMaxColumn + 1> cells;
    Text key;
    int16_t id = -1;
    Bool16 checked = kFalse;
};

// Results are (value, error number); error 0 means the call returned.
struct Outcome {
    int32_t value = 0;
    int error = 0;
    bool operator==(const Outcome& o) const { return value == o.value && error == o.error; }
};

class ItemModel {
public:
    std::vector<ModelRow> rows;
    int16_t listIndex = -1, playIndex = -1, colNumCount = 0;
    bool checkBox = false;

    static std::vector<Text> Split(const Text& s) {
        std::vector<Text> parts;
        if (s.empty()) return parts;
        size_t start = 0;
        for (size_t i = 0; i <= s.size(); ++i)
            if (i == s.size() || s[i] == u',') parts.push_back(s.substr(start, i - start)), start = i + 1;
        return parts;
    }
    int32_t Count() const { return static_cast<int32_t>(rows.size()); }
    bool Valid(int32_t i) const { return Count() != 0 && i >= 0 && i <= Count() - 1; }

    Outcome AddItem(const Text& title, const Text& key, bool append, double index, int16_t id) {
        const auto parts = Split(title);
        if (parts.size() > kMaxColumn + 1) return {0, 9};
        const double p = std::floor(index);
        if (!append && (p < -32768 || p > 32767)) return {0, 6};
        if (!append && (p > Count() || p < 0)) return {-1, 0};
        ModelRow row;
        for (size_t c = 0; c <= static_cast<size_t>(colNumCount) && c < parts.size(); ++c) row.cells[c] = parts[c];
        row.key = key;
        row.id = id;
        rows.insert(append ? rows.end() : rows.begin() + static_cast<int>(p), row);
        return {Count(), 0};
    }
    Outcome RemoveItem(int16_t i) {
        if (!Valid(i)) return {-1, 0};
        if (Count() == 1) Clear();
        else rows.erase(rows.begin() + i);
        if (i == playIndex) playIndex = -1;
        return {Count(), 0};
    }
    Outcome RemoveKeyItem(const Text& key) {
        if (rows.empty() || key.empty()) return {-1, 0};
        for (int32_t i = 0; i < Count(); ++i) {
            if (rows[i].key != key) continue;
            rows.erase(rows.begin() + i);  // the only row too, without clearing
            if (i == playIndex) playIndex = -1;
            return {Count(), 0};
        }
        return {-1, 0};
    }
    void RemoveCheckItems() {
        std::vector<ModelRow> kept;
        for (auto& r : rows)
            if (r.checked == 0) kept.push_back(r);
        rows = kept;
    }
    void Clear() {
        if (rows.empty()) return;
        rows.clear();
        listIndex = playIndex = -1;
    }
    Outcome SetItemData(int32_t i, const Text& text) {
        if (!Valid(i)) return {0, 9};
        const auto parts = Split(text);
        if (parts.size() > kMaxColumn) return {0, 9};  // no cell changes
        for (size_t k = 0; k < parts.size(); ++k) rows[i].cells[k + 1] = parts[k];
        return {};
    }
    Outcome UpdateItem(const Text& key, const Text& text) {
        for (int32_t i = 0; i < Count(); ++i)
            if (rows[i].key == key) return SetItemData(i, text);
        return {};
    }
    Outcome SetCell(int16_t i, int16_t col, const Text& text) {
        if (!Valid(i)) return {};
        if (col < 0 || col > kMaxColumn) return {0, 9};
        rows[i].cells[col] = text;
        return {};
    }
    void SetCheck(int32_t i, Bool16 b) {
        if (i >= 0 && i <= Count() - 1) rows[i].checked = b;
    }
    void SetIndex(bool play, int16_t v) {
        int16_t& index = play ? playIndex : listIndex;
        if (Valid(v) && v != index) index = v;
    }
    Text CheckedIds() const {
        if (!checkBox) return u"-1";
        Text out;
        for (int32_t i = 0; i < Count(); ++i)
            if (rows[i].checked == kTrue) out += (out.empty() ? u"" : u",") + DecimalText(i);
        return out;
    }
};

class ModelTest : public ListTest {
protected:
    uint32_t state_ = 1;
    uint32_t Next(uint32_t n) {  // a small LCG: the same sequence on every platform
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % n;
    }
    Text Cells() {
        static const char16_t* const pieces[] = {u"a", u"b", u"", u"ab", u"\u4E2D"};
        const uint32_t parts = Next(9) == 0 ? 22 : Next(6);  // now and then one part too many
        Text t;
        for (uint32_t k = 0; k < parts; ++k) t += (k ? u"," : u"") + Text(pieces[Next(5)]);
        return t;
    }
    Text Key() {
        static const char16_t* const keys[] = {u"", u"k1", u"k2", u"K1"};
        return keys[Next(4)];
    }
    int16_t Index(const ItemModel& m) { return static_cast<int16_t>(static_cast<int32_t>(Next(m.Count() + 4)) - 2); }
    Bool16 Check() {
        static const Bool16 values[] = {kTrue, kFalse, 1, kTrue};
        return values[Next(4)];
    }

    // One random operation on both; returns what was done, for the failure message.
    std::string Step(ItemModel& m) {
        std::ostringstream what;
        auto expect = [&](Outcome want, const std::function<int32_t()>& call) {
            Outcome got;
            got.error = ErrorOf([&] { got.value = call(); });
            EXPECT_TRUE(got == want) << what.str() << ": got " << got.value << "/error " << got.error << ", model "
                                     << want.value << "/error " << want.error;
        };
        switch (Next(20)) {
            case 0: case 1: case 2: case 3: case 4: case 5: {
                Text title = Cells(), key = Key();
                const bool append = Next(3) != 0;
                const double index = Next(12) == 0 ? 40000.0 : (static_cast<int>(Next(m.Count() + 4)) - 2) + Next(3) * 0.5;
                const int16_t id = static_cast<int16_t>(Next(200));
                what << "AddItem '" << Utf8(title) << "' at " << (append ? "end" : std::to_string(index));
                expect(m.AddItem(title, key, append, index, id), [&] {
                    return list->AddItem(Variant(title), key, append ? Variant::Missing() : Variant(index), Variant(id));
                });
                break;
            }
            case 6: case 7: {
                const int16_t i = Index(m);
                what << "RemoveItem " << i;
                expect(m.RemoveItem(i), [&] { return list->RemoveItem(i); });
                break;
            }
            case 8: {
                Text key = Key();
                what << "RemoveKeyItem '" << Utf8(key) << "'";
                expect(m.RemoveKeyItem(key), [&] { return list->RemoveKeyItem(key); });
                break;
            }
            case 9:
                if (Next(3) == 0) what << "RemoveCheckItems", m.RemoveCheckItems(), list->RemoveCheckItems();
                break;
            case 10: if (Next(6) == 0) what << "Clear", m.Clear(), list->Clear(); break;
            case 11: {
                int32_t i = Index(m);
                Text t = Cells();
                what << "SetItemData " << i << " '" << Utf8(t) << "'";
                expect(m.SetItemData(i, t), [&] { return list->SetItemData(i, t), 0; });
                break;
            }
            case 12: {
                Text key = Key(), t = Cells();
                what << "UpdateItem '" << Utf8(key) << "' '" << Utf8(t) << "'";
                expect(m.UpdateItem(key, t), [&] { return list->UpdateItem(key, t), 0; });
                break;
            }
            case 13: {
                const int16_t i = Index(m), col = static_cast<int16_t>(static_cast<int>(Next(24)) - 2);
                Text t = Next(2) ? u"x,y" : u"";
                what << "item(" << i << "," << col << ") = '" << Utf8(t) << "'";
                expect(m.SetCell(i, col, t), [&] { return list->Setitem(i, col, t), 0; });
                break;
            }
            case 14: {
                int32_t i = Index(m);
                Bool16 b = Check();
                what << "SetCheckItem " << i << " " << b;
                m.SetCheck(i, b);
                list->SetCheckItem(i, b);
                break;
            }
            case 15: {
                Bool16 b = Check();
                what << "SetCheckAllItem " << b;
                for (int32_t i = 0; i < m.Count(); ++i) m.SetCheck(i, b);
                list->SetCheckAllItem(b);
                break;
            }
            case 16: case 17: {
                const bool play = Next(2);
                const int16_t v = Index(m);
                what << (play ? "PlayIndex = " : "ListIndex = ") << v;
                m.SetIndex(play, v);
                play ? list->SetPlayIndex(v) : list->SetListIndex(v);
                break;
            }
            default:
                if (Next(2)) {
                    m.checkBox = !m.checkBox;
                    what << "CheckBox = " << m.checkBox;
                    list->SetLook(&ListLook::CheckBox, m.checkBox ? kTrue : kFalse);
                } else {
                    // Now and then a count past the last slot, which must change nothing.
                    const int pick = Next(10);
                    const int16_t count = static_cast<int16_t>(pick == 0 ? 20 : pick == 1 ? 21 : Next(6));
                    what << "AddItemA " << count;
                    Text captions = u"#", widths = u"20", aligns = u"0";
                    for (int c = 1; c <= count; ++c) captions += u",c", widths += u",20", aligns += u",0";
                    const int error = ErrorOf([&] {
                        list->AddItemA(Variant(count), Variant(captions), Variant(widths), Variant(aligns));
                    });
                    if (count <= kMaxColumn) m.colNumCount = count;
                    else EXPECT_EQ(error, kSubscriptOutOfRange) << what.str();
                }
                break;
        }
        return what.str();
    }

    void Compare(const ItemModel& m, const std::string& history) {
        ASSERT_EQ(list->ListCount(), m.Count()) << history;
        EXPECT_EQ(list->ListIndex(), m.listIndex) << history;
        EXPECT_EQ(list->PlayIndex(), m.playIndex) << history;
        EXPECT_EQ(list->GetSelectId(), m.playIndex) << history;
        EXPECT_EQ(Utf8(list->GetCheckItemId()), Utf8(m.CheckedIds())) << history;
        for (int32_t i = 0; i < m.Count(); ++i) {
            const ModelRow& want = m.rows[i];
            const ItemRecord& got = list->Rows()[i];
            for (int16_t c = 0; c <= kMaxColumn; ++c) {
                const Text cell = list->item(static_cast<int16_t>(i), c);
                if (cell != want.cells[c])
                    FAIL() << history << " row " << i << " cell " << c << ": '" << Utf8(cell) << "', model '"
                           << Utf8(want.cells[c]) << "'";
            }
            EXPECT_TRUE(got.Key == want.key) << history << " row " << i;
            EXPECT_EQ(got.Id, want.id) << history << " row " << i;
            EXPECT_EQ(got.Checked, want.checked) << history << " row " << i;
        }
    }
};

TEST_F(ModelTest, RandomItemOperationsMatchTheModel) {
    for (uint32_t seed = 1; seed <= 16; ++seed) {
        New(400, 80);  // three rows in view: painting stays cheap, scrolling still happens
        state_ = seed;
        ItemModel m;
        std::string history;
        for (int step = 0; step < 200; ++step) {
            const std::string what = Step(m);
            // The last few operations are enough to replay a difference by hand.
            history = "seed " + std::to_string(seed) + " step " + std::to_string(step) + ": " + what;
            Compare(m, history);
            if (HasFailure()) return;
            Reset();
        }
    }
}

}  // namespace
}  // namespace mirelo::fake
