#include "settings/autorun.h"

#include <gtest/gtest.h>

#include <vector>

namespace tikolvo {
namespace {

struct FakeConfirmer : Confirmer {
  explicit FakeConfirmer(bool answer) : answer(answer) {}
  bool Confirm(const ConfirmQuestion& question) override {
    asked.push_back(std::string(question.caption) + "|" + std::string(question.text) + "|" +
                    std::string(question.cancelCaption) + "|" + std::string(question.actionCaption));
    return answer;
  }
  bool answer;
  std::vector<std::string> asked;
};

struct FakeRegistry : RunKeyRegistry {
  bool SetStringValue(const std::string& key, const std::string& name, const std::string& data) override {
    calls.push_back("set " + key + " | " + name + " = " + data);
    return succeed;
  }
  bool DeleteValue(const std::string& key, const std::string& name) override {
    calls.push_back("delete " + key + " | " + name);
    return succeed;
  }
  bool succeed = true;
  std::vector<std::string> calls;
};

struct FakeDde : ProgmanDde {
  bool Execute(const std::string& command) override {
    commands.push_back(command);
    return succeed;
  }
  bool succeed = true;
  std::vector<std::string> commands;
};

const std::string kExe = "C:\\Program Files\\Tikolvo\\Tikolvo.exe";
const std::string kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(Autorun, CancelChangesNothing) {
  FakeConfirmer no(false);
  FakeRegistry registry;
  FakeDde dde;
  EXPECT_FALSE(AddToAutorun(kExe, no, registry, dde));
  EXPECT_FALSE(RemoveFromAutorun(no, registry));
  EXPECT_EQ(no.asked.size(), 2u);
  EXPECT_TRUE(registry.calls.empty());
  EXPECT_TRUE(dde.commands.empty());
}

TEST(Autorun, AddAsksThenWritesRunValueThenTwoProgmanCommands) {
  FakeConfirmer yes(true);
  FakeRegistry registry;
  FakeDde dde;
  EXPECT_TRUE(AddToAutorun(kExe, yes, registry, dde));
  EXPECT_EQ(yes.asked, std::vector<std::string>{
                           "Tikolvo: Добавление в автозапуск|Добавить программу в автозапуск?|Отмена|Добавить"});
  EXPECT_EQ(registry.calls, std::vector<std::string>{"set " + kRunKey + " | Tikolvo = " + kExe});
  EXPECT_EQ(dde.commands, (std::vector<std::string>{"[CreateGroup(Tikolvo,)]", "[AddItem(" + kExe + ",Tikolvo)]"}));
}

TEST(Autorun, FailuresDoNotStopTheRemainingSteps) {
  FakeConfirmer yes(true);
  FakeRegistry registry;
  registry.succeed = false;
  FakeDde dde;
  dde.succeed = false;
  EXPECT_TRUE(AddToAutorun(kExe, yes, registry, dde));
  EXPECT_EQ(dde.commands.size(), 2u);
}

TEST(Autorun, RemoveAsksThenDeletesTheRunValueOnly) {
  FakeConfirmer yes(true);
  FakeRegistry registry;
  EXPECT_TRUE(RemoveFromAutorun(yes, registry));
  EXPECT_EQ(yes.asked, std::vector<std::string>{"Tikolvo: Удаление программы из автозапуска|"
                                                "Удалить программу из автозапуска?|Отмена|Удалить"});
  EXPECT_EQ(registry.calls, std::vector<std::string>{"delete " + kRunKey + " | Tikolvo"});
}

TEST(Autorun, DeletionPathSplitsAtTheLastBackslash) {
  FakeRegistry registry;
  EXPECT_TRUE(DeleteValueAtPath(registry, "A\\B\\C"));
  EXPECT_FALSE(DeleteValueAtPath(registry, "NoKey"));
  EXPECT_EQ(registry.calls, std::vector<std::string>{"delete A\\B | C"});
}

}  // namespace
}  // namespace tikolvo
