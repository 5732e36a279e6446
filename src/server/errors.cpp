#include "server/errors.h"

#include "MireloList_h.h"
#include "server/com_ptr.h"
#include "server/module.h"
#include "win32/wide_text.h"

namespace mirelo::server {

HRESULT RuntimeErrorResult(int number) {
    ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(create.Out()))) {
        create->SetGUID(IID__MireloList);
        create->SetSource(const_cast<LPOLESTR>(kLibraryName));
        Text text = FromUtf8(ErrorDescription(number));
        create->SetDescription(const_cast<LPOLESTR>(win32::Wide(text)));
        ComPtr<IErrorInfo> info = create.As<IErrorInfo>(IID_IErrorInfo);
        SetErrorInfo(0, info.Get());
    }
    return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number);
}

int RuntimeErrorNumber(HRESULT hr) {
    return HRESULT_FACILITY(hr) == FACILITY_CONTROL && FAILED(hr) ? HRESULT_CODE(hr) : 0;
}

void FillExcepInfo(EXCEPINFO* info, HRESULT hr) {
    if (!info) return;
    *info = EXCEPINFO{};
    info->scode = hr;
    ComPtr<IErrorInfo> error;
    if (GetErrorInfo(0, error.Out()) == S_OK && error) {
        error->GetSource(&info->bstrSource);
        error->GetDescription(&info->bstrDescription);
        return;
    }
    info->bstrSource = SysAllocString(kLibraryName);
    if (const int number = RuntimeErrorNumber(hr))
        info->bstrDescription = win32::ToBstr(FromUtf8(ErrorDescription(number)));
}

}  // namespace mirelo::server
