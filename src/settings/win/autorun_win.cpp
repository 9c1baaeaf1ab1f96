#include "settings/win/autorun_win.h"

#include <windows.h>
#include <ddeml.h>

#include "common/win/message_dialogs.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

// How long one DDE command may take; a shell that does not answer must not
// freeze the settings window for long.
constexpr DWORD kDdeTimeoutMs = 3000;

class OpenUserKey {
 public:
  OpenUserKey(const std::string& keyPath, REGSAM access) {
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(keyPath).c_str(), 0, access, &key_) != ERROR_SUCCESS)
      key_ = nullptr;
  }
  ~OpenUserKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenUserKey(const OpenUserKey&) = delete;
  OpenUserKey& operator=(const OpenUserKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// A client-only DDEML session; the callback is never needed for a client
// that only executes commands.
HDDEDATA CALLBACK IgnoreDdeCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

bool ExecuteInConversation(HCONV conversation, const std::wstring& command) {
  const DWORD bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
  HDDEDATA result = DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<wchar_t*>(command.c_str())), bytes,
                                         conversation, nullptr, 0, XTYP_EXECUTE, kDdeTimeoutMs, nullptr);
  return result != nullptr;
}

}  // namespace

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

bool ExecuteDdeCommand(const std::wstring& service, const std::wstring& topic, const std::string& command) {
  DWORD instance = 0;
  if (DdeInitializeW(&instance, IgnoreDdeCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return false;
  bool done = false;
  HSZ serviceName = DdeCreateStringHandleW(instance, service.c_str(), CP_WINUNICODE);
  HSZ topicName = DdeCreateStringHandleW(instance, topic.c_str(), CP_WINUNICODE);
  if (serviceName && topicName) {
    if (HCONV conversation = DdeConnect(instance, serviceName, topicName, nullptr)) {
      done = ExecuteInConversation(conversation, Widen(command));
      DdeDisconnect(conversation);
    }
  }
  if (topicName) DdeFreeStringHandle(instance, topicName);
  if (serviceName) DdeFreeStringHandle(instance, serviceName);
  DdeUninitialize(instance);
  return done;
}

bool WinProgmanDde::Execute(const std::string& command) { return ExecuteDdeCommand(L"PROGMAN", L"PROGMAN", command); }

bool WindowConfirmer::Confirm(const ConfirmQuestion& question) {
  return AskConfirmation(owner_, question.caption, question.text, question.cancelCaption, question.actionCaption);
}

}  // namespace tikolvo
