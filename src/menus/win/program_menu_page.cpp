#include "menus/win/program_menu_page.h"

#include "common/win/file_dialogs.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

constexpr MenuListIds kIds{IDC_LBProg, IDC_E_name_prog, IDC_E_path_prog, IDC_E_param_prog, IDC_BB_save_prog,
                           IDC_B_prog_up, IDC_B_prog_down, IDC_btadd, IDC_btdel};

}  // namespace

ProgramMenuPage::ProgramMenuPage(SettingsStore& store, LauncherHost& launchers)
    : MenuListPage(store, {"Меню программ", L"CONF_MENU_PROGRAMS"}, LauncherKind::kPrograms, kIds, launchers) {}

void ProgramMenuPage::Created() {
  MenuListPage::Created();
  AddTip(IDC_BB_change_path_prog, L"Выбрать файл");
}

// The same dialog as the task wizard's program file: it opens in the "Od"
// folder and remembers the folder of the file chosen.
std::optional<std::string> ProgramMenuPage::ChooseFile() {
  return ChooseFileToOpen(hwnd(), "Все файлы (*.*)|*.*|Программы(*.exe)|*.exe", settings().alarm.launcherFileFolder);
}

// Typed edits of another line are offered first: the new line takes the
// edit boxes.
void ProgramMenuPage::AddClicked() {
  const std::optional<std::string> file = ChooseFile();
  if (!file) return;
  OfferLineEdits();
  editor().AddFile(*file);
  ShowAll();
}

bool ProgramMenuPage::OwnCommand(int id, int code) {
  if (id != IDC_BB_change_path_prog) return false;
  if (code == BN_CLICKED) ChooseFileClicked();
  return true;
}

void ProgramMenuPage::ChooseFileClicked() {
  const std::optional<Question> question = editor().ReplacePathQuestion();
  if (!question) return;
  const std::optional<std::string> file = ChooseFile();
  if (!file || !Ask(*question)) return;
  editor().ReplacePath(*file);
  ShowEdits();
  ShowButtons();
}

}  // namespace tikolvo
