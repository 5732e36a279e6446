#pragma once
// IQuickActivate: a container (VB6, MFC, browser-style hosts) hands the
// control its site, its advise sink, its event and property-notification
// sinks and its ambient flags in one call, where others make the calls one by
// one. The result is the same as the step-by-step path: the site is set
// before the properties are read, the sinks are connected at the control's
// connection points. The ambient colours and font are not taken: the
// control's own BackColor and Font properties decide its look, as they do
// when a container sets the site.
#include <ocidl.h>

#include "server/part.h"

namespace mirelo::server {

class QuickActivation : public Part<IQuickActivate> {
public:
    explicit QuickActivation(ListControl& owner) : Part(owner) {}

    STDMETHODIMP QuickActivate(QACONTAINER* container, QACONTROL* control) override;
    STDMETHODIMP SetContentExtent(LPSIZEL size) override;
    STDMETHODIMP GetContentExtent(LPSIZEL size) override;
};

}  // namespace mirelo::server
