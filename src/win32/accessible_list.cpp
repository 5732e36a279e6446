#include "win32/accessible_list.h"

#include <utility>

#include "listctl/mirelo_list.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {

namespace {

LONG RoleOf(AccessiblePart part) {
    switch (part) {
    case AccessiblePart::List: return ROLE_SYSTEM_LIST;
    case AccessiblePart::Header: return ROLE_SYSTEM_ROW;  // a row of column headers
    case AccessiblePart::HeaderCell: return ROLE_SYSTEM_COLUMNHEADER;
    case AccessiblePart::Row: return ROLE_SYSTEM_LISTITEM;
    case AccessiblePart::Bar: return ROLE_SYSTEM_SCROLLBAR;
    }
    return ROLE_SYSTEM_CLIENT;
}

LONG StateBits(const AccessibleState& s) {
    LONG bits = 0;
    if (s.focusable) bits |= STATE_SYSTEM_FOCUSABLE;
    if (s.focused) bits |= STATE_SYSTEM_FOCUSED;
    if (s.selectable) bits |= STATE_SYSTEM_SELECTABLE;
    if (s.selected) bits |= STATE_SYSTEM_SELECTED;
    if (s.checked) bits |= STATE_SYSTEM_CHECKED;
    if (s.offscreen) bits |= STATE_SYSTEM_OFFSCREEN;
    if (s.invisible) bits |= STATE_SYSTEM_INVISIBLE;
    return bits;
}

void SetI4(VARIANT* v, LONG value) {
    V_VT(v) = VT_I4;
    V_I4(v) = value;
}

HRESULT Nothing(VARIANT* v) {
    V_VT(v) = VT_EMPTY;
    return S_FALSE;
}

}  // namespace

AccessibleList* AccessibleList::Create(MireloList& core, HWND hwnd) {
    auto* list = new AccessibleList(Kind::List, core, hwnd);
    auto* header = new AccessibleList(Kind::Header, core, hwnd);
    list->other_ = header;  // the header's first reference
    header->other_ = list;
    list->AddRef();
    return list;
}

void AccessibleList::Disconnect() {
    if (!core_) return;
    AddRef();  // dropping the stubs may drop the last reference from outside
    core_ = nullptr;
    CoDisconnectObject(static_cast<IAccessible*>(this), 0);
    if (AccessibleList* other = std::exchange(other_, nullptr)) {
        other->Disconnect();
        other->Release();
    }
    Release();
}

STDMETHODIMP AccessibleList::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) *out = static_cast<IAccessible*>(this);
    else if (iid == IID_IOleWindow) *out = static_cast<IOleWindow*>(this);
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) AccessibleList::AddRef() { return InterlockedIncrement(&refs_); }

STDMETHODIMP_(ULONG) AccessibleList::Release() {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP AccessibleList::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return core_ ? S_OK : CO_E_OBJNOTCONNECTED;
}

AccessibilityModel AccessibleList::Model() const {
    RECT rc = {};
    GetClientRect(hwnd_, &rc);
    return AccessibilityModel(*core_, rc.right, rc.bottom);
}

template <class F>
HRESULT AccessibleList::Live(F&& body) {
    if (!core_) return CO_E_OBJNOTCONNECTED;
    try {
        return body();
    } catch (...) {
        return E_FAIL;
    }
}

int32_t AccessibleList::ChildCount() const {
    return kind_ == Kind::List ? Model().ListChildCount() : Model().HeaderChildCount();
}

HRESULT AccessibleList::Resolve(const VARIANT& child, AccessibleElement& out) const {
    if (V_VT(&child) != VT_I4) return E_INVALIDARG;
    const LONG id = V_I4(&child);
    if (id == CHILDID_SELF) {
        out = {kind_ == Kind::List ? AccessiblePart::List : AccessiblePart::Header, -1};
        return S_OK;
    }
    const bool found = kind_ == Kind::List ? Model().ListChild(id, out) : Model().HeaderChild(id, out);
    return found ? S_OK : E_INVALIDARG;
}

