#include "common/win/com_scope.h"

#include <objbase.h>

#include "common/win/system_library.h"

namespace tikolvo {
namespace {

constexpr wchar_t kOle[] = L"ole32.dll";

}  // namespace

ComScope::ComScope() : result_(E_NOTIMPL) {
  using Initialize = HRESULT(WINAPI*)(LPVOID, DWORD);
  if (auto initialize = SystemFunction<Initialize>(kOle, "CoInitializeEx"))
    result_ = initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

ComScope::~ComScope() {
  using Uninitialize = void(WINAPI*)();
  if (SUCCEEDED(result_))
    if (auto uninitialize = SystemFunction<Uninitialize>(kOle, "CoUninitialize")) uninitialize();
}

HRESULT CreateInProcessObject(REFCLSID type, REFIID kind, void** object) {
  using Create = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
  auto create = SystemFunction<Create>(kOle, "CoCreateInstance");
  *object = nullptr;
  return create ? create(type, nullptr, CLSCTX_INPROC_SERVER, kind, object) : E_NOTIMPL;
}

}  // namespace tikolvo
