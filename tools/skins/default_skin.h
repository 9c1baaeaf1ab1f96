#pragma once
// The default skin: a dark rounded panel, a cream dial in a metal bezel with
// hour batons, numerals at the quarters and a minute track, a display well
// for the digital time and the date, and six small symbol buttons in the
// panel's corners. The description decides where things go (hand rectangle,
// label boxes, button places); this file decides how they look.
#include <string>

#include "canvas.h"
#include "glyphs.h"
#include "image_files.h"
#include "skin_package.h"

namespace skins {

struct DefaultPalette {
  Rgb panel_top, panel_bottom, panel_rim, outline;
  Rgb bezel_light, bezel_dark;
  Rgb dial_centre, dial_edge;
  Rgb mark_hour, mark_minute, numeral, accent;
  Rgb well_fill, well_rim;
};

// The face: warm cream dial.
inline DefaultPalette DefaultFacePalette() {
  return {Hex(0x343E4C), Hex(0x141921), Hex(0x6A7686), Hex(0x07090C), Hex(0xE8ECF1), Hex(0x5C6672),
          Hex(0xFBF8F0), Hex(0xE2DCCD), Hex(0x1C2430), Hex(0x4A5058), Hex(0x27303C), Hex(0xC83A2E),
          Hex(0x0B0F14), Hex(0x4C5766)};
}
// The day picture: a cooler, brighter dial.
inline DefaultPalette DefaultDayPalette() {
  DefaultPalette p = DefaultFacePalette();
  p.dial_centre = Hex(0xFFFFFF);
  p.dial_edge = Hex(0xDDE4EC);
  p.mark_hour = Hex(0x23324A);
  p.numeral = Hex(0x23324A);
  return p;
}
// The night picture: a deep blue dial with pale marks.
inline DefaultPalette DefaultNightPalette() {
  DefaultPalette p = DefaultFacePalette();
  p.dial_centre = Hex(0x1F2A3A);
  p.dial_edge = Hex(0x0E141D);
  p.mark_hour = Hex(0xD5DEEA);
  p.mark_minute = Hex(0x7F8B9B);
  p.numeral = Hex(0xE4EAF2);
  p.bezel_light = Hex(0xA4AEBB);
  p.bezel_dark = Hex(0x363E49);
  return p;
}

struct DefaultGeometry {
  static constexpr int kWidth = 241;
  static constexpr int kHeight = 343;
  static constexpr double kCorner = 30;
  static constexpr double kBezelRadius = 108;
  static constexpr double kDialRadius = 100;
  static constexpr double kTrackOuter = 93;
  static constexpr int kButtonSize = 18;
};

// The well behind the two labels: the time label's box, reaching down to
// below the date line.
inline Box DefaultWell(const tikolvo::IniDocument& ini) {
  const int left = ini.ReadInteger("Time", "Left", 0), top = ini.ReadInteger("Time", "Top", 0);
  const int width = ini.ReadInteger("Time", "W", 20);
  const double date_pixels = ini.ReadInteger("Data", "LSize", 13) * 96.0 / 72;
  const int date_bottom = ini.ReadInteger("Data", "LTop", 329) + static_cast<int>(std::ceil(date_pixels * 1.25));
  return {left - 4, top - 5, left + width + 4, date_bottom + 6};
}

inline void PaintDefaultPanel(Canvas& face, const DefaultPalette& p, Plane& coverage) {
  using G = DefaultGeometry;
  for (int y = 0; y < G::kHeight; ++y) {
    const double t = static_cast<double>(y) / (G::kHeight - 1);
    const Rgb fill = Mix(p.panel_top, p.panel_bottom, t);
    for (int x = 0; x < G::kWidth; ++x) {
      const double d = RoundedBoxDistance(x + 0.5, y + 0.5, 0, 0, G::kWidth, G::kHeight, G::kCorner);
      coverage.At(x, y) = Coverage(d);
      // The window region keeps whole pixels, so the outermost kept ring is
      // a dark line (crisp on a light desktop) and a lit rim sits just inside
      // it (visible on a dark one).
      Rgb c = Mix(fill, p.panel_rim, Coverage(std::abs(d + 2.0) - 0.6) * 0.75);
      c = Mix(c, p.outline, Coverage(std::abs(d + 0.5) - 0.7));
      face.At(x, y) = c;
    }
  }
}

inline void PaintDefaultDial(Canvas& face, const DefaultPalette& p, Vec centre) {
  using G = DefaultGeometry;
  const Box box = BoxAround(centre.x, centre.y, G::kBezelRadius + 4);
  // A soft dark halo lifts the bezel off the panel.
  face.Fill(box, [&](double x, double y) { return CircleDistance(x, y, centre.x, centre.y, G::kBezelRadius + 2.5) + 0.5; },
            p.panel_bottom, 0.55);
  face.Fill(
      box, [&](double x, double y) { return CircleDistance(x, y, centre.x, centre.y, G::kBezelRadius); },
      [&](double x, double y) {
        const double light = std::clamp(0.5 - ((x - centre.x) + (y - centre.y)) / (2.8 * G::kBezelRadius), 0.0, 1.0);
        return Mix(p.bezel_dark, p.bezel_light, light);
      });
  // An inner bevel: the lower right of the bezel's inner edge catches light.
  face.Fill(
      box, [&](double x, double y) { return std::abs(std::hypot(x - centre.x, y - centre.y) - (G::kDialRadius + 2.2)) - 1.2; },
      [&](double x, double y) {
        const double light = std::clamp(0.5 + ((x - centre.x) + (y - centre.y)) / (2.6 * G::kDialRadius), 0.0, 1.0);
        return Mix(p.bezel_dark, p.bezel_light, light);
      },
      0.6);
  face.Fill(
      box, [&](double x, double y) { return CircleDistance(x, y, centre.x, centre.y, G::kDialRadius); },
      [&](double x, double y) {
        const double r = std::hypot(x - centre.x, y - centre.y) / G::kDialRadius;
        return Mix(p.dial_centre, p.dial_edge, std::pow(std::min(r, 1.0), 3));
      });
  face.Fill(box, [&](double x, double y) { return std::abs(std::hypot(x - centre.x, y - centre.y) - G::kDialRadius) - 0.5; },
            p.bezel_dark, 0.7);
}

inline void PaintDefaultMarks(Canvas& face, const DefaultPalette& p, Vec centre) {
  using G = DefaultGeometry;
  const Box box = BoxAround(centre.x, centre.y, G::kTrackOuter + 2);
  // The minute track's outer line.
  face.Fill(box, [&](double x, double y) { return std::abs(std::hypot(x - centre.x, y - centre.y) - G::kTrackOuter) - 0.35; },
            p.mark_minute, 0.7);
  for (int minute = 0; minute < 60; ++minute) {
    double inner = 88, half_width = 0.55;
    Rgb colour = p.mark_minute;
    if (minute % 5 == 0) {
      inner = minute % 15 == 0 ? 77 : 80;
      half_width = minute % 15 == 0 ? 2.3 : 1.7;
      colour = minute == 0 ? p.accent : p.mark_hour;
    }
    const Vec d = ClockDirection(minute * 6.0);
    const double outer = G::kTrackOuter - 0.4;
    const Vec a{centre.x + d.x * inner, centre.y + d.y * inner}, b{centre.x + d.x * outer, centre.y + d.y * outer};
    face.Fill(BoxAround((a.x + b.x) / 2, (a.y + b.y) / 2, (outer - inner) / 2 + 3),
              [&](double x, double y) { return SegmentDistance(x, y, a.x, a.y, b.x, b.y) - half_width; }, colour);
  }
  // Numerals at the quarters, sitting just inside the batons.
  const struct {
    const char* text;
    double angle;
  } numerals[] = {{"12", 0}, {"3", 90}, {"6", 180}, {"9", 270}};
  constexpr double kHeight = 17, kRadius = 64;
  for (const auto& n : numerals) {
    const Vec d = ClockDirection(n.angle);
    // The wide "12" keeps its inner edge at the same distance as the others.
    const double along = kRadius + (n.angle == 90 || n.angle == 270 ? 1.5 : 0.0);
    DrawStrokeText(face, n.text, centre.x + d.x * along, centre.y + d.y * along, kHeight, 2.5, p.numeral);
  }
}

inline void PaintDefaultWell(Canvas& face, const DefaultPalette& p, Box well) {
  const Box box{well.left - 3, well.top - 3, well.right + 3, well.bottom + 3};
  constexpr double kRadius = 11;
  auto distance = [&](double x, double y) { return RoundedBoxDistance(x, y, well.left, well.top, well.right, well.bottom, kRadius); };
  // Lit lower edge, dark fill, and a shade under the top edge: a recess.
  face.Fill(box, [&](double x, double y) { return distance(x, y - 1); }, p.panel_rim, 0.55);
  face.Fill(box, distance, p.well_rim);
  face.Fill(box, [&](double x, double y) { return distance(x, y) + 1.2; }, p.well_fill);
  face.Fill(box, [&](double x, double y) { return std::max(distance(x, y) + 1.2, -(y - well.top - 6)); }, Hex(0x000000), 0.35);
}

struct DefaultPictures {
  Canvas face, day, night;
  Plane coverage;
};

inline Canvas PaintDefaultVariant(const tikolvo::IniDocument& ini, const DefaultPalette& palette, Plane& coverage) {
  using G = DefaultGeometry;
  Canvas face(G::kWidth, G::kHeight);
  const Vec centre = Pivot(ReadHands(ini).rect);
  PaintDefaultPanel(face, palette, coverage);
  PaintDefaultDial(face, palette, centre);
  PaintDefaultMarks(face, palette, centre);
  PaintDefaultWell(face, palette, DefaultWell(ini));
  return face;
}

inline DefaultPictures PaintDefaultPictures(const tikolvo::IniDocument& ini) {
  using G = DefaultGeometry;
  DefaultPictures out;
  out.coverage = Plane(G::kWidth, G::kHeight);
  Plane unused(G::kWidth, G::kHeight);
  out.face = PaintDefaultVariant(ini, DefaultFacePalette(), out.coverage);
  out.day = PaintDefaultVariant(ini, DefaultDayPalette(), unused);
  out.night = PaintDefaultVariant(ini, DefaultNightPalette(), unused);
  return out;
}

// Symbols sit straight on the panel; hovering lifts a soft disc under them,
// pressing sinks it. The close button warns in red.
inline void PaintDefaultButton(Canvas& frame, Glyph glyph, ButtonState state) {
  const double c = frame.Width() / 2.0, r = frame.Width() / 2.0 - 0.5;
  const bool close = glyph == Glyph::kClose;
  Rgb symbol = Hex(0xA9B4C3);
  if (state == ButtonState::kHover) {
    frame.Fill(frame.Whole(), [&](double x, double y) { return CircleDistance(x, y, c, c, r); }, close ? Hex(0xC83A2E) : Hex(0x4A5769));
    symbol = Hex(0xFFFFFF);
  } else if (state == ButtonState::kPressed) {
    frame.Fill(frame.Whole(), [&](double x, double y) { return CircleDistance(x, y, c, c, r); }, close ? Hex(0x8E241B) : Hex(0x0C1016));
    symbol = close ? Hex(0xFFD6D0) : Hex(0x8CE4FF);
  }
  const double shift = state == ButtonState::kPressed ? 0.6 : 0.0;
  DrawGlyph(frame, glyph, c, c + shift, 1.0, symbol);
}

inline SkinPackage BuildDefaultSkin(const Description& description) {
  using G = DefaultGeometry;
  const tikolvo::IniDocument& ini = description.ini;
  SkinPackage skin;
  skin.name = "default";
  skin.type = 1;
  const DefaultPictures pictures = PaintDefaultPictures(ini);
  skin.Add("main.bmp", EncodeBmp24(pictures.face));
  skin.Add("mask.bmp", EncodeCutMask(pictures.coverage));
  skin.Add("WHT.bmp", EncodeBmp24(pictures.day));
  skin.Add("NGT.bmp", EncodeBmp24(pictures.night));
  for (const ButtonKind& button : kButtons) {
    if (!ini.HasSection(button.section)) continue;
    const Canvas strip = ButtonStrip(pictures.face, ini.ReadInteger(button.section, "L", 0),
                                     ini.ReadInteger(button.section, "T", 0), G::kButtonSize,
                                     [&](Canvas& frame, ButtonState state) { PaintDefaultButton(frame, button.glyph, state); });
    skin.Add(button.file, EncodeBmp24(strip));
  }
  const DefaultPalette palette = DefaultFacePalette();
  skin.Add("hint.bmp", EncodeBmp24(HintIcon(24, palette.panel_top, palette.dial_centre, palette.mark_hour, palette.accent)));
  Canvas shown = FaceWithHands(pictures.face, ReadHands(ini));
  PreviewTimeLabel(shown, ini, "Time", "ShowTime", "Top", "Left", "10:08:36");
  skin.Add("shot.bmp", EncodeBmp24(Reduce(CutOver(shown, pictures.coverage, Hex(0xF0F0F0)), 120, 171)));
  skin.Add("config.cfg", description.cp1251);
  return skin;
}

}  // namespace skins
