// The properties of _MireloList: automation types in, the core's types out.
#include "server/automation.h"

#include "server/font_object.h"
#include "server/list_control.h"
#include "server/variant_convert.h"
#include "win32/wide_text.h"

namespace mirelo::server {

namespace {

Bool16 ToCore(VARIANT_BOOL v) { return v != VARIANT_FALSE ? kTrue : kFalse; }
VARIANT_BOOL ToAutomation(Bool16 v) { return v != kFalse ? VARIANT_TRUE : VARIANT_FALSE; }

// A getter: null out-pointers are the caller's mistake, not a run-time error.
template <class T, class F>
HRESULT Get(ListControl& c, T* out, F&& read) {
    if (!out) return E_POINTER;
    return c.Call([&] { *out = read(c.Core()); });
}

FontDesc FontOf(IFontDisp* object) {
    FontDesc desc;
    if (!ReadFontObject(object, &desc)) Raise(kInvalidPropertyValue);
    return desc;
}

}  // namespace

// A get/put pair: `ToAutomation` and `ToCore` convert the value each way.
#define MIRELO_PROPERTY(Name, Type, ToAutomation, ToCore)                                            \
    STDMETHODIMP Automation::get_##Name(Type* out) {                                                 \
        return Get(owner_, out, [](MireloList& l) { return ToAutomation(l.Name()); });               \
    }                                                                                                \
    STDMETHODIMP Automation::put_##Name(Type v) {                                                    \
        return owner_.Call([&] { owner_.Core().Set##Name(ToCore(v)); });                             \
    }
#define MIRELO_BOOL_PROPERTY(Name) MIRELO_PROPERTY(Name, VARIANT_BOOL, ToAutomation, ToCore)
#define MIRELO_COLOR_PROPERTY(Name) MIRELO_PROPERTY(Name, OLE_COLOR, static_cast<OLE_COLOR>, static_cast<OleColor>)
#define MIRELO_LONG_PROPERTY(Name) MIRELO_PROPERTY(Name, LONG, static_cast<LONG>, static_cast<int32_t>)
#define MIRELO_SHORT_PROPERTY(Name) MIRELO_PROPERTY(Name, short, static_cast<short>, static_cast<short>)

MIRELO_BOOL_PROPERTY(CheckBox)
MIRELO_BOOL_PROPERTY(YnNeedNumCol)
MIRELO_BOOL_PROPERTY(Border)
MIRELO_BOOL_PROPERTY(bSeleArrow)
MIRELO_COLOR_PROPERTY(BackColor)
MIRELO_COLOR_PROPERTY(ItemBkColor1)
MIRELO_COLOR_PROPERTY(ItemBkColor2)
MIRELO_COLOR_PROPERTY(ItemSelBkColor)
MIRELO_COLOR_PROPERTY(ItemNorTextColor)
MIRELO_COLOR_PROPERTY(ItemSelTextColor)
MIRELO_COLOR_PROPERTY(HeaderBackColor)
MIRELO_COLOR_PROPERTY(ItemPlyTextColor)
MIRELO_COLOR_PROPERTY(ItemErrTextColor)
MIRELO_COLOR_PROPERTY(BorderColor)
MIRELO_LONG_PROPERTY(ItemHeight)
MIRELO_LONG_PROPERTY(BorderWidth)
MIRELO_SHORT_PROPERTY(ListIndex)
MIRELO_SHORT_PROPERTY(PlayIndex)

#undef MIRELO_PROPERTY
#undef MIRELO_BOOL_PROPERTY
#undef MIRELO_COLOR_PROPERTY
#undef MIRELO_LONG_PROPERTY
#undef MIRELO_SHORT_PROPERTY

STDMETHODIMP Automation::get_hWnd(LONG* out) {
    return Get(owner_, out, [](MireloList& l) { return static_cast<LONG>(l.hWnd()); });
}

STDMETHODIMP Automation::get_ListCount(LONG* out) {
    return Get(owner_, out, [](MireloList& l) { return static_cast<LONG>(l.ListCount()); });
}

STDMETHODIMP Automation::get_IndexFromPoint(VARIANT X, VARIANT Y, short* out) {
    return Get(owner_, out, [&](MireloList& l) { return l.IndexFromPoint(FromVariant(X), FromVariant(Y)); });
}

STDMETHODIMP Automation::get_Font(IFontDisp** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return owner_.Call([&] {
        ComPtr<IFontDisp> font = owner_.Font().Object(owner_.Core().Font());
        if (!font) throw std::bad_alloc();
        *out = font.Detach();
    });
}

STDMETHODIMP Automation::putref_Font(IFontDisp* v) {
    return owner_.Call([&] { owner_.Core().SetFontRef(FontOf(v)); });
}

STDMETHODIMP Automation::put_Font(IFontDisp* v) {
    return owner_.Call([&] { owner_.Core().SetFont(FontOf(v)); });
}

STDMETHODIMP Automation::get_FirstIndex(short* out) {
    return Get(owner_, out, [](MireloList& l) { return l.FirstIndex(); });
}

STDMETHODIMP Automation::get_LastIndex(short* out) {
    return Get(owner_, out, [](MireloList& l) { return l.LastIndex(); });
}

STDMETHODIMP Automation::get_item(short Index, short nCol, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return owner_.Call([&] { *out = win32::ToBstr(owner_.Core().item(Index, nCol)); });
}

STDMETHODIMP Automation::put_item(short Index, short nCol, BSTR v) {
    return owner_.Call([&] { owner_.Core().Setitem(Index, nCol, win32::FromBstr(v)); });
}

STDMETHODIMP Automation::get_ItemId(short Index, short* out) {
    return Get(owner_, out, [&](MireloList& l) { return l.ItemId(Index); });
}

STDMETHODIMP Automation::put_ItemId(short Index, short v) {
    return owner_.Call([&] { owner_.Core().SetItemId(Index, v); });
}

}  // namespace mirelo::server
