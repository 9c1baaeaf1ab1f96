#include "settings/skin_choice.h"

namespace tikolvo {
namespace {

constexpr const char* kSection = "Skin";
constexpr const char* kKey = "Current";

std::string FileNamePart(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string LowerCaseExtension(const std::string& path) {
  const std::string name = FileNamePart(path);
  size_t dot = name.rfind('.');
  if (dot == std::string::npos) return "";
  std::string extension = name.substr(dot);
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return extension;
}

}  // namespace

SkinChoice SkinChoiceFromStored(const std::string& stored, const std::string& programFolder) {
  SkinChoice choice;
  choice.stored = stored;
  choice.isArchive = LowerCaseExtension(stored) == ".tks";
  if (choice.isArchive) {
    choice.path = stored;
    choice.name = FileNamePart(stored);
  } else {
    choice.path = programFolder + "skins\\" + stored + "\\";
    choice.name = stored;
  }
  return choice;
}

SkinChoice ReadCurrentSkin(const IniDocument& skinCfg, const std::string& programFolder) {
  return SkinChoiceFromStored(skinCfg.ReadString(kSection, kKey, kDefaultSkinName), programFolder);
}

SkinChoice ReadCurrentSkinFile(const std::string& skinCfgPath, const std::string& programFolder) {
  return ReadCurrentSkin(LoadIniFile(skinCfgPath), programFolder);
}

void WriteCurrentSkin(IniDocument& skinCfg, const std::string& stored) {
  skinCfg.WriteString(kSection, kKey, stored);
}

bool SaveCurrentSkinFile(const std::string& skinCfgPath, const std::string& stored) {
  IniDocument document = LoadIniFile(skinCfgPath);
  WriteCurrentSkin(document, stored);
  return SaveIniFile(skinCfgPath, document);
}

}  // namespace tikolvo
