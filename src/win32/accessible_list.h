#pragma once
// The list as MSAA clients (screen readers) see it: one object each for the
// list, its header band and its scroll bar, all answering every call from
// AccessibilityModel at the moment of the call. Rows are simple children of
// the list, header cells of the header, the arrows, page areas and thumb of
// the bar. The header and the bar also answer WM_GETOBJECT under their own
// object ids, so that WinEvents can name their children.
//
// Clients may keep the objects after the list's window is gone, so the window
// cuts them off (Disconnect) and every later call fails with
// CO_E_OBJNOTCONNECTED. IDispatch is there only because IAccessible derives
// from it: clients call the interface directly, and Wine's own accessible
// objects have no type information either.
#include <windows.h>
#include <oleacc.h>

#include "listctl/accessibility_model.h"

namespace mirelo {
class MireloList;
}

namespace mirelo::win32 {

// Object ids of the header and the scroll bar on the list's window. Ids of a
// window's own objects are positive; the system's are not.
enum : LONG { kHeaderObjectId = 1, kBarObjectId = 2 };

// The list as its window shows it now.
AccessibilityModel ModelOf(MireloList& list, HWND hwnd);

class AccessibleList final : public IAccessible, public IOleWindow {
public:
    // The list's object (with its header's and bar's); the caller holds the one reference.
    static AccessibleList* Create(MireloList& core, HWND hwnd);
    void Disconnect();
    // The object a window answers for an object id; null for none.
    IAccessible* ObjectFor(LONG objectId);

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    STDMETHODIMP get_accParent(IDispatch** parent) override;
    STDMETHODIMP get_accChildCount(LONG* count) override;
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override;
    STDMETHODIMP get_accName(VARIANT child, BSTR* out) override;
    STDMETHODIMP get_accValue(VARIANT child, BSTR* out) override;
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override;
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* out) override;
    STDMETHODIMP get_accState(VARIANT child, VARIANT* out) override;
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* out) override;
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* out) override;
    STDMETHODIMP get_accFocus(VARIANT* out) override;
    STDMETHODIMP get_accSelection(VARIANT* out) override;
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* out) override;
    STDMETHODIMP accSelect(LONG flags, VARIANT child) override;
    STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* out) override;
    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* out) override;
    STDMETHODIMP accDoDefaultAction(VARIANT child) override;
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    STDMETHODIMP GetWindow(HWND* out) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

private:
    enum class Kind { List, Header, Bar };
    AccessibleList(Kind kind, MireloList& core, HWND hwnd) : kind_(kind), core_(&core), hwnd_(hwnd) {}
    static Kind KindOf(AccessiblePart part);
    AccessibleList* Object(Kind kind);  // on the list's object: itself or a child object
    // An element's child id on its own object.
    LONG IdOf(const AccessibleElement& e) const;
    ~AccessibleList() = default;

    AccessibilityModel Model() const;
    // Runs a call on the live list; run-time errors of the core end it as E_FAIL.
    template <class F>
    HRESULT Live(F&& body);
    // The same on the element `child` names here; E_INVALIDARG for none.
    template <class F>
    HRESULT LiveOn(const VARIANT& child, F&& body);
    // The element a child id names on this object; E_INVALIDARG for none.
    HRESULT Resolve(const VARIANT& child, AccessibleElement& out) const;
    int32_t ChildCount() const;
    // An element as this object hands it out: a child id, or the header object.
    void Hand(const AccessibleElement& e, VARIANT* out);
    HRESULT TextOf(const VARIANT& child, BSTR* out, Text (AccessibilityModel::*get)(const AccessibleElement&) const);

    LONG refs_ = 1;
    const Kind kind_;
    MireloList* core_;             // null once disconnected
    HWND hwnd_;
    // While connected, the list holds its header and bar, and they hold it.
    AccessibleList* parent_ = nullptr;
    AccessibleList* header_ = nullptr;
    AccessibleList* bar_ = nullptr;
};

}  // namespace mirelo::win32
