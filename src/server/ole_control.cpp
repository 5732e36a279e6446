#include "server/ole_control.h"

#include "server/list_control.h"
#include "listctl/list_property.h"

namespace mirelo::server {

STDMETHODIMP OleControl::OnAmbientPropertyChange(DISPID) {
    return owner_.Call([&] { owner_.Core().AmbientChanged(); });
}

STDMETHODIMP OleControl::FreezeEvents(BOOL freeze) {
    owner_.Points().FreezeEvents(freeze != FALSE);
    return S_OK;
}

STDMETHODIMP OleControl::GetClassInfo(ITypeInfo** info) {
    if (!info) return E_POINTER;
    return owner_.TypeLib()->GetTypeInfoOfGuid(CLSID_MireloList, info);
}

STDMETHODIMP OleControl::MapPropertyToCategory(DISPID id, PROPCAT* category) {
    if (!category) return E_POINTER;
    // Categories count from 1; the browser's own are negative.
    const ListProperty* p = FindListProperty(id);
    if (!p || p->category == PropertyCategory::None) return E_FAIL;
    *category = static_cast<PROPCAT>(p->category);
    return S_OK;
}

STDMETHODIMP OleControl::GetCategoryName(PROPCAT category, LCID, BSTR* name) {
    if (!name) return E_POINTER;
    // By PropertyCategory, whose values the browser was given.
    static const wchar_t* const kNames[] = {L"Skin", L"ListBorder", L"List", L"ListItem"};
    static_assert(static_cast<int>(PropertyCategory::ListItem) == 4, "names follow the categories");
    if (category < 1 || category > 4) return E_FAIL;
    const wchar_t* text = kNames[category - 1];
    *name = SysAllocString(text);
    return S_OK;
}

}  // namespace mirelo::server
