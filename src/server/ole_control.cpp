#include "server/ole_control.h"

#include "MireloList_h.h"
#include "server/list_control.h"
#include "server/property_table.h"

namespace mirelo::server {

STDMETHODIMP OleControl::GetControlInfo(CONTROLINFO* info) {
    if (!info) return E_POINTER;
    if (info->cb != sizeof(CONTROLINFO)) return E_INVALIDARG;
    // No mnemonics: the list takes its keys while it has the focus.
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP OleControl::OnAmbientPropertyChange(DISPID) {
    return owner_.Call([&] { owner_.Core().AmbientChanged(); });
}

STDMETHODIMP OleControl::FreezeEvents(BOOL freeze) {
    owner_.Events().Freeze(freeze != FALSE);
    return S_OK;
}

STDMETHODIMP OleControl::GetClassInfo(ITypeInfo** info) {
    if (!info) return E_POINTER;
    return owner_.TypeLib()->GetTypeInfoOfGuid(CLSID_MireloList, info);
}

STDMETHODIMP OleControl::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = DIID___MireloList;
    return S_OK;
}

STDMETHODIMP OleControl::MapPropertyToCategory(DISPID id, PROPCAT* category) {
    if (!category) return E_POINTER;
    const int c = CategoryOf(id);
    if (c == 0) return E_FAIL;
    *category = c;
    return S_OK;
}

STDMETHODIMP OleControl::GetCategoryName(PROPCAT category, LCID, BSTR* name) {
    if (!name) return E_POINTER;
    const wchar_t* text = CategoryName(category);
    if (!text) return E_FAIL;
    *name = SysAllocString(text);
    return S_OK;
}

}  // namespace mirelo::server
