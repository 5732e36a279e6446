// Column definitions from the host: AddItemA with any variants, then what the
// columns drive: painting, the bar's hand-over, resizing, header clicks
// (sorting, exchanging) and border drags.
#include "fuzz_support.h"

using namespace mirelo;
using namespace mirelo::fuzz;

namespace {

// "12,-3,400,x" style lists: mostly numbers, now and then anything.
Variant NumberList(FuzzedDataProvider& in) {
    if (in.ConsumeIntegralInRange<int>(0, 5) == 0) return RandomVariant(in);
    Text t;
    const int n = in.ConsumeIntegralInRange<int>(0, 24);
    for (int i = 0; i < n; ++i) {
        if (i) t += u',';
        t += FromUtf8(std::to_string(in.ConsumeIntegralInRange<int>(-50, 400)));
    }
    return Variant(t);
}

Variant Count(FuzzedDataProvider& in) {
    if (in.ConsumeIntegralInRange<int>(0, 5) == 0) return RandomVariant(in);
    return Variant(in.ConsumeIntegralInRange<int16_t>(-1, 22));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    Platform p;
    p.surface.width = in.ConsumeIntegralInRange<int>(0, 900);
    p.surface.height = in.ConsumeIntegralInRange<int>(0, 700);
    auto list = p.NewList();
    list->InitProperties();
    list->SetLook(&ListLook::YnNeedNumCol, in.ConsumeBool() ? kTrue : kFalse);

    for (int step = 0; step < 60 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange<int>(0, 9)) {
            case 0: case 1: {
                Variant count = Count(in), captions = RandomVariant(in);
                if (in.ConsumeBool()) captions = Variant(RandomText(in, 80));
                Variant widths = NumberList(in), aligns = NumberList(in);
                Call([&] { list->AddItemA(count, captions, widths, aligns); });
                break;
            }
            case 2: Fill(*list, in.ConsumeIntegralInRange<int>(0, 40), in.ConsumeIntegralInRange<int>(0, 21)); break;
            case 3: Call([&] { list->PaintAll(); }); break;
            case 4: Call([&] { list->ResizeHead(); }); break;
            case 5:
                p.surface.width = in.ConsumeIntegralInRange<int>(0, 900);
                p.surface.height = in.ConsumeIntegralInRange<int>(0, 700);
                Call([&] { list->OnResize(); });
                break;
            case 6: {  // a header press released somewhere: sort or exchange
                const float x1 = RandomCoordinate(in), x2 = in.ConsumeBool() ? x1 : RandomCoordinate(in);
                Call([&] { list->OnMouseDown(1, 0, x1, 8); });
                Call([&] { list->OnMouseMove(1, 0, x2, 8); });
                Call([&] { list->OnMouseUp(1, 0, x2, 8); });
                break;
            }
            case 7: {  // hover a border, then drag its marker (twips from its own edge)
                Call([&] { list->OnMouseMove(0, 0, RandomCoordinate(in), 8); });
                const float a = RandomCoordinate(in) * 15, b = RandomCoordinate(in) * 15;
                Call([&] { list->Header().Splitter_MouseDown(1, 0, a, 30); });
                Call([&] { list->Header().Splitter_MouseMove(1, 0, b, 30); });
                Call([&] { list->Header().Splitter_MouseUp(1, 0, b, 30); });
                if (p.timers.pending[kTimer1Id]) Call([&] { list->OnTimer1(); });
                break;
            }
            case 8: Call([&] { list->SetBorderWidth(in.ConsumeIntegralInRange<int32_t>(-2, 40)); }); break;
            default: {
                const int32_t h = in.ConsumeBool() ? in.ConsumeIntegralInRange<int32_t>(-2, 300) : in.ConsumeIntegral<int32_t>();
                Call([&] { list->SetLook(&ListLook::ItemHeight, h); });
                break;
            }
        }
    }
    return 0;
}
