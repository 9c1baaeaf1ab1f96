#pragma once
// The folder skin the tests load: a small teal version of the default look,
// shipped as plain files. Its buttons use every form a folder skin allows:
// three-frame strips (min, conf, close), separate normal/hover/pressed files
// (Powern, Powerl, Poweri) and the two-file form without a hover picture
// (menun, menui); it has no web-menu button at all.
#include <string>

#include "default_skin.h"
#include "skin_package.h"

namespace skins {

inline constexpr PanelLayout kFolderLayout{164, 214, 18, 66, 60, 16};

inline DefaultPalette FolderFacePalette() {
  DefaultPalette p = DefaultFacePalette();
  p.panel_top = Hex(0x24474B);
  p.panel_bottom = Hex(0x0D1F22);
  p.panel_rim = Hex(0x5E8A8C);
  p.outline = Hex(0x051012);
  p.dial_centre = Hex(0xF6FBF8);
  p.dial_edge = Hex(0xD5E5DE);
  p.mark_hour = Hex(0x163A3E);
  p.numeral = Hex(0x163A3E);
  p.accent = Hex(0xD9572B);
  p.well_fill = Hex(0x061214);
  p.well_rim = Hex(0x3F6A6D);
  return p;
}

inline SkinPackage BuildFolderSkin(const Description& description) {
  const PanelLayout& g = kFolderLayout;
  const tikolvo::IniDocument& ini = description.ini;
  SkinPackage skin;
  skin.name = "testfolder";
  skin.folder = true;
  DefaultPalette day = FolderFacePalette(), night = FolderFacePalette();
  day.dial_centre = Hex(0xFFFFFF);
  night.dial_centre = Hex(0x173034);
  night.dial_edge = Hex(0x0A1719);
  night.mark_hour = night.numeral = Hex(0xDDEDE8);
  // The well spans the time label only: this skin shows no date.
  const DefaultPictures pictures = PaintDefaultPictures(ini, g, FolderFacePalette(), day, night);
  skin.Add("main.bmp", EncodeBmp24(pictures.face));
  skin.Add("mask.bmp", EncodeCutMask(pictures.coverage));
  skin.Add("WHT.bmp", EncodeBmp24(pictures.day));
  skin.Add("NGT.bmp", EncodeBmp24(pictures.night));
  for (const ButtonKind& button : kButtons) {
    if (!ini.HasSection(button.section)) continue;
    const Canvas strip = ButtonStrip(pictures.face, ini.ReadInteger(button.section, "L", 0),
                                     ini.ReadInteger(button.section, "T", 0), g.button_size,
                                     [&](Canvas& frame, ButtonState state) { PaintDefaultButton(frame, button.glyph, state); });
    const std::string file = button.file;
    const std::string base = "button/" + file.substr(0, file.size() - 4);
    const int size = g.button_size;
    if (button.glyph == Glyph::kPower) {
      skin.Add(base + "n.bmp", EncodeBmp24(strip.Crop(0, 0, size, size)));
      skin.Add(base + "l.bmp", EncodeBmp24(strip.Crop(0, size, size, size)));
      skin.Add(base + "i.bmp", EncodeBmp24(strip.Crop(0, 2 * size, size, size)));
    } else if (button.glyph == Glyph::kProgramMenu) {
      skin.Add(base + "n.bmp", EncodeBmp24(strip.Crop(0, 0, size, size)));
      skin.Add(base + "i.bmp", EncodeBmp24(strip.Crop(0, 2 * size, size, size)));
    } else {
      skin.Add("button/" + file, EncodeBmp24(strip));
    }
  }
  const DefaultPalette palette = FolderFacePalette();
  skin.Add("hint.bmp", EncodeBmp24(HintIcon(20, palette.panel_top, palette.dial_centre, palette.mark_hour, palette.accent)));
  Canvas shown = FaceWithHands(pictures.face, ReadHands(ini));
  PreviewTimeLabel(shown, ini, "Time", "ShowTime", "Top", "Left", "10:08:36");
  skin.Add("shot.bmp", EncodeBmp24(Reduce(CutOver(shown, pictures.coverage, Hex(0xF0F0F0)), 82, 107)));
  skin.Add("config.cfg", description.cp1251);
  return skin;
}

}  // namespace skins
