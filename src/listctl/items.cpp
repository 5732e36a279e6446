// The item store: adding, changing, checking and removing rows.
#include <algorithm>

#include "base/error.h"
#include "listctl/mirelo_list.h"

namespace mirelo {

bool MireloList::IsValidIndex(int32_t i) const { return i >= 0 && i < ListCount(); }

int32_t MireloList::AddItem(const Variant& Title, Text& Key, const Variant& Index, const Variant& Id) {
    // Every conversion and check comes before the first change, so a refused
    // row leaves the list as it was.
    const Text title = Title.ToText();
    const std::vector<std::u16string_view> parts = SplitViews(title);
    if (parts.size() > kMaxColumn + 1) Raise(kSubscriptOutOfRange);
    int16_t id = Id.IsMissing() ? int16_t{-1} : Id.ToInt16();
    bool append = Index.IsMissing();
    int16_t p = append ? int16_t{0} : ToInt16(Int(Index.ToDouble()));
    // Row indices are 16-bit: a row past 32767 could never be addressed.
    if (ListCount() >= kMaxRows) Raise(kOverflow);
    if (!append && (p > ListCount() || p < 0)) return -1;

    ItemRecord row;
    if (columns_.count >= 0) row.SetCells(parts.data(), std::min<size_t>(parts.size(), columns_.count + 1u));
    row.Key = Key;
    row.Id = id;
    if (append) {
        Items.push_back(std::move(row));
        PaintRow(static_cast<int16_t>(ListCount() - 1));
    } else {
        Items.insert(Items.begin() + p, std::move(row));
        PaintList();
    }
    int32_t count = ListCount();
    UpdateLayout();
    if (access_) access_->RowsChanged();
    return count;
}

int32_t MireloList::RowsRemoved(int index) {
    if (index == PlayIndex_) PlayIndex_ = -1;
    const int32_t count = ListCount();
    UpdateLayout();
    PaintList();
    if (access_) access_->RowsChanged();
    return count;
}

int32_t MireloList::RemoveItem(int16_t Index) {
    if (!IsValidIndex(Index)) return -1;
    if (ListCount() == 1) Clear();
    else Items.erase(Items.begin() + Index);
    return RowsRemoved(Index);
}

int32_t MireloList::RemoveKeyItem(const Text& Key) {
    if (ListCount() == 0 || Key.empty()) return -1;
    auto it = std::find_if(Items.begin(), Items.end(), [&](const ItemRecord& r) { return r.Key == Key; });
    if (it == Items.end()) return -1;
    const int index = static_cast<int>(it - Items.begin());
    Items.erase(it);
    return RowsRemoved(index);
}

void MireloList::RemoveCheckItems() {
    Items.erase(std::remove_if(Items.begin(), Items.end(), [](const ItemRecord& r) { return r.Checked != 0; }),
                Items.end());
    RowsRemoved(-1);
}

void MireloList::Clear() {
    if (ListCount() == 0) return;
    Items.clear();
    Items.shrink_to_fit();
    UpdateLayout();
    ListIndex_ = -1;
    PlayIndex_ = -1;
    FirstIndex_ = 0;
    LastIndex_ = 0;
    surface_.Cls();
    if (look_.Border) painter_.BorderBox(View(Geometry()));
    PaintHeader();
    if (access_) access_->RowsChanged();
}

Text MireloList::item(int16_t Index, int16_t nCol) const {
    if (!IsValidIndex(Index)) return Text();
    if (nCol < 0 || nCol > kMaxColumn) Raise(kSubscriptOutOfRange);
    return Text(Items[Index].Cell(nCol));
}

void MireloList::Setitem(int16_t Index, int16_t nCol, const Text& value) {
    if (!IsValidIndex(Index)) return;
    if (nCol < 0 || nCol > kMaxColumn) Raise(kSubscriptOutOfRange);
    Items[Index].SetCell(nCol, value);
    PaintRow(Index);
    if (access_) access_->RowNameChanged(Index);
}

int16_t MireloList::ItemId(int16_t Index) const { return IsValidIndex(Index) ? Items[Index].Id : int16_t{0}; }

void MireloList::SetItemId(int16_t Index, int16_t value) {
    if (IsValidIndex(Index)) Items[Index].Id = value;
}

void MireloList::SetItemData(int32_t& Index, Text& sT) {
    if (!IsValidIndex(Index)) Raise(kSubscriptOutOfRange);
    std::vector<Text> parts = SplitText(sT);
    // Cells 1 .. 20 take the parts; a 21st part has no cell to go to, and is
    // refused before any cell changes, as AddItem refuses a 22nd.
    if (parts.size() > kMaxColumn) Raise(kSubscriptOutOfRange);
    ItemRecord& row = Items[Index];
    for (size_t k = 0; k < parts.size(); ++k) row.SetCell(static_cast<int>(k + 1), parts[k]);
    PaintRow(static_cast<int16_t>(Index));
    if (access_) access_->RowNameChanged(static_cast<int16_t>(Index));
}

void MireloList::UpdateItem(Text& Key, Text& sT) {
    auto it = std::find_if(Items.begin(), Items.end(), [&](const ItemRecord& r) { return r.Key == Key; });
    if (it == Items.end()) return;
    int32_t index = static_cast<int32_t>(it - Items.begin());
    SetItemData(index, sT);
}

void MireloList::SetCheckItem(int32_t& Index, Bool16& bCheck) {
    if (!IsValidIndex(Index)) return;
    Items[Index].Checked = bCheck;
    if (!look_.CheckBox) return;
    PaintRow(static_cast<int16_t>(Index));
    if (access_) access_->RowStateChanged(static_cast<int16_t>(Index));
}

void MireloList::SetCheckAllItem(Bool16& bCheck) {
    for (auto& r : Items) r.Checked = bCheck;
    if (!look_.CheckBox) return;
    PaintList();
    if (access_) access_->RowsChanged();
}

Text MireloList::GetCheckItemId() const {
    if (!look_.CheckBox) return u"-1";
    Text out;
    for (size_t i = 0; i < Items.size(); ++i) {
        if (Items[i].Checked != kTrue) continue;
        if (!out.empty()) out += u',';
        out += DecimalText(static_cast<long long>(i));
    }
    return out;
}

int16_t MireloList::LastIndex() const {
    return static_cast<int16_t>(std::min<int32_t>(LastIndex_, ListCount() - 1));
}

}  // namespace mirelo
