// The automation interface: IDispatch through the dispatcher, and the vtable
// members of _MireloList, which convert between automation types and the
// core's. By-reference parameters are handed to the core as references (to
// locals copied back where the types differ), so the caller sees what the
// core left in them.
#include "server/automation.h"

#include "server/font_object.h"
#include "server/list_control.h"
#include "server/variant_convert.h"
#include "win32/wide_text.h"

namespace mirelo::server {

namespace {

// The conversions named in MIRELO_LOOK_PROPERTIES and MIRELO_PLAIN_PROPERTIES. A Boolean crosses as
// -1 or 0 whatever true value the caller used; other values keep their bits.
struct Boolean {
    static Bool16 ToCore(VARIANT_BOOL v) { return v != VARIANT_FALSE ? kTrue : kFalse; }
    static VARIANT_BOOL ToAutomation(Bool16 v) { return v != kFalse ? VARIANT_TRUE : VARIANT_FALSE; }
};
struct Plain {
    template <class T>
    static T ToCore(T v) { return v; }
    template <class T>
    static T ToAutomation(T v) { return v; }
};

// A member with a [retval]: a null out-pointer is the caller's mistake, not a
// run-time error, and a failed call leaves the out-value empty.
template <class T, class F>
HRESULT Get(ListControl& c, T* out, F&& read) {
    if (!out) return E_POINTER;
    *out = T{};
    return c.Call([&] { *out = read(c.Core()); });
}

FontDesc FontOf(IFontDisp* object) {
    FontDesc desc;
    if (!ReadFontObject(object, &desc)) Raise(kInvalidPropertyValue);
    return desc;
}

// Replaces a caller's string only when it changed.
void StoreBstr(BSTR* slot, const Text& value) {
    if (win32::FromBstr(*slot) == value) return;
    BSTR next = win32::ToBstr(value);
    if (!next) throw std::bad_alloc();
    SysFreeString(*slot);
    *slot = next;
}

}  // namespace

STDMETHODIMP Automation::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    *info = dispatcher_.DispatchInfo();
    (*info)->AddRef();
    return S_OK;
}

STDMETHODIMP Automation::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* excep, UINT* argErr) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    // Keep the control alive through the call: a handler may drop the last reference.
    ComPtr<IUnknown> hold(static_cast<_MireloList*>(this));
    return dispatcher_.Invoke(static_cast<_MireloList*>(this), id, flags, params, result, excep, argErr);
}

#define MIRELO_DEFINE_PROPERTY(Name, Type, Conversion)                                               \
    STDMETHODIMP Automation::get_##Name(Type* out) {                                                 \
        return Get(owner_, out, [](MireloList& l) { return Conversion::ToAutomation(l.Name()); });   \
    }                                                                                                \
    STDMETHODIMP Automation::put_##Name(Type v) {                                                    \
        return owner_.Call([&] { owner_.Core().Set##Name(Conversion::ToCore(v)); });                 \
    }
MIRELO_PLAIN_PROPERTIES(MIRELO_DEFINE_PROPERTY)
#undef MIRELO_DEFINE_PROPERTY

#define MIRELO_DEFINE_LOOK_PROPERTY(Name, Type, Conversion)                                            \
    STDMETHODIMP Automation::get_##Name(Type* out) {                                                   \
        return Get(owner_, out, [](MireloList& l) { return Conversion::ToAutomation(l.Look().Name); }); \
    }                                                                                                  \
    STDMETHODIMP Automation::put_##Name(Type v) {                                                      \
        return owner_.Call([&] { owner_.Core().SetLook(&ListLook::Name, Conversion::ToCore(v)); });    \
    }
MIRELO_LOOK_PROPERTIES(MIRELO_DEFINE_LOOK_PROPERTY)
#undef MIRELO_DEFINE_LOOK_PROPERTY

STDMETHODIMP Automation::get_hWnd(LONG* out) {
    return Get(owner_, out, [](MireloList& l) { return l.hWnd(); });
}

STDMETHODIMP Automation::get_ListCount(LONG* out) {
    return Get(owner_, out, [](MireloList& l) { return l.ListCount(); });
}

STDMETHODIMP Automation::get_IndexFromPoint(VARIANT X, VARIANT Y, short* out) {
    // X is never read, and Y only when there are rows: an empty list answers
    // -1 whatever the host passed (Null, an object, an array).
    (void)X;
    return Get(owner_, out, [&](MireloList& l) {
        return l.ListCount() == 0 ? int16_t{-1} : l.IndexFromPoint(Variant(), FromVariant(Y));
    });
}

