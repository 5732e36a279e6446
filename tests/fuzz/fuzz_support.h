#pragma once
// What every fuzz target shares: the quiet platform ports, a property bag in
// memory, and the shapes of input hosts and users produce (texts with commas
// and digits, variants of every kind, pointer positions). A run-time error is
// the control refusing bad input, an expected outcome; anything else escaping
// (another exception, a sanitizer report, a crash) is a finding.
#include <fuzzer/FuzzedDataProvider.h>

#include <map>
#include <memory>

#include "../ports/quiet_ports.h"
#include "base/error.h"
#include "listctl/mirelo_list.h"

namespace mirelo::fuzz {

// The targets name the ports as their own.
using namespace mirelo::quiet;

// A bag that answers from what it holds, else with the default.
class MapBag : public PropertyBag {
public:
    Variant ReadProperty(const Text& key, const Variant& def) override {
        auto it = values.find(key);
        return it == values.end() ? def : it->second;
    }
    void WriteProperty(const Text& key, const Variant& value, const Variant&) override { values[key] = value; }
    FontDesc ReadFont(const Text& key, const FontDesc& def) override {
        auto it = fonts.find(key);
        return it == fonts.end() ? def : it->second;
    }
    void WriteFont(const Text& key, const FontDesc& value) override { fonts[key] = value; }
    std::map<Text, Variant> values;
    std::map<Text, FontDesc> fonts;
};

// A list with every port a real window gives it.
struct Platform {
    QuietGdi gdi;
    QuietSurface surface;
    QuietSite site;
    QuietResources resources;
    QuietAbout about;
    QuietTimers timers;
    QuietBox splitter, picBack;
    QuietShapes shapes;

    std::unique_ptr<MireloList> NewList() {
        auto list = std::make_unique<MireloList>(
            ListPorts{surface, gdi, site, resources, about, nullptr, &timers, &splitter, &picBack, &shapes});
        surface.onRefresh = [l = list.get()] { l->OnPaint(); };
        return list;
    }
};

// Runs one host call; a run-time error is the control's answer to bad input.
template <class F>
void Call(F&& f) {
    try {
        f();
    } catch (const RuntimeError&) {
    }
}

// Code units that matter to the parsers: separators, digits, signs, exponent
// and hex markers, blanks, the sort markers, a surrogate half, anything else.
inline Text RandomText(FuzzedDataProvider& in, size_t maxLength = 40) {
    static const Text kInteresting =
        Text(u",,,0123456789-+.eE&Hh \t\u25B2\u25BCabcXYZ\u5B8B") + char16_t{0xD83D} + char16_t{0xDE00};
    const size_t n = in.ConsumeIntegralInRange<size_t>(0, maxLength);
    Text t;
    for (size_t i = 0; i < n && in.remaining_bytes() > 0; ++i) {
        const uint8_t b = in.ConsumeIntegral<uint8_t>();
        if (b < 200) t += kInteresting[b % kInteresting.size()];
        else if (b < 250) t += static_cast<char16_t>(in.ConsumeIntegral<uint16_t>());
        else t += u',';
    }
    return t;
}

// A variant of any kind the automation layer hands the control.
inline Variant RandomVariant(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange<int>(0, 7)) {
        case 0: return Variant::Missing();
        case 1: return Variant();
        case 2: return Variant(in.ConsumeIntegral<int16_t>());
        case 3: return Variant(in.ConsumeIntegral<int32_t>());
        case 4: return Variant(in.ConsumeFloatingPoint<double>());
        case 5: return Variant(in.ConsumeFloatingPointInRange<double>(-40000.0, 40000.0));
        case 6: return Variant::FromBool(in.ConsumeBool());
        default: return Variant(RandomText(in));
    }
}

// Mostly inside a 400 x 300 control, sometimes far outside it.
inline float RandomCoordinate(FuzzedDataProvider& in) {
    if (in.ConsumeIntegralInRange<int>(0, 15) == 0) return in.ConsumeFloatingPointInRange<float>(-1e6f, 1e6f);
    return static_cast<float>(in.ConsumeIntegralInRange<int>(-20, 420));
}

// A list of `rows` rows under the given columns ("#,a,b,...").
inline void Fill(MireloList& list, int rows, int columns) {
    for (int i = 0; i < rows; ++i) {
        Text title = FromUtf8(std::to_string(i));
        for (int c = 1; c <= columns; ++c) title += u"," + FromUtf8(std::to_string((i * 7 + c * 3) % 11));
        Text key = FromUtf8("k" + std::to_string(i % 5));
        Call([&] { list.AddItem(Variant(title), key, Variant::Missing(), Variant(static_cast<int16_t>(i))); });
    }
}

}  // namespace mirelo::fuzz
