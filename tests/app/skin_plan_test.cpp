#include "app/skin_plan.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace tikolvo {
namespace {

LoadedSkin SkinOfType(int type) {
  LoadedSkin skin;
  skin.type = type;
  skin.hasMask = true;
  skin.face.width = skin.face.height = 2;
  skin.face.pixels.assign(4, 0);
  skin.description.clock.transparentBackground = true;
  skin.description.window.dropShadow = true;
  return skin;
}

TEST(SkinPlan, OwnHandColoursReplaceTheSkinsOnlyWhenOn) {
  LoadedSkin skin = SkinOfType(1);
  skin.description.colours = {0x010101, 0x020202, 0x030303};
  const OwnHandColours own{true, 0xAA0000, 0x00BB00, 0x0000CC};
  const SkinHandColours mine = PlanSkin(skin, own).colours;
  EXPECT_EQ((std::array{mine.basic, mine.second, mine.alarm}), (std::array{0xAA0000u, 0x00BB00u, 0x0000CCu}));
  OwnHandColours off = own;
  off.on = false;
  EXPECT_EQ(PlanSkin(skin, off).colours.second, 0x020202u);
}

TEST(SkinPlan, CalendarHandsCreepOnlyWithEnhancedHandsAndADrawnWeekdayHand) {
  struct Case {
    bool enhanced;
    HandShape weekdayShape;
    bool expectWeekday;
    bool expectMonth;
  };
  for (const Case& c : {Case{true, HandShape::FirstForm, true, true}, Case{true, HandShape::None, false, true},
                        Case{false, HandShape::FirstForm, false, false}}) {
    LoadedSkin skin = SkinOfType(1);
    ClockDescription& clock = skin.description.clock;
    clock.enhanced = c.enhanced;
    clock.minuteSmooth = true;
    clock.hands[static_cast<int>(HandId::Weekday)].shape = c.weekdayShape;
    clock.hands[static_cast<int>(HandId::Weekday)].smooth = true;
    clock.hands[static_cast<int>(HandId::Month)].smooth = true;
    const HandSmoothing s = PlanSkin(skin, {}).smoothing;
    EXPECT_TRUE(s.minute);
    EXPECT_EQ(s.weekday, c.expectWeekday) << c.enhanced;
    EXPECT_EQ(s.month, c.expectMonth) << c.enhanced;
  }
}

TEST(SkinPlan, ALayeredFaceTakesNoKeyColourShadowOrMaskShape) {
  const SkinPlan shaped = PlanSkin(SkinOfType(2), {});
  EXPECT_TRUE(shaped.keyColour && shaped.dropShadow && shaped.shapedByMask);
  const SkinPlan layered = PlanSkin(SkinOfType(3), {});
  EXPECT_FALSE(layered.keyColour || layered.dropShadow || layered.shapedByMask);
}

TEST(SkinPlan, LabelsCarryTheirLookAndOnlyTheHintsAskedFor) {
  LoadedSkin skin = SkinOfType(1);
  SkinDescription& d = skin.description;
  d.time.show = true;
  d.time.placement = {.top = 10, .left = 20, .height = 5, .width = 30};
  d.time.font.style = FontStyle::Italic;
  d.time.hint = {true, "Время"};
  d.formats[1].hint = {false, "unseen"};
  d.window.hintLayout = 2;
  const SkinPlan plan = PlanSkin(skin, {});
  const SkinLabelPlan& time = plan.labels[static_cast<int>(FaceLabel::Time)];
  EXPECT_TRUE(time.shown && plan.formats.timeShown);
  EXPECT_EQ((std::array{time.look.box.left, time.look.box.top, time.look.box.right, time.look.box.bottom}),
            (std::array{20, 10, 50, 15}));
  EXPECT_EQ(time.look.style, LabelWeight::Italic);
  EXPECT_EQ(time.hint, "Время");
  EXPECT_EQ(plan.labels[static_cast<int>(FaceLabel::Format2)].hint, "");
  // Without a hint icon of its own the skin's hint shows text only.
  EXPECT_EQ(plan.hintLayout, kTextOnlyHintLayout);
  skin.hintIcon = Picture{};
  EXPECT_EQ(PlanSkin(skin, {}).hintLayout, 2);
}

// ---- Which skin is shown.

struct Reads {
  std::map<std::string, std::optional<LoadedSkin>> skins;
  std::vector<std::string> asked;
  SkinReader Reader() {
    return [this](const std::string& path) {
      asked.push_back(path);
      const auto found = skins.find(path);
      return found == skins.end() ? std::nullopt : found->second;
    };
  }
};

TEST(SkinPick, AskedSkinThenTheRestoredBuiltInThenTheDrawnFace) {
  const LoadedSkin good = SkinOfType(1);
  LoadedSkin faceless = good;
  faceless.face = Picture{};

  Reads reads;
  reads.skins = {{"wood.tks", good}, {"broken.tks", faceless}, {"default.tks", SkinOfType(3)}};
  int restored = 0;
  const auto restore = [&restored] { ++restored; return std::string("default.tks"); };

  SkinPick pick = PickSkin("wood.tks", reads.Reader(), restore);
  EXPECT_TRUE(pick.asked && pick.skin);
  EXPECT_EQ(restored, 0);  // the built-in archive is written only when needed

  pick = PickSkin("broken.tks", reads.Reader(), restore);
  EXPECT_FALSE(pick.asked);
  ASSERT_TRUE(pick.skin);
  EXPECT_EQ(pick.skin->type, 3);
  EXPECT_EQ(restored, 1);
  EXPECT_EQ(reads.asked, (std::vector<std::string>{"wood.tks", "broken.tks", "default.tks"}));

  // The built-in archive cannot be written, or holds no face: nothing to show.
  EXPECT_FALSE(PickSkin("missing", reads.Reader(), [] { return std::string(); }).skin);
  reads.skins["default.tks"] = faceless;
  EXPECT_FALSE(PickSkin("missing", reads.Reader(), restore).skin);
}

}  // namespace
}  // namespace tikolvo
