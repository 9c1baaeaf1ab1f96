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

// Sizes of the panel and its dial; the marks and numerals scale with the
// dial (they are laid out for a dial of radius 100).
struct PanelLayout {
  int width, height;
  double corner;
  double bezel_radius, dial_radius;
  int button_size;
  double Scale() const { return dial_radius / 100; }
};

inline constexpr PanelLayout kDefaultLayout{241, 343, 30, 108, 100, 18};

// The well behind the labels: the time label's box, reaching down to below
// the date line when the skin shows the date.
inline Box DefaultWell(const tikolvo::IniDocument& ini) {
  const int left = ini.ReadInteger("Time", "Left", 0), top = ini.ReadInteger("Time", "Top", 0);
  const int width = ini.ReadInteger("Time", "W", 20);
  if (!ini.ReadBool("Data", "ShowData", false)) return {left - 4, top - 4, left + width + 4, top + ini.ReadInteger("Time", "H", 10) + 4};
  const double date_pixels = ini.ReadInteger("Data", "LSize", 13) * 96.0 / 72;
  const int date_bottom = ini.ReadInteger("Data", "LTop", 329) + static_cast<int>(std::ceil(date_pixels * 1.25));
  return {left - 4, top - 5, left + width + 4, date_bottom + 6};
}

