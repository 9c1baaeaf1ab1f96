#pragma once
// Registering the program to start with Windows, and undoing it: a string
// value in the current user's Run key, plus a Program Manager group made
// through shell DDE (older shells show it in the Start menu). Both buttons
// ask first; failures are silent, as the user has nothing to do about them.
#include <string>
#include <string_view>

namespace tikolvo {

inline constexpr const char* kAutorunValueName = "Tikolvo";
inline constexpr const char* kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The current user's registry, as far as autorun needs it.
class RunKeyRegistry {
 public:
  virtual ~RunKeyRegistry() = default;
  // Writes a string value into an existing key (the key is not created).
  virtual bool SetStringValue(const std::string& keyPath, const std::string& valueName,
                              const std::string& data) = 0;
  virtual bool DeleteValue(const std::string& keyPath, const std::string& valueName) = 0;
};

// The Program Manager's DDE service ("PROGMAN"/"PROGMAN"): every call is one
// whole conversation (connect, execute the command, disconnect).
class ProgmanDde {
 public:
  virtual ~ProgmanDde() = default;
  virtual bool Execute(const std::string& command) = 0;
};

struct ConfirmQuestion {
  std::string_view caption;
  std::string_view text;
  std::string_view cancelCaption;
  std::string_view actionCaption;
};

// The program's two-button question window; true only for the action button.
class Confirmer {
 public:
  virtual ~Confirmer() = default;
  virtual bool Confirm(const ConfirmQuestion& question) = 0;
};

inline constexpr ConfirmQuestion kAddToAutorunQuestion{
    "Tikolvo: Добавление в автозапуск", "Добавить программу в автозапуск?", "Отмена", "Добавить"};
inline constexpr ConfirmQuestion kRemoveFromAutorunQuestion{
    "Tikolvo: Удаление программы из автозапуска", "Удалить программу из автозапуска?", "Отмена", "Удалить"};

// Deletes the value named by a full path ("key\sub\value"), split at its last
// backslash into key and value name. A path without a backslash names no key.
bool DeleteValueAtPath(RunKeyRegistry& registry, const std::string& fullValuePath);

// Asks; on yes writes the Run value, then sends "[CreateGroup(Tikolvo,)]" and
// "[AddItem(<exe>,Tikolvo)]" as two separate conversations. Returns whether
// the user agreed.
bool AddToAutorun(const std::string& exePath, Confirmer& confirmer, RunKeyRegistry& registry, ProgmanDde& dde);

// Asks; on yes deletes the Run value. The Program Manager group stays.
bool RemoveFromAutorun(Confirmer& confirmer, RunKeyRegistry& registry);

}  // namespace tikolvo
