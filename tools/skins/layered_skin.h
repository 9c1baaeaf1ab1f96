#pragma once
// The layered skin (per-pixel alpha): a round clock of dark smoked glass
// around a frosted dial, with a soft shadow that fades into the desktop.
// The mask's brightness is the opacity; the face holds the plain (not
// premultiplied) colour of every pixel, black under the shadow.
#include <string>

#include "canvas.h"
#include "glyphs.h"
#include "image_files.h"
#include "skin_package.h"

namespace skins {

struct LayeredGeometry {
  static constexpr int kWidth = 236;
  static constexpr int kHeight = 240;
  static constexpr double kBodyRadius = 106;
  static constexpr double kDialRadius = 85;
  static constexpr double kShadowDrop = 4;     // the shadow falls a little below
  static constexpr double kShadowSpread = 12;  // and fades out over this distance
  static constexpr double kShadowStrength = 0.5;
  static constexpr int kButtonSize = 16;
};

struct LayeredPictures {
  Canvas face;
  Plane alpha;
};

inline LayeredPictures PaintLayeredPictures(const tikolvo::IniDocument& ini) {
  using G = LayeredGeometry;
  const Vec c = Pivot(ReadHands(ini).rect);
  LayeredPictures out{Canvas(G::kWidth, G::kHeight), Plane(G::kWidth, G::kHeight)};
  Canvas& face = out.face;
  const Rgb ring_top = Hex(0x46505E), ring_bottom = Hex(0x101419);
  const Rgb dial_centre = Hex(0xFDFEFF), dial_edge = Hex(0xD3DDE7);

  // Body and shadow: the opacity of the body's edge, then the shadow under it.
  for (int y = 0; y < G::kHeight; ++y)
    for (int x = 0; x < G::kWidth; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double body = Coverage(CircleDistance(px, py, c.x, c.y, G::kBodyRadius));
      const double beyond = CircleDistance(px, py, c.x, c.y + G::kShadowDrop, G::kBodyRadius - 3);
      const double shadow = G::kShadowStrength * (1 - Smoothstep(0, G::kShadowSpread, beyond));
      out.alpha.At(x, y) = body + (1 - body) * shadow;
      // Smoked glass, lit from above; the straight colour of the body's
      // edge pixels stays the ring's, the shadow is plain black.
      const double t = std::clamp((py - (c.y - G::kBodyRadius)) / (2 * G::kBodyRadius), 0.0, 1.0);
      face.At(x, y) = body > 0 ? Mix(ring_top, ring_bottom, t) : Rgb{};
    }
  const Box box = BoxAround(c.x, c.y, G::kBodyRadius);
  // A lit edge all round, so the clock stands out on a dark desktop too, and
  // a highlight along the upper rim, like light on a curved glass edge; both
  // strongest at the top and fading downwards.
  const Box inner = out.face.Clip(box);
  for (int y = inner.top; y < inner.bottom; ++y)
    for (int x = inner.left; x < inner.right; ++x) {
      const double px = x + 0.5, py = y + 0.5, r = std::hypot(px - c.x, py - c.y);
      const double up = std::clamp((c.y - py) / G::kBodyRadius, -1.0, 1.0);  // 1 at the top, -1 at the bottom
      face.Blend(x, y, Hex(0x7A8797), Coverage(std::abs(r - (G::kBodyRadius - 0.8)) - 0.7) * (0.55 + 0.35 * up));
      face.Blend(x, y, Hex(0xA9B5C3), Coverage(std::abs(r - (G::kBodyRadius - 4)) - 1.5) * 0.7 * Smoothstep(0.1, 0.8, up));
    }
  // The chrome line between ring and dial, bright at the bottom right.
  face.Fill(
      box, [&](double x, double y) { return CircleDistance(x, y, c.x, c.y, G::kDialRadius + 2); },
      [&](double x, double y) {
        const double light = std::clamp(0.5 + ((x - c.x) + (y - c.y)) / (2.6 * G::kDialRadius), 0.0, 1.0);
        return Mix(Hex(0x5A6472), Hex(0xE6EBF0), light);
      });
  face.Fill(
      box, [&](double x, double y) { return CircleDistance(x, y, c.x, c.y, G::kDialRadius); },
      [&](double x, double y) {
        const double r = std::hypot(x - c.x, y - c.y) / G::kDialRadius;
        return Mix(dial_centre, dial_edge, std::pow(std::min(r, 1.0), 2.5));
      });
  // The dial seen through glass: a faint reflection over its upper half.
  face.Fill(
      box,
      [&](double x, double y) {
        return std::max(CircleDistance(x, y, c.x, c.y, G::kDialRadius - 1), CircleDistance(x, y, c.x - 30, c.y - 70, 110));
      },
      Hex(0xFFFFFF), 0.35);

  // Marks: fine minute ticks, rounded hour batons, a double baton at twelve.
  const Rgb ink = Hex(0x2A3340), accent = Hex(0x0F86C9);
  for (int minute = 0; minute < 60; ++minute) {
    const Vec d = ClockDirection(minute * 6.0);
    const bool hour = minute % 5 == 0;
    const double inner = hour ? (minute % 15 == 0 ? 66 : 70) : 77, outer = 81;
    const double half_width = hour ? (minute % 15 == 0 ? 2.2 : 1.6) : 0.5;
    auto baton = [&](double offset, Rgb colour) {
      const Vec side{-d.y * offset, d.x * offset};
      const Vec a{c.x + d.x * inner + side.x, c.y + d.y * inner + side.y};
      const Vec b{c.x + d.x * outer + side.x, c.y + d.y * outer + side.y};
      face.Fill(BoxAround((a.x + b.x) / 2, (a.y + b.y) / 2, (outer - inner) / 2 + 3),
                [&](double x, double y) { return SegmentDistance(x, y, a.x, a.y, b.x, b.y) - half_width; }, colour);
    };
    if (minute == 0) {
      baton(-3.2, accent);
      baton(3.2, accent);
    } else {
      baton(0, hour ? ink : Hex(0x7D8896));
    }
  }
  // A small window for the digital time at six o'clock.
  const int left = ini.ReadInteger("Time", "Left", 0), top = ini.ReadInteger("Time", "Top", 0);
  const int width = ini.ReadInteger("Time", "W", 20), height = ini.ReadInteger("Time", "H", 10);
  auto plate = [&](double x, double y) { return RoundedBoxDistance(x, y, left, top, left + width, top + height, 5); };
  const Box plate_box{left - 2, top - 2, left + width + 2, top + height + 3};
  face.Fill(plate_box, [&](double x, double y) { return plate(x, y - 1); }, Hex(0xFFFFFF), 0.8);
  face.Fill(plate_box, plate, Hex(0xB9C4D0));
  face.Fill(plate_box, [&](double x, double y) { return plate(x, y) + 1; }, Hex(0xE7EDF3));
  return out;
}

inline void PaintLayeredButton(Canvas& frame, Glyph glyph, ButtonState state) {
  const double c = frame.Width() / 2.0, r = frame.Width() / 2.0 - 0.5;
  Rgb symbol = Hex(0xC5CED9);
  if (state == ButtonState::kHover) {
    frame.Fill(frame.Whole(), [&](double x, double y) { return CircleDistance(x, y, c, c, r); },
               glyph == Glyph::kClose ? Hex(0xC83A2E) : Hex(0x6A7788), 0.9);
    symbol = Hex(0xFFFFFF);
  } else if (state == ButtonState::kPressed) {
    frame.Fill(frame.Whole(), [&](double x, double y) { return CircleDistance(x, y, c, c, r); }, Hex(0x07090C), 0.85);
    symbol = Hex(0x6CD0FF);
  }
  DrawGlyph(frame, glyph, c, c + (state == ButtonState::kPressed ? 0.5 : 0.0), 0.85, symbol);
}

inline SkinPackage BuildLayeredSkin(const Description& description) {
  using G = LayeredGeometry;
  const tikolvo::IniDocument& ini = description.ini;
  SkinPackage skin;
  skin.name = "layered";
  skin.type = 3;
  const LayeredPictures pictures = PaintLayeredPictures(ini);
  skin.Add("main.bmp", EncodeBmp24(pictures.face));
  skin.Add("mask.bmp", EncodeAlphaMask(pictures.alpha));
  for (const ButtonKind& button : kButtons) {
    if (!ini.HasSection(button.section)) continue;
    const Canvas strip = ButtonStrip(pictures.face, ini.ReadInteger(button.section, "L", 0),
                                     ini.ReadInteger(button.section, "T", 0), G::kButtonSize,
                                     [&](Canvas& frame, ButtonState state) { PaintLayeredButton(frame, button.glyph, state); });
    skin.Add(button.file, EncodeBmp24(strip));
  }
  skin.Add("hint.bmp", EncodeBmp24(HintIcon(24, Hex(0x2A313B), Hex(0xF4F8FB), Hex(0x2A3340), Hex(0x0F86C9))));
  const Canvas shown = LayerWithHandsOver(pictures.face, pictures.alpha, ReadHands(ini), Hex(0xF0F0F0));
  skin.Add("shot.bmp", EncodeBmp24(Reduce(shown, 118, 120)));
  skin.Add("config.cfg", description.cp1251);
  return skin;
}

}  // namespace skins
