#pragma once
// Every skin the program ships, built from the sources in assets/skins/.
#include <filesystem>
#include <vector>

#include "default_skin.h"
#include "preview.h"
#include "skin_package.h"

namespace skins {

inline std::vector<SkinPackage> BuildAllSkins(const std::filesystem::path& assets) {
  const std::filesystem::path root = assets / "skins";
  std::vector<SkinPackage> all;
  all.push_back(BuildDefaultSkin(LoadDescription(root / "default" / "config.cfg")));
  return all;
}

}  // namespace skins
