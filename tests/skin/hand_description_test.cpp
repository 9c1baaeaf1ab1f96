// The enhanced hand sections of a skin description, read over the records
// the previous skin left.
#include <gtest/gtest.h>

#include <string>

#include "skin/skin_description.h"
#include "skin/skin_engine_setup.h"

namespace tikolvo {
namespace {

HandRecord Hand(const SkinDescription& d, HandId id) { return d.clock.Hand(id); }

SkinDescription Enhanced(const std::string& sections, const HandRecords& previous = {}) {
  return ParseSkinDescription("[Clock]\nEnh=1\n" + sections, previous);
}

TEST(SkinDescriptionHands, SectionsAreIgnoredWithoutTheEnhancedModel) {
  HandRecords previous{};
  previous[static_cast<int>(HandId::Hour)].pivotX = 77;
  const SkinDescription d = ParseSkinDescription("[Clock_H]\nEnh_type=0\nEnh_x=5\n[Clock]\nshadow_per=50\n", previous);
  EXPECT_EQ(Hand(d, HandId::Hour).pivotX, 77);
  EXPECT_EQ(Hand(d, HandId::Hour).shape, HandShape::FirstForm);
  EXPECT_EQ(d.clock.shadowPercent, 10);
}

TEST(SkinDescriptionHands, UnknownShapeNumberKeepsThePreviousSkinsShape) {
  HandRecords previous{};
  previous[static_cast<int>(HandId::Minute)].shape = HandShape::ThirdForm;
  const SkinDescription d = Enhanced("[Clock_M]\nEnh_type=2\n[Clock_H]\nEnh_type=2\n[Clock_S]\nEnh_type=3\n", previous);
  EXPECT_EQ(Hand(d, HandId::Minute).shape, HandShape::ThirdForm);
  EXPECT_EQ(Hand(d, HandId::Hour).shape, HandShape::FirstForm);  // no skin had set it
  EXPECT_EQ(Hand(d, HandId::Second).shape, HandShape::SecondForm);
  // A missing Enh_type is 0: no hand.
  EXPECT_EQ(Hand(d, HandId::Alarm).shape, HandShape::None);
}

TEST(SkinDescriptionHands, HandWithoutShapeReadsOnlyItsFlags) {
  HandRecords previous{};
  previous[static_cast<int>(HandId::Minute)].pivotX = 55;
  const SkinDescription d = Enhanced(
      "[Clock_H]\nEnh_type=1\n[Clock_M]\nEnh_type=0\nEnh_x=1\nEnh_suse=0\n[Clock_S]\nEnh_type=4\nEnh_euse=0\n"
      "[Clock_A]\nEnh_type=0\nEnh_euse=1\n",
      previous);
  EXPECT_EQ(Hand(d, HandId::Minute).pivotX, 55);
  EXPECT_FALSE(Hand(d, HandId::Minute).startUsed);
  // The tail's default depends on the shape.
  EXPECT_TRUE(Hand(d, HandId::Hour).endUsed);
  EXPECT_FALSE(Hand(d, HandId::Minute).endUsed);
  EXPECT_FALSE(Hand(d, HandId::Second).endUsed);
  EXPECT_TRUE(Hand(d, HandId::Alarm).endUsed);
}

TEST(SkinDescriptionHands, ShapedHandGetsDefaultsAndPerHandShadow) {
  HandRecords previous{};
  for (HandRecord& r : previous) r.pivotX = 1, r.shadowX = 1, r.outline = 5;
  const SkinDescription d = Enhanced(
      "[Clock_H]\nEnh_type=1\n[Clock_M]\nEnh_type=1\nEnh_colorpen=255\n[Clock_Week]\nEnh_type=1\nEnh_color=9\n"
      "[Clock_S]\nEnh_type=1\nEnh_x=20\nEnh_elipse=4\nEnh_uelipse=0\nEnh_shadowX=3\n",
      previous);
  const HandRecord& hour = Hand(d, HandId::Hour);
  EXPECT_EQ(hour.shadowY, 40);
  EXPECT_EQ(hour.outline, kSameAsFill);
  EXPECT_EQ(Hand(d, HandId::Minute).shadowY, 40);
  EXPECT_EQ(Hand(d, HandId::Minute).outline, 255u);
  EXPECT_EQ(Hand(d, HandId::Weekday).shadowX, 8);
  const HandRecord& second = Hand(d, HandId::Second);
  EXPECT_EQ(second.pivotY, 38);  // fresh default, not the previous record's
  EXPECT_FALSE(second.discUsed);
  EXPECT_EQ(second.shadowY, 8);
}

TEST(SkinDescriptionHands, PolygonPointsAreReadOnlyForATypedPolygon) {
  HandRecords previous{};
  previous[static_cast<int>(HandId::Hour)].endPolygon.points[0] = {9, 9};
  const SkinDescription d = Enhanced(
      "[Clock_H]\nEnh_type=1\nEnh_starttype=3\nEnh_start_poly=1\nEnh_start_poly_pos=12\n"
      "Enh_start_poly_width=2\nEnh_start_poly_0X=1\nEnh_start_poly_0Y=-2\nEnh_start_poly_3X=7\n"
      "Enh_start_poly_3Y=8\nEnh_endtype=0\nEnh_end_poly=1\nEnh_end_poly_0X=5\n",
      previous);
  const HandRecord& h = Hand(d, HandId::Hour);
  EXPECT_EQ(h.startPolygon.type, HandShape::SecondForm);
  EXPECT_EQ(h.startPolygon.outlineWidth, 2);
  EXPECT_EQ(h.startPolygon.points[0].y, -2);
  EXPECT_EQ(h.startPolygon.points[3].y, 8);
  // Drawn or not is its own key; the untyped polygon's points stay as they were.
  EXPECT_TRUE(h.endPolygon.used);
  EXPECT_EQ(h.endPolygon.type, HandShape::None);
  EXPECT_EQ(h.endPolygon.points[0].x, 9);
}

TEST(SkinDescriptionHands, SmoothingFlagsBelongToTheirOwnSections) {
  const SkinDescription d = ParseSkinDescription(
      "[Clock]\nEnh=1\nshadow_per=150\n[Clock_M]\nEnh_smoth=1\n[Clock_S]\nEnh_secBack=1\n"
      "[Clock_Month]\nEnh_smooth=1\n[Clock_Week]\nEnh_smoth=1\n");
  EXPECT_TRUE(d.clock.minuteSmooth);
  EXPECT_TRUE(d.clock.secondBeneath);
  EXPECT_TRUE(Hand(d, HandId::Month).smooth);
  EXPECT_FALSE(Hand(d, HandId::Weekday).smooth);  // its key is spelt Enh_smooth
  EXPECT_EQ(d.clock.shadowPercent, 150);  // clamped where the engine uses it
}

// Two skins in a row through the engine: the second one's unknown shape
// number finds the shape the first one gave.
TEST(SkinDescriptionEngine, NextSkinReadsOverTheEnginesRecords) {
  Engine engine;
  ApplyClockDescription(Enhanced("[Clock_H]\nEnh_type=4\nEnh_x=30\n").clock, engine);
  EXPECT_TRUE(engine.Options().enhanced);
  const SkinDescription next = Enhanced("[Clock_H]\nEnh_type=2\n", EngineHandRecords(engine));
  EXPECT_EQ(Hand(next, HandId::Hour).shape, HandShape::ThirdForm);
  EXPECT_EQ(Hand(next, HandId::Hour).pivotX, 38);  // a shaped hand reads its keys afresh

  ApplyClockDescription(ParseSkinDescription("[Clock]\nHourArrow=12\n").clock, engine);
  EXPECT_FALSE(engine.Options().enhanced);
  EXPECT_EQ(engine.Simple().hourLength, 12);
  EXPECT_EQ(engine.Hand(HandId::Hour).shape, HandShape::ThirdForm);  // kept for a later enhanced skin

  ApplyHandColours(ParseSkinDescription("[Color]\nBasic=5\n").colours, engine);
  EXPECT_EQ(engine.Simple().hourColour, 5u);
  EXPECT_EQ(engine.Simple().minuteColour, 5u);
  EXPECT_EQ(engine.Simple().secondColour, 128u);
}

}  // namespace
}  // namespace tikolvo
