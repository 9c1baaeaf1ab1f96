// The editing lists of the pages "Меню программ" and "Меню WWW".
#include <gtest/gtest.h>

#include "menus/menu_editor.h"

namespace tikolvo {
namespace {

class FixedRandom : public RandomSource {
 public:
  int Below(int n) override {
    asked = n;
    return 517 % n;
  }
  int asked = 0;
};

using Lines = std::vector<std::string>;

TEST(MenuEditor, AnAddedFileWaitsAsAChangedListAndKeepsTheNameTypedForIt) {
  MenuEditor editor(LauncherKind::kPrograms);
  editor.Reload({"Блокнот||C:\\n.exe][", "-||][ "});
  editor.AddFile("C:\\w\\calc.exe");
  EXPECT_EQ(editor.tag(), kListChangedTag);
  EXPECT_TRUE(editor.saveEnabled());
  EXPECT_EQ(editor.edits(), (MenuEdits{"calc.exe", "C:\\w\\calc.exe", ""}));
  EXPECT_EQ(editor.PendingQuestion()->caption, "Tikolvo: Обновление параметров меню программ");
  EXPECT_FALSE(editor.PendingLineQuestion().has_value());
  EXPECT_EQ(editor.lines().back(), "calc.exe||C:\\w\\calc.exe][ ");

  MenuEdits typed = editor.edits();
  typed.name = "Калькулятор";
  editor.Type(typed);
  EXPECT_EQ(editor.Accept().back(), "Калькулятор||C:\\w\\calc.exe][");
  EXPECT_FALSE(editor.saveEnabled());
}

TEST(MenuEditor, EditsOfALineAreAskedForBeforeAMoveAndFollowTheirLine) {
  MenuEditor editor(LauncherKind::kPrograms);
  editor.Reload({"A||a][", "B||b][", "C||c]["});
  editor.Select(1);
  EXPECT_TRUE(editor.canMoveUp() && editor.canMoveDown());
  EXPECT_FALSE(editor.PendingQuestion().has_value());
  editor.Type({"B2", "b", "-p"});
  ASSERT_TRUE(editor.PendingLineQuestion().has_value());
  EXPECT_EQ(editor.Accept(), (Lines{"A||a][", "B2||b][-p", "C||c]["}));
  editor.Reload(editor.lines());

  editor.MoveUp();
  EXPECT_EQ(editor.tag(), kListChangedTag);
  EXPECT_EQ(editor.selected(), 0);
  EXPECT_FALSE(editor.canMoveUp());
  editor.Type({"B3", "b", ""});
  // Deleting another line saves the list; the typed texts stay with B.
  EXPECT_EQ(editor.Delete(2), (Lines{"B2||b][-p", "A||a]["}));
  editor.Reload(editor.lines());
  EXPECT_TRUE(editor.saveEnabled());
  EXPECT_EQ(editor.Accept(), (Lines{"B3||b][", "A||a]["}));

  editor.Select(1);
  editor.Type({"X", "x", ""});
  editor.Discard();
  EXPECT_EQ(editor.edits().name, "A");
  EXPECT_FALSE(editor.saveEnabled());
}

TEST(MenuEditor, WebListAddsSeparatorsWithARandomAddressAndAsksItsOwnQuestions) {
  MenuEditor editor(LauncherKind::kWeb);
  editor.Reload({"Почта<=>Входящие||http://mail"});
  EXPECT_FALSE(editor.ReplacePathQuestion().has_value());
  FixedRandom random;
  editor.AddLink("-", "ignored", random);
  EXPECT_EQ(random.asked, 1024);
  EXPECT_EQ(editor.lines().back(), "-||517");
  editor.AddLink("Поиск", "http://s", random);
  EXPECT_EQ(editor.lines().back(), "Поиск||http://s");
  EXPECT_EQ(editor.PendingQuestion()->caption, "Tikolvo: Обновление параметров меню WWW");
  EXPECT_EQ(editor.DeleteQuestion(0, true),
            (Question{"Удаление пункта меню", "Удалить \"Почта<=>Входящие\"?", "Отмена", "Удалить"}));
  editor.Select(0);
  EXPECT_EQ(editor.edits(), (MenuEdits{"Почта<=>Входящие", "http://mail", ""}));

  MenuEditor programs(LauncherKind::kPrograms);
  programs.Reload({"A||a]["});
  EXPECT_EQ(programs.DeleteQuestion(0, true).caption, "Tikolvo: Удаление пункта меню программ");
  EXPECT_EQ(programs.DeleteQuestion(0, false).caption, "Удаление пункта меню программ");
  programs.Select(0);
  ASSERT_TRUE(programs.ReplacePathQuestion().has_value());
  programs.ReplacePath("C:\\b.exe");
  EXPECT_EQ(programs.Accept(), Lines{"A||C:\\b.exe]["});
}

}  // namespace
}  // namespace tikolvo
