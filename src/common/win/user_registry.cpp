#include "common/win/user_registry.h"

#include <algorithm>
#include <vector>

#include "common/win/wide_text.h"

namespace tikolvo {

OpenUserKey::OpenUserKey(const std::string& keyPath, REGSAM access) {
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(keyPath).c_str(), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
}

OpenUserKey::~OpenUserKey() {
  if (key_) RegCloseKey(key_);
}

std::string ReadUserText(const std::string& keyPath, const std::string& valueName) {
  OpenUserKey key(keyPath, KEY_QUERY_VALUE);
  if (!key.get()) return {};
  const std::wstring name = Widen(valueName);
  DWORD type = 0, bytes = 0;
  if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || bytes == 0) {
    return {};
  }
  // One character more than asked for: a stored value need not end in a
  // terminator.
  std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 2, L'\0');
  DWORD size = static_cast<DWORD>((text.size() - 1) * sizeof(wchar_t));
  if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  text[std::min<std::size_t>(size / sizeof(wchar_t), text.size() - 1)] = L'\0';
  return Narrow(text.data());
}

}  // namespace tikolvo
