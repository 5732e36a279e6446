#pragma once
// The container around the control as the core sees it: ambient values read
// from the client site and the property-changed notification.
#include <ole2.h>

#include <functional>

#include "platform/site.h"
#include "server/com_ptr.h"

namespace mirelo::server {

class ControlSite : public Site {
public:
    // Told the DISPID of a property whose persisted value changed.
    explicit ControlSite(std::function<void(DISPID)> changed) : changed_(std::move(changed)) {}

    void SetClientSite(IOleClientSite* site) { site_ = ComPtr<IOleClientSite>(site); }
    // The ambient flags a quick-activating container handed over
    // (QACONTAINER_USERMODE...): what the control goes by when the site
    // does not answer an ambient property itself.
    void SetQuickAmbients(DWORD flags) {
        quickFlags_ = flags;
        hasQuickFlags_ = true;
    }
    IOleClientSite* ClientSite() const { return site_.Get(); }

    // A host that does not answer (no site, no ambient dispatch, an error)
    // leaves the control in run mode with an empty name.
    bool UserMode() override;
    Text DisplayName() override;
    void PropertyChanged(int32_t dispid) override { if (changed_) changed_(dispid); }

private:
    bool Ambient(DISPID id, VARTYPE type, VARIANT* out);

    ComPtr<IOleClientSite> site_;
    std::function<void(DISPID)> changed_;
    DWORD quickFlags_ = 0;
    bool hasQuickFlags_ = false;
};

}  // namespace mirelo::server
