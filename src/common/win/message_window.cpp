// TF_message (notice) and TF_message_d (question): a wrapped text beside the
// icon and one or two buttons in the bottom band.
#include <algorithm>
#include <memory>

#include "common/win/dialog_frame.h"
#include "common/win/message_dialogs.h"

namespace tikolvo {
namespace {

struct ButtonSpec {
  int id;
  std::string_view text;
};

class MessageWindow : public DialogFrame {
 public:
  MessageWindow(int picture, DialogGlyph glyph) : DialogFrame(picture, glyph) {}

  bool Build(const wchar_t* className, std::string_view caption, std::string_view text,
             const std::vector<ButtonSpec>& buttons, HWND owner, DWORD exStyle, int defaultId = kIdOk) {
    std::vector<int> widths;
    for (const ButtonSpec& b : buttons) widths.push_back(TextWidth(b.text));
    const dialog::Box work = PrimaryWorkArea();
    const dialog::MessageLayout layout = dialog::LayoutMessage(
        metrics(), [&](int maxWidth) { return WrappedExtent(text, maxWidth); }, TextWidth(caption, true), widths,
        {work.Width(), work.Height()});
    if (!CreateFrame(className, caption, layout.window, owner, exStyle)) return false;
    SetCaptionBox(layout.caption);
    SetIconBox(layout.icon);
    AddTextBlock(text, layout.text);
    for (size_t i = 0; i < buttons.size(); ++i) {
      AddButton(buttons[i].id, buttons[i].text, layout.buttons[i], buttons[i].id == defaultId);
    }
    return true;
  }

  HWND Button(int id) const { return GetDlgItem(hwnd(), id); }
};

// Modeless notices live until their window closes; the objects of closed ones
// are let go the next time a notice opens.
std::vector<std::unique_ptr<MessageWindow>>& ModelessNotices() {
  static std::vector<std::unique_ptr<MessageWindow>> notices;
  return notices;
}

void ForgetClosedNotices() {
  auto& notices = ModelessNotices();
  notices.erase(std::remove_if(notices.begin(), notices.end(), [](const auto& n) { return n->hwnd() == nullptr; }),
                notices.end());
}

}  // namespace

bool ShowNotice(HWND owner, std::string_view caption, std::string_view text, NoticeMode mode, int picture) {
  const std::vector<ButtonSpec> buttons{{kIdOk, "Ok"}};
  if (mode == NoticeMode::Modeless) {
    ForgetClosedNotices();
    auto notice = std::make_unique<MessageWindow>(picture, DialogGlyph::Information);
    if (!notice->Build(L"TF_message", caption, text, buttons, nullptr, WS_EX_TOPMOST)) return false;
    notice->ShowWithoutActivating();
    ModelessNotices().push_back(std::move(notice));
    return false;
  }
  MessageWindow notice(picture, DialogGlyph::Information);
  if (!notice.Build(L"TF_message", caption, text, buttons, owner, 0)) return false;
  return notice.RunModal(owner, notice.Button(kIdOk));
}

void CloseModelessNotices() {
  for (auto& notice : ModelessNotices()) {
    if (notice->hwnd()) DestroyWindow(notice->hwnd());
  }
  ModelessNotices().clear();
}

bool AskConfirmation(HWND owner, std::string_view caption, std::string_view text, std::string_view cancelText,
                     std::string_view okText, DefaultAnswer defaultAnswer, int picture) {
  MessageWindow question(picture, DialogGlyph::Question);
  const std::vector<ButtonSpec> buttons{{kIdOk, okText}, {kIdCancel, cancelText}};
  const int defaultId = defaultAnswer == DefaultAnswer::kCancel ? kIdCancel : kIdOk;
  if (!question.Build(L"TF_message_d", caption, text, buttons, owner, 0, defaultId)) return false;
  return question.RunModal(owner, question.Button(defaultId));
}

}  // namespace tikolvo
