// What a click on a launcher entry decides to do.
#include <gtest/gtest.h>

#include <set>

#include "menus/drop_entry.h"
#include "menus/launch_decision.h"

namespace tikolvo {
namespace {

class Facts : public LaunchFacts {
 public:
  bool FileExists(const std::string& path) override { return files.count(path) > 0; }
  bool FolderExists(const std::string& path) override { return folders.count(path) > 0; }
  std::optional<std::string> BrowserOpenCommand() override { return browser; }

  std::set<std::string> files{"C:\\w\\calc.exe"};
  std::set<std::string> folders{"C:\\w\\", "C:\\Docs"};
  std::optional<std::string> browser;
};

LaunchDecision Open(std::string verb, std::string file, std::string parameters, std::string folder, bool maximised) {
  return ShellOpenDecision(std::move(verb), std::move(file), std::move(parameters), std::move(folder), maximised);
}

TEST(LaunchDecision, SpecialCommandsInAnyCaseRunTheSchedulerCommand) {
  Facts facts;
  const LaunchOptions options;
  EXPECT_EQ(LaunchProgramEntry("Отбой||:Disconnect][", false, options, facts).planCode, 206);
  EXPECT_EQ(LaunchProgramEntry("x||:SHUTDOWN][", true, options, facts).planCode, 204);
  EXPECT_EQ(LaunchWebEntry(":wait", false, options, facts).planCode, 208);
  EXPECT_EQ(LaunchWebEntry(":reBoot", false, options, facts).kind, LaunchKind::kPlanCommand);
  // Only the whole target is a command.
  EXPECT_EQ(LaunchWebEntry(":shutdown][:reboot", false, options, facts).kind, LaunchKind::kShellOpen);
}

TEST(LaunchDecision, ProgramEntriesOpenTheirPathOrTellWhatIsMissing) {
  Facts facts;
  LaunchOptions options;
  EXPECT_EQ(LaunchProgramEntry("Калькулятор||C:\\w\\calc.exe]['-x y'", false, options, facts),
            Open("", "C:\\w\\calc.exe", "'-x y'", "C:\\w\\", false));
  options.foldersFullScreen = true;
  EXPECT_EQ(LaunchProgramEntry("Документы||C:\\Docs][", false, options, facts),
            Open("", "C:\\Docs", "", "C:\\", true));
  // Without the warning a missing program still goes to the shell.
  EXPECT_EQ(LaunchProgramEntry("Старое||D:\\old.exe][", false, options, facts).kind, LaunchKind::kShellOpen);

  options.warnWhenMissing = true;
  const LaunchDecision missing = LaunchProgramEntry("Старое||D:\\old.exe][", false, options, facts);
  EXPECT_EQ(missing.kind, LaunchKind::kNotice);
  EXPECT_EQ(missing.notice, (Notice{"Уведомление", "Объект \"Старое\" не найден, проверьте правильность пути."}));
  // A shortcut to nothing: told when asked for, never handed to the shell.
  EXPECT_EQ(LaunchProgramEntry("Ничто||][", false, options, facts).kind, LaunchKind::kNotice);
  options.warnWhenMissing = false;
  EXPECT_EQ(LaunchProgramEntry("Ничто||][", false, options, facts).kind, LaunchKind::kNothing);
}

TEST(LaunchDecision, TheRightButtonOpensTheFolderOrCopiesTheLink) {
  Facts facts;
  LaunchOptions options;
  options.rightClickOpensFolder = true;
  options.rightClickCopiesLink = true;
  EXPECT_EQ(LaunchProgramEntry("К||C:\\w\\calc.exe][-x", true, options, facts), Open("", "C:\\w\\", "", "C:\\w\\", false));
  EXPECT_EQ(LaunchProgramEntry("К||E:\\gone\\a.exe][", true, options, facts).kind, LaunchKind::kNothing);
  const LaunchDecision copied = LaunchLinkEntry("http://ya.ru", true, options, facts);
  EXPECT_EQ(copied.kind, LaunchKind::kCopyText);
  EXPECT_EQ(copied.text, "http://ya.ru");
  EXPECT_EQ(LaunchWebEntry("http://ya.ru", true, options, facts).kind, LaunchKind::kCopyText);
  // A program in the web menu starts, maximised, whichever button chose it.
  EXPECT_EQ(LaunchWebEntry("C:\\w\\calc.EXE", true, options, facts), Open("", "C:\\w\\calc.EXE", "", "", true));
  options.rightClickOpensFolder = options.rightClickCopiesLink = false;
  EXPECT_EQ(LaunchProgramEntry("К||C:\\w\\calc.exe][-x", true, options, facts).file, "C:\\w\\calc.exe");
}

TEST(LaunchDecision, LinksOpenThroughTheRegisteredBrowserWhenAskedTo) {
  Facts facts;
  LaunchOptions options;
  options.linksFullScreen = true;
  EXPECT_EQ(LaunchLinkEntry("http://a", false, options, facts), Open("open", "http://a", "http://a", "", true));
  options.registeredBrowserOnly = true;
  EXPECT_EQ(LaunchLinkEntry("http://a", false, options, facts).kind, LaunchKind::kNothing);
  facts.browser = "\"C:\\Program Files\\IE\\iexplore.exe\" -nohome";
  EXPECT_EQ(LaunchWebEntry("http://a", false, options, facts),
            Open("open", "C:\\Program Files\\IE\\iexplore.exe", "http://a", "", true));
  EXPECT_EQ(BrowserProgram("C:\\IE\\iexplore.exe %1"), "C:\\IE\\iexplore.exe");
}

TEST(DropEntry, NameLosesEveryCopyOfItsExtensionAndUrlFilesGoToTheWebMenu) {
  EXPECT_EQ(DropProposedName("C:\\r\\report.doc"), "report");
  EXPECT_EQ(DropProposedName("C:\\r\\a.doc.doc"), "a");
  EXPECT_EQ(DropProposedName("C:\\r\\x.docs.doc"), "xs");
  EXPECT_EQ(DropProposedName("C:\\My.Tools\\Readme"), "Readme");
  EXPECT_EQ(DropProposedName("C:\\Docs\\"), "Docs");
  EXPECT_EQ(DropProposedName("C:\\u\\.profile"), ".profile");
  EXPECT_EQ(DropProposedMenu("C:\\Fav\\Поиск.URL"), LauncherKind::kWeb);
  EXPECT_EQ(DropProposedMenu("C:\\Tools\\app.exe"), LauncherKind::kPrograms);
  EXPECT_EQ(DropProposedMenu("C:\\Tools.url\\app"), LauncherKind::kPrograms);
  EXPECT_EQ(DropEntryLine(LauncherKind::kPrograms, "app", "C:\\Tools\\app.exe"), "app||C:\\Tools\\app.exe][");
  EXPECT_EQ(DropEntryLine(LauncherKind::kWeb, "Поиск", "C:\\Fav\\Поиск.url"), "Поиск||C:\\Fav\\Поиск.url");
}

}  // namespace
}  // namespace tikolvo
