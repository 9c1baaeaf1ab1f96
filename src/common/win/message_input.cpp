// TF_message_e: one to three labelled edits (LE1/E1, LE2/E2, LE3/E3) and a
// cancel and an ok button.
#include <algorithm>

#include "common/win/wide_text.h"
#include "common/win/dialog_frame.h"
#include "common/win/message_dialogs.h"

namespace tikolvo {
namespace {

std::string WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

class InputWindow : public DialogFrame {
 public:
  explicit InputWindow(int picture) : DialogFrame(picture, DialogGlyph::Input) {}

  bool Build(const InputQuestion& q, HWND owner) {
    fields_ = q.fields;
    if (fields_.empty()) fields_.resize(1);
    if (fields_.size() > 3) fields_.resize(3);
    if (fields_.size() == 3 && fields_[2].label.empty()) fields_[2].label = kLaunchParameterLabel;

    std::vector<int> labelWidths;
    for (const InputField& f : fields_) labelWidths.push_back(TextWidth(f.label));
    const std::vector<int> buttonWidths{TextWidth(q.okText), TextWidth(q.cancelText)};
    const dialog::Box work = PrimaryWorkArea();
    const dialog::InputLayout layout =
        dialog::LayoutInput(metrics(), static_cast<int>(fields_.size()), TextWidth(q.caption, true), labelWidths,
                            buttonWidths, {work.Width(), work.Height()}, ScreenDpi());
    if (!CreateFrame(L"TF_message_e", q.caption, layout.window, owner, 0)) return false;
    SetCaptionBox(layout.caption);
    SetIconBox(layout.icon);
    // Each label comes just before its edit, so screen readers name the edit by it.
    for (size_t i = 0; i < fields_.size(); ++i) {
      AddLabel(fields_[i].label, layout.labels[i]);
      AddEdit(kIdFirstEdit + static_cast<int>(i), fields_[i].text, layout.edits[i]);
    }
    AddButton(kIdOk, q.okText, layout.buttons[0], true);
    AddButton(kIdCancel, q.cancelText, layout.buttons[1], false);
    return true;
  }

  std::optional<std::vector<std::string>> Run(HWND owner) {
    HWND first = GetDlgItem(hwnd(), kIdFirstEdit);
    SendMessageW(first, EM_SETSEL, 0, -1);
    if (!RunModal(owner, first)) return std::nullopt;
    return texts_;
  }

 protected:
  void B_OKClick() override {
    texts_.clear();
    for (size_t i = 0; i < fields_.size(); ++i) {
      texts_.push_back(WindowText(GetDlgItem(hwnd(), kIdFirstEdit + static_cast<int>(i))));
    }
    Finish(true);
  }

 private:
  std::vector<InputField> fields_;
  std::vector<std::string> texts_;
};

}  // namespace

std::optional<std::vector<std::string>> AskTexts(HWND owner, const InputQuestion& question) {
  InputWindow window(question.picture);
  if (!window.Build(question, owner)) return std::nullopt;
  return window.Run(owner);
}

}  // namespace tikolvo
