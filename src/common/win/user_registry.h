#pragma once
// Keys of the current user's registry, opened for one use and closed on
// every path.
#include <windows.h>

#include <string>

namespace tikolvo {

class OpenUserKey {
 public:
  OpenUserKey(const std::string& keyPath, REGSAM access);
  ~OpenUserKey();
  OpenUserKey(const OpenUserKey&) = delete;
  OpenUserKey& operator=(const OpenUserKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// A text value (REG_SZ or REG_EXPAND_SZ, unexpanded) of a key; empty when
// the key, the value or its text is missing.
std::string ReadUserText(const std::string& keyPath, const std::string& valueName);

}  // namespace tikolvo
