#include <gtest/gtest.h>

#include <vector>

#include "scheduler/task_action_hangup.h"

namespace tikolvo {
namespace {

// Active connections as the remote access service would list them; records
// what was hung up.
class ScriptedLines : public DialUpLines {
 public:
  std::vector<DialUpConnection> active;
  std::vector<std::uintptr_t> hungUp;

  std::vector<DialUpConnection> ActiveConnections() override { return active; }
  void HangUp(std::uintptr_t handle) override { hungUp.push_back(handle); }
};

using Handles = std::vector<std::uintptr_t>;

class HangUp : public ::testing::Test {
 protected:
  HangUp() { lines.active = {{"Домашний модем", 11}, {"Work VPN", 12}, {"Резерв", 13}}; }
  ScriptedLines lines;
  ConnectionFilters filters{"Все", "|Домашний модем|Резерв"};
};

TEST_F(HangUp, AllHangsUpEveryConnectionInOrder) {
  EXPECT_EQ(HangUpMatching("Все", filters, lines), 3);
  EXPECT_EQ(lines.hungUp, (Handles{11, 12, 13}));
}

TEST_F(HangUp, AllowedHangsUpOnlyConnectionsShownInTheLogs) {
  EXPECT_EQ(HangUpMatching("Все разрешенные", filters, lines), 2);
  EXPECT_EQ(lines.hungUp, (Handles{11, 13}));
}

TEST_F(HangUp, ANamedConnectionIsFoundWithoutRegardToCase) {
  EXPECT_EQ(HangUpMatching("ДОМАШНИЙ МОДЕМ", filters, lines), 1);
  EXPECT_EQ(lines.hungUp, (Handles{11}));
}

TEST_F(HangUp, ANameNotShownInTheLogsHangsUpNothing) {
  EXPECT_EQ(HangUpMatching("Work VPN", filters, lines), 0);
  EXPECT_TRUE(lines.hungUp.empty());
}

TEST_F(HangUp, AnEmptyFilterTakesTheLogsFilter) {
  filters.current = "Резерв";
  EXPECT_EQ(HangUpMatching("", filters, lines), 1);
  EXPECT_EQ(lines.hungUp, (Handles{13}));

  lines.hungUp.clear();
  filters.current = "Все";
  EXPECT_EQ(HangUpMatching("", filters, lines), 3);
}

TEST_F(HangUp, NoServiceNoConnectionsNothingHappens) {
  lines.active.clear();
  EXPECT_EQ(HangUpMatching("Все", filters, lines), 0);
  EXPECT_TRUE(lines.hungUp.empty());
}

TEST(ConnectionNames, LowerCaseCoversCyrillicAndLatin) {
  EXPECT_EQ(LowerCaseName("ЁЛКА Modem-1 ЯЩИК"), "ёлка modem-1 ящик");
  EXPECT_EQ(LowerCaseName("уже строчные"), "уже строчные");
}

}  // namespace
}  // namespace tikolvo
