#include "skin/folder_skin.h"

#include "skin/tks_layout.h"

namespace tikolvo {
namespace {

using Files = SkinFileExists;

// The first of the names that exists in the folder, as a full path.
std::optional<std::string> FirstExisting(const std::string& folder, std::initializer_list<std::string_view> names,
                                         const Files& exists) {
  for (std::string_view name : names) {
    std::string path = folder + std::string(name);
    if (exists(path)) return path;
  }
  return std::nullopt;
}

std::string FirstOrLast(const std::string& folder, std::string_view first, std::string_view second,
                        const Files& exists) {
  return FirstExisting(folder, {first}, exists).value_or(folder + std::string(second));
}

constexpr std::array<SkinButtonInfo, kSkinButtonCount> kButtons{{
    {SkinButton::Minimise, "B_Minimized", member_kind::kMinimiseButton, "button\\min.bmp", "ButtonSV"},
    {SkinButton::Settings, "B_Config", member_kind::kSettingsButton, "button\\conf.bmp", "ButtonConfig"},
    {SkinButton::Close, "B_Close", member_kind::kCloseButton, "button\\close.bmp", "ButtonClose"},
    {SkinButton::WebMenu, "B_WWW_Menu", member_kind::kWebMenuButton, "button\\WWW.bmp", "ButtonWWW"},
    {SkinButton::Power, "B_Power", member_kind::kPowerButton, "button\\Power.bmp", "ButtonPower"},
    {SkinButton::ProgramMenu, "B_Prog_Menu", member_kind::kProgramMenuButton, "button\\menu.bmp", "ButtonMenu"},
}};

constexpr std::array<SkinButton, kSkinButtonCount> kArchiveOrder{
    SkinButton::Minimise, SkinButton::Settings, SkinButton::Close,
    SkinButton::Power,    SkinButton::WebMenu,  SkinButton::ProgramMenu};
constexpr std::array<SkinButton, kSkinButtonCount> kFolderOrder{
    SkinButton::Minimise, SkinButton::Settings, SkinButton::Close,
    SkinButton::WebMenu,  SkinButton::Power,    SkinButton::ProgramMenu};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsValidFolderSkin(const std::string& folder, const Files& exists) {
  return FirstExisting(folder, {"main.bmp", "main.jpg"}, exists) &&
         FirstExisting(folder, {"NGT.jpg", "NGT.bmp"}, exists) &&
         FirstExisting(folder, {"WHT.jpg", "WHT.bmp"}, exists) && exists(folder + "config.cfg") &&
         exists(folder + "mask.bmp");
}

FolderSkinPictures ChooseFolderSkinPictures(const std::string& folder, const Files& exists) {
  return {FirstOrLast(folder, "main.bmp", "main.jpg", exists), FirstOrLast(folder, "NGT.bmp", "ngt.jpg", exists),
          FirstOrLast(folder, "WHT.bmp", "wht.jpg", exists)};
}

std::optional<std::string> ChooseHintIcon(const std::string& folder, const Files& exists) {
  return FirstExisting(folder, {"hint.bmp", "hint.jpg"}, exists);
}

const SkinButtonInfo& ButtonInfo(SkinButton button) { return kButtons[static_cast<std::size_t>(button)]; }
const std::array<SkinButton, kSkinButtonCount>& ArchiveButtonOrder() { return kArchiveOrder; }
const std::array<SkinButton, kSkinButtonCount>& FolderButtonOrder() { return kFolderOrder; }

ButtonPictureSource ChooseButtonPicture(const std::string& folder, std::string_view picture, const Files& exists) {
  const std::size_t dot = picture.rfind('.');
  const std::string base = folder + std::string(picture.substr(0, dot));
  ButtonPictureSource source;
  for (const char* extension : {".bmp", ".jpg"}) {
    if (exists(base + extension)) {
      source.kind = ButtonPictureSource::Kind::Strip;
      source.strip = base + extension;
      return source;
    }
  }
  const std::string normal = base + "n.bmp";
  const std::string pressed = base + "i.bmp";
  if (!exists(normal) || !exists(pressed)) return source;
  const std::string hover = base + "l.bmp";
  source.kind = ButtonPictureSource::Kind::Separate;
  source.normal = normal;
  source.hover = exists(hover) ? hover : normal;
  source.pressed = pressed;
  return source;
}

bool HasArchiveExtension(std::string_view path) {
  constexpr std::string_view kExtension = ".tks";
  if (path.size() < kExtension.size()) return false;
  const std::string_view tail = path.substr(path.size() - kExtension.size());
  for (std::size_t i = 0; i < kExtension.size(); ++i) {
    if (Lower(tail[i]) != kExtension[i]) return false;
  }
  return true;
}

}  // namespace tikolvo
