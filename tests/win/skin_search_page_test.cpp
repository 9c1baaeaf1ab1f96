// The skin search on its own thread: the list reaches the thread that made
// the receiver, and a receiver may go away while its worker still runs. The
// "Темы" page fills its list from it and accepts a skin that fails to load
// only by its button, never by a double click.
#include "win_test.h"

#include <string>
#include <vector>

#include "common/file_io.h"
#include "dialog_test_support.h"
#include "reminder_test_support.h"
#include "settings/skin_choice.h"
#include "settings/win/conf_ids.h"
#include "skin/win/find_skin_thread.h"
#include "skin/win/themes_page.h"

namespace tikolvo {
namespace {

std::string Header(int type) {
  std::string header(12, '\0');
  header[8] = static_cast<char>(type);
  return header;
}

// Runs the thread's messages until `done` or ten seconds passed.
template <typename Done>
bool PumpUntil(Done done) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (!done() && GetTickCount() - start < 10000) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(5);
  }
  return done();
}

TEST_CASE("a skin search delivers its whole list on the receiving thread, and outlives a receiver that went away") {
  test::ProgramFolder first;
  REQUIRE(SaveFileAtomically(first.File("plain.tks"), Header(1)));
  test::ProgramFolder second;
  REQUIRE(SaveFileAtomically(second.File("Glass.TKS"), Header(3)));
  REQUIRE(SaveFileAtomically(second.File("notes.txt"), "not a skin"));
  const std::vector<std::string> secondList{second.File("Glass.TKS") + "||+"};

  std::vector<std::vector<std::string>> deliveries;
  DWORD deliveredOn = 0;
  SkinSearchReceiver receiver([&](std::vector<std::string> entries) {
    deliveredOn = GetCurrentThreadId();
    deliveries.push_back(std::move(entries));
  });
  REQUIRE(receiver.StartSearch(second.path(), false));
  REQUIRE(PumpUntil([&] { return !deliveries.empty() && deliveries.back() == secondList; }));
  CHECK(deliveredOn == GetCurrentThreadId());

  // The worker outlives its receiver; the next search still works.
  {
    SkinSearchReceiver gone([](std::vector<std::string>) { FAIL("delivered to a receiver that is gone"); });
    REQUIRE(gone.StartSearch(second.path(), false));
  }
  const std::size_t before = deliveries.size();
  REQUIRE(receiver.StartSearch(first.path(), false));
  REQUIRE(PumpUntil([&] { return deliveries.size() > before; }));
  CHECK(deliveries.back() == std::vector<std::string>{first.File("plain.tks") + "||*"});
}

// Stands in for the clock: every skin it is given fails to load.
struct FailingClock : SkinSwitch {
  bool LoadSkin(const std::string& path) override {
    asked.push_back(path);
    return false;
  }
  std::vector<std::string> asked;
};

void Command(HWND page, int id, int code) {
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

TEST_CASE("a skin that fails to load is taken by the accept button only, not by a double click") {
  test::ProgramFolder folder;
  const std::string skins = folder.File("skins");
  REQUIRE(CreateDirectoryW(Widen(skins).c_str(), nullptr));
  const std::string archive = skins + "\\broken.tks";
  REQUIRE(SaveFileAtomically(archive, Header(1) + "the directory is missing"));
  SettingsStore store;
  store.programFolder = folder.path();
  FailingClock clock;
  {
    ThemesPage page(store, clock);
    HWND host = test::CreateHostWindow(570, 340);
    REQUIRE(host);
    REQUIRE(page.Create(host, RECT{0, 0, 570, 340}));
    page.Opening();
    HWND list = GetDlgItem(page.hwnd(), IDC_LBSkins);
    REQUIRE(PumpUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 1; }));
    SendMessageW(list, LB_SETCURSEL, 0, 0);

    Command(page.hwnd(), IDC_LBSkins, LBN_DBLCLK);
    CHECK(clock.asked == std::vector<std::string>{archive});
    CHECK_FALSE(FileExists(folder.File("skin.cfg")));
    CHECK(test::TextOf(GetDlgItem(page.hwnd(), IDC_ENameS)) == "default");

    Command(page.hwnd(), IDC_B_prin_skin, BN_CLICKED);
    CHECK(clock.asked.size() == 2);
    CHECK(ReadCurrentSkinFile(folder.File("skin.cfg"), folder.path()).stored == archive);
    CHECK(test::TextOf(GetDlgItem(page.hwnd(), IDC_ENameS)) == "broken.tks");
    DestroyWindow(host);
  }
  DeleteFileW(Widen(archive).c_str());
  RemoveDirectoryW(Widen(skins).c_str());
}

}  // namespace
}  // namespace tikolvo
