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

// The properties of the core's look, read in place and set through SetLook,
// and those that are a plain pair of the core's getter and setter:
// X(name, automation type, how a value converts between that type and the core's).
#define MIRELO_LOOK_PROPERTIES(X)          \
    X(CheckBox, VARIANT_BOOL, Boolean)     \
    X(YnNeedNumCol, VARIANT_BOOL, Boolean) \
    X(Border, VARIANT_BOOL, Boolean)       \
    X(bSeleArrow, VARIANT_BOOL, Boolean)   \
    X(ItemBkColor1, OLE_COLOR, Plain)      \
    X(ItemBkColor2, OLE_COLOR, Plain)      \
    X(ItemSelBkColor, OLE_COLOR, Plain)    \
    X(ItemNorTextColor, OLE_COLOR, Plain)  \
    X(ItemSelTextColor, OLE_COLOR, Plain)  \
    X(HeaderBackColor, OLE_COLOR, Plain)   \
    X(ItemPlyTextColor, OLE_COLOR, Plain)  \
    X(ItemErrTextColor, OLE_COLOR, Plain)  \
    X(BorderColor, OLE_COLOR, Plain)       \
    X(ItemHeight, LONG, Plain)
#define MIRELO_PLAIN_PROPERTIES(X) \
    X(BackColor, OLE_COLOR, Plain) \
    X(BorderWidth, LONG, Plain)    \
    X(ListIndex, short, Plain)     \
    X(PlayIndex, short, Plain)

class Automation : public Part<_MireloList, ISupportErrorInfo> {
public:
    explicit Automation(ListControl& owner) : Part(owner) {}
    HRESULT LoadTypeInfo(ITypeLib* lib) { return dispatcher_.Load(lib, IID__MireloList); }

    // IDispatch.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        return iid == IID_NULL ? dispatcher_.GetIDsOfNames(names, count, ids) : DISP_E_UNKNOWNINTERFACE;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* argErr) override;

    // ISupportErrorInfo.
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override {
        return iid == IID__MireloList || iid == IID_IDispatch ? S_OK : S_FALSE;
    }

    // Properties.
#define MIRELO_DECLARE_PROPERTY(Name, Type, Conversion) \
    STDMETHODIMP get_##Name(Type* out) override;        \
    STDMETHODIMP put_##Name(Type v) override;
    MIRELO_LOOK_PROPERTIES(MIRELO_DECLARE_PROPERTY)
    MIRELO_PLAIN_PROPERTIES(MIRELO_DECLARE_PROPERTY)
#undef MIRELO_DECLARE_PROPERTY
    STDMETHODIMP get_hWnd(LONG* out) override;
    STDMETHODIMP get_ListCount(LONG* out) override;
    STDMETHODIMP get_IndexFromPoint(VARIANT X, VARIANT Y, short* out) override;
    STDMETHODIMP get_Font(IFontDisp** out) override;
    STDMETHODIMP putref_Font(IFontDisp* v) override;
    STDMETHODIMP put_Font(IFontDisp* v) override;
    STDMETHODIMP get_FirstIndex(short* out) override;
    STDMETHODIMP get_LastIndex(short* out) override;
    STDMETHODIMP get_item(short Index, short nCol, BSTR* out) override;
    STDMETHODIMP put_item(short Index, short nCol, BSTR v) override;
    STDMETHODIMP get_ItemId(short Index, short* out) override;
    STDMETHODIMP put_ItemId(short Index, short v) override;

    // Methods.
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
