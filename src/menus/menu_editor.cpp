#include "menus/menu_editor.h"

#include <utility>

#include "menus/entry_line.h"

namespace tikolvo {

MenuEdits EditsOfLine(LauncherKind kind, const std::string& line) {
  if (kind == LauncherKind::kWeb) {
    const WebEntry entry = SplitWebLine(line);
    return {entry.name, entry.target, ""};
  }
  const ProgramEntry entry = SplitProgramLine(line);
  return {entry.name, entry.path, entry.params};
}

void MenuEditor::Reload(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  if (!HasLine(selected_)) {
    selected_ = -1;
    typed_ = false;
  }
  tag_ = selected_ >= 0 ? selected_ : kNoLineTag;
  if (!typed_) edits_ = selected_ >= 0 ? EditsOfLine(kind_, lines_[selected_]) : MenuEdits{};
  saveEnabled_ = typed_;
}

std::string MenuEditor::Caption() const {
  return kind_ == LauncherKind::kWeb ? "Tikolvo: Обновление параметров меню WWW"
                                     : "Tikolvo: Обновление параметров меню программ";
}

std::string MenuEditor::JoinedEdits() const {
  return kind_ == LauncherKind::kWeb ? WebLine(edits_.name, edits_.path)
                                     : ProgramLine(edits_.name, edits_.path, edits_.params);
}

std::optional<Question> MenuEditor::PendingQuestion() const {
  if (!saveEnabled_) return std::nullopt;
  return Question{Caption(), "Параметры меню изменились. Принять изменения?", "Отмена", "Ok"};
}

std::optional<Question> MenuEditor::PendingLineQuestion() const {
  if (tag_ < kNoLineTag) return std::nullopt;
  return PendingQuestion();
}

std::vector<std::string> MenuEditor::Accept() {
  if (typed_ && HasLine(selected_)) lines_[selected_] = JoinedEdits();
  saveEnabled_ = false;
  typed_ = false;
  tag_ = selected_ >= 0 ? selected_ : kNoLineTag;
  return lines_;
}

void MenuEditor::Discard() {
  if (HasLine(selected_)) edits_ = EditsOfLine(kind_, lines_[selected_]);
  typed_ = false;
  saveEnabled_ = tag_ == kListChangedTag;
}

void MenuEditor::Select(int index) {
  if (!HasLine(index)) return;
  selected_ = index;
  tag_ = index;
  edits_ = EditsOfLine(kind_, lines_[index]);
  saveEnabled_ = false;
  typed_ = false;
}

void MenuEditor::Type(MenuEdits edits) {
  edits_ = std::move(edits);
  typed_ = true;
  saveEnabled_ = true;
}

void MenuEditor::AddFile(const std::string& path) {
  lines_.push_back(ProgramLine(FileNamePart(path), path, " "));
  selected_ = static_cast<int>(lines_.size()) - 1;
  edits_ = {FileNamePart(path), path, ""};
  tag_ = kListChangedTag;
  saveEnabled_ = true;
  typed_ = false;
}

void MenuEditor::AddLink(const std::string& name, const std::string& address, RandomSource& random) {
  const std::string target = name == kSeparatorName ? std::to_string(random.Below(1024)) : address;
  lines_.push_back(WebLine(name, target));
  selected_ = static_cast<int>(lines_.size()) - 1;
  edits_ = {name, target, ""};
  tag_ = kListChangedTag;
  saveEnabled_ = true;
  typed_ = false;
}

Question MenuEditor::DeleteQuestion(int index, bool fromKey) const {
  const std::string name = HasLine(index) ? EditsOfLine(kind_, lines_[index]).name : std::string();
  std::string caption = kind_ == LauncherKind::kWeb ? "Удаление пункта меню" : "Удаление пункта меню программ";
  if (fromKey && kind_ == LauncherKind::kPrograms) caption = "Tikolvo: " + caption;
  return Question{caption, "Удалить \"" + name + "\"?", "Отмена", "Удалить"};
}

std::vector<std::string> MenuEditor::Delete(int index) {
  if (!HasLine(index)) return lines_;
  lines_.erase(lines_.begin() + index);
  if (selected_ == index) {
    selected_ = -1;
    edits_ = {};
    typed_ = false;
    saveEnabled_ = tag_ == kListChangedTag;
  } else if (selected_ > index) {
    --selected_;
  }
  if (tag_ >= 0) tag_ = selected_ >= 0 ? selected_ : kNoLineTag;
  return lines_;
}

std::optional<Question> MenuEditor::ReplacePathQuestion() const {
  if (tag_ == kNoLineTag) return std::nullopt;
  return Question{Caption(), "Заменить путь к файлу?", "Отмена", "Ok"};
}

void MenuEditor::ReplacePath(const std::string& path) {
  MenuEdits edits = edits_;
  edits.path = path;
  Type(std::move(edits));
}

void MenuEditor::Move(int step) {
  if (!HasLine(selected_)) return;
  tag_ = kListChangedTag;
  saveEnabled_ = true;
  if (!HasLine(selected_ + step)) return;
  std::swap(lines_[selected_], lines_[selected_ + step]);
  selected_ += step;
}

}  // namespace tikolvo
