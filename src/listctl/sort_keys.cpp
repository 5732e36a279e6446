// The partition sort: the key at the top end of a range is the pivot; it
// moves to each key found on the wrong side and ends in its final place.
// Equal keys are never exchanged with each other. Work is arranged so that the
// call depth stays logarithmic and runs already in order cost one pass, while
// every exchange stays exactly the one the plain recursive sort would make.
#include "listctl/sort_keys.h"

#include <utility>

namespace mirelo {

int OrdinalCompare(std::u16string_view a, std::u16string_view b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

namespace {

class Sorter {
public:
    Sorter(std::vector<std::u16string_view>& keys, std::vector<int16_t>& map) : keys_(keys), map_(map) {}

    void Sort(int32_t lo, int32_t hi) {
        while (lo < hi) {
            // A range in order is left alone by the partitions, and one in
            // reverse order only has its outer pairs exchanged: both are seen
            // in one pass instead of one partition per key.
            if (InOrder(lo, hi, 1)) return;
            if (InOrder(lo, hi, -1)) return ExchangeOuterPairs(lo, hi);
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
    int Compare(int32_t a, int32_t b) const { return keys_[a].compare(keys_[b]); }

    void Exchange(int32_t a, int32_t b) {
        std::swap(keys_[a], keys_[b]);
        std::swap(map_[a], map_[b]);
    }

    // Returns the pivot's final place.
    int32_t Partition(int32_t lo, int32_t hi) {
        int32_t i = lo, j = hi;
        do {
            while (i < j && Compare(i, j) <= 0) ++i;
            if (i < j) Exchange(i, j);
            while (i < j && Compare(i, j) <= 0) --j;
            if (i < j) Exchange(i, j);
        } while (i != j);
        return i;
    }

    // direction 1: no key greater than the next; -1: none smaller.
    bool InOrder(int32_t lo, int32_t hi, int direction) const {
        for (int32_t t = lo; t < hi; ++t)
            if (direction * Compare(t, t + 1) > 0) return false;
        return true;
    }

    // What the partitions do to a range in descending order: the smallest key
    // and the pivot change places, the pivot (now the largest) stays on top,
    // and the same follows for the range inside, until the keys left are equal.
    void ExchangeOuterPairs(int32_t lo, int32_t hi) {
        for (; lo < hi && Compare(lo, hi) > 0; ++lo, --hi) Exchange(lo, hi);
    }

    std::vector<std::u16string_view>& keys_;
    std::vector<int16_t>& map_;
};

}  // namespace

void SortKeys(std::vector<std::u16string_view>& keys, std::vector<int16_t>& map, int32_t lo, int32_t hi) {
    Sorter(keys, map).Sort(lo, hi);
}

}  // namespace mirelo
