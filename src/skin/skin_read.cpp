#include "skin/skin_read.h"

#include <algorithm>
#include <cctype>

#include "skin/bmp_decode.h"
#include "skin/folder_skin.h"
#include "skin/jpeg_decode.h"
#include "skin/member_name.h"
#include "skin/tks_archive.h"

namespace tikolvo {
namespace {

bool EndsWithJpegExtension(const std::string& path) {
  std::string lower = path.size() >= 4 ? path.substr(path.size() - 4) : path;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower == ".jpg" || lower == "jpeg";
}

// The parts both sources share once the pictures and the description are in.
void FinishSkin(LoadedSkin& skin, const std::string& cursorFolder, std::string_view cursorsBytes,
                CursorSource source, const FileExistsFn& exists) {
  if (skin.type != 3 && skin.hasMask) skin.kept = KeptRectangles(skin.mask);
  skin.cursors = PlanSkinCursors(ParseSkinCursors(cursorsBytes), cursorFolder, source, exists);
}

// ---- Archive skins.

void ReadArchiveButtons(const TksArchive& archive, LoadedSkin& skin) {
  for (SkinButton button : ArchiveButtonOrder()) {
    const SkinButtonInfo& info = ButtonInfo(button);
    std::optional<Picture> strip = archive.LoadPicture(info.archiveKind);
    if (!strip) continue;
    LoadedButton& b = skin.buttons[static_cast<int>(button)];
    b.frames = SplitButtonStrip(*strip);
    const ButtonDescription& d = skin.description.Button(button);
    b.present = true;
    b.left = d.left;
    b.top = d.top;
    b.width = b.frames.Frame(ButtonFrame::Normal).width;
    b.height = b.frames.Frame(ButtonFrame::Normal).height;
    b.colourKey = archive.Entry(info.archiveKind).colour_map_key;
    b.transparent = skin.type != 2 || d.transparent;
  }
}

// Cursor files travel as extra members, beside the hint icon and both
// configuration files. A later member of the same name replaces an earlier
// one, as it would on disk.
std::vector<ExtractedFile> ExtractedMembers(const TksArchive& archive) {
  std::vector<int> kinds;
  for (int kind = member_kind::kFirstExtra; kind <= member_kind::kLastExtra; ++kind) kinds.push_back(kind);
  kinds.insert(kinds.end(), {member_kind::kHintIcon, member_kind::kDescription, member_kind::kCursors});
  std::vector<ExtractedFile> files;
  for (int kind : kinds) {
    const TksEntry entry = archive.Entry(kind);
    if (!entry.present) continue;
    // Checked before inflating: a name that could escape the folder is never
    // turned into a path at all.
    std::string name = SafeMemberName(entry.name);
    if (name.empty()) continue;
    std::string bytes = archive.Member(kind).value_or(std::string());
    std::erase_if(files, [&](const ExtractedFile& f) { return f.name == name; });
    files.push_back({std::move(name), std::move(bytes)});
  }
  return files;
}

// What a folder skin reads, with a missing or undecodable file as empty.
Picture PictureOrEmpty(const SkinFileSource& files, const std::string& path) {
  const std::optional<std::string> bytes = files.Read(path);
  return bytes ? DecodePictureFile(path, *bytes).value_or(Picture{}) : Picture{};
}

ButtonFrames FolderButtonFrames(const SkinFileSource& files, const ButtonPictureSource& source) {
  if (source.kind == ButtonPictureSource::Kind::Strip) return SplitButtonStrip(PictureOrEmpty(files, source.strip));
  return FramesFromPictures(PictureOrEmpty(files, source.normal), PictureOrEmpty(files, source.hover),
                            PictureOrEmpty(files, source.pressed));
}

void ReadFolderButtons(const std::string& folder, const SkinFileSource& files, LoadedSkin& skin,
                       const SkinFileExists& exists) {
  for (SkinButton button : FolderButtonOrder()) {
    const ButtonPictureSource source = ChooseButtonPicture(folder, ButtonInfo(button).folderPicture, exists);
    if (source.kind == ButtonPictureSource::Kind::None) continue;
    LoadedButton& b = skin.buttons[static_cast<int>(button)];
    const ButtonDescription& d = skin.description.Button(button);
    b.frames = FolderButtonFrames(files, source);
    b.present = true;
    b.left = d.left;
    b.top = d.top;
    b.width = d.width;
    b.height = d.height;
  }
}

}  // namespace

std::optional<Picture> DecodePictureFile(const std::string& path, std::string_view bytes) {
  return EndsWithJpegExtension(path) ? DecodeJpeg(bytes) : DecodeBmp(bytes);
}

LoadedSkin ReadArchiveSkin(std::string_view bytes, const std::string& cursorFolder,
                           const HandRecords& previousHands) {
  const TksArchive archive(bytes);
  LoadedSkin skin;
  const int type = archive.SkinTypeByte();
  skin.type = (type == 2 || type == 3) ? type : 1;
  const std::optional<std::string> description = archive.Member(member_kind::kDescription);
  skin.hasDescription = description.has_value();
  skin.description = description ? ParseSkinDescription(*description, previousHands) : SkinDescription{};
  if (skin.hasDescription) ReadArchiveButtons(archive, skin);
  skin.face = archive.LoadPicture(member_kind::kFace).value_or(Picture{});
  if (std::optional<Picture> mask = archive.LoadPicture(member_kind::kMask)) {
    skin.mask = std::move(*mask);
    skin.hasMask = true;
  }
  skin.day = archive.LoadPicture(member_kind::kDayPicture).value_or(Picture{});
  skin.night = archive.LoadPicture(member_kind::kNightPicture).value_or(Picture{});
  if (skin.type == 2) skin.colourMap = archive.LoadPicture(member_kind::kColourMap).value_or(Picture{});
  skin.hintIcon = archive.LoadPicture(member_kind::kHintIcon);
  skin.extracted = ExtractedMembers(archive);
  // Only what this archive brings counts: a cursor file another skin left in
  // the folder is not this skin's.
  const FileExistsFn extractedHere = [&skin, &cursorFolder](const std::string& path) {
    return std::any_of(skin.extracted.begin(), skin.extracted.end(),
                       [&](const ExtractedFile& f) { return cursorFolder + f.name == path; });
  };
  const std::optional<std::string> cursors = archive.Member(member_kind::kCursors);
  FinishSkin(skin, cursorFolder, cursors.value_or(std::string()), CursorSource::Archive, extractedHere);
  return skin;
}

std::optional<LoadedSkin> ReadFolderSkin(const std::string& folder, const SkinFileSource& files,
                                         const HandRecords& previousHands) {
  const SkinFileExists exists = [&files](const std::string& p) { return files.Exists(p); };
  if (!IsValidFolderSkin(folder, exists)) return std::nullopt;
  LoadedSkin skin;
  const FolderSkinPictures pictures = ChooseFolderSkinPictures(folder, exists);
  skin.face = PictureOrEmpty(files, pictures.face);
  skin.night = PictureOrEmpty(files, pictures.night);
  skin.day = PictureOrEmpty(files, pictures.day);
  skin.hasDescription = true;
  skin.description = ParseSkinDescription(files.Read(folder + "config.cfg").value_or(std::string()), previousHands);
  if (const std::optional<std::string> mask = files.Read(folder + "mask.bmp")) {
    if (std::optional<Picture> picture = DecodeBmp(*mask)) {
      skin.mask = std::move(*picture);
      skin.hasMask = true;
    }
  }
  ReadFolderButtons(folder, files, skin, exists);
  if (const std::optional<std::string> hint = ChooseHintIcon(folder, exists)) {
    if (const std::optional<std::string> bytes = files.Read(*hint)) skin.hintIcon = DecodePictureFile(*hint, *bytes);
  }
  const std::optional<std::string> cursors = files.Read(folder + "cursors.cfg");
  FinishSkin(skin, folder, cursors.value_or(std::string()), CursorSource::Folder, exists);
  return skin;
}

}  // namespace tikolvo
