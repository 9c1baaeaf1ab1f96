#pragma once
// The Windows side of autorun: the current user's registry and the Program
// Manager's DDE service.
#include "settings/autorun.h"

namespace tikolvo {

class WinRunKeyRegistry final : public RunKeyRegistry {
 public:
  bool SetStringValue(const std::string& keyPath, const std::string& valueName,
                      const std::string& data) override;
  bool DeleteValue(const std::string& keyPath, const std::string& valueName) override;
};

class WinProgmanDde final : public ProgmanDde {
 public:
  bool Execute(const std::string& command) override;
};

}  // namespace tikolvo
