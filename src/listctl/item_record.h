#pragma once
// One row of the list: up to 21 cell texts plus the host's key, id and check.
//
// A full list holds 32768 rows, so a row is kept small: its cells live in one
// heap block, and the key and the column-exchange scratch are one pointer each
// (nothing more while they are empty, as they nearly always are).
#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>

#include "base/numeric.h"
#include "base/slots.h"
#include "base/text.h"

namespace mirelo {

// An owned UTF-16 text the size of one pointer: its length and code units in
// one heap block, no block at all when empty.
class CompactText {
public:
    CompactText() = default;
    explicit CompactText(std::u16string_view s) { Assign(s); }
    CompactText(const CompactText& o) { Assign(o.view()); }
    CompactText(CompactText&&) noexcept = default;
    CompactText& operator=(const CompactText& o) { return *this = o.view(); }
    CompactText& operator=(CompactText&&) noexcept = default;
    // Safe when s points into this text itself.
    CompactText& operator=(std::u16string_view s) {
        Assign(s);
        return *this;
    }

    // A text of `length` units, to be written through data() before use.
    static CompactText OfLength(size_t length);
    char16_t* data();

    std::u16string_view view() const;
    operator std::u16string_view() const { return view(); }
    bool empty() const { return block_ == nullptr; }
    size_t size() const { return view().size(); }

    friend bool operator==(const CompactText& a, std::u16string_view b) { return a.view() == b; }

private:
    void Assign(std::u16string_view s);
    std::unique_ptr<char16_t[]> block_;  // two units of length (low, high), then the text
};

class ItemRecord {
public:
    // Cells past the last non-empty one read as empty. A view stays valid until
    // the next change of this row's cells.
    std::u16string_view Cell(int c) const;
    // Safe when value is a view of one of this row's own cells.
    void SetCell(int c, std::u16string_view value);
    // Cells 0 .. count - 1 from parts; every other cell becomes empty.
    void SetCells(const std::u16string_view* parts, size_t count);

    CompactText Key;
    CompactText SwapText;  // scratch of the column exchange; keeps what last went through it
    int16_t Id = -1;
    Bool16 Checked = kFalse;

private:
    // One block: the number of cells n, then n cell ends (32-bit offsets into
    // the texts, two units each), then the cell texts back to back.
    CompactText cells_;
};

// The rows in list order. Scripts remove rows one at a time, most often the
// first (a queue played down) or the last: a deque takes a row off either end
// without moving the other 32767, which a vector moves on every removal.
using RowStore = std::deque<ItemRecord>;

}  // namespace mirelo
