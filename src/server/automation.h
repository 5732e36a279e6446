#pragma once
// The control's automation interface: the dual interface _MireloList. The
// vtable methods convert between automation types and the core's, run the
// core inside the error guard, and IDispatch reaches them through the type
// information (see dispatcher.h).
#include <ole2.h>

#include "MireloList_h.h"
#include "server/dispatcher.h"
#include "server/part.h"

namespace mirelo::server {

class Automation : public Part<_MireloList, ISupportErrorInfo> {
public:
    explicit Automation(ListControl& owner) : Part(owner) {}
    HRESULT LoadTypeInfo(ITypeLib* lib);

    // IDispatch.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* argErr) override;

    // ISupportErrorInfo.
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

    // Properties (automation_properties.cpp).
    STDMETHODIMP get_CheckBox(VARIANT_BOOL* out) override;
    STDMETHODIMP put_CheckBox(VARIANT_BOOL v) override;
    STDMETHODIMP get_hWnd(LONG* out) override;
    STDMETHODIMP get_ListCount(LONG* out) override;
    STDMETHODIMP get_IndexFromPoint(VARIANT X, VARIANT Y, short* out) override;
    STDMETHODIMP get_BackColor(OLE_COLOR* out) override;
    STDMETHODIMP put_BackColor(OLE_COLOR v) override;
    STDMETHODIMP get_Font(IFontDisp** out) override;
    STDMETHODIMP putref_Font(IFontDisp* v) override;
    STDMETHODIMP put_Font(IFontDisp* v) override;
    STDMETHODIMP get_ItemHeight(LONG* out) override;
    STDMETHODIMP put_ItemHeight(LONG v) override;
    STDMETHODIMP get_ItemBkColor1(OLE_COLOR* out) override;
    STDMETHODIMP put_ItemBkColor1(OLE_COLOR v) override;
    STDMETHODIMP get_ItemBkColor2(OLE_COLOR* out) override;
    STDMETHODIMP put_ItemBkColor2(OLE_COLOR v) override;
    STDMETHODIMP get_ItemSelBkColor(OLE_COLOR* out) override;
    STDMETHODIMP put_ItemSelBkColor(OLE_COLOR v) override;
    STDMETHODIMP get_ItemNorTextColor(OLE_COLOR* out) override;
    STDMETHODIMP put_ItemNorTextColor(OLE_COLOR v) override;
    STDMETHODIMP get_ItemSelTextColor(OLE_COLOR* out) override;
    STDMETHODIMP put_ItemSelTextColor(OLE_COLOR v) override;
    STDMETHODIMP get_HeaderBackColor(OLE_COLOR* out) override;
    STDMETHODIMP put_HeaderBackColor(OLE_COLOR v) override;
    STDMETHODIMP get_YnNeedNumCol(VARIANT_BOOL* out) override;
    STDMETHODIMP put_YnNeedNumCol(VARIANT_BOOL v) override;
    STDMETHODIMP get_ItemPlyTextColor(OLE_COLOR* out) override;
    STDMETHODIMP put_ItemPlyTextColor(OLE_COLOR v) override;
    STDMETHODIMP get_ItemErrTextColor(OLE_COLOR* out) override;
    STDMETHODIMP put_ItemErrTextColor(OLE_COLOR v) override;
    STDMETHODIMP get_Border(VARIANT_BOOL* out) override;
    STDMETHODIMP put_Border(VARIANT_BOOL v) override;
    STDMETHODIMP get_BorderColor(OLE_COLOR* out) override;
    STDMETHODIMP put_BorderColor(OLE_COLOR v) override;
    STDMETHODIMP get_BorderWidth(LONG* out) override;
    STDMETHODIMP put_BorderWidth(LONG v) override;
    STDMETHODIMP get_ListIndex(short* out) override;
    STDMETHODIMP put_ListIndex(short v) override;
    STDMETHODIMP get_PlayIndex(short* out) override;
    STDMETHODIMP put_PlayIndex(short v) override;
    STDMETHODIMP get_FirstIndex(short* out) override;
    STDMETHODIMP get_LastIndex(short* out) override;
    STDMETHODIMP get_item(short Index, short nCol, BSTR* out) override;
    STDMETHODIMP put_item(short Index, short nCol, BSTR v) override;
    STDMETHODIMP get_ItemId(short Index, short* out) override;
    STDMETHODIMP put_ItemId(short Index, short v) override;
    STDMETHODIMP get_bSeleArrow(VARIANT_BOOL* out) override;
    STDMETHODIMP put_bSeleArrow(VARIANT_BOOL v) override;

    // Methods (automation_methods.cpp).
    STDMETHODIMP zSubclass_Proc(VARIANT_BOOL bBefore, VARIANT_BOOL* bHandled, LONG* lReturn, LONG* lng_hWnd,
                                LONG* uMsg, LONG* wParam, LONG* lParam) override;
    STDMETHODIMP AddItemA(VARIANT nColNumCount, VARIANT sHeadCaption, VARIANT nColWidth, VARIANT nAlign,
                          VARIANT* out) override;
    STDMETHODIMP ResizeHead(VARIANT* out) override;
    STDMETHODIMP AddItem(VARIANT Title, BSTR* Key, VARIANT Index, VARIANT Id, LONG* out) override;
    STDMETHODIMP RemoveItem(short Index, LONG* out) override;
    STDMETHODIMP Clear() override;
    STDMETHODIMP Refresh() override;
    STDMETHODIMP GetCheckItemId(BSTR* out) override;
    STDMETHODIMP GetSelectId(LONG* out) override;
    STDMETHODIMP SetCheckItem(LONG* Index, VARIANT_BOOL* bCheck) override;
    STDMETHODIMP SetCheckAllItem(VARIANT_BOOL* bCheck) override;
    STDMETHODIMP SetItemData(LONG* Index, BSTR* sT) override;
    STDMETHODIMP UpdateItem(BSTR* Key, BSTR* sT) override;
    STDMETHODIMP RemoveKeyItem(BSTR Key, LONG* out) override;
    STDMETHODIMP About() override;
    STDMETHODIMP RemoveCheckItems() override;

private:
    Dispatcher dispatcher_;
};

}  // namespace mirelo::server
