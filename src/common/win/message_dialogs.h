#pragma once
// The program's three small dialog windows. Every notice the program shows
// and every question it asks goes through them:
//   TF_message    notice with an "Ok" button,
//   TF_message_d  question with a cancel and an action button,
//   TF_message_e  input of one to three short texts.
// Each call creates a fresh window, centred in the work area, and destroys it
// when it closes. Modal calls disable the owner's top-level window and run
// their own message loop until the window closes.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>


namespace tikolvo {

// Pictures of the message window's strip.
inline constexpr int kNoticePicture = 0;
inline constexpr int kQuestionPicture = 1;
inline constexpr int kInputPicture = 2;
inline constexpr int kSchedulerPicture = 9;
inline constexpr int kReportPicture = 5;

enum class NoticeMode { Modal, Modeless };

// TF_message. Modal: waits and returns true when "Ok" (or Enter) closed it,
// false for Esc. Modeless: the window stays topmost without taking the
// activation and the call returns false at once; it closes itself on "Ok".
bool ShowNotice(HWND owner, std::string_view caption, std::string_view text, NoticeMode mode = NoticeMode::Modal,
                int picture = kNoticePicture);

// Closes every modeless notice still open (the program is ending).
void CloseModelessNotices();

// The button of a question that Enter presses and that has the focus at
// first. A question whose action deletes or clears data takes the cancel
// button, so that a hasty Enter never destroys anything.
enum class DefaultAnswer { kAction, kCancel };

// TF_message_d: true only when the action button (okText) closed it; the
// cancel button, Esc and closing the window give false.
bool AskConfirmation(HWND owner, std::string_view caption, std::string_view text, std::string_view cancelText,
                     std::string_view okText, DefaultAnswer defaultAnswer = DefaultAnswer::kAction,
                     int picture = kQuestionPicture);

struct InputField {
  std::string label;
  std::string text;  // initial text of the edit
};

inline constexpr const char* kLaunchParameterLabel = "Параметр запуска";

struct InputQuestion {
  std::string caption;
  std::vector<InputField> fields;  // 1 to 3; a third field without a label is the launch parameter
  std::string cancelText = "Отмена";
  std::string okText = "Ok";
  int picture = kInputPicture;
};

// TF_message_e: the texts of the fields in order when the ok button (or
// Enter) closed it; nothing on cancel, Esc or closing.
std::optional<std::vector<std::string>> AskTexts(HWND owner, const InputQuestion& question);

}  // namespace tikolvo
