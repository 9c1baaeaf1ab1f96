#include "menus/launch_decision.h"

#include "common/text_record.h"
#include "common/utf8_text.h"
#include "menus/entry_line.h"
#include "scheduler/task_action_plan.h"

namespace tikolvo {
namespace {

LaunchDecision PlanCommand(int code) {
  LaunchDecision decision;
  decision.kind = LaunchKind::kPlanCommand;
  decision.planCode = code;
  return decision;
}

LaunchDecision MissingObject(const std::string& name) {
  LaunchDecision decision;
  decision.kind = LaunchKind::kNotice;
  decision.notice = {"Уведомление", "Объект \"" + name + "\" не найден, проверьте правильность пути."};
  return decision;
}

}  // namespace

LaunchDecision ShellOpenDecision(std::string verb, std::string file, std::string parameters, std::string folder,
                                 bool maximised) {
  LaunchDecision decision;
  decision.kind = LaunchKind::kShellOpen;
  decision.verb = std::move(verb);
  decision.file = std::move(file);
  decision.parameters = std::move(parameters);
  decision.folder = std::move(folder);
  decision.maximised = maximised;
  return decision;
}

LaunchDecision LaunchProgramEntry(const std::string& hint, bool rightButton, const LaunchOptions& options,
                                  LaunchFacts& facts) {
  const std::string path = MiddleOf(hint);
  if (const std::optional<int> code = SpecialCommandCode(path)) return PlanCommand(*code);
  const bool exists = !path.empty() && (facts.FileExists(path) || facts.FolderExists(path));
  if (options.warnWhenMissing && !exists) return MissingObject(HeadOf(hint));
  // A shortcut to nothing has no path: there is nothing to hand the shell.
  if (path.empty()) return {};
  const std::string folder = FolderOf(path);
  if (options.rightClickOpensFolder && rightButton) {
    if (folder.empty() || !facts.FolderExists(folder)) return {};
    return ShellOpenDecision("", folder, "", folder, options.foldersFullScreen);
  }
  const bool maximised = options.foldersFullScreen && LowerExtension(path).empty();
  return ShellOpenDecision("", path, LastOf(hint), folder, maximised);
}

LaunchDecision LaunchWebEntry(const std::string& hint, bool rightButton, const LaunchOptions& options,
                              LaunchFacts& facts) {
  if (const std::optional<int> code = SpecialCommandCode(hint)) return PlanCommand(*code);
  if (LowerExtension(hint) == ".exe") return ShellOpenDecision("", hint, "", "", true);
  return LaunchLinkEntry(hint, rightButton, options, facts);
}

LaunchDecision LaunchLinkEntry(const std::string& hint, bool rightButton, const LaunchOptions& options,
                               LaunchFacts& facts) {
  if (options.rightClickCopiesLink && rightButton) {
    LaunchDecision decision;
    decision.kind = LaunchKind::kCopyText;
    decision.text = hint;
    return decision;
  }
  if (hint.empty()) return {};
  if (!options.registeredBrowserOnly) return ShellOpenDecision("open", hint, hint, "", options.linksFullScreen);
  const std::optional<std::string> command = facts.BrowserOpenCommand();
  if (!command) return {};
  const std::string browser = BrowserProgram(*command);
  if (browser.empty()) return {};
  return ShellOpenDecision("open", browser, hint, "", options.linksFullScreen);
}

std::string BrowserProgram(const std::string& command) {
  const std::size_t open = command.find('"');
  if (open != std::string::npos) {
    const std::size_t close = command.find('"', open + 1);
    if (close != std::string::npos) return command.substr(open + 1, close - open - 1);
  }
  const std::string_view trimmed = TrimBlanks(command);
  return std::string(trimmed.substr(0, trimmed.find(' ')));
}

}  // namespace tikolvo
