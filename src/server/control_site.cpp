#include "server/control_site.h"

#include <olectl.h>

#include "server/invoke_args.h"
#include "win32/wide_text.h"

namespace mirelo::server {

bool ControlSite::Ambient(DISPID id, VARTYPE type, VARIANT* out) {
    if (!site_) return false;
    ComPtr<IDispatch> ambient = site_.As<IDispatch>(IID_IDispatch);
    if (!ambient) return false;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    OwnedVariant answer;
    if (FAILED(ambient->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, answer.get(),
                               nullptr, nullptr)))
        return false;
    return SUCCEEDED(VariantChangeType(out, answer.get(), 0, type));
}

bool ControlSite::UserMode() {
    OwnedVariant v;
    if (!Ambient(DISPID_AMBIENT_USERMODE, VT_BOOL, v.get()))
        return !hasQuickFlags_ || (quickFlags_ & QACONTAINER_USERMODE) != 0;
    return V_BOOL(v.get()) != VARIANT_FALSE;
}

Text ControlSite::DisplayName() {
    OwnedVariant v;
    if (!Ambient(DISPID_AMBIENT_DISPLAYNAME, VT_BSTR, v.get())) return Text();
    return win32::FromBstr(V_BSTR(v.get()));
}

}  // namespace mirelo::server
