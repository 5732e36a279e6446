#pragma once
// An off-screen surface of this platform hands its device context to the
// blits that copy from it (the control's surface, the scroll bar's painter).
#include <windows.h>

namespace mirelo::win32 {

class HdcSource {
public:
    virtual HDC SourceDC() const = 0;

protected:
    ~HdcSource() = default;
};

}  // namespace mirelo::win32
