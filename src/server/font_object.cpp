#include "server/font_object.h"

#include <cmath>

#include "base/numeric.h"
#include "win32/wide_text.h"

namespace mirelo::server {

ComPtr<IFontDisp> CreateFontObject(const FontDesc& desc) {
    FONTDESC fd = {};
    fd.cbSizeofstruct = sizeof(fd);
    Text name = desc.name;
    fd.lpstrName = const_cast<LPOLESTR>(win32::Wide(name));
    // CY is a fixed-point value with four decimals.
    fd.cySize.int64 = static_cast<LONGLONG>(RoundHalfEven(desc.size * 10000));
    fd.sWeight = desc.weight;
    fd.sCharset = desc.charset;
    fd.fItalic = desc.italic;
    fd.fUnderline = desc.underline;
    fd.fStrikethrough = desc.strikethrough;
    ComPtr<IFontDisp> font;
    OleCreateFontIndirect(&fd, IID_IFontDisp, reinterpret_cast<void**>(font.Out()));
    return font;
}

bool ReadFontObject(IUnknown* object, FontDesc* desc) {
    if (!object) return false;
    ComPtr<IFont> font;
    if (FAILED(object->QueryInterface(IID_IFont, reinterpret_cast<void**>(font.Out())))) return false;
    BSTR name = nullptr;
    CY size = {};
    SHORT weight = 0, charset = 0;
    BOOL italic = FALSE, underline = FALSE, strike = FALSE;
    if (FAILED(font->get_Name(&name)) || FAILED(font->get_Size(&size))) return false;
    font->get_Weight(&weight);
    font->get_Charset(&charset);
    font->get_Italic(&italic);
    font->get_Underline(&underline);
    font->get_Strikethrough(&strike);
    desc->name = win32::FromBstr(name);
    SysFreeString(name);
    desc->size = static_cast<double>(size.int64) / 10000.0;
    desc->weight = weight;
    desc->charset = charset;
    desc->italic = italic != FALSE;
    desc->underline = underline != FALSE;
    desc->strikethrough = strike != FALSE;
    return true;
}

FontLink::~FontLink() { Disconnect(); }

void FontLink::Disconnect() {
    if (point_) point_->Unadvise(cookie_);
    point_.Reset();
    font_.Reset();
    cookie_ = 0;
}

ComPtr<IFontDisp> FontLink::Object(const FontDesc& current) {
    if (font_ && desc_ == current) return font_;
    Disconnect();
    font_ = CreateFontObject(current);
    desc_ = current;
    if (!font_) return font_;
    ComPtr<IConnectionPointContainer> container =
        font_.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (container && SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, point_.Out())))
        point_->Advise(static_cast<IPropertyNotifySink*>(this), &cookie_);
    return font_;
}

STDMETHODIMP FontLink::OnChanged(DISPID id) {
    FontDesc now;
    if (!font_ || !ReadFontObject(font_.Get(), &now)) return S_OK;
    // A font object reports what it realised (the face found, the size that
    // face has): the control takes only the attribute the host changed.
    FontDesc next = desc_;
    switch (id) {
    case DISPID_FONT_NAME: next.name = now.name; break;
    case DISPID_FONT_SIZE: next.size = now.size; break;
    case DISPID_FONT_BOLD:
    case DISPID_FONT_WEIGHT: next.weight = now.weight; break;
    case DISPID_FONT_ITALIC: next.italic = now.italic; break;
    case DISPID_FONT_UNDER: next.underline = now.underline; break;
    case DISPID_FONT_STRIKE: next.strikethrough = now.strikethrough; break;
    case DISPID_FONT_CHARSET: next.charset = now.charset; break;
    default: next = now; break;
    }
    desc_ = next;
    if (changed_) changed_(next);
    return S_OK;
}

}  // namespace mirelo::server
