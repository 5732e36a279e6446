// The methods of _MireloList. By-reference parameters are handed to the core
// as references to locals and copied back, so the caller sees what the core
// left in them.
#include "server/automation.h"

#include "server/list_control.h"
#include "server/variant_convert.h"
#include "win32/wide_text.h"

namespace mirelo::server {

namespace {

// Replaces a caller's string only when it changed.
void StoreBstr(BSTR* slot, const Text& value) {
    if (win32::FromBstr(*slot) == value) return;
    BSTR next = win32::ToBstr(value);
    if (!next) throw std::bad_alloc();
    SysFreeString(*slot);
    *slot = next;
}

}  // namespace

STDMETHODIMP Automation::zSubclass_Proc(VARIANT_BOOL bBefore, VARIANT_BOOL* bHandled, LONG* lReturn,
                                        LONG* lng_hWnd, LONG* uMsg, LONG* wParam, LONG* lParam) {
    if (!bHandled || !lReturn || !lng_hWnd || !uMsg || !wParam || !lParam) return E_POINTER;
    return owner_.Call([&] {
        Bool16 handled = *bHandled;
        int32_t ret = *lReturn, hwnd = *lng_hWnd, msg = *uMsg, wp = *wParam, lp = *lParam;
        owner_.Core().zSubclass_Proc(bBefore != VARIANT_FALSE, handled, ret, hwnd, msg, wp, lp);
        *bHandled = handled;
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
    if (!out) return E_POINTER;
    return owner_.Call([&] { *out = owner_.Core().RemoveItem(Index); });
}

STDMETHODIMP Automation::Clear() {
    return owner_.Call([&] { owner_.Core().Clear(); });
}

STDMETHODIMP Automation::Refresh() {
    return owner_.Call([&] { owner_.Core().Refresh(); });
}

STDMETHODIMP Automation::GetCheckItemId(BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return owner_.Call([&] { *out = win32::ToBstr(owner_.Core().GetCheckItemId()); });
}

STDMETHODIMP Automation::GetSelectId(LONG* out) {
    if (!out) return E_POINTER;
    return owner_.Call([&] { *out = owner_.Core().GetSelectId(); });
}

STDMETHODIMP Automation::SetCheckItem(LONG* Index, VARIANT_BOOL* bCheck) {
    if (!Index || !bCheck) return E_POINTER;
    return owner_.Call([&] {
        int32_t index = *Index;
        Bool16 check = *bCheck;
        owner_.Core().SetCheckItem(index, check);
        *Index = index;
        *bCheck = check;
    });
}

STDMETHODIMP Automation::SetCheckAllItem(VARIANT_BOOL* bCheck) {
    if (!bCheck) return E_POINTER;
    return owner_.Call([&] {
        Bool16 check = *bCheck;
        owner_.Core().SetCheckAllItem(check);
        *bCheck = check;
    });
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
    if (!out) return E_POINTER;
    return owner_.Call([&] { *out = owner_.Core().RemoveKeyItem(win32::FromBstr(Key)); });
}

STDMETHODIMP Automation::About() {
    return owner_.Call([&] { owner_.Core().About(); });
}

STDMETHODIMP Automation::RemoveCheckItems() {
    return owner_.Call([&] { owner_.Core().RemoveCheckItems(); });
}

}  // namespace mirelo::server
