#pragma once
// The colour-map skin: a brushed-metal desk console with a dark dial on the
// left, a display on the right and a row of six round keys under it. The
// keys are hit through the colour map: each key's disc is painted there in
// the key's own colour, so a click counts only on the round key itself, not
// on the corners of its square picture.
#include <string>

#include "canvas.h"
#include "glyphs.h"
#include "image_files.h"
#include "skin_package.h"

namespace skins {

struct ColourMapGeometry {
  static constexpr int kWidth = 320;
  static constexpr int kHeight = 160;
  static constexpr double kCorner = 22;
  static constexpr double kBezelRadius = 68;
  static constexpr double kDialRadius = 61;
  static constexpr int kKeySize = 20;
  static constexpr double kKeyRadius = 9.5;
  // The display's box.
  static constexpr double kScreenLeft = 164, kScreenTop = 16, kScreenRight = 304, kScreenBottom = 92;
};

// Each key's colour in the colour map, 0x00BBGGRR, by member name.
inline const std::map<std::string, std::uint32_t>& ColourMapKeys() {
  static const std::map<std::string, std::uint32_t> keys = {
      {"menu.bmp", 0xFFFF00}, {"WWW.bmp", 0xFF00FF},   {"conf.bmp", 0xFF0000},
      {"Power.bmp", 0x00FFFF}, {"min.bmp", 0x00FF00}, {"close.bmp", 0x0000FF}};
  return keys;
}

inline Vec KeyCentre(const tikolvo::IniDocument& ini, const ButtonKind& button) {
  constexpr double half = ColourMapGeometry::kKeySize / 2.0;
  return {ini.ReadInteger(button.section, "L", 0) + half, ini.ReadInteger(button.section, "T", 0) + half};
}

// A round metal key, raised (or pressed in), with its shadow on the panel.
inline void PaintKey(Canvas& canvas, Vec c, bool pressed) {
  using G = ColourMapGeometry;
  const Box box = BoxAround(c.x, c.y, G::kKeyRadius + 1);
  if (!pressed) canvas.Fill(box, [&](double x, double y) { return CircleDistance(x, y, c.x, c.y + 1, G::kKeyRadius); }, Hex(0x6F7884), 0.5);
  canvas.Fill(box, [&](double x, double y) { return CircleDistance(x, y, c.x, c.y, G::kKeyRadius); }, Hex(0x7A8491));
  const Rgb top = pressed ? Hex(0xBCC4CD) : Hex(0xFFFFFF), bottom = pressed ? Hex(0xE9EDF1) : Hex(0xC3CAD2);
  canvas.Fill(
      box, [&](double x, double y) { return CircleDistance(x, y, c.x, c.y, G::kKeyRadius - 1); },
      [&](double, double y) { return Mix(top, bottom, std::clamp((y - c.y + G::kKeyRadius) / (2 * G::kKeyRadius), 0.0, 1.0)); });
}

struct ColourMapPictures {
  Canvas face;
  Plane coverage;
  Canvas map;
};

inline ColourMapPictures PaintColourMapPictures(const tikolvo::IniDocument& ini) {
  using G = ColourMapGeometry;
  ColourMapPictures out{Canvas(G::kWidth, G::kHeight), Plane(G::kWidth, G::kHeight), Canvas(G::kWidth, G::kHeight)};
  Canvas& face = out.face;
  // Brushed aluminium: a soft vertical gradient with a faint grain along the rows.
  for (int y = 0; y < G::kHeight; ++y) {
    const unsigned grain = (static_cast<unsigned>(y) * 2654435761u) >> 28;  // 0..15, fixed per row
    const Rgb fill = Mix(Mix(Hex(0xF0F3F6), Hex(0xC6CDD5), y / (G::kHeight - 1.0)), Hex(0xFFFFFF), grain / 15.0 * 0.18);
    for (int x = 0; x < G::kWidth; ++x) {
      const double d = RoundedBoxDistance(x + 0.5, y + 0.5, 0, 0, G::kWidth, G::kHeight, G::kCorner);
      out.coverage.At(x, y) = Coverage(d);
      Rgb c = Mix(fill, Hex(0xFFFFFF), Coverage(std::abs(d + 2.0) - 0.6) * 0.8);
      face.At(x, y) = Mix(c, Hex(0x3E4752), Coverage(std::abs(d + 0.5) - 0.7));
    }
  }
  // The dial: a dark bezel lit from the top left around a deep blue face.
  const Vec c = Pivot(ReadHands(ini).rect);
  const Box dial_box = BoxAround(c.x, c.y, G::kBezelRadius + 2);
  face.Fill(dial_box, [&](double x, double y) { return CircleDistance(x, y, c.x, c.y + 1.5, G::kBezelRadius); }, Hex(0x8A939E), 0.6);
  face.Fill(
      dial_box, [&](double x, double y) { return CircleDistance(x, y, c.x, c.y, G::kBezelRadius); },
      [&](double x, double y) {
        const double light = std::clamp(0.5 - ((x - c.x) + (y - c.y)) / (2.8 * G::kBezelRadius), 0.0, 1.0);
        return Mix(Hex(0x20262E), Hex(0x8B95A2), light);
      });
  face.Fill(
      dial_box, [&](double x, double y) { return CircleDistance(x, y, c.x, c.y, G::kDialRadius); },
      [&](double x, double y) {
        const double r = std::hypot(x - c.x, y - c.y) / G::kDialRadius;
        return Mix(Hex(0x1D2A3C), Hex(0x0B1119), std::pow(std::min(r, 1.0), 2));
      });
  for (int minute = 0; minute < 60; ++minute) {
    const Vec d = ClockDirection(minute * 6.0);
    const bool hour = minute % 5 == 0;
    const double inner = hour ? 50 : 54.5, outer = 57.5, half_width = hour ? (minute % 15 == 0 ? 1.9 : 1.3) : 0.45;
    const Vec a{c.x + d.x * inner, c.y + d.y * inner}, b{c.x + d.x * outer, c.y + d.y * outer};
    face.Fill(BoxAround((a.x + b.x) / 2, (a.y + b.y) / 2, 6),
              [&](double x, double y) { return SegmentDistance(x, y, a.x, a.y, b.x, b.y) - half_width; },
              minute == 0 ? Hex(0xFF8A3D) : hour ? Hex(0xE8EEF5) : Hex(0x8390A2));
  }
  const struct {
    const char* text;
    double angle;
  } numerals[] = {{"12", 0}, {"3", 90}, {"6", 180}, {"9", 270}};
  for (const auto& n : numerals) {
    const Vec d = ClockDirection(n.angle);
    const double along = n.angle == 90 || n.angle == 270 ? 41 : 40;
    DrawStrokeText(face, n.text, c.x + d.x * along, c.y + d.y * along, 11, 1.7, Hex(0xDCE4EE));
  }
  // The display: a dark glass window set into the metal.
  auto screen = [&](double x, double y) {
    return RoundedBoxDistance(x, y, G::kScreenLeft, G::kScreenTop, G::kScreenRight, G::kScreenBottom, 8);
  };
  const Box screen_box{static_cast<int>(G::kScreenLeft) - 3, static_cast<int>(G::kScreenTop) - 3,
                       static_cast<int>(G::kScreenRight) + 3, static_cast<int>(G::kScreenBottom) + 3};
  face.Fill(screen_box, [&](double x, double y) { return screen(x, y - 1); }, Hex(0xFFFFFF), 0.9);
  face.Fill(screen_box, screen, Hex(0x4A5360));
  face.Fill(
      screen_box, [&](double x, double y) { return screen(x, y) + 1.2; },
      [&](double, double y) { return Mix(Hex(0x1A2330), Hex(0x0A0F15), (y - G::kScreenTop) / (G::kScreenBottom - G::kScreenTop)); });
  face.Fill(screen_box, [&](double x, double y) { return std::max(screen(x, y) + 1.2, y - G::kScreenTop - 14); }, Hex(0xFFFFFF), 0.05);

  // Keys on the face in their resting state; their discs in the colour map.
  for (const ButtonKind& button : kButtons) {
    if (!ini.HasSection(button.section)) continue;
    const Vec k = KeyCentre(ini, button);
    PaintKey(face, k, false);
    const Rgb key = FromBgr(ColourMapKeys().at(button.file));
    for (int y = 0; y < G::kHeight; ++y)
      for (int x = 0; x < G::kWidth; ++x)
        if (std::hypot(x + 0.5 - k.x, y + 0.5 - k.y) <= G::kKeyRadius) out.map.At(x, y) = key;
  }
  return out;
}

inline void PaintColourMapButton(Canvas& frame, Glyph glyph, ButtonState state) {
  const Vec c{frame.Width() / 2.0, frame.Height() / 2.0};
  if (state == ButtonState::kPressed) PaintKey(frame, c, true);
  Rgb symbol = Hex(0x3B4654);
  if (state == ButtonState::kHover) symbol = glyph == Glyph::kClose ? Hex(0xD0362A) : Hex(0x1679C9);
  if (state == ButtonState::kPressed) symbol = glyph == Glyph::kClose ? Hex(0xA8281E) : Hex(0x0F5C9C);
  DrawGlyph(frame, glyph, c.x, c.y + (state == ButtonState::kPressed ? 0.7 : 0.0), 0.9, symbol);
}

inline SkinPackage BuildColourMapSkin(const Description& description) {
  using G = ColourMapGeometry;
  const tikolvo::IniDocument& ini = description.ini;
  SkinPackage skin;
  skin.name = "colourmap";
  skin.type = 2;
  const ColourMapPictures pictures = PaintColourMapPictures(ini);
  skin.Add("main.bmp", EncodeBmp24(pictures.face));
  skin.Add("mask.bmp", EncodeCutMask(pictures.coverage));
  skin.Add("colormap.bmp", EncodeBmp24(pictures.map));
  for (const ButtonKind& button : kButtons) {
    if (!ini.HasSection(button.section)) continue;
    const Canvas strip = ButtonStrip(pictures.face, ini.ReadInteger(button.section, "L", 0),
                                     ini.ReadInteger(button.section, "T", 0), G::kKeySize,
                                     [&](Canvas& frame, ButtonState state) { PaintColourMapButton(frame, button.glyph, state); });
    skin.Add(button.file, EncodeBmp24(strip));
    skin.keys[button.file] = ColourMapKeys().at(button.file);
  }
  skin.Add("hint.bmp", EncodeBmp24(HintIcon(24, Hex(0x4A5360), Hex(0x1D2A3C), Hex(0xE8EEF5), Hex(0xFF8A3D))));
  Canvas shown = FaceWithHands(pictures.face, ReadHands(ini));
  PreviewTimeLabel(shown, ini, "Time", "ShowTime", "Top", "Left", "10:08");
  skin.Add("shot.bmp", EncodeBmp24(Reduce(CutOver(shown, pictures.coverage, Hex(0xF0F0F0)), 160, 80)));
  skin.Add("config.cfg", description.cp1251);
  return skin;
}

}  // namespace skins
