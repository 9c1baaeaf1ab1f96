#pragma once
// The Windows side of autorun: the current user's registry and the Program
// Manager's DDE service.
#include <windows.h>

#include <string>

#include "settings/autorun.h"

namespace tikolvo {

class WinRunKeyRegistry final : public RunKeyRegistry {
 public:
  bool SetStringValue(const std::string& keyPath, const std::string& valueName,
                      const std::string& data) override;
  bool DeleteValue(const std::string& keyPath, const std::string& valueName) override;
};

// Sends one command to a DDE server by its service and topic names; false
// when no server answers or it refuses the command.
bool ExecuteDdeCommand(const std::wstring& service, const std::wstring& topic, const std::string& command);

class WinProgmanDde final : public ProgmanDde {
 public:
  bool Execute(const std::string& command) override;
};

// The autorun questions asked in the program's question window.
class WindowConfirmer final : public Confirmer {
 public:
  explicit WindowConfirmer(HWND owner) : owner_(owner) {}
  bool Confirm(const ConfirmQuestion& question) override;

 private:
  HWND owner_;
};

}  // namespace tikolvo
