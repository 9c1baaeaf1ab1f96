#include "reminders/win/reminder_editor_window.h"

#include <commctrl.h>

#include "common/win/common_controls.h"
#include "common/win/error_report.h"
#include "common/win/system_time.h"
#include "common/win/wide_text.h"
#include "common/win/dialog_frame.h"
#include "common/win/message_dialogs.h"

namespace tikolvo {
namespace {

constexpr char kTextLabel[] = "Текст сообщения:";
constexpr char kFromLabel[] = "от";
constexpr char kToLabel[] = "до";
constexpr char kCancelCaption[] = "Отмена";

// Years a date picker can show; a stored date outside them (a damaged
// record) is shown as today instead.
bool PickerCanShow(DateTime value) {
  const int year = DecodeDateTime(value).year;
  return year >= 1800 && year <= 9999;
}

class ReminderEditorWindow : public DialogFrame {
 public:
  ReminderEditorWindow(std::string path, const ReminderEditor& editor)
      : DialogFrame(kInputPicture, DialogGlyph::Input), path_(std::move(path)), editor_(editor) {
    if (!PickerCanShow(editor_.start)) editor_.start = LocalNow();
    if (!PickerCanShow(editor_.end)) editor_.end = editor_.start;
  }

  bool Build(HWND owner) {
    LoadCommonControls();
    const dialog::Box work = PrimaryWorkArea();
    const dialog::ReminderEditorLayout layout = dialog::LayoutReminderEditor(
        metrics(), TextWidth(editor_.title, true), TextWidth(kTextLabel), TextWidth(kFromLabel), TextWidth(kToLabel),
        PickerWidth(), {TextWidth(editor_.okCaption), TextWidth(kCancelCaption)}, {work.Width(), work.Height()});
    if (!CreateFrame(L"TF_mess_text", editor_.title, layout.window, owner, 0)) return false;
    SetCaptionBox(layout.caption);
    SetIconBox(layout.icon);
    // Labels come just before their controls, so screen readers name them.
    AddLabel(kTextLabel, layout.textLabel);
    HWND text = AddEdit(kIdReminderText, editor_.text, layout.text);
    SendMessageW(text, EM_LIMITTEXT, kReminderTextMaxChars, 0);
    AddLabel(kFromLabel, layout.fromLabel);
    AddPicker(kIdReminderFrom, layout.fromPicker, editor_.start);
    AddLabel(kToLabel, layout.toLabel);
    AddPicker(kIdReminderTo, layout.toPicker, editor_.end);
    AddButton(kIdOk, editor_.okCaption, layout.buttons[0], true);
    AddButton(kIdCancel, kCancelCaption, layout.buttons[1], false);
    return true;
  }

  bool Run(HWND owner) {
    HWND text = GetDlgItem(hwnd(), kIdReminderText);
    SendMessageW(text, EM_SETSEL, 0, -1);
    return RunModal(owner, text);
  }

 protected:
  void B_OKClick() override {
    ReadControls();
    if (const std::optional<Notice> notice = CheckReminderEditor(editor_)) {
      ShowNotice(hwnd(), notice->caption, notice->text);
      SetFocus(GetDlgItem(hwnd(), kIdReminderText));
      return;
    }
    const ReminderFileResult result = SaveReminderEditor(path_, editor_);
    if (result == ReminderFileResult::kFailed) {
      // The window stays open, so the typed reminder is not lost.
      ReportError("Не удалось записать напоминание в файл " + path_);
      return;
    }
    // Also when the edited record went from the file meanwhile: the list is
    // reloaded and shows what the file holds now.
    Finish(true);
  }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY) {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.code == DTN_CLOSEUP) PickerClosed(static_cast<int>(header.idFrom));
      return 0;
    }
    return DialogFrame::OnMessage(message, wParam, lParam);
  }

 private:
  // Wide enough for the locale's short date of a wide day and month.
  int PickerWidth() const {
    SYSTEMTIME sample = ToSystemTime(EncodeDate(2088, 12, 28));
    wchar_t text[64] = L"28.12.2088";
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &sample, nullptr, text, 64);
    return TextWidth(Narrow(text)) + GetSystemMetrics(SM_CXVSCROLL) + dialog::Scale(20, ScreenDpi());
  }

  void AddPicker(int id, const dialog::Box& box, DateTime value) {
    HWND picker = CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | DTS_SHORTDATEFORMAT,
                                  box.left, box.top, box.Width(), box.Height(), hwnd(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                  nullptr);
    SendMessageW(picker, WM_SETFONT, SendMessageW(GetDlgItem(hwnd(), kIdReminderText), WM_GETFONT, 0, 0), FALSE);
    SetPicker(id, value);
  }

  void SetPicker(int id, DateTime value) {
    SYSTEMTIME time = ToSystemTime(value);
    SendMessageW(GetDlgItem(hwnd(), id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  }

  // The picker's day with the time of day the model had: a reminder keeps
  // the moment it was made.
  DateTime PickerDay(int id, DateTime previous) const {
    SYSTEMTIME time{};
    if (SendMessageW(GetDlgItem(hwnd(), id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID)
      return previous;
    return CombineDateAndTime(EncodeDate(time.wYear, time.wMonth, time.wDay), TimeOf(previous));
  }

  void ReadControls() {
    HWND text = GetDlgItem(hwnd(), kIdReminderText);
    std::wstring typed(static_cast<std::size_t>(GetWindowTextLengthW(text)) + 1, L'\0');
    typed.resize(static_cast<std::size_t>(GetWindowTextW(text, typed.data(), static_cast<int>(typed.size()))));
    editor_.text = CleanReminderText(Narrow(typed));
    editor_.start = PickerDay(kIdReminderFrom, editor_.start);
    editor_.end = PickerDay(kIdReminderTo, editor_.end);
  }

  void PickerClosed(int id) {
    editor_.start = PickerDay(kIdReminderFrom, editor_.start);
    editor_.end = PickerDay(kIdReminderTo, editor_.end);
    if (id == kIdReminderFrom) {
      StartPickerClosed(editor_);
      SetPicker(kIdReminderTo, editor_.end);
    } else if (id == kIdReminderTo) {
      EndPickerClosed(editor_);
      SetPicker(kIdReminderFrom, editor_.start);
    }
  }

  std::string path_;
  ReminderEditor editor_;
};

}  // namespace

bool RunReminderEditor(HWND owner, const std::string& reminderPath, const ReminderEditor& editor) {
  ReminderEditorWindow window(reminderPath, editor);
  if (!window.Build(owner)) return false;
  return window.Run(owner);
}

}  // namespace tikolvo