void AccessibleList::Hand(const AccessibleElement& e, VARIANT* out) {
    const bool header = e.part == AccessiblePart::Header || e.part == AccessiblePart::HeaderCell;
    if (kind_ == Kind::List && header) {
        V_VT(out) = VT_DISPATCH;
        V_DISPATCH(out) = static_cast<IAccessible*>(other_);
        other_->AddRef();
    } else if (kind_ == Kind::List) {
        SetI4(out, Model().ListChildId(e));
    } else if (header) {
        SetI4(out, e.part == AccessiblePart::Header ? CHILDID_SELF : Model().HeaderChildId(e.index));
    } else {
        Nothing(out);
    }
}

HRESULT AccessibleList::TextOf(const VARIANT& child, BSTR* out,
                               Text (AccessibilityModel::*get)(const AccessibleElement&) const) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return Live([&] {
        AccessibleElement e;
        if (HRESULT hr = Resolve(child, e); FAILED(hr)) return hr;
        const Text text = get ? (Model().*get)(e) : Text();
        if (text.empty()) return S_FALSE;
        *out = ToBstr(text);
        return *out ? S_OK : E_OUTOFMEMORY;
    });
}

STDMETHODIMP AccessibleList::get_accParent(IDispatch** parent) {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    return Live([&]() -> HRESULT {
        if (kind_ == Kind::Header) return other_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(parent));
        // The list's parent is its window, as the system describes windows.
        return CreateStdAccessibleObject(hwnd_, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(parent));
    });
}

