#pragma once
// Functions of system libraries looked up at run time, for what older
// systems lack and for libraries most runs never need. A library, once
// loaded, stays for the program's life; error boxes for a missing one are
// suppressed while it loads.
#include <windows.h>

namespace tikolvo {

// The library, taken if already loaded; nullptr when it cannot be loaded.
HMODULE SystemLibrary(const wchar_t* name);

// The function, or nullptr when the library or the entry point is missing.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = SystemLibrary(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace tikolvo
