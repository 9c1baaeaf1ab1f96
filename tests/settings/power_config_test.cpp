#include "settings/power_config.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

PowerButtonAction ActionOf(const char* text) { return ReadPowerButtonAction(IniDocument::Parse(text)); }

TEST(PowerConfig, MissingFileOrKeyMeansPowerOff) {
  EXPECT_EQ(ActionOf(""), PowerButtonAction::PowerOff);
  EXPECT_EQ(ReadPowerButtonActionFile("/nonexistent/config.ini"), PowerButtonAction::PowerOff);
  EXPECT_EQ(ActionOf("[Power]\r\ntype=sleep\r\n"), PowerButtonAction::PowerOff);
}

TEST(PowerConfig, TypeChoosesTheAction) {
  EXPECT_EQ(ActionOf("[power]\r\nTYPE=1\r\n"), PowerButtonAction::Restart);
  EXPECT_EQ(ActionOf("[Power]\r\ntype=2\r\n"), PowerButtonAction::Hibernate);
  EXPECT_EQ(ActionOf("[Power]\r\ntype=$3\r\n"), PowerButtonAction::Standby);
}

TEST(PowerConfig, OtherValuesDoNothing) {
  EXPECT_EQ(ActionOf("[Power]\r\ntype=4\r\n"), PowerButtonAction::None);
  EXPECT_EQ(ActionOf("[Power]\r\ntype=-1\r\n"), PowerButtonAction::None);
  EXPECT_TRUE(PowerButtonQuestion(PowerButtonAction::None).empty());
}

}  // namespace
}  // namespace tikolvo
