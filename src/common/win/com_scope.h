#pragma once
// COM for the few moments the program needs it (shell links, shell
// extensions behind a launch). ole32 is looked up on first use: linked in,
// it would load a good part of the system's COM libraries into every run.
#include <windows.h>

namespace tikolvo {

// COM on this thread for the scope's life; the thread may have it already.
class ComScope {
 public:
  ComScope();
  ~ComScope();
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

// CoCreateInstance for an in-process server; E_NOTIMPL without ole32.
HRESULT CreateInProcessObject(REFCLSID type, REFIID kind, void** object);

}  // namespace tikolvo
