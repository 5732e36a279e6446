#include "server/dispatcher.h"

#include <memory>

#include "server/errors.h"

namespace mirelo::server {

namespace {

// Coercion failures read as the host language's own run-time errors.
HRESULT ArgumentFailure(HRESULT hr, EXCEPINFO* excep) {
    if (hr != DISP_E_TYPEMISMATCH && hr != DISP_E_OVERFLOW) return hr;
    if (!excep) return hr;
    FillExcepInfo(excep, RuntimeErrorResult(hr == DISP_E_OVERFLOW ? kOverflow : kTypeMismatch));
    return DISP_E_EXCEPTION;
}

constexpr UINT kNone = ~0u;

}  // namespace

HRESULT Dispatcher::Load(ITypeLib* lib, REFIID dual) {
    HRESULT hr = lib->GetTypeInfoOfGuid(dual, dispatchInfo_.Out());
    if (FAILED(hr)) return hr;
    // The dispatch view of a dual interface lists no vtable offsets: read the
    // members from its interface view.
    HREFTYPE href = 0;
    hr = dispatchInfo_->GetRefTypeOfImplType(static_cast<UINT>(-1), &href);
    if (SUCCEEDED(hr)) hr = dispatchInfo_->GetRefTypeInfo(href, interfaceInfo_.Out());
    if (FAILED(hr)) return hr;

    TYPEATTR* attr = nullptr;
    if (FAILED(hr = interfaceInfo_->GetTypeAttr(&attr))) return hr;
    const WORD count = attr->cFuncs;
    interfaceInfo_->ReleaseTypeAttr(attr);

    members_.clear();
    for (UINT i = 0; i < count; ++i) {
        FUNCDESC* fd = nullptr;
        if (FAILED(hr = interfaceInfo_->GetFuncDesc(i, &fd))) return hr;
        Member m;
        m.id = fd->memid;
        m.kind = fd->invkind;
        m.vtableOffset = fd->oVft;
        for (SHORT p = 0; p < fd->cParams; ++p) {
            const ELEMDESC& ed = fd->lprgelemdescParam[p];
            const USHORT flags = ed.paramdesc.wParamFlags;
            const VARTYPE type = ResolveType(interfaceInfo_.Get(), ed.tdesc);
            if (flags & PARAMFLAG_FRETVAL) {
                m.hasRetval = true;
                m.retvalType = type;
                continue;
            }
            ParamSpec param;
            param.type = type;
            param.flags = flags;
            if ((flags & PARAMFLAG_FHASDEFAULT) && ed.paramdesc.pparamdescex)
                VariantCopy(param.defaultValue.get(), &ed.paramdesc.pparamdescex->varDefaultValue);
            m.params.push_back(std::move(param));
        }
        interfaceInfo_->ReleaseFuncDesc(fd);
        members_.push_back(std::move(m));
    }
    return S_OK;
}

HRESULT Dispatcher::GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const {
    if (!interfaceInfo_) return E_UNEXPECTED;
    return DispGetIDsOfNames(interfaceInfo_.Get(), names, count, ids);
}

const Dispatcher::Member* Dispatcher::FindKind(DISPID id, INVOKEKIND kind) const {
    for (const Member& m : members_)
        if (m.id == id && m.kind == kind) return &m;
    return nullptr;
}

const Dispatcher::Member* Dispatcher::Find(DISPID id, WORD flags) const {
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        const Member* m = nullptr;
        if (flags & DISPATCH_PROPERTYPUTREF) m = FindKind(id, INVOKE_PROPERTYPUTREF);
        if (!m && (flags & DISPATCH_PROPERTYPUT)) m = FindKind(id, INVOKE_PROPERTYPUT);
        if (!m && (flags & DISPATCH_PROPERTYPUT)) m = FindKind(id, INVOKE_PROPERTYPUTREF);
        return m;
    }
    if (flags & DISPATCH_METHOD)
        if (const Member* m = FindKind(id, INVOKE_FUNC)) return m;
    // Scripts read properties with the call syntax too.
    if (flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) return FindKind(id, INVOKE_PROPERTYGET);
    return nullptr;
}

HRESULT Dispatcher::Invoke(IUnknown* self, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* excep, UINT* argErr) const {
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    if (!params) params = &none;
    const Member* m = Find(id, flags);
    if (!m) return DISP_E_MEMBERNOTFOUND;

    const bool put = m->kind == INVOKE_PROPERTYPUT || m->kind == INVOKE_PROPERTYPUTREF;
    const UINT count = static_cast<UINT>(m->params.size());
    if (put && count == 0) return DISP_E_MEMBERNOTFOUND;
    std::vector<VARIANT*> sources(count, nullptr);
    std::vector<UINT> argIndex(count, kNone);

    // Named arguments come first in rgvarg; a property's new value is named
    // DISPID_PROPERTYPUT, others by their parameter's position.
    const UINT named = params->cNamedArgs;
    if (named > params->cArgs) return E_INVALIDARG;
    for (UINT k = 0; k < named; ++k) {
        const DISPID name = params->rgdispidNamedArgs[k];
        UINT slot = kNone;
        if (name == DISPID_PROPERTYPUT && put) slot = count - 1;
        else if (name >= 0 && static_cast<UINT>(name) < (put ? count - 1 : count)) slot = static_cast<UINT>(name);
        if (slot == kNone || sources[slot]) {
            if (argErr) *argErr = k;
            return DISP_E_PARAMNOTFOUND;
        }
        sources[slot] = &params->rgvarg[k];
        argIndex[slot] = k;
    }
    // Positional arguments are stored last to first.
    const UINT positional = params->cArgs - named;
    if (positional > (put ? count - 1 : count)) return DISP_E_BADPARAMCOUNT;
    for (UINT i = 0; i < positional; ++i) {
        if (sources[i]) return DISP_E_BADPARAMCOUNT;
        argIndex[i] = params->cArgs - 1 - i;
        sources[i] = &params->rgvarg[argIndex[i]];
    }
    if (put && !sources[count - 1]) return DISP_E_PARAMNOTOPTIONAL;

    const UINT total = count + (m->hasRetval ? 1 : 0);
    std::unique_ptr<ArgSlot[]> slots(new ArgSlot[total]);
    std::vector<VARTYPE> types(total);
    std::vector<VARIANTARG*> args(total);
    for (UINT i = 0; i < count; ++i) {
        const HRESULT hr = slots[i].Prepare(m->params[i], sources[i]);
        if (FAILED(hr)) {
            if (argErr && argIndex[i] != kNone) *argErr = argIndex[i];
            return ArgumentFailure(hr, excep);
        }
    }
    if (m->hasRetval) slots[count].PrepareRetval(m->retvalType);
    for (UINT i = 0; i < total; ++i) {
        types[i] = slots[i].PassType();
        args[i] = slots[i].Pass();
    }

    VARIANT ret;
    VariantInit(&ret);
    // VT_ERROR: the method's HRESULT comes back as a plain 32-bit value.
    HRESULT hr = DispCallFunc(self, static_cast<ULONG_PTR>(m->vtableOffset), CC_STDCALL, VT_ERROR, total,
                              types.data(), args.data(), &ret);
    if (FAILED(hr)) return hr;
    for (UINT i = 0; i < count; ++i) slots[i].WriteBack();
    hr = V_ERROR(&ret);
    if (FAILED(hr)) {
        if (!excep) return hr;
        FillExcepInfo(excep, hr);
        return DISP_E_EXCEPTION;
    }
    if (m->hasRetval && result) {
        VariantClear(result);
        slots[count].TakeRetval(result);
    }
    return S_OK;
}

}  // namespace mirelo::server
