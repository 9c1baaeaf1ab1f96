// The notice, question and input windows as their callers meet them: shown
// modally (or not), answered by buttons, keys and closing, with the texts the
// callers gave and the answers they expect back.
#include "win_test.h"

#include <optional>
#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "common/dialog_layout.h"
#include "common/win/dialog_frame.h"
#include "common/win/message_dialogs.h"
#include "settings/win/autorun_win.h"

namespace tikolvo {
namespace {

using test::TextOf;
using test::WhenShown;

void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// A key as the user presses it: into the focused control, through the
// dialog's own loop.
void Press(HWND dialog, UINT key) {
  HWND target = GetFocus() ? GetFocus() : dialog;
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

void Type(HWND edit, const std::string& text) {
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  for (wchar_t c : Widen(text)) SendMessageW(edit, WM_CHAR, c, 1);
}

std::string LabelText(HWND dialog) { return TextOf(FindWindowExW(dialog, nullptr, L"Static", nullptr)); }

RECT ClientBox(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

constexpr char kPinNotice[] =
    "Игнорирование закрепления окна осуществляется путем зажатия клавиши Shift. "
    "Т.е. зажав Shift можно передвинуть закрепленное окно.";

TEST_CASE("the notice carries its caption as window text and answers Ok with true") {
  std::string caption, text, button;
  LONG style = 0;
  WhenShown when(L"TF_message", [&](HWND d) {
    caption = TextOf(d);
    text = LabelText(d);
    button = TextOf(GetDlgItem(d, IDOK));
    style = GetWindowLongW(d, GWL_STYLE);
    test::SavePicture(d, "TF_message");
    Click(d, IDOK);
  });
  CHECK(ShowNotice(nullptr, "Tikolvo: Уведомление", kPinNotice));
  CHECK(when.ran());
  CHECK(caption == "Tikolvo: Уведомление");
  CHECK(text == kPinNotice);
  CHECK(button == "Ok");
  CHECK((style & WS_POPUP) != 0);
  CHECK((style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_BORDER | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);
  CHECK(FindWindowW(L"TF_message", nullptr) == nullptr);
}

TEST_CASE("a modal window disables its owner until it closes; Esc answers false") {
  HWND owner = CreateWindowExW(0, L"Static", L"owner", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  REQUIRE(owner);
  HWND child = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, owner, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  bool ownerEnabled = true;
  HWND ownerOfDialog = nullptr;
  WhenShown when(L"TF_message", [&](HWND d) {
    ownerEnabled = IsWindowEnabled(owner);
    ownerOfDialog = GetWindow(d, GW_OWNER);
    Press(d, VK_ESCAPE);
  });
  // Handed a child, the window belongs to (and disables) its top-level window.
  CHECK_FALSE(ShowNotice(child, "Tikolvo: Уведомление", "Отчет создан и сохранен."));
  CHECK(when.ran());
  CHECK_FALSE(ownerEnabled);
  CHECK(ownerOfDialog == owner);
  CHECK(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

TEST_CASE("a modeless notice stays on top, leaves the activation alone and closes itself on Ok") {
  HWND active = CreateWindowExW(0, L"Static", L"active", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(active);
  SetActiveWindow(active);
  CHECK_FALSE(ShowNotice(nullptr, "Tikolvo: Планировщик", "Пора обедать", NoticeMode::Modeless, kSchedulerPicture));
  HWND notice = FindWindowW(L"TF_message", L"Tikolvo: Планировщик");
  REQUIRE(notice);
  CHECK(IsWindowVisible(notice));
  CHECK((GetWindowLongW(notice, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  CHECK(GetActiveWindow() == active);
  CHECK(LabelText(notice) == "Пора обедать");
  Click(notice, IDOK);
  test::Pump(50);
  CHECK_FALSE(IsWindow(notice));

  ShowNotice(nullptr, "Tikolvo: Планировщик", "Второе", NoticeMode::Modeless);
  CHECK(FindWindowW(L"TF_message", nullptr) != nullptr);
  CloseModelessNotices();
  CHECK(FindWindowW(L"TF_message", nullptr) == nullptr);
  DestroyWindow(active);
}

TEST_CASE("the question window answers true only through its action button") {
  struct Way {
    const char* name;
    void (*answer)(HWND);
    bool expected;
  };
  const Way ways[] = {
      {"action button", [](HWND d) { Click(d, IDOK); }, true},
      {"Enter", [](HWND d) { Press(d, VK_RETURN); }, true},
      {"cancel button", [](HWND d) { Click(d, IDCANCEL); }, false},
      {"Esc", [](HWND d) { Press(d, VK_ESCAPE); }, false},
      {"closing", [](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); }, false},
  };
  for (const Way& way : ways) {
    CAPTURE(way.name);
    std::string caption, okText, cancelText;
    WhenShown when(L"TF_message_d", [&](HWND d) {
      caption = TextOf(d);
      okText = TextOf(GetDlgItem(d, IDOK));
      cancelText = TextOf(GetDlgItem(d, IDCANCEL));
      if (way.expected) test::SavePicture(d, "TF_message_d");
      way.answer(d);
    });
    const bool answer = AskConfirmation(nullptr, "Tikolvo", "Удалить напоминание \n\"День рождения мамы\"?",
                                        "Отмена", "Удалить");
    CHECK(when.ran());
    CHECK(answer == way.expected);
    CHECK(caption == "Tikolvo");
    CHECK(okText == "Удалить");
    CHECK(cancelText == "Отмена");
  }
}

TEST_CASE("the autorun questions go through the question window") {
  std::string caption, okText;
  WhenShown when(L"TF_message_d", [&](HWND d) {
    caption = TextOf(d);
    okText = TextOf(GetDlgItem(d, IDOK));
    Click(d, IDOK);
  });
  WindowConfirmer confirmer(nullptr);
  CHECK(confirmer.Confirm(kRemoveFromAutorunQuestion));
  CHECK(caption == "Tikolvo: Удаление программы из автозапуска");
  CHECK(okText == "Удалить");
}

struct InputRun {
  std::vector<std::string> labels, initial;
  std::vector<RECT> labelBoxes, editBoxes;
  int height = 0;
  std::optional<std::vector<std::string>> answer;
};

// Shows the input window with the given fields, types the given texts (an
// empty one is left alone) and answers with the given action.
InputRun RunInput(const InputQuestion& q, const std::vector<std::string>& typed, void (*answer)(HWND),
                  const char* picture = nullptr) {
  InputRun run;
  WhenShown when(L"TF_message_e", [&](HWND d) {
    RECT r;
    GetWindowRect(d, &r);
    run.height = r.bottom - r.top;
    for (HWND c = GetWindow(d, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      wchar_t cls[32];
      GetClassNameW(c, cls, 32);
      if (lstrcmpiW(cls, L"Static") == 0) run.labels.push_back(TextOf(c)), run.labelBoxes.push_back(ClientBox(d, c));
      if (lstrcmpiW(cls, L"Edit") == 0) run.initial.push_back(TextOf(c)), run.editBoxes.push_back(ClientBox(d, c));
    }
    for (size_t i = 0; i < typed.size(); ++i) {
      if (!typed[i].empty()) Type(GetDlgItem(d, kIdFirstEdit + static_cast<int>(i)), typed[i]);
    }
    if (picture) test::SavePicture(d, picture);
    answer(d);
  });
  run.answer = AskTexts(nullptr, q);
  CHECK(when.ran());
  return run;
}

int At(int pixels) { return dialog::Scale(pixels, ScreenDpi()); }

TEST_CASE("one field: label and edit in their places, the typed text comes back") {
  InputQuestion q{"Tikolvo: Добавление подключения", {{"Название подключения", "Новое"}}, "Отмена", "Добавить"};
  const InputRun run = RunInput(q, {"Домашний интернет"}, [](HWND d) { Click(d, IDOK); }, "TF_message_e");
  REQUIRE(run.answer.has_value());
  CHECK(*run.answer == std::vector<std::string>{"Домашний интернет"});
  CHECK(run.labels == std::vector<std::string>{"Название подключения"});
  CHECK(run.initial == std::vector<std::string>{"Новое"});
  REQUIRE(run.editBoxes.size() == 1);
  CHECK(run.labelBoxes[0].left == At(72));
  CHECK(run.labelBoxes[0].top == At(48));
  CHECK(run.editBoxes[0].left == At(72));
  CHECK(run.editBoxes[0].top == At(72));
  CHECK(run.height == At(143));
}

TEST_CASE("two and three fields: stacked edits, every typed text back in order") {
  InputQuestion two{"Добавление URL", {{"Название пункта меню", ""}, {"Адрес страницы", "http://"}}, "Отмена",
                    "Добавить"};
  const InputRun run = RunInput(two, {"Новости", "http://example.org/"}, [](HWND d) { Press(d, VK_RETURN); });
  REQUIRE(run.answer.has_value());
  CHECK(*run.answer == std::vector<std::string>{"Новости", "http://example.org/"});
  REQUIRE(run.editBoxes.size() == 2);
  CHECK(run.labelBoxes[0].top == At(32));
  CHECK(run.editBoxes[0].top == At(48));
  CHECK(run.labelBoxes[1].top == At(80));
  CHECK(run.editBoxes[1].top == At(96));
  // The buttons' band starts below the second edit.
  CHECK(run.height >= run.editBoxes[1].bottom + At(42));

  InputQuestion three{"Tikolvo: Добавление программы", {{"Название", ""}, {"Путь", ""}, {"", "-min"}}};
  const InputRun run3 = RunInput(three, {"Блокнот", "C:\\Windows\\notepad.exe", ""}, [](HWND d) { Click(d, IDOK); },
                                 "TF_message_e_3");
  REQUIRE(run3.answer.has_value());
  CHECK(*run3.answer == std::vector<std::string>{"Блокнот", "C:\\Windows\\notepad.exe", "-min"});
  CHECK(run3.labels.back() == kLaunchParameterLabel);
  CHECK(run3.height >= At(189));
}

TEST_CASE("the input window gives nothing back when cancelled, even after typing") {
  InputQuestion q{"Tikolvo: Добавление подключения", {{"Название подключения", "x"}}, "Отмена", "Добавить"};
  CHECK_FALSE(RunInput(q, {"набрано"}, [](HWND d) { Click(d, IDCANCEL); }).answer.has_value());
  CHECK_FALSE(RunInput(q, {"набрано"}, [](HWND d) { Press(d, VK_ESCAPE); }).answer.has_value());
  CHECK_FALSE(RunInput(q, {""}, [](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); }).answer.has_value());
}

}  // namespace
}  // namespace tikolvo
