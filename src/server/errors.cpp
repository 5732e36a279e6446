#include "server/errors.h"

#include <string>

#include "MireloList_h.h"
#include "server/com_ptr.h"
#include "server/module.h"

namespace mirelo::server {

namespace {

std::wstring Widen(const char* utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring w(n > 0 ? n - 1 : 0, L'\0');
    if (n > 1) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &w[0], n);
    return w;
}

}  // namespace

HRESULT RuntimeErrorResult(int number) {
    ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(create.Out()))) {
        create->SetGUID(IID__MireloList);
        create->SetSource(const_cast<LPOLESTR>(kLibraryName));
        std::wstring text = Widen(ErrorDescription(number));
        create->SetDescription(&text[0]);
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
    if (const int number = RuntimeErrorNumber(hr)) {
        info->bstrDescription = SysAllocString(Widen(ErrorDescription(number)).c_str());
    }
}

}  // namespace mirelo::server
