#include "menus/win/launch_actions.h"

#include <shellapi.h>

#include <cstring>

#include "common/cp1251.h"
#include "common/win/com_scope.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

bool PutOnClipboard(UINT format, const void* data, std::size_t bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  void* target = GlobalLock(memory);
  if (!target) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(target, data, bytes);
  GlobalUnlock(memory);
  if (SetClipboardData(format, memory)) return true;
  GlobalFree(memory);
  return false;
}

}  // namespace

void ShellOpen(HWND owner, const LaunchDecision& decision) {
  const std::wstring verb = Widen(decision.verb);
  const std::wstring file = Widen(decision.file);
  const std::wstring parameters = Widen(decision.parameters);
  const std::wstring folder = Widen(decision.folder);
  // Some files open through shell extensions, which need COM on this thread.
  const ComScope com;
  ShellExecuteW(owner, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                parameters.empty() ? nullptr : parameters.c_str(), folder.empty() ? nullptr : folder.c_str(),
                decision.maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
}

bool CopyTextToClipboard(HWND owner, const std::string& utf8) {
  const bool unicode = IsClipboardFormatAvailable(CF_UNICODETEXT) != 0;
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  bool put = false;
  if (unicode) {
    const std::wstring text = Widen(utf8);
    put = PutOnClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  } else {
    const std::string text = Utf8ToCp1251(utf8);
    put = PutOnClipboard(CF_TEXT, text.c_str(), text.size() + 1);
  }
  CloseClipboard();
  return put;
}

}  // namespace tikolvo
