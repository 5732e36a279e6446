// Cell lists from the host: AddItem, SetItemData, UpdateItem and the item
// property, mixed with the operations that move, check and remove rows.
#include "fuzz_support.h"

using namespace mirelo;
using namespace mirelo::fuzz;

namespace {

Variant Title(FuzzedDataProvider& in) {
    return in.ConsumeIntegralInRange<int>(0, 4) ? Variant(RandomText(in, 120)) : RandomVariant(in);
}

// Small indices mostly, so that operations meet rows that exist.
int32_t RowIndex(FuzzedDataProvider& in) {
    if (in.ConsumeIntegralInRange<int>(0, 7) == 0) return in.ConsumeIntegral<int32_t>();
    return in.ConsumeIntegralInRange<int32_t>(-2, 12);
}

void Check(const MireloList& list) {
    if (list.ListCount() > kMaxRows) __builtin_trap();
    for (int16_t i = 0; i < list.ListCount() && i < 4; ++i)
        for (int16_t c = 0; c <= kMaxColumn; ++c) (void)list.item(i, c);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    Platform p;
    auto list = p.NewList();
    list->InitProperties();
    const int columns = in.ConsumeIntegralInRange<int>(0, 20);
    Text captions = u"#", widths = u"30", aligns = u"0";
    for (int c = 1; c <= columns; ++c) {
        captions += u",c";
        widths += u",40";
        aligns += c % 3 == 2 ? u",2" : u",0";
    }
    Call([&] { list->AddItemA(Variant(static_cast<int16_t>(columns)), Variant(captions), Variant(widths), Variant(aligns)); });
    list->SetLook(&ListLook::CheckBox, in.ConsumeBool() ? kTrue : kFalse);

    for (int step = 0; step < 200 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange<int>(0, 13)) {
            case 0: case 1: case 2: {
                Text key = RandomText(in, 4);
                Variant title = Title(in);
                Variant index = in.ConsumeBool() ? Variant::Missing() : RandomVariant(in);
                Variant id = in.ConsumeBool() ? Variant::Missing() : RandomVariant(in);
                Call([&] { list->AddItem(title, key, index, id); });
                break;
            }
            case 3: {
                int32_t index = RowIndex(in);
                Text t = RandomText(in, 120);
                Call([&] { list->SetItemData(index, t); });
                break;
            }
            case 4: {
                Text key = RandomText(in, 4), t = RandomText(in, 120);
                Call([&] { list->UpdateItem(key, t); });
                break;
            }
            case 5: {
                auto index = static_cast<int16_t>(RowIndex(in));
                auto col = in.ConsumeIntegralInRange<int16_t>(-2, 22);
                Call([&] { (void)list->item(index, col); });
                break;
            }
            case 6: {
                auto index = static_cast<int16_t>(RowIndex(in));
                auto col = in.ConsumeIntegralInRange<int16_t>(-2, 22);
                Text t = RandomText(in, 120);
                Call([&] { list->Setitem(index, col, t); });
                break;
            }
            case 7: Call([&] { list->RemoveItem(static_cast<int16_t>(RowIndex(in))); }); break;
            case 8: Call([&] { list->RemoveKeyItem(RandomText(in, 4)); }); break;
            case 9: {
                int32_t index = RowIndex(in);
                Bool16 check = in.ConsumeBool() ? kTrue : in.ConsumeIntegral<int16_t>();
                Call([&] { list->SetCheckItem(index, check); });
                break;
            }
            case 10: Call([&] { (void)list->GetCheckItemId(); list->RemoveCheckItems(); }); break;
            case 11: {
                auto index = static_cast<int16_t>(RowIndex(in));
                Call([&] { in.ConsumeBool() ? list->SetListIndex(index) : list->SetPlayIndex(index); });
                break;
            }
            case 12: Call([&] { list->PaintAll(); }); break;
            default: if (in.ConsumeIntegralInRange<int>(0, 3) == 0) Call([&] { list->Clear(); }); break;
        }
        Check(*list);
    }
    return 0;
}
