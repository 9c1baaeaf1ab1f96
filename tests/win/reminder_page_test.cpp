// The "Напоминания" page in a plain window: its controls show the settings
// of section "MESS", clicks write them back, and the list and its buttons
// work on message.db through the question window and the editor.
#include "win_test.h"

#include <string>
#include <vector>

#include "common/win/installed_fonts.h"
#include "reminder_test_support.h"
#include "reminders/reminder_list.h"
#include "reminders/win/reminder_editor_window.h"
#include "reminders/win/reminder_page_ids.h"
#include "reminders/win/reminder_page_view.h"

namespace tikolvo {
namespace {

using test::Click;
using test::TextOf;
using test::WhenShown;

constexpr int kAreaWidth = 548;
constexpr int kAreaHeight = 262;

// The page on its own host window, created from a fresh program folder.
struct PageFixture {
  test::ReminderFolder folder;
  SettingsStore app;
  HWND host = nullptr;
  ReminderPageView view{app};
  int changes = 0;

  explicit PageFixture(bool create = true) {
    app.programFolder = folder.path();
    if (create) Create();
  }
  ~PageFixture() {
    if (host) DestroyWindow(host);
  }
  void Create() {
    host = test::CreateHostWindow(kAreaWidth, kAreaHeight);
    REQUIRE(host);
    REQUIRE(view.Create(host, RECT{0, 0, kAreaWidth, kAreaHeight}));
    view.changed = [this] { ++changes; };
    ShowWindow(view.hwnd(), SW_SHOW);
  }

  HWND Item(int id) const { return GetDlgItem(view.hwnd(), id); }
  bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  int Selection(int id) const { return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)); }

