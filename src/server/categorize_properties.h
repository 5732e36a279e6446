#pragma once
// ICategorizeProperties: how property browsers (the VB and Office designers)
// ask which category a property is shown under. Not in the SDK headers.
#include <ole2.h>

namespace mirelo::server {

using PROPCAT = int;

// {4D07FC10-F931-11CE-B001-00AA006884E5}
constexpr IID IID_ICategorizeProperties = {0x4D07FC10, 0xF931, 0x11CE, {0xB0, 0x01, 0x00, 0xAA, 0x00, 0x68, 0x84, 0xE5}};

struct ICategorizeProperties : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE MapPropertyToCategory(DISPID id, PROPCAT* category) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCategoryName(PROPCAT category, LCID lcid, BSTR* name) = 0;
};

}  // namespace mirelo::server
