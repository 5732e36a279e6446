// The key sort against a plain transcription of the partition sort it must
// match exchange for exchange, and its depth on the inputs that make the
// plain one recurse once per key.
#include <gtest/gtest.h>
#include <pthread.h>

#include <algorithm>
#include <functional>
#include <random>

#include "sort/sort_keys.h"

namespace mirelo {
namespace {

// The recursive sort written out step by step; the reference for the order of
// equal keys.
void PlainSortKeys(std::vector<std::u16string_view>& key, std::vector<int16_t>& map, int lo, int hi) {
    auto cmp = [&](int a, int b) { return OrdinalCompare(key[a], key[b]); };
    auto swap = [&](int a, int b) {
        std::swap(key[a], key[b]);
        std::swap(map[a], map[b]);
    };
    int i = lo, j = hi;
    do {
        while (cmp(i, j) <= 0 && i < j) ++i;
        if (cmp(i, j) > 0 && i < j) swap(i, j);
        while (cmp(i, j) <= 0 && i < j) --j;
        if (cmp(i, j) > 0 && i < j) swap(i, j);
    } while (i != j);
    if (lo < i - 1) PlainSortKeys(key, map, lo, i - 1);
    if (j + 1 < hi) PlainSortKeys(key, map, j + 1, hi);
}

struct Sorted {
    std::vector<std::u16string_view> keys;
    std::vector<int16_t> map;
};

Sorted SortOf(const std::vector<Text>& texts, bool plain) {
    Sorted s;
    for (size_t i = 0; i < texts.size(); ++i) {
        s.keys.push_back(texts[i]);
        s.map.push_back(static_cast<int16_t>(i));
    }
    if (texts.empty()) return s;
    const int hi = static_cast<int>(texts.size()) - 1;
    if (plain) PlainSortKeys(s.keys, s.map, 0, hi);
    else SortKeys(s.keys, s.map, 0, hi);
    return s;
}

// Runs f on a thread whose stack holds a few dozen frames, not thousands.
void OnSmallStack(const std::function<void()>& f) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 128 * 1024);
    pthread_t t;
    auto call = [](void* p) -> void* {
        (*static_cast<const std::function<void()>*>(p))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&t, &attr, call, const_cast<std::function<void()>*>(&f)), 0);
    pthread_join(t, nullptr);
    pthread_attr_destroy(&attr);
}

TEST(SortKeysTest, OrdinalCompareAndHeadsAreCodeUnitOrder) {
    // Shared beginnings of every length, differences in every unit of a block
    // of four, high and low halves of surrogate pairs, prefixes, and the unit
    // 0 that a short text's head is padded with.
    const std::vector<char16_t> units = {u'a', u'b', 0x00E9, 0xD83D, 0xDE00, 0xFF21, 0x0100, 0x0001, 0x0000};
    std::mt19937 rng(7);
    for (int round = 0; round < 20000; ++round) {
        Text a;
        const size_t len = rng() % 13;
        for (size_t i = 0; i < len; ++i) a += units[rng() % units.size()];
        Text b = a.substr(0, rng() % (len + 1));
        const size_t more = rng() % 6;
        for (size_t i = 0; i < more; ++i) b += units[rng() % units.size()];
        const int want = a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
        ASSERT_EQ(OrdinalCompare(a, b), want) << round;
        ASSERT_EQ(OrdinalCompare(b, a), -want) << round;
        // Both heads the sort keeps: units 0..3, and 4..7 where 0..3 agree.
        for (const size_t from : {0, 4}) {
            if (a.substr(0, from) != b.substr(0, from)) continue;
            const uint64_t ha = OrdinalHead(a, from), hb = OrdinalHead(b, from);
            if (ha != hb) {
                ASSERT_EQ(ha < hb ? -1 : 1, want) << round;
            }
            if (want == 0) {
                ASSERT_EQ(ha, hb) << round;
            }
        }
    }
}

TEST(SortKeysTest, SameExchangesAsThePlainSortOnEveryShape) {
    // The last four: texts that fill both heads and differ after them, and
    // two that differ only in units a shorter text's padding stands for.
    const std::vector<Text> alphabet = {u"",         u"a",         u"A",      u"ab",
                                        u"b",        u"\u00E9",    u"a\U0001F600", u"k0123456b",
                                        u"k0123456a", Text(u"k01234\0\0", 8), u"k01234"};
    std::mt19937 rng(12345);
    for (int round = 0; round < 4000; ++round) {
        const int n = static_cast<int>(rng() % 40);
        // Two, three or all of the letters; or keys all different.
        const size_t letters = round % 4 == 0 ? 2 : round % 4 == 1 ? 3 : alphabet.size();
        const size_t first = rng() % (alphabet.size() - letters + 1);
        std::vector<Text> texts;
        for (int i = 0; i < n; ++i)
            texts.push_back(round % 7 == 6 ? DecimalText(rng()) : alphabet[first + rng() % letters]);
        // Runs in order and in reverse, whole or in part, besides shuffles.
        switch (round % 5) {
            case 1: std::sort(texts.begin(), texts.end()); break;
            case 2: std::sort(texts.rbegin(), texts.rend()); break;
            case 3: std::sort(texts.begin(), texts.begin() + n / 2); break;
            case 4: std::sort(texts.rbegin(), texts.rbegin() + n / 2); break;
            default: break;
        }
        const Sorted want = SortOf(texts, true), got = SortOf(texts, false);
        ASSERT_EQ(got.map, want.map) << "round " << round;
        ASSERT_EQ(got.keys, want.keys);
    }
}

TEST(SortKeysTest, FullListsStayShallow) {
    const int n = 32768;
    std::vector<Text> ascending(n), descending(n), equal(n, u"same"), lastSmall(3000);
    for (int i = 0; i < n; ++i) {
        ascending[i] = Text(u"k") + static_cast<char16_t>(u'A' + i / 1024) + static_cast<char16_t>(u'A' + i % 1024);
        descending[n - 1 - i] = ascending[i];
    }
    // Pairs of equal keys in order, the smallest key last: each partition of
    // the plain sort splits off two keys.
    for (int i = 0; i < 2999; ++i) lastSmall[i] = ascending[1 + i / 2];
    lastSmall[2999] = ascending[0];

    Sorted up, down, same, small;
    OnSmallStack([&] {
        up = SortOf(ascending, false);
        down = SortOf(descending, false);
        same = SortOf(equal, false);
        small = SortOf(lastSmall, false);
    });
    for (int k = 0; k < n; ++k) {
        ASSERT_EQ(up.map[k], k);
        ASSERT_EQ(down.keys[k], ascending[k]);
        ASSERT_EQ(same.map[k], k);
    }
    EXPECT_TRUE(std::is_sorted(small.keys.begin(), small.keys.end(),
                               [](std::u16string_view a, std::u16string_view b) { return a < b; }));
    EXPECT_EQ(small.map, SortOf(lastSmall, true).map);
}

}  // namespace
}  // namespace mirelo
