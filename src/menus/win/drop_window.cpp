#include "menus/win/drop_window.h"

#include "common/win/dialog_frame.h"
#include "common/win/dialog_pages.h"
#include "common/win/message_dialogs.h"
#include "menus/drop_entry.h"

namespace tikolvo {
namespace {

constexpr char kTitle[] = "Tikolvo: добавление пункта меню";
constexpr wchar_t kWindowCaption[] = L"Добавление пункта меню";
constexpr char kNameLabel[] = "Название:";
constexpr char kPathLabel[] = "Путь к объекту:";
constexpr char kAddText[] = "Добавить";
constexpr char kCancelText[] = "Отмена";

class DropWindow : public DialogFrame {
 public:
  explicit DropWindow(LauncherHost& launchers) : DialogFrame(kInputPicture, DialogGlyph::Input), launchers_(launchers) {}

  bool Build(HWND owner, const std::string& path, LauncherKind proposed) {
    const std::vector<int> labelWidths{TextWidth(kNameLabel), TextWidth(kPathLabel), TextWidth("Меню Интернета")};
    const std::vector<int> buttonWidths{TextWidth(kAddText), TextWidth(kCancelText)};
    const dialog::Box work = PrimaryWorkArea();
    // The input window's three rows: the name, the path, and the menu's two
    // choices one above the other.
    const dialog::InputLayout layout = dialog::LayoutInput(metrics(), 3, TextWidth(kTitle, true), labelWidths,
                                                           buttonWidths, {work.Width(), work.Height()}, ScreenDpi());
    // Topmost from the start, so it shows above a topmost clock.
    if (!CreateFrame(L"TF_Drop", kTitle, layout.window, owner, WS_EX_TOPMOST)) return false;
    SetWindowTextW(hwnd(), kWindowCaption);
    SetCaptionBox(layout.caption);
    SetIconBox(layout.icon);
    AddLabel(kNameLabel, layout.labels[0]);
    name_ = AddEdit(kDropNameEdit, DropProposedName(path), layout.edits[0]);
    AddLabel(kPathLabel, layout.labels[1]);
    path_ = AddEdit(kDropPathEdit, path, layout.edits[1]);
    programs_ = AddRadio(kDropProgramsRadio, "Меню Программ", layout.labels[2], true);
    web_ = AddRadio(kDropWebRadio, "Меню Интернета", layout.edits[2], false);
    SendMessageW(proposed == LauncherKind::kWeb ? web_ : programs_, BM_SETCHECK, BST_CHECKED, 0);
    AddButton(kIdOk, kAddText, layout.buttons[0], true);
    AddButton(kIdCancel, kCancelText, layout.buttons[1], false);
    return true;
  }

  bool Run(HWND owner) {
    SendMessageW(name_, EM_SETSEL, 0, -1);
    return RunModal(owner, name_);
  }

 protected:
  void B_OKClick() override {
    const LauncherKind menu =
        SendMessageW(web_, BM_GETCHECK, 0, 0) == BST_CHECKED ? LauncherKind::kWeb : LauncherKind::kPrograms;
    launchers_.AddEntry(menu, DropEntryLine(menu, ControlText(name_), ControlText(path_)));
    Finish(true);
  }

 private:
  LauncherHost& launchers_;
  HWND name_ = nullptr;
  HWND path_ = nullptr;
  HWND programs_ = nullptr;
  HWND web_ = nullptr;
};

}  // namespace

bool ShowDropWindow(HWND owner, const std::string& path, LauncherKind proposed, LauncherHost& launchers) {
  DropWindow window(launchers);
  if (!window.Build(owner, path, proposed)) return false;
  return window.Run(owner);
}

}  // namespace tikolvo
