#include "common/win/dde_client.h"

#include <windows.h>
#include <ddeml.h>

#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

// How long one DDE command may take; a shell that does not answer must not
// freeze the settings window for long.
constexpr DWORD kDdeTimeoutMs = 3000;

// The callback is never needed for a client that only executes commands.
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

}  // namespace tikolvo
