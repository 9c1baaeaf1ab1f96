#pragma once
// Pictures for looking at a finished skin: read back from the skin's own
// member files (as the program would read them), hands drawn by the
// program's engine, buttons in their normal state, shown over a light and a
// dark desktop, plus the button strips enlarged.
#include <string>
#include <utility>
#include <vector>

#include "canvas.h"
#include "image_files.h"
#include "skin/bmp_decode.h"
#include "skin_package.h"

namespace skins {

inline Canvas DecodeMember(const SkinPackage& skin, const std::string& name) {
  const Member* member = skin.Find(name);
  if (!member) return {};
  const std::optional<tikolvo::Picture> picture = tikolvo::DecodeBmp(member->bytes);
  if (!picture) throw std::runtime_error(skin.name + "/" + name + " does not decode");
  Canvas out(picture->width, picture->height);
  for (int y = 0; y < picture->height; ++y)
    for (int x = 0; x < picture->width; ++x) out.At(x, y) = FromBgr(tikolvo::PixelToColour(picture->At(x, y)));
  return out;
}

inline std::string ButtonFile(const SkinPackage& skin, const ButtonKind& button) {
  return skin.folder ? std::string("button/") + button.file : std::string(button.file);
}

// A button's normal picture: the top frame of its strip, or a folder skin's
// separate normal file.
inline Canvas NormalFrame(const SkinPackage& skin, const ButtonKind& button) {
  const Canvas strip = DecodeMember(skin, ButtonFile(skin, button));
  if (strip.Width() > 0) return strip.Crop(0, 0, strip.Width(), strip.Height() / 3);
  const std::string file = ButtonFile(skin, button);
  return DecodeMember(skin, file.substr(0, file.size() - 4) + "n.bmp");
}

inline std::vector<std::pair<std::string, Canvas>> PreviewPictures(const SkinPackage& skin) {
  const tikolvo::IniDocument ini = tikolvo::IniDocument::Parse(skin.Find("config.cfg")->bytes);
  Canvas face = DecodeMember(skin, "main.bmp");
  const Canvas mask = DecodeMember(skin, "mask.bmp");
  // Buttons in their normal state, as the window shows them.
  for (const ButtonKind& button : kButtons) {
    const Canvas normal = NormalFrame(skin, button);
    if (normal.Width() > 0) face.Paste(normal, ini.ReadInteger(button.section, "L", 0), ini.ReadInteger(button.section, "T", 0));
  }
  Plane alpha(face.Width(), face.Height());
  for (int y = 0; y < face.Height(); ++y)
    for (int x = 0; x < face.Width(); ++x) {
      const Rgb m = mask.At(x, y);
      alpha.At(x, y) = skin.type == 3 ? (m.r + m.g + m.b) / 3 / 255 : (m.r == 255 && m.g == 255 && m.b == 255 ? 0.0 : 1.0);
    }
  const HandSetup hands = ReadHands(ini);
  std::vector<std::pair<std::string, Canvas>> out;
  for (const auto& [suffix, background] : {std::pair{"_light", Hex(0xE9EDF2)}, std::pair{"_dark", Hex(0x1E2228)}}) {
    Canvas shown = skin.type == 3 ? LayerWithHandsOver(face, alpha, hands, background)
                                  : CutOver(FaceWithHands(face, hands, true), alpha, background);
    PreviewTimeLabel(shown, ini, "Time", "ShowTime", "Top", "Left", ini.ReadBool("Time", "Zero", true) ? "10:08:36" : "10:08");
    out.emplace_back(suffix, shown);
  }
  // The strips side by side, four times their size.
  int width = 4, height = 0;
  std::vector<Canvas> strips;
  for (const ButtonKind& button : kButtons) {
    Canvas strip = DecodeMember(skin, ButtonFile(skin, button));
    if (strip.Width() == 0) continue;
    width += strip.Width() * 4 + 4;
    height = std::max(height, strip.Height() * 4 + 8);
    strips.push_back(std::move(strip));
  }
  Canvas sheet(width, height, Hex(0x808080));
  int x = 4;
  for (const Canvas& strip : strips) {
    for (int j = 0; j < strip.Height() * 4; ++j)
      for (int i = 0; i < strip.Width() * 4; ++i) sheet.At(x + i, 4 + j) = strip.At(i / 4, j / 4);
    x += strip.Width() * 4 + 4;
  }
  out.emplace_back("_buttons", sheet);
  if (skin.Find("colormap.bmp")) out.emplace_back("_map", DecodeMember(skin, "colormap.bmp"));
  return out;
}

}  // namespace skins