STDMETHODIMP AccessibleList::get_accChildCount(LONG* count) {
    if (!count) return E_POINTER;
    return Live([&] {
        *count = ChildCount();
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::get_accChild(VARIANT child, IDispatch** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return Live([&]() -> HRESULT {
        AccessibleElement e;
        if (HRESULT hr = Resolve(child, e); FAILED(hr)) return hr;
        if (V_I4(&child) == CHILDID_SELF) return E_INVALIDARG;
        if (kind_ == Kind::List && e.part == AccessiblePart::Header)
            return other_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(out));
        return S_FALSE;  // a simple element: the caller keeps talking to us
    });
}

STDMETHODIMP AccessibleList::get_accName(VARIANT child, BSTR* out) {
    return TextOf(child, out, &AccessibilityModel::Name);
}
STDMETHODIMP AccessibleList::get_accValue(VARIANT child, BSTR* out) {
    return TextOf(child, out, &AccessibilityModel::Value);
}
STDMETHODIMP AccessibleList::get_accDescription(VARIANT child, BSTR* out) {
    return TextOf(child, out, &AccessibilityModel::Description);
}
STDMETHODIMP AccessibleList::get_accDefaultAction(VARIANT child, BSTR* out) {
    return TextOf(child, out, &AccessibilityModel::DefaultAction);
}
// No help and no shortcut keys: the child is checked, nothing is handed out.
STDMETHODIMP AccessibleList::get_accHelp(VARIANT child, BSTR* out) { return TextOf(child, out, nullptr); }
STDMETHODIMP AccessibleList::get_accKeyboardShortcut(VARIANT child, BSTR* out) {
    return TextOf(child, out, nullptr);
}

STDMETHODIMP AccessibleList::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    if (!file || !topic) return E_POINTER;
    *file = nullptr;
    *topic = -1;
    return Live([&] {
        AccessibleElement e;
        if (HRESULT hr = Resolve(child, e); FAILED(hr)) return hr;
        return S_FALSE;  // no help file
    });
}

STDMETHODIMP AccessibleList::get_accRole(VARIANT child, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return Live([&] {
        AccessibleElement e;
        if (HRESULT hr = Resolve(child, e); FAILED(hr)) return hr;
        SetI4(out, RoleOf(e.part));
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::get_accState(VARIANT child, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return Live([&] {
        AccessibleElement e;
        if (HRESULT hr = Resolve(child, e); FAILED(hr)) return hr;
        LONG bits = StateBits(Model().State(e, GetFocus() == hwnd_));
        if (e.part == AccessiblePart::List && !IsWindowVisible(hwnd_)) bits |= STATE_SYSTEM_INVISIBLE;
        if (e.part == AccessiblePart::List && !IsWindowEnabled(hwnd_)) bits |= STATE_SYSTEM_UNAVAILABLE;
        SetI4(out, bits);
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::get_accFocus(VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return Live([&] {
        if (kind_ == Kind::Header || GetFocus() != hwnd_) return Nothing(out);
        // The selected row has the focus; without one, the list itself.
        const int16_t row = core_->ListIndex();
        SetI4(out, row >= 0 && row < core_->ListCount() ? Model().ListChildId({AccessiblePart::Row, row}) : 0);
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::get_accSelection(VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return Live([&] {
        const int16_t row = core_->ListIndex();
        if (kind_ == Kind::Header || row < 0 || row >= core_->ListCount()) return Nothing(out);
        SetI4(out, Model().ListChildId({AccessiblePart::Row, row}));
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::accSelect(LONG flags, VARIANT child) {
    return Live([&] {
        AccessibleElement e;
        if (HRESULT hr = Resolve(child, e); FAILED(hr)) return hr;
        // One row at a time, and the focus is always on the selected row.
        if (flags & ~(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) return E_INVALIDARG;
        if (e.part == AccessiblePart::List && flags == SELFLAG_TAKEFOCUS) {
            SetFocus(hwnd_);
            return S_OK;
        }
        if (e.part != AccessiblePart::Row) return E_INVALIDARG;
        if (flags & SELFLAG_TAKEFOCUS) SetFocus(hwnd_);
        if (flags != 0) core_->SelectRow(e.index);
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    return Live([&] {
        AccessibleElement e;
        if (HRESULT hr = Resolve(child, e); FAILED(hr)) return hr;
        const Rect r = Model().Location(e);
        POINT p = {r.left, r.top};
        ClientToScreen(hwnd_, &p);
        *left = p.x;
        *top = p.y;
        *width = r.Width();
        *height = r.Height();
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::accNavigate(LONG direction, VARIANT start, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return Live([&] {
        AccessibleElement e;
        if (HRESULT hr = Resolve(start, e); FAILED(hr)) return hr;
        const LONG id = V_I4(&start), count = ChildCount();
        // Rows go down the list, header cells across the header.
        const bool list = kind_ == Kind::List;
        const bool forward = direction == NAVDIR_NEXT || direction == (list ? NAVDIR_DOWN : NAVDIR_RIGHT);
        const bool back = direction == NAVDIR_PREVIOUS || direction == (list ? NAVDIR_UP : NAVDIR_LEFT);
        LONG to = 0;
        if (id == CHILDID_SELF) to = direction == NAVDIR_FIRSTCHILD ? 1 : direction == NAVDIR_LASTCHILD ? count : 0;
        else if (forward) to = id + 1;
        else if (back) to = id - 1;
        if (to < 1 || to > count) return Nothing(out);
        AccessibleElement target;
        if (kind_ == Kind::List) Model().ListChild(to, target);
        else Model().HeaderChild(to, target);
        Hand(target, out);
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::accHitTest(LONG x, LONG y, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return Live([&] {
        POINT p = {x, y};
        ScreenToClient(hwnd_, &p);
        AccessibleElement e;
        if (!Model().HitTest(p.x, p.y, e)) return Nothing(out);
        Hand(e, out);
        return V_VT(out) == VT_EMPTY ? S_FALSE : S_OK;
    });
}

STDMETHODIMP AccessibleList::accDoDefaultAction(VARIANT child) {
    return Live([&] {
        AccessibleElement e;
        if (HRESULT hr = Resolve(child, e); FAILED(hr)) return hr;
        // Only what names an action has one.
        if (Model().DefaultAction(e).empty()) return DISP_E_MEMBERNOTFOUND;
        if (e.part == AccessiblePart::Row) core_->PlayRow(e.index);
        else if (e.part == AccessiblePart::HeaderCell) core_->SortByHeader(e.index);
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::GetWindow(HWND* out) {
    if (!out) return E_POINTER;
    *out = core_ ? hwnd_ : nullptr;
    return core_ ? S_OK : CO_E_OBJNOTCONNECTED;
}

}  // namespace mirelo::win32
