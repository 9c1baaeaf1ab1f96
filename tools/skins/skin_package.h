#pragma once
// What the generator produces for one skin: its member files in memory,
// ready to be written as a folder skin or packed into an archive, and the
// pieces every skin needs (its description, button strips, hint icon,
// preview).
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "canvas.h"
#include "common/cp1251.h"
#include "common/file_io.h"
#include "glyphs.h"
#include "image_files.h"
#include "render/engine.h"
#include "render/layer.h"
#include "common/ini_document.h"

namespace skins {

struct Member {
  std::string name;   // file name; folder skins may use "button/min.bmp"
  std::string bytes;  // the whole file
};

struct SkinPackage {
  std::string name;     // archive "name.tks" or folder "name/"
  bool folder = false;  // a folder skin rather than an archive
  int type = 1;         // 1 shaped, 2 colour-map buttons, 3 per-pixel alpha
  std::vector<Member> members;
  std::map<std::string, std::uint32_t> keys;  // colour-map key (0x00BBGGRR) by member name

  void Add(std::string member_name, std::string bytes) { members.push_back({std::move(member_name), std::move(bytes)}); }
  const Member* Find(const std::string& member_name) const {
    for (const Member& m : members)
      if (m.name == member_name) return &m;
    return nullptr;
  }
};

// ---- The description: kept in assets/ as UTF-8, shipped as Windows-1251.

struct Description {
  std::string cp1251;        // the file as shipped
  tikolvo::IniDocument ini;  // the same, parsed as the program parses it
};

inline Description LoadDescription(const std::filesystem::path& file) {
  const std::u8string u8 = file.u8string();
  const std::optional<std::string> text = tikolvo::ReadWholeFile(std::string(u8.begin(), u8.end()));
  if (!text) throw std::runtime_error("cannot read " + file.string());
  Description d;
  std::string crlf;  // the program's own files use CRLF line ends
  for (char c : *text) {
    if (c == '\r') continue;
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  d.cp1251 = tikolvo::Utf8ToCp1251(crlf);
  if (tikolvo::Cp1251ToUtf8(d.cp1251) != crlf) throw std::runtime_error(file.string() + ": text outside Windows-1251");
  d.ini = tikolvo::IniDocument::Parse(d.cp1251);
  return d;
}

// ---- Buttons.

struct ButtonKind {
  const char* section;
  Glyph glyph;
  const char* file;  // member name in an archive, "button\" + name in a folder
};

inline constexpr ButtonKind kButtons[] = {
    {"ButtonSV", Glyph::kMinimise, "min.bmp"},       {"ButtonConfig", Glyph::kSettings, "conf.bmp"},
    {"ButtonClose", Glyph::kClose, "close.bmp"},     {"ButtonPower", Glyph::kPower, "Power.bmp"},
    {"ButtonWWW", Glyph::kWebMenu, "WWW.bmp"},       {"ButtonMenu", Glyph::kProgramMenu, "menu.bmp"},
};

enum class ButtonState { kNormal, kHover, kPressed };

// Three frames stacked top to bottom: normal, hover, pressed. Each frame
// starts as the face under the button, so the symbol's soft edges are mixed
// with exactly what surrounds it, and the strip's top-left pixel (the colour
// the program treats as see-through) is the face's own colour there: drawn
// transparently or not, the button looks the same.
template <typename PaintFrame>
Canvas ButtonStrip(const Canvas& face, int left, int top, int size, PaintFrame paint) {
  Canvas strip(size, size * 3);
  const ButtonState states[] = {ButtonState::kNormal, ButtonState::kHover, ButtonState::kPressed};
  for (int i = 0; i < 3; ++i) {
    Canvas frame = face.Crop(left, top, size, size);
    paint(frame, states[i]);
    strip.Paste(frame, 0, i * size);
  }
  return strip;
}

// ---- Hint icon: a small clock beside the hint text. The program draws it
// with its top-left colour as see-through, so the soft edge is mixed with
// the usual hint background and everything outside is a key colour.

inline Canvas HintIcon(int size, Rgb bezel, Rgb dial, Rgb hands, Rgb accent) {
  const Rgb kHintBackground = Hex(0xFFFFE1);
  const Rgb kKey = Hex(0xFF00FF);
  Canvas icon(size, size, kHintBackground);
  const double c = size / 2.0, r = size / 2.0 - 1;
  icon.Fill(icon.Whole(), [&](double x, double y) { return CircleDistance(x, y, c, c, r); }, bezel);
  icon.Fill(icon.Whole(), [&](double x, double y) { return CircleDistance(x, y, c, c, r - size / 9.0); }, dial);
  for (int h = 0; h < 12; h += 3) {
    const Vec d = ClockDirection(h * 30);
    const double a = r - size / 9.0 - 1.2, b = a - size / 10.0;
    icon.Fill(icon.Whole(), [&](double x, double y) { return SegmentDistance(x, y, c + d.x * a, c + d.y * a, c + d.x * b, c + d.y * b) - 0.6; },
              hands, 0.8);
  }
  const Vec hour = ClockDirection(305), minute = ClockDirection(48);
  icon.Fill(icon.Whole(), [&](double x, double y) { return SegmentDistance(x, y, c, c, c + hour.x * r * 0.45, c + hour.y * r * 0.45) - 0.9; }, hands);
  icon.Fill(icon.Whole(), [&](double x, double y) { return SegmentDistance(x, y, c, c, c + minute.x * r * 0.68, c + minute.y * r * 0.68) - 0.7; }, hands);
  icon.Fill(icon.Whole(), [&](double x, double y) { return CircleDistance(x, y, c, c, 1.3); }, accent);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (Coverage(CircleDistance(x + 0.5, y + 0.5, c, c, r)) <= 0) icon.At(x, y) = kKey;
  return icon;
}

// ---- Hands, as the program draws them (the engine itself), for previews.

struct HandSetup {
  tikolvo::HandRect rect;
  tikolvo::SimpleHands hands;
  bool shadow = false;
};

inline HandSetup ReadHands(const tikolvo::IniDocument& ini) {
  HandSetup s;
  s.rect = {ini.ReadInteger("Clock", "RecX1", 1), ini.ReadInteger("Clock", "RecY1", 1),
            ini.ReadInteger("Clock", "RecX2", 10), ini.ReadInteger("Clock", "RecY2", 10)};
  s.hands.hourLength = ini.ReadInteger("Clock", "HourArrow", 38);
  s.hands.minuteLength = ini.ReadInteger("Clock", "MinArrow", 38);
  s.hands.secondLength = ini.ReadInteger("Clock", "SecArrow", 38);
  s.hands.alarmLength = ini.ReadInteger("Clock", "AlarmArrow", 38);
  const auto colour = [&](const char* key, int fallback) {
    return static_cast<tikolvo::Colour>(ini.ReadInteger("Color", key, fallback));
  };
  s.hands.hourColour = s.hands.minuteColour = colour("Basic", 0);
  s.hands.secondColour = colour("Second", 128);
  s.hands.alarmColour = colour("Alarm", 0x00FFFF);
  s.shadow = ini.ReadBool("Clock", "Shadow", false);
  return s;
}

// The pivot of the hands in face coordinates: the centre pixel of the hand
// rectangle, as the program computes it (integer halving).
inline Vec Pivot(const tikolvo::HandRect& rect) {
  return {rect.left + (rect.right - rect.left) / 2 + 0.5, rect.top + (rect.bottom - rect.top) / 2 + 0.5};
}

inline tikolvo::HandAngles AnglesAt(int h, int m, int s, int alarm_h = 7, int alarm_m = 30) {
  const double turn = 2 * std::acos(-1.0);
  tikolvo::HandAngles a;
  a.second = s / 60.0 * turn;
  a.minute = m / 60.0 * turn + a.second / 60;
  a.hour = (h % 12) / 12.0 * turn + a.minute / 12;
  a.alarm = (alarm_h % 12) / 12.0 * turn + alarm_m / 60.0 * turn / 12;
  return a;
}

inline void SetUpEngine(tikolvo::Engine& engine, const HandSetup& setup, bool alarm) {
  engine.SetHandRect(setup.rect);
  engine.Simple() = setup.hands;
  engine.Options().fullDrawing = true;
  engine.Options().shadow = setup.shadow;
  engine.Options().alarmShown = alarm;
  engine.SetAngles(AnglesAt(10, 8, 36));
}

// The face with hands at 10:08:36 (the alarm hand at 7:30 when asked).
inline Canvas FaceWithHands(const Canvas& face, const HandSetup& setup, bool alarm = false) {
  tikolvo::Engine engine;
  SetUpEngine(engine, setup, alarm);
  tikolvo::Bitmap24 picture = ToBitmap(face);
  engine.SetBackground(picture);
  tikolvo::CopyBitmap(engine.Draw(), picture, setup.rect.left, setup.rect.top);
  return FromBitmap(picture);
}

// A per-pixel-alpha face with hands, put over a background colour the way
// the screen would show it.
inline Canvas LayerWithHandsOver(const Canvas& face, const Plane& alpha, const HandSetup& setup, Rgb background) {
  tikolvo::Engine engine;
  SetUpEngine(engine, setup, false);
  tikolvo::Bitmap32 layer = tikolvo::Premultiply(ToBitmap(face), AlphaBitmap(alpha));
  engine.SetLayerBackground(layer);
  engine.DrawIntoLayer(setup.rect.left, setup.rect.top, layer);
  Canvas out(face.Width(), face.Height());
  for (int y = 0; y < face.Height(); ++y)
    for (int x = 0; x < face.Width(); ++x) {
      const Rgb c = FromBgr(layer.Pixel(x, y));
      const double a = layer.Alpha(x, y) / 255.0;
      out.At(x, y) = {c.r + background.r * (1 - a), c.g + background.g * (1 - a), c.b + background.b * (1 - a)};
    }
  return out;
}

// A shaped face over a background: the window region keeps the pixels the
// shape covers at least half.
inline Canvas CutOver(const Canvas& face, const Plane& coverage, Rgb background) {
  Canvas out = face;
  for (int y = 0; y < face.Height(); ++y)
    for (int x = 0; x < face.Width(); ++x)
      if (coverage.At(x, y) < 0.5) out.At(x, y) = background;
  return out;
}

// Stand-in for the digital time label in previews: the program writes it
// with a system font; the preview uses stroke digits of about that size.
inline void PreviewTimeLabel(Canvas& picture, const tikolvo::IniDocument& ini, const char* section,
                             const char* show_key, const char* top_key, const char* left_key, const std::string& text) {
  if (!ini.ReadBool(section, show_key, false)) return;
  const int top = ini.ReadInteger(section, top_key, 0), left = ini.ReadInteger(section, left_key, 0);
  const int w = ini.ReadInteger(section, "W", 20), h = ini.ReadInteger(section, "H", 10);
  const double pixels = ini.ReadInteger(section, "Size", 8) * 96.0 / 72;
  const bool bold = ini.ReadBool(section, "Bold", false);
  const Rgb colour = FromBgr(static_cast<std::uint32_t>(ini.ReadInteger(section, "Color", 0xFFFFFF)));
  DrawStrokeText(picture, text, left + w / 2.0, top + h / 2.0, pixels * 0.7, pixels * (bold ? 0.14 : 0.09), colour);
}

}  // namespace skins