inline void PaintDefaultPanel(Canvas& face, const PanelLayout& g, const DefaultPalette& p, Plane& coverage) {
  for (int y = 0; y < g.height; ++y) {
    const double t = static_cast<double>(y) / (g.height - 1);
    const Rgb fill = Mix(p.panel_top, p.panel_bottom, t);
    for (int x = 0; x < g.width; ++x) {
      const double d = RoundedBoxDistance(x + 0.5, y + 0.5, 0, 0, g.width, g.height, g.corner);
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

inline void PaintDefaultDial(Canvas& face, const PanelLayout& g, const DefaultPalette& p, Vec centre) {
  const Box box = BoxAround(centre.x, centre.y, g.bezel_radius + 4);
  // A soft dark halo lifts the bezel off the panel.
  face.Fill(box, [&](double x, double y) { return CircleDistance(x, y, centre.x, centre.y, g.bezel_radius + 2.5) + 0.5; },
            p.panel_bottom, 0.55);
  face.Fill(
      box, [&](double x, double y) { return CircleDistance(x, y, centre.x, centre.y, g.bezel_radius); },
      [&](double x, double y) {
        const double light = std::clamp(0.5 - ((x - centre.x) + (y - centre.y)) / (2.8 * g.bezel_radius), 0.0, 1.0);
        return Mix(p.bezel_dark, p.bezel_light, light);
      });
  // An inner bevel: the lower right of the bezel's inner edge catches light.
  face.Fill(
      box, [&](double x, double y) { return std::abs(std::hypot(x - centre.x, y - centre.y) - (g.dial_radius + 2.2)) - 1.2; },
      [&](double x, double y) {
        const double light = std::clamp(0.5 + ((x - centre.x) + (y - centre.y)) / (2.6 * g.dial_radius), 0.0, 1.0);
        return Mix(p.bezel_dark, p.bezel_light, light);
      },
      0.6);
  face.Fill(
      box, [&](double x, double y) { return CircleDistance(x, y, centre.x, centre.y, g.dial_radius); },
      [&](double x, double y) {
        const double r = std::hypot(x - centre.x, y - centre.y) / g.dial_radius;
        return Mix(p.dial_centre, p.dial_edge, std::pow(std::min(r, 1.0), 3));
      });
  face.Fill(box, [&](double x, double y) { return std::abs(std::hypot(x - centre.x, y - centre.y) - g.dial_radius) - 0.5; },
            p.bezel_dark, 0.7);
}

inline void PaintDefaultMarks(Canvas& face, const PanelLayout& g, const DefaultPalette& p, Vec centre) {
  const double s = g.Scale(), track = 93 * s;
  const Box box = BoxAround(centre.x, centre.y, track + 2);
  // The minute track's outer line.
  face.Fill(box, [&](double x, double y) { return std::abs(std::hypot(x - centre.x, y - centre.y) - track) - 0.35; },
            p.mark_minute, 0.7);
  for (int minute = 0; minute < 60; ++minute) {
    double inner = 88 * s, half_width = 0.55;
    Rgb colour = p.mark_minute;
    if (minute % 5 == 0) {
      inner = (minute % 15 == 0 ? 77 : 80) * s;
      half_width = (minute % 15 == 0 ? 2.3 : 1.7) * std::sqrt(s);
      colour = minute == 0 ? p.accent : p.mark_hour;
    }
    const Vec d = ClockDirection(minute * 6.0);
    const double outer = track - 0.4;
    const Vec a{centre.x + d.x * inner, centre.y + d.y * inner}, b{centre.x + d.x * outer, centre.y + d.y * outer};
    face.Fill(BoxAround((a.x + b.x) / 2, (a.y + b.y) / 2, (outer - inner) / 2 + 3),
              [&](double x, double y) { return SegmentDistance(x, y, a.x, a.y, b.x, b.y) - half_width; }, colour);
  }
  // Numerals at the quarters, sitting just inside the batons.
  const struct {
    const char* text;
    double angle;
  } numerals[] = {{"12", 0}, {"3", 90}, {"6", 180}, {"9", 270}};
  const double height = 17 * s, radius = 64 * s;
  for (const auto& n : numerals) {
    const Vec d = ClockDirection(n.angle);
    // Side numerals sit a little further out: their width points inwards.
    const double along = radius + (n.angle == 90 || n.angle == 270 ? 1.5 * s : 0.0);
    DrawStrokeText(face, n.text, centre.x + d.x * along, centre.y + d.y * along, height, 0.3 + 2.2 * s, p.numeral);
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

inline Canvas PaintDefaultVariant(const tikolvo::IniDocument& ini, const PanelLayout& g, const DefaultPalette& palette,
                                  Plane& coverage) {
  Canvas face(g.width, g.height);
  const Vec centre = Pivot(ReadHands(ini).rect);
  PaintDefaultPanel(face, g, palette, coverage);
  PaintDefaultDial(face, g, palette, centre);
  PaintDefaultMarks(face, g, palette, centre);
  PaintDefaultWell(face, palette, DefaultWell(ini));
  return face;
}

inline DefaultPictures PaintDefaultPictures(const tikolvo::IniDocument& ini, const PanelLayout& g, const DefaultPalette& face,
                                            const DefaultPalette& day, const DefaultPalette& night) {
  DefaultPictures out;
  out.coverage = Plane(g.width, g.height);
  Plane unused(g.width, g.height);
  out.face = PaintDefaultVariant(ini, g, face, out.coverage);
  out.day = PaintDefaultVariant(ini, g, day, unused);
  out.night = PaintDefaultVariant(ini, g, night, unused);
  return out;
}

// Symbols sit straight on the panel; hovering lifts a soft disc under them,
// pressing sinks it. The close button warns in red.
inline void PaintDefaultButton(Canvas& frame, Glyph glyph, ButtonState state) {
  const double c = frame.Width() / 2.0, r = frame.Width() / 2.0 - 0.5, scale = frame.Width() / 18.0;
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
  DrawGlyph(frame, glyph, c, c + shift, scale, symbol);
}

inline SkinPackage BuildDefaultSkin(const Description& description) {
  const PanelLayout& g = kDefaultLayout;
  const tikolvo::IniDocument& ini = description.ini;
  SkinPackage skin;
  skin.name = "default";
  skin.type = 1;
  const DefaultPictures pictures =
      PaintDefaultPictures(ini, g, DefaultFacePalette(), DefaultDayPalette(), DefaultNightPalette());
  skin.Add("main.bmp", EncodeBmp24(pictures.face));
  skin.Add("mask.bmp", EncodeCutMask(pictures.coverage));
  skin.Add("WHT.bmp", EncodeBmp24(pictures.day));
  skin.Add("NGT.bmp", EncodeBmp24(pictures.night));
  for (const ButtonKind& button : kButtons) {
    if (!ini.HasSection(button.section)) continue;
    const Canvas strip = ButtonStrip(pictures.face, ini.ReadInteger(button.section, "L", 0),
                                     ini.ReadInteger(button.section, "T", 0), g.button_size,
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
