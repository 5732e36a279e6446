#include "win32/accessible_list.h"

#include <utility>

#include "listctl/mirelo_list.h"
#include "scrollbar/scroll_part.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {

namespace {

LONG RoleOf(const AccessibleElement& e) {
    switch (e.part) {
    case AccessiblePart::List: return ROLE_SYSTEM_LIST;
    case AccessiblePart::Header: return ROLE_SYSTEM_ROW;  // a row of column headers
    case AccessiblePart::HeaderCell: return ROLE_SYSTEM_COLUMNHEADER;
    case AccessiblePart::Row: return ROLE_SYSTEM_LISTITEM;
    case AccessiblePart::Bar: return ROLE_SYSTEM_SCROLLBAR;
    case AccessiblePart::BarPart:
        return e.index == static_cast<int16_t>(ScrollPart::Thumb) ? ROLE_SYSTEM_INDICATOR : ROLE_SYSTEM_PUSHBUTTON;
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
    if (s.pressed) bits |= STATE_SYSTEM_PRESSED;
    if (s.unavailable) bits |= STATE_SYSTEM_UNAVAILABLE;
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
    list->header_ = new AccessibleList(Kind::Header, core, hwnd);  // their first references
    list->bar_ = new AccessibleList(Kind::Bar, core, hwnd);
    for (AccessibleList* child : {list->header_, list->bar_}) {
        child->parent_ = list;
        list->AddRef();
    }
    return list;
}

void AccessibleList::Disconnect() {
    if (!core_) return;
    AddRef();  // dropping the stubs may drop the last reference from outside
    core_ = nullptr;
    CoDisconnectObject(static_cast<IAccessible*>(this), 0);
    for (AccessibleList** link : {&parent_, &header_, &bar_}) {
        if (AccessibleList* other = std::exchange(*link, nullptr)) {
            other->Disconnect();
            other->Release();
        }
    }
    Release();
}

IAccessible* AccessibleList::ObjectFor(LONG objectId) {
    if (!core_ || kind_ != Kind::List) return nullptr;
    if (objectId == static_cast<LONG>(OBJID_CLIENT)) return this;
    if (objectId == kHeaderObjectId) return header_;
    if (objectId == kBarObjectId) return bar_;
    return nullptr;
}

AccessibleList::Kind AccessibleList::KindOf(AccessiblePart part) {
    switch (part) {
    case AccessiblePart::Header:
    case AccessiblePart::HeaderCell: return Kind::Header;
    case AccessiblePart::Bar:
    case AccessiblePart::BarPart: return Kind::Bar;
    default: return Kind::List;
    }
}

AccessibleList* AccessibleList::Object(Kind kind) {
    return kind == Kind::Header ? header_ : kind == Kind::Bar ? bar_ : this;
}

LONG AccessibleList::IdOf(const AccessibleElement& e) const {
    const AccessibilityModel m = Model();
    switch (e.part) {
    case AccessiblePart::HeaderCell: return m.HeaderChildId(e.index);
    case AccessiblePart::BarPart: return m.BarChildId(e.index);
    case AccessiblePart::Header:
    case AccessiblePart::Bar: return CHILDID_SELF;
    default: return m.ListChildId(e);
    }
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

AccessibilityModel ModelOf(MireloList& list, HWND hwnd) {
    RECT rc = {};
    GetClientRect(hwnd, &rc);
    return AccessibilityModel(list, rc.right, rc.bottom);
}

AccessibilityModel AccessibleList::Model() const { return ModelOf(*core_, hwnd_); }

template <class F>
HRESULT AccessibleList::Live(F&& body) {
    if (!core_) return CO_E_OBJNOTCONNECTED;
    try {
        return body();
    } catch (...) {
        return E_FAIL;
    }
}

template <class F>
HRESULT AccessibleList::LiveOn(const VARIANT& child, F&& body) {
    return Live([&]() -> HRESULT {
        AccessibleElement e;
        if (HRESULT hr = Resolve(child, e); FAILED(hr)) return hr;
        return body(e);
    });
}

int32_t AccessibleList::ChildCount() const {
    switch (kind_) {
    case Kind::Header: return Model().HeaderChildCount();
    case Kind::Bar: return Model().BarChildCount();
    default: return Model().ListChildCount();
    }
}

HRESULT AccessibleList::Resolve(const VARIANT& child, AccessibleElement& out) const {
    if (V_VT(&child) != VT_I4) return E_INVALIDARG;
    const LONG id = V_I4(&child);
    // By Kind: what CHILDID_SELF names on each object.
    static constexpr AccessiblePart kSelf[] = {AccessiblePart::List, AccessiblePart::Header, AccessiblePart::Bar};
    out = {kSelf[static_cast<int>(kind_)], -1};
    if (id == CHILDID_SELF) return S_OK;
    const AccessibilityModel m = Model();
    const bool found = kind_ == Kind::Header ? m.HeaderChild(id, out)
                       : kind_ == Kind::Bar  ? m.BarChild(id, out)
                                             : m.ListChild(id, out);
    return found ? S_OK : E_INVALIDARG;
}

void AccessibleList::Hand(const AccessibleElement& e, VARIANT* out) {
    // The list hands out its header's and bar's parts as those objects.
    const Kind kind = KindOf(e.part);
    if (kind == kind_) {
        SetI4(out, IdOf(e));
    } else if (kind_ == Kind::List) {
        AccessibleList* object = Object(kind);
        V_VT(out) = VT_DISPATCH;
        V_DISPATCH(out) = static_cast<IAccessible*>(object);
        object->AddRef();
    } else {
        Nothing(out);
    }
}

HRESULT AccessibleList::TextOf(const VARIANT& child, BSTR* out,
                               Text (AccessibilityModel::*get)(const AccessibleElement&) const) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return LiveOn(child, [&](const AccessibleElement& e) {
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
        if (parent_) return parent_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(parent));
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
    return LiveOn(child, [&](const AccessibleElement& e) -> HRESULT {
        if (V_I4(&child) == CHILDID_SELF) return E_INVALIDARG;
        if (kind_ == Kind::List && KindOf(e.part) != Kind::List)
            return Object(KindOf(e.part))->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(out));
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
    return LiveOn(child, [](const AccessibleElement&) { return S_FALSE; });  // no help file
}

STDMETHODIMP AccessibleList::get_accRole(VARIANT child, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return LiveOn(child, [&](const AccessibleElement& e) {
        SetI4(out, RoleOf(e));
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::get_accState(VARIANT child, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return LiveOn(child, [&](const AccessibleElement& e) {
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
        if (kind_ != Kind::List || GetFocus() != hwnd_) return Nothing(out);
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
        if (kind_ != Kind::List || row < 0 || row >= core_->ListCount()) return Nothing(out);
        SetI4(out, Model().ListChildId({AccessiblePart::Row, row}));
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::accSelect(LONG flags, VARIANT child) {
    return LiveOn(child, [&](const AccessibleElement& e) {
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
    return LiveOn(child, [&](const AccessibleElement& e) {
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
    return LiveOn(start, [&](const AccessibleElement&) {
        const LONG id = V_I4(&start), count = ChildCount();
        // Rows and the bar's parts go down, header cells across the header.
        const bool down = kind_ != Kind::Header;
        const bool forward = direction == NAVDIR_NEXT || direction == (down ? NAVDIR_DOWN : NAVDIR_RIGHT);
        const bool back = direction == NAVDIR_PREVIOUS || direction == (down ? NAVDIR_UP : NAVDIR_LEFT);
        LONG to = 0;
        if (id == CHILDID_SELF) to = direction == NAVDIR_FIRSTCHILD ? 1 : direction == NAVDIR_LASTCHILD ? count : 0;
        else if (forward) to = id + 1;
        else if (back) to = id - 1;
        if (to < 1 || to > count) return Nothing(out);
        V_VT(&start) = VT_I4;
        V_I4(&start) = to;
        AccessibleElement target;
        Resolve(start, target);
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
    return LiveOn(child, [&](const AccessibleElement& e) {
        // Only what names an action has one.
        if (Model().DefaultAction(e).empty()) return DISP_E_MEMBERNOTFOUND;
        if (e.part == AccessiblePart::Row) core_->PlayRow(e.index);
        else if (e.part == AccessiblePart::HeaderCell) core_->SortByHeader(e.index);
        else if (e.part == AccessiblePart::BarPart) core_->Bar().StepOnce(static_cast<ScrollPart>(e.index));
        return S_OK;
    });
}

STDMETHODIMP AccessibleList::GetWindow(HWND* out) {
    if (!out) return E_POINTER;
    *out = core_ ? hwnd_ : nullptr;
    return core_ ? S_OK : CO_E_OBJNOTCONNECTED;
}

}  // namespace mirelo::win32
