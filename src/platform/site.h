#pragma once
// The container around the control: ambient values and change notification.
#include <cstdint>

#include "base/text.h"

namespace mirelo {

class Site {
public:
    virtual ~Site() = default;
    virtual bool UserMode() = 0;        // run mode; a host that does not answer means True
    virtual Text DisplayName() = 0;     // the control's name in the host, may be empty
    // The property with this dispatch identifier changed: the host refreshes
    // its browser and marks the control's state dirty.
    virtual void PropertyChanged(int32_t dispid) = 0;
};

// The About window; modal, closed by any mouse press on it.
class AboutWindow {
public:
    virtual ~AboutWindow() = default;
    virtual bool IsShown() = 0;
    virtual void Close() = 0;
    virtual void ShowModal() = 0;
};

}  // namespace mirelo