STDMETHODIMP Automation::get_Font(IFontDisp** out) {
    return Get(owner_, out, [&](MireloList& l) {
        ComPtr<IFontDisp> font = owner_.Font().Object(l.Font());
        if (!font) throw std::bad_alloc();
        return font.Detach();
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
    return Get(owner_, out, [&](MireloList& l) { return win32::ToBstr(l.item(Index, nCol)); });
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

STDMETHODIMP Automation::zSubclass_Proc(VARIANT_BOOL bBefore, VARIANT_BOOL* bHandled, LONG* lReturn,
                                        LONG* lng_hWnd, LONG* uMsg, LONG* wParam, LONG* lParam) {
    if (!bHandled || !lReturn || !lng_hWnd || !uMsg || !wParam || !lParam) return E_POINTER;
    return owner_.Call([&] {
        int32_t ret = *lReturn, hwnd = *lng_hWnd, msg = *uMsg, wp = *wParam, lp = *lParam;
        owner_.Core().zSubclass_Proc(bBefore != VARIANT_FALSE, *bHandled, ret, hwnd, msg, wp, lp);
        *lReturn = ret;
        *lng_hWnd = hwnd;
        *uMsg = msg;
        *wParam = wp;
        *lParam = lp;
    });
}

STDMETHODIMP Automation::AddItemA(VARIANT nColNumCount, VARIANT sHeadCaption, VARIANT nColWidth, VARIANT nAlign,
                                  VARIANT* out) {
    return owner_.Call([&] {
        const Variant r = owner_.Core().AddItemA(FromVariant(nColNumCount), FromVariant(sHeadCaption),
                                                 FromVariant(nColWidth), FromVariant(nAlign));
        if (out) ToVariant(r, out);
    });
}

STDMETHODIMP Automation::ResizeHead(VARIANT* out) {
    return owner_.Call([&] {
        const Variant r = owner_.Core().ResizeHead();
        if (out) ToVariant(r, out);
    });
}

STDMETHODIMP Automation::AddItem(VARIANT Title, BSTR* Key, VARIANT Index, VARIANT Id, LONG* out) {
    if (!out) return E_POINTER;
    return owner_.Call([&] {
        Text key = Key ? win32::FromBstr(*Key) : Text();
        *out = owner_.Core().AddItem(FromVariant(Title), key, FromVariant(Index, true), FromVariant(Id, true));
        if (Key) StoreBstr(Key, key);
    });
}

STDMETHODIMP Automation::RemoveItem(short Index, LONG* out) {
    return Get(owner_, out, [&](MireloList& l) { return l.RemoveItem(Index); });
}

STDMETHODIMP Automation::Clear() {
    return owner_.Call([&] { owner_.Core().Clear(); });
}

STDMETHODIMP Automation::Refresh() {
    return owner_.Call([&] { owner_.Core().Refresh(); });
}

STDMETHODIMP Automation::GetCheckItemId(BSTR* out) {
    return Get(owner_, out, [](MireloList& l) { return win32::ToBstr(l.GetCheckItemId()); });
}

STDMETHODIMP Automation::GetSelectId(LONG* out) {
    return Get(owner_, out, [](MireloList& l) { return l.GetSelectId(); });
}

STDMETHODIMP Automation::SetCheckItem(LONG* Index, VARIANT_BOOL* bCheck) {
    if (!Index || !bCheck) return E_POINTER;
    return owner_.Call([&] {
        int32_t index = *Index;
        owner_.Core().SetCheckItem(index, *bCheck);
        *Index = index;
    });
}

STDMETHODIMP Automation::SetCheckAllItem(VARIANT_BOOL* bCheck) {
    if (!bCheck) return E_POINTER;
    return owner_.Call([&] { owner_.Core().SetCheckAllItem(*bCheck); });
}

STDMETHODIMP Automation::SetItemData(LONG* Index, BSTR* sT) {
    if (!Index || !sT) return E_POINTER;
    return owner_.Call([&] {
        int32_t index = *Index;
        Text text = win32::FromBstr(*sT);
        owner_.Core().SetItemData(index, text);
        *Index = index;
        StoreBstr(sT, text);
    });
}

STDMETHODIMP Automation::UpdateItem(BSTR* Key, BSTR* sT) {
    if (!Key || !sT) return E_POINTER;
    return owner_.Call([&] {
        Text key = win32::FromBstr(*Key), text = win32::FromBstr(*sT);
        owner_.Core().UpdateItem(key, text);
        StoreBstr(Key, key);
        StoreBstr(sT, text);
    });
}

STDMETHODIMP Automation::RemoveKeyItem(BSTR Key, LONG* out) {
    return Get(owner_, out, [&](MireloList& l) { return l.RemoveKeyItem(win32::FromBstr(Key)); });
}

STDMETHODIMP Automation::About() {
    return owner_.Call([&] { owner_.Core().About(); });
}

STDMETHODIMP Automation::RemoveCheckItems() {
    return owner_.Call([&] { owner_.Core().RemoveCheckItems(); });
}

}  // namespace mirelo::server
