#pragma once
// The current skin, kept in skin.cfg (section "Skin", key "Current") beside
// the program. The value is either the name of an unpacked skin folder under
// "skins\" or the full path of a ".tks" skin archive.
#include <string>

#include "common/ini_document.h"

namespace tikolvo {

inline constexpr const char* kDefaultSkinName = "default";

struct SkinChoice {
  std::string stored;  // the value as kept in skin.cfg
  bool isArchive = false;
  // Archive: the stored full path. Folder: program folder + "skins\" + name + "\".
  std::string path;
  // What the skins page shows: the folder name, or the archive's file name.
  std::string name;

  bool operator==(const SkinChoice&) const = default;
};

// The extension (compared in lower case) decides: ".tks" is an archive,
// anything else a folder. programFolder ends with a backslash.
SkinChoice SkinChoiceFromStored(const std::string& stored, const std::string& programFolder);

// A missing file or key means "default".
SkinChoice ReadCurrentSkin(const IniDocument& skinCfg, const std::string& programFolder);
SkinChoice ReadCurrentSkinFile(const std::string& skinCfgPath, const std::string& programFolder);

void WriteCurrentSkin(IniDocument& skinCfg, const std::string& stored);
// Keeps anything else in the file; false when it could not be replaced.
bool SaveCurrentSkinFile(const std::string& skinCfgPath, const std::string& stored);

}  // namespace tikolvo