  std::vector<std::string> ListLines() const {
    std::vector<std::string> lines;
    HWND list = Item(IDC_LB_mess_text);
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t text[600] = {};
      SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      lines.push_back(Narrow(text));
    }
    return lines;
  }
  void SelectLine(int index) const {
    SendMessageW(Item(IDC_LB_mess_text), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  // A choice in a drop-down list, reported to the page as the user's.
  void Choose(int id, int index) const {
    SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(view.hwnd(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
  }
};

// Three reminders written out of order: the list sorts them by start day.
void WriteThreeReminders(const std::string& path) {
  REQUIRE(AddReminder(path, "Весна", EncodeDate(2026, 3, 10), EncodeDate(2026, 3, 20)));
  REQUIRE(AddReminder(path, "Новый год", EncodeDate(2026, 12, 31), EncodeDate(2027, 1, 1)));
  REQUIRE(AddReminder(path, "Зима", EncodeDate(2026, 1, 15), EncodeDate(2026, 1, 15)));
}

std::string TextOfLine(const std::string& line) { return ViewOfReminderItem(line).text; }

TEST_CASE("the reminders page is a hidden child dialog that creates an empty message.db") {
  PageFixture page(false);
  CHECK_FALSE(FileExists(page.folder.File()));
  page.host = test::CreateHostWindow(kAreaWidth, kAreaHeight);
  REQUIRE(page.view.Create(page.host, RECT{0, 0, kAreaWidth, kAreaHeight}));
  CHECK(GetParent(page.view.hwnd()) == page.host);
  CHECK((GetWindowLongW(page.view.hwnd(), GWL_STYLE) & WS_CHILD) != 0);
  CHECK_FALSE(IsWindowVisible(page.view.hwnd()));
  // Everything the page holds fits the notebook's page area.
  RECT client;
  GetClientRect(page.view.hwnd(), &client);
  for (HWND child = GetWindow(page.view.hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, page.view.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    CHECK(r.right <= client.right);
    if (GetDlgCtrlID(child) != IDC_CB_mess_name_text && GetDlgCtrlID(child) != IDC_CB_MES_SIZE) {
      CHECK(r.bottom <= client.bottom);
    }
  }
  const std::optional<std::string> bytes = ReadWholeFile(page.folder.File());
  REQUIRE(bytes);
  CHECK(bytes->size() == 280);
  CHECK(page.ListLines().empty());
}

TEST_CASE("the page's controls take the settings of section MESS") {
  PageFixture page(false);
  const std::vector<std::string> fonts = InstalledFontNames();
  REQUIRE(fonts.size() >= 2);
  ReminderTextSettings& s = page.app.settings.reminders;
  s.draw = false;
  s.externalBase = false;
  s.corners = {false, false, false, true};
  s.sizeIndex = 5;
  s.fontIndex = 1;
  s.bold = true;
  s.underline = true;
  page.Create();

  CHECK_FALSE(page.Checked(IDC_CB_mess_activ));
  CHECK_FALSE(page.Checked(IDC_CB_vnesh_base));
  CHECK_FALSE(page.Checked(IDC_RB_M_1));
  CHECK(page.Checked(IDC_RB_M_4));
  CHECK(page.Selection(IDC_CB_MES_SIZE) == 5);
  CHECK(page.Checked(IDC_cb_bold1));
  CHECK_FALSE(page.Checked(IDC_cb_ital1));
  CHECK(page.Checked(IDC_cb_undr1));

  // The sizes 4 to 30 in steps of 2; index 2 is 8 points.
  HWND sizes = page.Item(IDC_CB_MES_SIZE);
  CHECK(SendMessageW(sizes, CB_GETCOUNT, 0, 0) == 14);
  wchar_t text[64] = {};
  SendMessageW(sizes, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text));
  CHECK(Narrow(text) == "8");
  SendMessageW(sizes, CB_GETLBTEXT, 13, reinterpret_cast<LPARAM>(text));
  CHECK(Narrow(text) == "30");

  // The font list is the installed-font list in its own order, so the index
  // means the same font.
  HWND fontList = page.Item(IDC_CB_mess_name_text);
  REQUIRE(SendMessageW(fontList, CB_GETCOUNT, 0, 0) == static_cast<LRESULT>(fonts.size()));
  CHECK(page.Selection(IDC_CB_mess_name_text) == 1);
  SendMessageW(fontList, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
  CHECK(Narrow(text) == fonts[1]);
  CHECK((GetWindowLongW(fontList, GWL_STYLE) & CBS_SORT) == 0);

  // Reloading shows changed settings, and a font index outside the list
  // leaves no selection.
  s.corners = {false, true, false, false};
  s.fontIndex = static_cast<int>(fonts.size()) + 3;
  s.draw = true;
  page.view.LoadControls();
  CHECK(page.Checked(IDC_RB_M_2));
  CHECK_FALSE(page.Checked(IDC_RB_M_4));
  CHECK(page.Selection(IDC_CB_mess_name_text) == -1);
  CHECK(page.Checked(IDC_CB_mess_activ));
  CHECK(page.changes == 0);  // loading is not a change
  test::SavePicture(page.host, "reminders_page_options");

  // For a look at the font list (open it with a click): TIKOLVO_DIALOG_PAUSE_MS
  // keeps the page on screen.
  const std::string pause = test::EnvVar(L"TIKOLVO_DIALOG_PAUSE_MS");
  if (!pause.empty()) {
    s.fontIndex = 1;
    page.view.LoadControls();
    SetForegroundWindow(page.host);
    SetFocus(fontList);
    test::Pump(static_cast<DWORD>(std::stoul(pause)));
  }
}

TEST_CASE("clicks on the page's controls write the settings at once") {
  PageFixture page;
  ReminderTextSettings& s = page.app.settings.reminders;
  REQUIRE(s.draw);
  Click(page.Item(IDC_CB_mess_activ));
  CHECK_FALSE(s.draw);
  CHECK_FALSE(page.Checked(IDC_CB_mess_activ));

  Click(page.Item(IDC_RB_M_3));
  CHECK(s.corners == std::array<bool, 4>{false, false, true, false});
  CHECK_FALSE(page.Checked(IDC_RB_M_1));

  Click(page.Item(IDC_cb_bold1));
  Click(page.Item(IDC_cb_ital1));
  CHECK(s.bold);
  CHECK(s.italic);
  CHECK_FALSE(s.underline);
  Click(page.Item(IDC_cb_bold1));
  CHECK_FALSE(s.bold);

  page.Choose(IDC_CB_MES_SIZE, 9);
  CHECK(s.sizeIndex == 9);
  page.Choose(IDC_CB_mess_name_text, 0);
  CHECK(s.fontIndex == 0);
  CHECK(page.changes == 7);
}

TEST_CASE("Внешняя база событий stays checked only while message_all.db exists") {
  PageFixture page;
  ReminderTextSettings& s = page.app.settings.reminders;
  s.externalBase = false;
  page.view.LoadControls();

  Click(page.Item(IDC_CB_vnesh_base));
  CHECK_FALSE(page.Checked(IDC_CB_vnesh_base));
  CHECK_FALSE(s.externalBase);

  REQUIRE(SaveFileAtomically(page.folder.File("message_all.db"), std::string(280, '\0')));
  Click(page.Item(IDC_CB_vnesh_base));
  CHECK(page.Checked(IDC_CB_vnesh_base));
  CHECK(s.externalBase);
  Click(page.Item(IDC_CB_vnesh_base));
  CHECK_FALSE(s.externalBase);
}

TEST_CASE("the colour boxes open the colour dialog and keep the colour chosen there") {
  PageFixture page;
  ReminderTextSettings& s = page.app.settings.reminders;
  REQUIRE(s.colour == 0xFFFFFF);
  {
    // The colour dialog's red, green and blue edits (706, 707, 708).
    WhenShown when(L"#32770", [](HWND d) {
      SetDlgItemInt(d, 706, 0x12, FALSE);
      SetDlgItemInt(d, 707, 0x34, FALSE);
      SetDlgItemInt(d, 708, 0x56, FALSE);
      SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(d, IDOK)));
    });
    Click(page.Item(IDC_CB_MES));
    CHECK(when.ran());
  }
  CHECK(s.colour == 0x563412u);
  {
    WhenShown when(L"#32770", [](HWND d) { SendMessageW(d, WM_COMMAND, IDCANCEL, 0); });
    Click(page.Item(IDC_CB_Visor_colors));
    CHECK(when.ran());
  }
  CHECK(s.markerColour == 0x00FF00u);  // cancelled: unchanged
  CHECK(page.changes == 1);
}

TEST_CASE("the list shows message.db's reminders sorted while the page is entered") {
  PageFixture page;
  WriteThreeReminders(page.folder.File());
  REQUIRE(DeleteReminder(page.folder.File(), 0) == ReminderFileResult::kSaved);  // "Весна" gone
  REQUIRE(AddReminder(page.folder.File(), "Весна снова", EncodeDate(2026, 4, 1), EncodeDate(2026, 4, 2)));
  CHECK(page.ListLines().empty());

  page.view.Entered();
  const std::vector<std::string> lines = page.ListLines();
  REQUIRE(lines.size() == 3);
  CHECK(TextOfLine(lines[0]) == "Зима");
  CHECK(TextOfLine(lines[1]) == "Весна снова");
  CHECK(TextOfLine(lines[2]) == "Новый год");
  // Each line carries its record: "Весна снова" took the freed record 0.
  CHECK(ReminderIndexOfItem(lines[1]) == 0);
  CHECK(ReminderIndexOfItem(lines[0]) == 2);
  CHECK(ViewOfReminderItem(lines[2]).period == "31/12-01/01");
  page.SelectLine(1);
  test::SavePicture(page.host, "reminders_page");

  page.view.Left();
  CHECK(page.ListLines().empty());
}

TEST_CASE("Удалить все asks first and, confirmed, leaves an empty message.db and an empty list") {
  PageFixture page;
  WriteThreeReminders(page.folder.File());
  page.view.Entered();
  std::string caption, text, ok, cancel;
  {
    WhenShown when(L"TF_message_d", [&](HWND d) {
      caption = TextOf(d);
      text = TextOf(FindWindowExW(d, nullptr, L"Static", nullptr));
      ok = TextOf(GetDlgItem(d, IDOK));
      cancel = TextOf(GetDlgItem(d, IDCANCEL));
      Click(GetDlgItem(d, IDCANCEL));
    });
    Click(page.Item(IDC_B_del_mess_all));
    CHECK(when.ran());
  }
  CHECK(caption == "Tikolvo");
  CHECK(text == "Удалить все напоминания?");
  CHECK(ok == "Удалить");
  CHECK(cancel == "Отмена");
  CHECK(page.ListLines().size() == 3);

  {
    WhenShown when(L"TF_message_d", [](HWND d) { Click(GetDlgItem(d, IDOK)); });
    Click(page.Item(IDC_B_del_mess_all));
  }
  CHECK(page.ListLines().empty());
  const std::optional<ReminderBase> base = LoadReminderBase(page.folder.File());
  REQUIRE(base);
  CHECK(base->size() == 1);
  CHECK_FALSE(base->IsActive(0));
}

TEST_CASE("Удалить asks with the reminder's text and frees only that record") {
  PageFixture page;
  WriteThreeReminders(page.folder.File());
  page.view.Entered();
  page.SelectLine(1);  // "Весна", record 0
  std::string text;
  {
    WhenShown when(L"TF_message_d", [&](HWND d) {
      text = TextOf(FindWindowExW(d, nullptr, L"Static", nullptr));
      Click(GetDlgItem(d, IDOK));
    });
    Click(page.Item(IDC_B_del_mess));
    CHECK(when.ran());
  }
  CHECK(text == "Удалить напоминание \r\n\"Весна\"?");
  const std::vector<std::string> lines = page.ListLines();
  REQUIRE(lines.size() == 2);
  CHECK(TextOfLine(lines[0]) == "Зима");
  CHECK(TextOfLine(lines[1]) == "Новый год");
  const std::optional<ReminderBase> base = LoadReminderBase(page.folder.File());
  REQUIRE(base);
  CHECK(base->size() == 3);
  CHECK_FALSE(base->IsActive(0));
  CHECK(base->IsActive(1));
  CHECK(base->IsActive(2));
}

TEST_CASE("without a selection Удалить and Редактировать ask nothing") {
  PageFixture page;
  WriteThreeReminders(page.folder.File());
  page.view.Entered();
  const std::string before = ReadWholeFile(page.folder.File()).value_or("");
  WhenShown question(L"TF_message_d", [](HWND d) { Click(GetDlgItem(d, IDCANCEL)); });
  Click(page.Item(IDC_B_del_mess));
  CHECK_FALSE(question.ran());
  WhenShown editor(L"TF_mess_text", [](HWND d) { Click(GetDlgItem(d, IDCANCEL)); });
  Click(page.Item(IDC_B_cha_mess));
  CHECK_FALSE(editor.ran());
  CHECK(ReadWholeFile(page.folder.File()).value_or("") == before);
}

TEST_CASE("Добавить opens the editor to add; the saved reminder appears in the list") {
  PageFixture page;
  WriteThreeReminders(page.folder.File());
  page.view.Entered();
  std::string caption;
  {
    WhenShown when(L"TF_mess_text", [&](HWND d) {
      caption = TextOf(d);
      test::Type(GetDlgItem(d, kIdReminderText), "День рождения");
      test::SetPickerDate(GetDlgItem(d, kIdReminderFrom), 2026, 2, 20);
      test::SetPickerDate(GetDlgItem(d, kIdReminderTo), 2026, 2, 20);
      Click(GetDlgItem(d, IDOK));
    });
    Click(page.Item(IDC_B_add_mess));
    CHECK(when.ran());
  }
  CHECK(caption == "Добавление сообщения");
  const std::vector<std::string> lines = page.ListLines();
  REQUIRE(lines.size() == 4);
  CHECK(TextOfLine(lines[1]) == "День рождения");
  CHECK(ViewOfReminderItem(lines[1]).period == "20/02");
  CHECK(ReminderIndexOfItem(lines[1]) == 3);

  // Cancelled, nothing changes.
  {
    WhenShown when(L"TF_mess_text", [](HWND d) { Click(GetDlgItem(d, IDCANCEL)); });
    Click(page.Item(IDC_B_add_mess));
  }
  CHECK(page.ListLines().size() == 4);
}

TEST_CASE("a double click on a line opens the editor on that reminder") {
  PageFixture page;
  WriteThreeReminders(page.folder.File());
  page.view.Entered();
  HWND list = page.Item(IDC_LB_mess_text);
  RECT line{};
  SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&line));  // "Новый год"
  const LPARAM at = MAKELPARAM(line.left + 10, (line.top + line.bottom) / 2);
  std::string caption, shown;
  WhenShown when(L"TF_mess_text", [&](HWND d) {
    caption = TextOf(d);
    shown = TextOf(GetDlgItem(d, kIdReminderText));
    test::Type(GetDlgItem(d, kIdReminderText), "Новый год!");
    Click(GetDlgItem(d, IDOK));
  });
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(list, WM_LBUTTONUP, 0, at);
  PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageW(list, WM_LBUTTONUP, 0, at);
  test::Pump(300);
  CHECK(when.ran());
  CHECK(caption == "Редактирование сообщения");
  CHECK(shown == "Новый год");
  const std::vector<std::string> lines = page.ListLines();
  REQUIRE(lines.size() == 3);
  CHECK(TextOfLine(lines[2]) == "Новый год!");
  CHECK(ReminderIndexOfItem(lines[2]) == 1);  // rewritten in place
}

TEST_CASE("Редактировать opens the editor on the selected reminder") {
  PageFixture page;
  WriteThreeReminders(page.folder.File());
  page.view.Entered();
  page.SelectLine(0);  // "Зима", record 2
  WhenShown when(L"TF_mess_text", [](HWND d) {
    test::SetPickerDate(GetDlgItem(d, kIdReminderTo), 2026, 2, 28);
    Click(GetDlgItem(d, IDOK));
  });
  Click(page.Item(IDC_B_cha_mess));
  CHECK(when.ran());
  const std::vector<std::string> lines = page.ListLines();
  REQUIRE(lines.size() == 3);
  CHECK(ViewOfReminderItem(lines[0]).period == "15/01-28/02");
  const std::optional<ReminderBase> base = LoadReminderBase(page.folder.File());
  REQUIRE(base);
  CHECK(base->At(2).text == "Зима");
  CHECK(base->At(2).end == EncodeDate(2026, 2, 28));
}

}  // namespace
}  // namespace tikolvo
