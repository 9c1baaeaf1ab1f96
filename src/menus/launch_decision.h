#pragma once
// What a click on a launcher entry does, decided without touching the
// system: the Windows layer carries the decision out (the shell's open
// operation, the clipboard, the message window, the scheduler's command
// entry). The few facts a decision needs from the system come through
// LaunchFacts.
#include <optional>
#include <string>

#include "common/dialog_request.h"

namespace tikolvo {

struct LaunchOptions {
  bool warnWhenMissing = false;               // "Выдать сообщение, если объект не найден"
  bool rightClickOpensFolder = false;         // "Правая кнопка - открытие папки с объектом"
  bool foldersFullScreen = false;             // "Открывать папку на полный экран"
  bool rightClickCopiesLink = false;          // "Правая кнопка - копирование ссылки"
  bool linksFullScreen = false;               // "Открывать окно на полный экран"
  bool registeredBrowserOnly = false;         // "Использовать только IE"
};

class LaunchFacts {
 public:
  virtual ~LaunchFacts() = default;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // The default value of "htmlfile\shell\open\command" under the classes
  // root; nullopt when it is missing.
  virtual std::optional<std::string> BrowserOpenCommand() = 0;
};

enum class LaunchKind {
  kNothing,
  kPlanCommand,  // run the scheduler's command `planCode`
  kNotice,       // show `notice`, start nothing
  kShellOpen,    // the shell's open operation with verb, file, parameters, folder
  kCopyText,     // put `text` on the clipboard
};

struct LaunchDecision {
  LaunchKind kind = LaunchKind::kNothing;
  int planCode = 0;
  Notice notice;
  std::string verb;  // "" = the default verb
  std::string file;
  std::string parameters;
  std::string folder;  // working folder, "" for none
  bool maximised = false;
  std::string text;

  bool operator==(const LaunchDecision&) const = default;
};

LaunchDecision ShellOpenDecision(std::string verb, std::string file, std::string parameters, std::string folder,
                                 bool maximised);

// The hint of a programs-menu entry: Name||Path][Params.
LaunchDecision LaunchProgramEntry(const std::string& hint, bool rightButton, const LaunchOptions& options,
                                  LaunchFacts& facts);
// The hint of a fixed web entry: its target.
LaunchDecision LaunchWebEntry(const std::string& hint, bool rightButton, const LaunchOptions& options,
                              LaunchFacts& facts);
// The hint of a link (group entries, ".url" files, favourites): its address.
LaunchDecision LaunchLinkEntry(const std::string& hint, bool rightButton, const LaunchOptions& options,
                               LaunchFacts& facts);

// The browser program of a registered open command: the text between its
// first two double quotes, or its first word when it is not quoted.
std::string BrowserProgram(const std::string& command);

}  // namespace tikolvo
