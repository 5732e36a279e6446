// Mouse, wheel and key sequences against a filled list: selection, checks,
// the play row, scrolling, header gestures and border drags in any order.
#include "fuzz_support.h"

using namespace mirelo;
using namespace mirelo::fuzz;

namespace {

// A host that now and then rewrites the new index it is told about, or calls
// back into the list from inside the event.
class MeddlingHost : public MireloListEvents {
public:
    MeddlingHost(MireloList& list, FuzzedDataProvider& in) : list_(list), in_(in) {}
    void ListIndexChanged(int16_t&, int16_t& n, int16_t&) override { Meddle(n); }
    void PlayIndexChanged(int16_t&, int16_t& n, int16_t&) override { Meddle(n); }

private:
    void Meddle(int16_t& n) {
        if (in_.remaining_bytes() == 0) return;
        switch (in_.ConsumeIntegralInRange<int>(0, 5)) {
            case 0: n = in_.ConsumeIntegralInRange<int16_t>(-3, 60); break;
            case 1: if (depth_ == 0) { ++depth_; Call([&] { list_.RemoveItem(0); }); --depth_; } break;
            default: break;
        }
    }
    MireloList& list_;
    FuzzedDataProvider& in_;
    int depth_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    Platform p;
    auto list = p.NewList();
    list->InitProperties();
    MeddlingHost host(*list, in);
    list->SetEvents(&host);
    list->SetLook(&ListLook::CheckBox, in.ConsumeBool() ? kTrue : kFalse);
    list->SetLook(&ListLook::YnNeedNumCol, in.ConsumeBool() ? kTrue : kFalse);
    Call([&] {
        list->AddItemA(Variant(int16_t{4}), Variant(u"#,Title,Artist,Album,Time"), Variant(u"30,120,80,80,50"),
                       Variant(u"0,0,0,1,2"));
    });
    Fill(*list, in.ConsumeIntegralInRange<int>(0, 60), 4);

    for (int step = 0; step < 150 && in.remaining_bytes() > 0; ++step) {
        const auto button = in.ConsumeIntegralInRange<int16_t>(0, 4);
        const auto shift = in.ConsumeIntegralInRange<int16_t>(0, 7);
        const float x = RandomCoordinate(in), y = RandomCoordinate(in);
        switch (in.ConsumeIntegralInRange<int>(0, 13)) {
            case 0: case 1: Call([&] { list->OnMouseDown(button, shift, x, y); }); break;
            case 2: case 3: Call([&] { list->OnMouseMove(button, shift, x, y); }); break;
            case 4: case 5: Call([&] { list->OnMouseUp(button, shift, x, y); }); break;
            case 6: Call([&] { list->OnClick(); }); break;
            case 7: Call([&] { list->OnDblClick(); }); break;
            case 8: Call([&] { list->OnMouseWheel(in.ConsumeBool() ? 120 * 65536 : -120 * 65536); }); break;
            case 9: Call([&] { list->OnKeyDown(in.ConsumeIntegralInRange<int16_t>(36, 42), shift); }); break;
            case 10: {
                const int kind = in.ConsumeIntegralInRange<int>(0, 2);
                Call([&] {
                    if (kind == 0) list->Header().Splitter_MouseDown(button, shift, x * 15, y);
                    else if (kind == 1) list->Header().Splitter_MouseMove(button, shift, x * 15, y);
                    else list->Header().Splitter_MouseUp(button, shift, x * 15, y);
                });
                break;
            }
            case 11:
                if (p.timers.pending[kTimer1Id]) Call([&] { list->OnTimer1(); });
                Call([&] { list->OnPaint(); });
                break;
            case 12: Call([&] { list->Bar().SetValue(in.ConsumeIntegralInRange<int32_t>(-5, 80)); }); break;
            default: {  // the host changes the look under the pointer
                const int32_t v = in.ConsumeBool() ? in.ConsumeIntegralInRange<int32_t>(-1, 40) : in.ConsumeIntegral<int32_t>();
                Call([&] { in.ConsumeBool() ? list->SetLook(&ListLook::ItemHeight, v) : list->SetBorderWidth(v); });
                break;
            }
        }
        // The host may leave any index in an event; the top row is the bar's
        // value, which never goes below its minimum of 0.
        if (list->FirstIndex() < 0) __builtin_trap();
    }
    return 0;
}
