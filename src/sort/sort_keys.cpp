// The partition sort: the key at the top end of a range is the pivot; it
// moves to each key found on the wrong side and ends in its final place.
// Equal keys are never exchanged with each other, and the order they end up
// in is the one thing that depends on how the sort goes about it. So:
// - keys all different have one sorted order only, and any sort finds it;
// - otherwise the exchanges are replayed on small integer ranks, arranged so
//   that the call depth stays logarithmic and the inputs that make the plain
//   sort split off one key per pass (runs in order or reversed, ranges of two
//   different keys) cost one pass, every exchange still the plain sort's.
#include "sort/sort_keys.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>

namespace mirelo {

int OrdinalCompare(std::u16string_view a, std::u16string_view b) {
    const size_t n = std::min(a.size(), b.size());
    const char16_t* p = a.data();
    const char16_t* q = b.data();
    size_t i = 0;
#if defined(__GNUC__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // Keys of one column often share a long beginning: four code units at a
    // time, and the lowest differing bit tells which unit differs first.
    for (; i + 4 <= n; i += 4) {
        uint64_t x, y;
        std::memcpy(&x, p + i, sizeof x);
        std::memcpy(&y, q + i, sizeof y);
        if (x != y) {
            const size_t k = i + static_cast<size_t>(__builtin_ctzll(x ^ y)) / 16;
            return p[k] < q[k] ? -1 : 1;
        }
    }
#endif
    for (; i < n; ++i)
        if (p[i] != q[i]) return p[i] < q[i] ? -1 : 1;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

uint64_t OrdinalHead(std::u16string_view text, size_t from) {
    // A text that ends early is padded with the smallest unit: it orders
    // before every longer text it begins, and heads only tie where the
    // texts must be compared in full.
    uint64_t head = 0;
    for (size_t i = from; i < from + 4; ++i) head = head << 16 | (i < text.size() ? text[i] : 0u);
    return head;
}

namespace {

// Replays the partition sort on ranks, carrying each rank's starting place.
class RankSorter {
public:
    RankSorter(std::vector<int32_t>& rank, std::vector<int32_t>& from) : rank_(rank), from_(from) {}

    void Sort(int32_t lo, int32_t hi) {
        while (lo < hi) {
            if (InOrder(lo, hi, 1)) return;
            if (InOrder(lo, hi, -1)) return ExchangeOuterPairs(lo, hi);
            int32_t low, high;
            if (TwoValues(lo, hi, low, high)) return SortTwoValues(lo, hi, low, high);
            const int32_t p = Partition(lo, hi);
            // The parts are independent; the smaller one is sorted by a call.
            if (p - lo < hi - p) {
                Sort(lo, p - 1);
                lo = p + 1;
            } else {
                Sort(p + 1, hi);
                hi = p - 1;
            }
        }
    }

private:
    void Exchange(int32_t a, int32_t b) {
        std::swap(rank_[a], rank_[b]);
        std::swap(from_[a], from_[b]);
    }

    // Returns the pivot's final place.
    int32_t Partition(int32_t lo, int32_t hi) {
        int32_t i = lo, j = hi;
        do {
            while (i < j && rank_[i] <= rank_[j]) ++i;
            if (i < j) Exchange(i, j);
            while (i < j && rank_[i] <= rank_[j]) --j;
            if (i < j) Exchange(i, j);
        } while (i != j);
        return i;
    }

    // direction 1: no key greater than the next; -1: none smaller. The
    // partitions leave a range in order alone.
    bool InOrder(int32_t lo, int32_t hi, int direction) const {
        for (int32_t t = lo; t < hi; ++t)
            if (direction * (rank_[t] - rank_[t + 1]) > 0) return false;
        return true;
    }

    // What the partitions do to a range in descending order: the smallest key
    // and the pivot change places, the pivot (now the largest) stays on top,
    // and the same follows for the range inside, until the keys left are equal.
    void ExchangeOuterPairs(int32_t lo, int32_t hi) {
        for (; lo < hi && rank_[lo] > rank_[hi]; ++lo, --hi) Exchange(lo, hi);
    }

    // Whether the range holds exactly two different keys; stops at a third.
    bool TwoValues(int32_t lo, int32_t hi, int32_t& low, int32_t& high) const {
        low = high = rank_[lo];
        for (int32_t t = lo + 1; t <= hi; ++t) {
            const int32_t r = rank_[t];
            if (r == low || r == high) continue;
            if (low != high) return false;
            (r < low ? low : high) = r;
        }
        return low != high;
    }

    // With two keys the pivot is always the smallest or the largest. The
    // largest on top stays there. The smallest changes places with the first
    // larger key from the bottom; what lies below that is all smallest keys
    // and stays, and the pivot's partition leaves the rest as it was.
    void SortTwoValues(int32_t lo, int32_t hi, int32_t low, int32_t high) {
        for (;;) {
            while (lo < hi && rank_[hi] == high) --hi;
            int32_t q = lo;
            while (q < hi && rank_[q] == low) ++q;
            if (q >= hi) return;
            Exchange(q, hi);
            lo = q + 1;
            --hi;
        }
    }

    std::vector<int32_t>& rank_;
    std::vector<int32_t>& from_;
};

}  // namespace

void SortKeys(std::vector<std::u16string_view>& keys, std::vector<int16_t>& map, int32_t lo, int32_t hi) {
    if (hi <= lo) return;
    const size_t n = static_cast<size_t>(hi - lo + 1);
    const auto key = [&](int32_t k) { return keys[static_cast<size_t>(lo + k)]; };
    // A list clicked before is in order or reversed already: one pass.
    bool up = true, down = true;
    for (int32_t t = lo; t < hi && (up || down); ++t) {
        const int c = OrdinalCompare(keys[t], keys[t + 1]);
        up = up && c <= 0;
        down = down && c >= 0;
    }
    if (up) return;
    if (down) {
        for (int32_t a = lo, b = hi; a < b && OrdinalCompare(keys[a], keys[b]) > 0; ++a, --b) {
            std::swap(keys[a], keys[b]);
            std::swap(map[a], map[b]);
        }
        return;
    }

    // Keys travel with their places through the sort: looking them up by
    // place instead would cost a cache miss per comparison.
    // The first eight code units, as two numbers, settle most comparisons
    // without reading the texts at all: keys of one column often share their
    // first four units ("k0123", dates, track numbers).
    constexpr size_t kHeadUnits = 8;
    struct Entry {
        uint64_t head[2];
        std::u16string_view key;
        int32_t from;
        bool SameHead(const Entry& o) const { return head[0] == o.head[0] && head[1] == o.head[1]; }
        bool SameKey(const Entry& o) const { return SameHead(o) && key == o.key; }
    };
    std::vector<Entry> entries(n);
    for (size_t k = 0; k < n; ++k) {
        const std::u16string_view text = key(static_cast<int32_t>(k));
        entries[k] = Entry{{OrdinalHead(text), OrdinalHead(text, 4)}, text, static_cast<int32_t>(k)};
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.head[0] != b.head[0]) return a.head[0] < b.head[0];
        if (a.head[1] != b.head[1]) return a.head[1] < b.head[1];
        // Equal heads of two texts that both fill them are equal units; a
        // shorter text's padding may stand for units the other really has.
        if (a.key.size() >= kHeadUnits && b.key.size() >= kHeadUnits)
            return OrdinalCompare(a.key.substr(kHeadUnits), b.key.substr(kHeadUnits)) < 0;
        return OrdinalCompare(a.key, b.key) < 0;
    });

