#include "settings/win/autorun_win.h"

#include <windows.h>

#include "common/win/dde_client.h"
#include "common/win/message_dialogs.h"
#include "common/win/user_registry.h"
#include "common/win/wide_text.h"

namespace tikolvo {

bool WinRunKeyRegistry::SetStringValue(const std::string& keyPath, const std::string& valueName,
                                       const std::string& data) {
  OpenUserKey key(keyPath, KEY_SET_VALUE);
  if (!key.get()) return false;
  const std::wstring wideData = Widen(data);
  const DWORD bytes = static_cast<DWORD>((wideData.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.get(), Widen(valueName).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(wideData.c_str()), bytes) == ERROR_SUCCESS;
}

bool WinRunKeyRegistry::DeleteValue(const std::string& keyPath, const std::string& valueName) {
  OpenUserKey key(keyPath, KEY_SET_VALUE);
  if (!key.get()) return false;
  return RegDeleteValueW(key.get(), Widen(valueName).c_str()) == ERROR_SUCCESS;
}

bool WinProgmanDde::Execute(const std::string& command) { return ExecuteDdeCommand(L"PROGMAN", L"PROGMAN", command); }

bool WindowConfirmer::Confirm(const ConfirmQuestion& question) {
  return AskConfirmation(owner_, question.caption, question.text, question.cancelCaption, question.actionCaption);
}

}  // namespace tikolvo
