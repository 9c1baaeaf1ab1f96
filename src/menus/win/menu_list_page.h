#pragma once
// What the pages "Меню программ" and "Меню WWW" share: the list of a
// launcher's entries, the edit boxes of the line being edited, saving,
// deleting (also with the Delete key), moving, and the questions about
// edits not yet saved. The rules are MenuEditor's; this class shows its
// state and asks its questions. Every save goes through LauncherHost, which
// rewrites the list file and rebuilds the menu, and the rebuild comes back
// here (Rebuilt) to show the list as the file now holds it.
#include <string>
#include <vector>

#include "common/win/message_dialogs.h"
#include "menus/menu_editor.h"
#include "menus/win/launcher_host.h"
#include "settings/win/template_page.h"

namespace tikolvo {

struct MenuListIds {
  int list;
  int name;
  int path;
  int params;  // 0: the page has none
  int save;
  int up;
  int down;
  int add;
  int remove;
};

class MenuListPage : public TemplatePage {
 public:
  MenuListPage(SettingsStore& store, const PageTemplate& page, LauncherKind kind, const MenuListIds& ids,
               LauncherHost& launchers);

  // The launcher's menu was rebuilt from its file.
  void Rebuilt();
  void Closing() override;

 protected:
  void Created() override;
  void LoadControls() override { ShowAll(); }
  bool Command(int id, int code) override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  int ListKey(HWND list, int key) override;

  // "Добавить" of the page.
  virtual void AddClicked() = 0;
  // The page's own buttons.
  virtual bool OwnCommand(int id, int code) { return false; }

  MenuEditor& editor() { return editor_; }
  // Asks whether to save typed edits of a line before the list changes
  // under them; "Отмена" puts the line's texts back.
  void OfferLineEdits();
  // Rewrites the list file from these lines and rebuilds the menu; a file
  // that cannot be written is reported (false).
  bool Save(const std::vector<std::string>& lines);
  void ShowAll();
  void ShowEdits();
  void ShowButtons();
  bool Ask(const Question& question, DefaultAnswer defaultAnswer = DefaultAnswer::kAction);
  void AddTip(int id, const wchar_t* text);

 private:
  void ShowList();
  void SelectInList(int index);
  std::vector<int> SelectedLines() const;
  void LineClicked(int index);
  void DeleteSelected(bool fromKey);
  void Move(int step);
  MenuEdits TypedEdits() const;
  void DrawLine(const DRAWITEMSTRUCT& item) const;

  LauncherKind kind_;
  MenuListIds ids_;
  LauncherHost& launchers_;
  MenuEditor editor_;
  HWND tips_ = nullptr;
};

}  // namespace tikolvo
