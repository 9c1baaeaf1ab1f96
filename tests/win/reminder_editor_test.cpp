// The reminder editor TF_mess_text as the reminders page uses it: opened to
// add or to edit, answered by its buttons and keys, keeping the period in
// order, and writing message.db only through its ok button.
#include "win_test.h"

#include <string>
#include <vector>

#include "common/win/error_report.h"
#include "reminder_test_support.h"
#include "reminders/reminder_editor.h"
#include "reminders/win/reminder_editor_window.h"

namespace tikolvo {
namespace {

using test::Click;
using test::PickerDate;
using test::SetPickerDate;
using test::TextOf;
using test::Type;
using test::WhenShown;

HWND TextEdit(HWND editor) { return GetDlgItem(editor, kIdReminderText); }
HWND FromPicker(HWND editor) { return GetDlgItem(editor, kIdReminderFrom); }
HWND ToPicker(HWND editor) { return GetDlgItem(editor, kIdReminderTo); }

// What the picker's DTN_CLOSEUP tells its window when the drop-down closes.
void CloseDropDown(HWND editor, HWND picker) {
  NMHDR header{picker, static_cast<UINT_PTR>(GetDlgCtrlID(picker)), static_cast<UINT>(DTN_CLOSEUP)};
  SendMessageW(editor, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void Press(HWND target, UINT key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

// Runs the messages waiting for the dialog the way its own loop does.
void PumpDialog(HWND dialog) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

std::vector<std::string> g_reports;
void RecordReport(std::string_view text) { g_reports.emplace_back(text); }

TEST_CASE("the editor opened to add: caption, buttons, today in both pickers; Ok adds the reminder") {
  test::ReminderFolder folder;
  std::string caption, ok, cancel, label;
  SYSTEMTIME from{}, to{};
  WhenShown when(L"TF_mess_text", [&](HWND d) {
    caption = TextOf(d);
    ok = TextOf(GetDlgItem(d, IDOK));
    cancel = TextOf(GetDlgItem(d, IDCANCEL));
    label = TextOf(FindWindowExW(d, nullptr, L"Static", nullptr));
    from = PickerDate(FromPicker(d));
    to = PickerDate(ToPicker(d));
    CHECK(GetFocus() == TextEdit(d));
    test::SavePicture(d, "TF_mess_text");
    Type(TextEdit(d), "Позвонить маме");
    SetPickerDate(FromPicker(d), 2026, 3, 8);
    SetPickerDate(ToPicker(d), 2026, 3, 9);
    Click(GetDlgItem(d, IDOK));
  });
  const DateTime now = EncodeDateTime(CivilTime{2026, 12, 8, 14, 30, 0});
  CHECK(RunReminderEditor(nullptr, folder.File(), OpenReminderEditorToAdd(now)));
  CHECK(when.ran());
  CHECK(caption == "Добавление сообщения");
  CHECK(ok == "Добавить");
  CHECK(cancel == "Отмена");
  CHECK(label == "Текст сообщения:");
  CHECK((from.wYear == 2026 && from.wMonth == 12 && from.wDay == 8));
  CHECK((to.wYear == 2026 && to.wMonth == 12 && to.wDay == 8));
  CHECK(FindWindowW(L"TF_mess_text", nullptr) == nullptr);

  // A missing message.db is created with the reminder; the time of day the
  // editor was opened at stays with the dates.
  const std::optional<ReminderBase> base = LoadReminderBase(folder.File());
  REQUIRE(base);
  REQUIRE(base->size() == 1);
  const Reminder stored = base->At(0);
  CHECK(stored.text == "Позвонить маме");
  CHECK(stored.start == EncodeDateTime(CivilTime{2026, 3, 8, 14, 30, 0}));
  CHECK(stored.end == EncodeDateTime(CivilTime{2026, 3, 9, 14, 30, 0}));
  CHECK(stored.active);
}

TEST_CASE("the editor opened to edit shows the record and Изменить rewrites it in place") {
  test::ReminderFolder folder;
  REQUIRE(AddReminder(folder.File(), "Первое", EncodeDate(2026, 1, 5), EncodeDate(2026, 1, 6)));
  REQUIRE(AddReminder(folder.File(), "Второе", EncodeDate(2026, 2, 1), EncodeDate(2026, 2, 1)));
  std::string caption, ok, shown;
  SYSTEMTIME from{};
  WhenShown when(L"TF_mess_text", [&](HWND d) {
    caption = TextOf(d);
    ok = TextOf(GetDlgItem(d, IDOK));
    shown = TextOf(TextEdit(d));
    from = PickerDate(FromPicker(d));
    Type(TextEdit(d), "Второе, исправленное");
    SetPickerDate(ToPicker(d), 2026, 2, 14);
    Click(GetDlgItem(d, IDOK));
  });
  CHECK(RunReminderEditor(nullptr, folder.File(), OpenReminderEditorToEdit(folder.File(), 1, 0)));
  CHECK(caption == "Редактирование сообщения");
  CHECK(ok == "Изменить");
  CHECK(shown == "Второе");
  CHECK((from.wMonth == 2 && from.wDay == 1));
  const std::optional<ReminderBase> base = LoadReminderBase(folder.File());
  REQUIRE(base);
  REQUIRE(base->size() == 2);
  CHECK(base->At(0).text == "Первое");
  CHECK(base->At(1).text == "Второе, исправленное");
  CHECK(base->At(1).end == EncodeDate(2026, 2, 14));
}

TEST_CASE("Отмена, Esc and closing the editor save nothing") {
  test::ReminderFolder folder;
  {
    WhenShown when(L"TF_mess_text", [](HWND d) {
      Type(TextEdit(d), "Не сохранять");
      Click(GetDlgItem(d, IDCANCEL));
    });
    CHECK_FALSE(RunReminderEditor(nullptr, folder.File(), OpenReminderEditorToAdd(0)));
    CHECK(when.ran());
  }
  {
    WhenShown when(L"TF_mess_text", [](HWND d) {
      Type(TextEdit(d), "Тоже нет");
      Press(TextEdit(d), VK_ESCAPE);
    });
    CHECK_FALSE(RunReminderEditor(nullptr, folder.File(), OpenReminderEditorToAdd(0)));
  }
  {
    WhenShown when(L"TF_mess_text", [](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); });
    CHECK_FALSE(RunReminderEditor(nullptr, folder.File(), OpenReminderEditorToAdd(0)));
  }
  CHECK_FALSE(FileExists(folder.File()));
}

TEST_CASE("Enter in the text saves, and the text takes at most 250 characters") {
  test::ReminderFolder folder;
  int limit = 0;
  WhenShown when(L"TF_mess_text", [&](HWND d) {
    limit = static_cast<int>(SendMessageW(TextEdit(d), EM_GETLIMITTEXT, 0, 0));
    Type(TextEdit(d), std::string(300, 'z'));
    Press(TextEdit(d), VK_RETURN);
  });
  CHECK(RunReminderEditor(nullptr, folder.File(), OpenReminderEditorToAdd(EncodeDate(2026, 5, 1))));
  CHECK(limit == 250);
  const std::optional<ReminderBase> base = LoadReminderBase(folder.File());
  REQUIRE(base);
  REQUIRE(base->size() == 1);
  CHECK(base->At(0).text == std::string(250, 'z'));
}

TEST_CASE("Tab goes from the text to the pickers and on to the buttons") {
  test::ReminderFolder folder;
  std::vector<HWND> visited;
  HWND from = nullptr, to = nullptr, ok = nullptr;
  WhenShown when(L"TF_mess_text", [&](HWND d) {
    from = FromPicker(d);
    to = ToPicker(d);
    ok = GetDlgItem(d, IDOK);
    for (int i = 0; i < 3; ++i) {
      Press(GetFocus(), VK_TAB);
      PumpDialog(d);
      HWND focus = GetFocus();
      // A picker may hand the focus to a part of itself.
      while (focus && GetParent(focus) != d) focus = GetParent(focus);
      visited.push_back(focus);
    }
    Click(GetDlgItem(d, IDCANCEL));
  });
  RunReminderEditor(nullptr, folder.File(), OpenReminderEditorToAdd(0));
  REQUIRE(visited.size() == 3);
  CHECK(visited[0] == from);
  CHECK(visited[1] == to);
  CHECK(visited[2] == ok);
}

TEST_CASE("closing a picker's drop-down keeps the period in order") {
  test::ReminderFolder folder;
  SYSTEMTIME endAfterStart{}, startAfterEnd{};
  WhenShown when(L"TF_mess_text", [&](HWND d) {
    SetPickerDate(FromPicker(d), 2026, 6, 10);
    SetPickerDate(ToPicker(d), 2026, 6, 1);
    CloseDropDown(d, FromPicker(d));  // a start after the end moves the end
    endAfterStart = PickerDate(ToPicker(d));
    SetPickerDate(ToPicker(d), 2026, 5, 20);
    CloseDropDown(d, ToPicker(d));  // an end before the start moves the start
    startAfterEnd = PickerDate(FromPicker(d));
    Click(GetDlgItem(d, IDCANCEL));
  });
  RunReminderEditor(nullptr, folder.File(), OpenReminderEditorToAdd(EncodeDate(2026, 6, 1)));
  CHECK((endAfterStart.wMonth == 6 && endAfterStart.wDay == 10));
  CHECK((startAfterEnd.wMonth == 5 && startAfterEnd.wDay == 20));
}

TEST_CASE("a blank text is refused with a notice and the editor stays open") {
  test::ReminderFolder folder;
  std::string notice;
  bool stillOpen = false;
  WhenShown when(L"TF_mess_text", [&](HWND d) {
    Type(TextEdit(d), "   ");
    {
      WhenShown answer(L"TF_message", [&](HWND n) {
        notice = TextOf(FindWindowExW(n, nullptr, L"Static", nullptr));
        Click(GetDlgItem(n, IDOK));
      });
      Click(GetDlgItem(d, IDOK));
    }
    stillOpen = IsWindow(d) && IsWindowVisible(d);
    Type(TextEdit(d), "Теперь с текстом");
    Click(GetDlgItem(d, IDOK));
  });
  CHECK(RunReminderEditor(nullptr, folder.File(), OpenReminderEditorToAdd(EncodeDate(2026, 7, 1))));
  CHECK(notice == "Введите текст напоминания.");
  CHECK(stillOpen);
  const std::optional<ReminderBase> base = LoadReminderBase(folder.File());
  REQUIRE(base);
  CHECK(base->At(0).text == "Теперь с текстом");
}

TEST_CASE("a reminder file that cannot be written is reported and the typed text stays in the editor") {
  test::ReminderFolder folder;
  const std::string unwritable = folder.path() + "нет такой папки\\message.db";
  g_reports.clear();
  SetErrorReporter(&RecordReport);
  std::string kept;
  WhenShown when(L"TF_mess_text", [&](HWND d) {
    Type(TextEdit(d), "Важное");
    Click(GetDlgItem(d, IDOK));
    kept = IsWindow(d) ? TextOf(TextEdit(d)) : std::string();
    Click(GetDlgItem(d, IDCANCEL));
  });
  CHECK_FALSE(RunReminderEditor(nullptr, unwritable, OpenReminderEditorToAdd(EncodeDate(2026, 7, 1))));
  SetErrorReporter(nullptr);
  REQUIRE(g_reports.size() == 1);
  CHECK(g_reports[0].find("message.db") != std::string::npos);
  CHECK(kept == "Важное");
}

}  // namespace
}  // namespace tikolvo