    // The place each key goes to: the sorted order when no two keys are
    // equal, else the exchanges replayed.
    bool equalKeys = false;
    for (size_t k = 1; k < n && !equalKeys; ++k) equalKeys = entries[k - 1].SameKey(entries[k]);
    std::vector<int32_t> from(n);
    if (!equalKeys) {
        for (size_t k = 0; k < n; ++k) from[k] = entries[k].from;
    } else {
        std::vector<int32_t> rank(n);
        int32_t r = 0;
        for (size_t k = 0; k < n; ++k) {
            if (k > 0 && !entries[k - 1].SameKey(entries[k])) ++r;
            rank[static_cast<size_t>(entries[k].from)] = r;
        }
        std::iota(from.begin(), from.end(), 0);
        RankSorter(rank, from).Sort(0, static_cast<int32_t>(n) - 1);
    }

    std::vector<std::u16string_view> sortedKeys(n);
    std::vector<int16_t> sortedMap(n);
    for (size_t k = 0; k < n; ++k) {
        sortedKeys[k] = key(from[k]);
        sortedMap[k] = map[static_cast<size_t>(lo + from[k])];
    }
    std::copy(sortedKeys.begin(), sortedKeys.end(), keys.begin() + lo);
    std::copy(sortedMap.begin(), sortedMap.end(), map.begin() + lo);
}

}  // namespace mirelo
