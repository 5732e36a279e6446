#include "listctl/item_record.h"

#include <algorithm>

namespace mirelo {

namespace {

constexpr size_t kLengthUnits = 2;  // a 32-bit count in two code units

uint32_t ReadU32(const char16_t* p) { return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 16); }

void WriteU32(char16_t* p, size_t v) {
    p[0] = static_cast<char16_t>(v & 0xFFFF);
    p[1] = static_cast<char16_t>((v >> 16) & 0xFFFF);
}

// The cells block read back: how many cells, where each ends, and the texts.
struct CellsView {
    explicit CellsView(std::u16string_view block) {
        if (block.empty()) return;
        count = block[0];
        ends = block.data() + 1;
        texts = block.data() + 1 + kLengthUnits * count;
    }
    size_t End(size_t c) const { return ReadU32(ends + kLengthUnits * c); }
    std::u16string_view Cell(size_t c) const {
        if (c >= count) return {};
        const size_t begin = c == 0 ? 0 : End(c - 1);
        return std::u16string_view(texts + begin, End(c) - begin);
    }
    size_t count = 0;
    const char16_t* ends = nullptr;
    const char16_t* texts = nullptr;
};

// Packs cells 0 .. count - 1 (trailing empty ones left out) into one block.
template <class CellAt>
CompactText PackCells(size_t count, const CellAt& cellAt) {
    while (count > 0 && cellAt(count - 1).empty()) --count;
    if (count == 0) return CompactText();
    size_t total = 0;
    for (size_t c = 0; c < count; ++c) total += cellAt(c).size();
    CompactText block = CompactText::OfLength(1 + kLengthUnits * count + total);
    char16_t* units = block.data();
    units[0] = static_cast<char16_t>(count);
    size_t end = 0;
    char16_t* out = units + 1 + kLengthUnits * count;
    for (size_t c = 0; c < count; ++c) {
        const std::u16string_view cell = cellAt(c);
        std::copy(cell.begin(), cell.end(), out + end);
        end += cell.size();
        WriteU32(units + 1 + kLengthUnits * c, end);
    }
    return block;
}

}  // namespace

char16_t* CompactText::data() { return block_ ? block_.get() + kLengthUnits : nullptr; }

std::u16string_view CompactText::view() const {
    if (!block_) return {};
    return std::u16string_view(block_.get() + kLengthUnits, ReadU32(block_.get()));
}

CompactText CompactText::OfLength(size_t length) {
    CompactText t;
    if (length > 0) {
        t.block_.reset(new char16_t[kLengthUnits + length]);
        WriteU32(t.block_.get(), length);
    }
    return t;
}

void CompactText::Assign(std::u16string_view s) {
    // The new block is filled before the old one goes: s may lie inside it.
    CompactText t = OfLength(s.size());
    std::copy(s.begin(), s.end(), t.data());
    block_ = std::move(t.block_);
}

std::u16string_view ItemRecord::Cell(int c) const {
    if (c < 0) return {};
    return CellsView(cells_.view()).Cell(static_cast<size_t>(c));
}

void ItemRecord::SetCell(int c, std::u16string_view value) {
    if (c < 0 || c > kMaxColumn) return;
    const CellsView old(cells_.view());
    const size_t at = static_cast<size_t>(c);
    if (at >= old.count && value.empty()) return;
    // Packed into a new block while the old one, which value may view, lives.
    cells_ = PackCells(std::max(old.count, at + 1), [&](size_t k) { return k == at ? value : old.Cell(k); });
}

void ItemRecord::SetCells(const std::u16string_view* parts, size_t count) {
    count = std::min<size_t>(count, kMaxColumn + 1);
    cells_ = PackCells(count, [&](size_t k) { return parts[k]; });
}

}  // namespace mirelo
