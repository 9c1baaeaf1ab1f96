#pragma once
// Every skin the program ships, built from the sources in assets/skins/.
#include <filesystem>
#include <vector>

#include "colourmap_skin.h"
#include "default_skin.h"
#include "folder_skin.h"
#include "layered_skin.h"
#include "preview.h"
#include "skin_package.h"

namespace skins {

inline std::vector<SkinPackage> BuildAllSkins(const std::filesystem::path& assets) {
  const std::filesystem::path root = assets / "skins";
  std::vector<SkinPackage> all;
  all.push_back(BuildDefaultSkin(LoadDescription(root / "default" / "config.cfg")));
  all.push_back(BuildLayeredSkin(LoadDescription(root / "layered" / "config.cfg")));
  all.push_back(BuildColourMapSkin(LoadDescription(root / "colourmap" / "config.cfg")));
  all.push_back(BuildFolderSkin(LoadDescription(root / "testfolder" / "config.cfg")));
  return all;
}

}  // namespace skins
