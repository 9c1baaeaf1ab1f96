#pragma once
// The editing list of one settings page ("Меню программ" or "Меню WWW"):
// the lines, the line whose texts fill the edit boxes, and the edit
// group's tag, which holds that line's index, or -2 once the list itself
// changed (an added or moved line) and waits to be saved.
//
// The page asks the questions this model hands it and calls back with the
// answer: Accept() on "Ok" (then it saves the returned lines, rebuilds the
// menu and reloads the list), Discard() on "Отмена".
//
// Typed texts are never lost: saving writes the edit boxes into the line
// they were filled from, whatever the tag says, and that line keeps its
// place through moves and deletions of other lines.
#include <optional>
#include <string>
#include <vector>

#include "common/dialog_request.h"
#include "menus/menu_files.h"
#include "scheduler/task_id.h"

namespace tikolvo {

inline constexpr int kNoLineTag = -1;
inline constexpr int kListChangedTag = -2;

struct MenuEdits {
  std::string name;
  std::string path;    // the web page's address
  std::string params;  // programs only

  bool operator==(const MenuEdits&) const = default;
};

class MenuEditor {
 public:
  explicit MenuEditor(LauncherKind kind) : kind_(kind) {}

  // The list as the rebuild read it back (the saved list is no longer
  // pending); the selection stays on its index when it still exists, with
  // any texts typed for it.
  void Reload(std::vector<std::string> lines);

  const std::vector<std::string>& lines() const { return lines_; }
  int tag() const { return tag_; }
  int selected() const { return selected_; }
  const MenuEdits& edits() const { return edits_; }
  bool saveEnabled() const { return saveEnabled_; }
  bool canMoveUp() const { return selected_ > 0; }
  bool canMoveDown() const { return selected_ >= 0 && selected_ + 1 < static_cast<int>(lines_.size()); }

  // "Параметры меню изменились. Принять изменения?" while anything is
  // pending (before another line is selected, before closing the window).
  std::optional<Question> PendingQuestion() const;
  // The same before a move, only for edits of a line (not for a changed list).
  std::optional<Question> PendingLineQuestion() const;
  // "Ok" and "Сохранить изменения в пункте меню": returns the lines to save.
  std::vector<std::string> Accept();
  // "Отмена": the edit boxes show their line again; a changed list stays
  // pending.
  void Discard();

  void Select(int index);
  // Typing into any edit box.
  void Type(MenuEdits edits);

  // "Добавить" (programs): the chosen file, with a space as parameters.
  void AddFile(const std::string& path);
  // "Добавить" (web): a "-" entry gets a random address 0..1023.
  void AddLink(const std::string& name, const std::string& address, RandomSource& random);

  // Asked for each selected line, last to first; fromKey for the Delete key.
  Question DeleteQuestion(int index, bool fromKey) const;
  // Returns the lines to save.
  std::vector<std::string> Delete(int index);

  // "Выбрать файл": nullopt when no line is being edited (tag -1).
  std::optional<Question> ReplacePathQuestion() const;
  void ReplacePath(const std::string& path);

  // The favourites option changed: the list is saved as it stands (pending
  // edits stay pending) and the web menu rebuilt at once, since the refresh
  // button that used to do it is hidden. Returns the lines to save.
  std::vector<std::string> FavouritesChanged() const { return lines_; }

  // "Переместить пункт меню вверх/вниз" after PendingLineQuestion.
  void MoveUp() { Move(-1); }
  void MoveDown() { Move(1); }

 private:
  std::string Caption() const;
  std::string JoinedEdits() const;
  bool HasLine(int index) const { return index >= 0 && index < static_cast<int>(lines_.size()); }
  void Move(int step);

  LauncherKind kind_;
  std::vector<std::string> lines_;
  int tag_ = kNoLineTag;
  int selected_ = -1;
  MenuEdits edits_;
  bool saveEnabled_ = false;
  bool typed_ = false;  // the edit boxes differ from their line
};

// The edit boxes' texts of a list line.
MenuEdits EditsOfLine(LauncherKind kind, const std::string& line);

}  // namespace tikolvo
