// The page "Меню программ" in a plain window, on a fresh prog_menu.db:
// the Delete key reaches the page through the list, every selected line is
// asked about from the last up, and whatever saves the file (the page or
// the drop window) is shown by the list.
#include "win_test.h"

#include <memory>
#include <string>
#include <vector>

#include "menus/menu_files.h"
#include "menus/win/launcher_host.h"
#include "menus/win/program_menu_page.h"
#include "reminder_test_support.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

using test::TextOf;
using test::WhenShown;

std::string QuestionText(HWND question) { return TextOf(FindWindowExW(question, nullptr, L"Static", nullptr)); }

TEST_CASE("the Delete key asks about each selected launcher line, last first, and deletes the confirmed ones") {
  test::ProgramFolder folder;
  SettingsStore store;
  store.programFolder = folder.path();
  const std::string file = folder.File(kProgramMenuFileName);
  REQUIRE(SaveMenuFile(file, LauncherKind::kPrograms, {"A||a.exe][", "B||b.exe][", "C||c.exe]["}));
  LauncherHost launchers(store);
  ProgramMenuPage page(store, launchers);
  launchers.rebuilt = [&page](LauncherKind) { page.Rebuilt(); };
  HWND host = test::CreateHostWindow(548, 262);
  REQUIRE(host);
  REQUIRE(page.Create(host, RECT{0, 0, 548, 262}));
  ShowWindow(page.hwnd(), SW_SHOW);
  launchers.Start();
  HWND list = GetDlgItem(page.hwnd(), IDC_LBProg);
  REQUIRE(SendMessageW(list, LB_GETCOUNT, 0, 0) == 3);

  SendMessageW(list, LB_SETSEL, TRUE, 0);
  SendMessageW(list, LB_SETSEL, TRUE, 2);
  std::vector<std::string> asked;
  std::unique_ptr<WhenShown> second;
  {
    WhenShown first(L"TF_message_d", [&](HWND d) {
      asked.push_back(QuestionText(d));
      second = std::make_unique<WhenShown>(L"TF_message_d", [&](HWND d2) {
        asked.push_back(QuestionText(d2));
        test::Click(GetDlgItem(d2, IDCANCEL));
      });
      test::Click(GetDlgItem(d, IDOK));
    });
    SetFocus(list);
    SendMessageW(list, WM_KEYDOWN, VK_DELETE, 0);
  }
  second.reset();
  CHECK(asked == std::vector<std::string>{"Удалить \"C\"?", "Удалить \"A\"?"});
  CHECK(MenuLines(LoadProgramMenu(file).value_or(std::vector<ProgramRecord>{})) ==
        std::vector<std::string>{"A||a.exe][", "B||b.exe]["});
  CHECK(SendMessageW(list, LB_GETCOUNT, 0, 0) == 2);

  // The drop window saves through the same host; the page follows.
  REQUIRE(launchers.AddEntry(LauncherKind::kPrograms, "D||d.exe]["));
  CHECK(SendMessageW(list, LB_GETCOUNT, 0, 0) == 3);
  DestroyWindow(host);
}

}  // namespace
}  // namespace tikolvo
