#include "common/win/system_library.h"

namespace tikolvo {

HMODULE SystemLibrary(const wchar_t* name) {
  if (HMODULE loaded = GetModuleHandleW(name)) return loaded;
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryW(name);
  SetErrorMode(oldMode);
  return module;
}

}  // namespace tikolvo
