#include "skin/hand_description.h"

#include <string>

namespace tikolvo {
namespace {

constexpr int kHeavyShadowOffset = 40;
constexpr int kLightShadowOffset = 8;

// "-1" in the file means the outline takes the fill colour.
Colour OutlineFromFile(int value) {
  return value == -1 ? kSameAsFill : static_cast<Colour>(value);
}

// Enh_start_poly_* or Enh_end_poly_*: the type decides whether the shape
// keys are read at all; whether the polygon is drawn is a key of its own.
void ReadPolygon(const IniDocument& ini, std::string_view section, const std::string& end,
                 HandPolygon& polygon) {
  const std::string prefix = "Enh_" + end;
  polygon.type = HandShapeFromFile(ini.ReadInteger(section, prefix + "type", 0), polygon.type);
  polygon.used = ini.ReadBool(section, prefix + "_poly", false);
  if (polygon.type == HandShape::None) return;
  polygon.position = ini.ReadInteger(section, prefix + "_poly_pos", 0);
  polygon.outlineWidth = ini.ReadInteger(section, prefix + "_poly_width", 1);
  for (int i = 0; i < 4; ++i) {
    const std::string point = prefix + "_poly_" + std::to_string(i);
    polygon.points[static_cast<std::size_t>(i)] = {ini.ReadInteger(section, point + "X", 0),
                                                   ini.ReadInteger(section, point + "Y", 0)};
  }
}

void ReadShapedHand(const IniDocument& ini, std::string_view section, bool heavyShadow, HandRecord& hand) {
  const int shadowOffset = heavyShadow ? kHeavyShadowOffset : kLightShadowOffset;
  // A hand with a shape draws its tail unless the skin says otherwise.
  hand.endUsed = ini.ReadBool(section, "Enh_euse", true);
  hand.pivotX = ini.ReadInteger(section, "Enh_x", 38);
  hand.pivotY = ini.ReadInteger(section, "Enh_y", 38);
  hand.startWidth = ini.ReadInteger(section, "Enh_swidth", 4);
  hand.startLength = ini.ReadInteger(section, "Enh_slong", 38);
  hand.endLength = ini.ReadInteger(section, "Enh_elong", 10);
  hand.endWidth = ini.ReadInteger(section, "Enh_ewidth", 4);
  hand.discRadius = ini.ReadInteger(section, "Enh_elipse", 8);
  hand.shadowX = ini.ReadInteger(section, "Enh_shadowX", shadowOffset);
  hand.shadowY = ini.ReadInteger(section, "Enh_shadowY", shadowOffset);
  hand.fill = static_cast<Colour>(ini.ReadInteger(section, "Enh_color", 0));
  hand.outline = OutlineFromFile(ini.ReadInteger(section, "Enh_colorpen", -1));
  hand.startPosition = ini.ReadInteger(section, "Enh_startpos", 0);
  hand.endPosition = ini.ReadInteger(section, "Enh_endpos", 0);
  ReadPolygon(ini, section, "start", hand.startPolygon);
  ReadPolygon(ini, section, "end", hand.endPolygon);
}

}  // namespace

void ReadHandSection(const IniDocument& ini, std::string_view section, bool heavyShadow, HandRecord& hand) {
  hand.shape = HandShapeFromFile(ini.ReadInteger(section, "Enh_type", 0), hand.shape);
  hand.startUsed = ini.ReadBool(section, "Enh_suse", true);
  hand.endUsed = ini.ReadBool(section, "Enh_euse", false);
  hand.discUsed = ini.ReadBool(section, "Enh_uelipse", true);
  if (hand.shape != HandShape::None) ReadShapedHand(ini, section, heavyShadow, hand);
}

}  // namespace tikolvo
