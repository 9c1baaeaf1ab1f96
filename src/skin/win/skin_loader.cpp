#include "skin/win/skin_loader.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "common/file_io.h"
#include "common/win/wide_text.h"
#include "skin/bmp_decode.h"
#include "skin/folder_skin.h"
#include "skin/jpeg_decode.h"
#include "skin/resource_blob.h"
#include "skin/skin_file.h"
#include "skin/tks_archive.h"

namespace tikolvo {
namespace {

bool EndsWithJpegExtension(const std::string& path) {
  std::string lower = path.size() >= 4 ? path.substr(path.size() - 4) : path;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower == ".jpg" || lower == "jpeg";
}

Picture PictureOrEmpty(const std::string& path) { return LoadPictureFile(path).value_or(Picture{}); }

// The parts both sources share once the pictures and the description are in.
void FinishSkin(LoadedSkin& skin, const std::string& cursorFolder, std::string_view cursorsBytes,
                CursorSource source) {
  if (skin.type != 3 && skin.hasMask) skin.kept = KeptRectangles(skin.mask);
  skin.cursors = PlanSkinCursors(ParseSkinCursors(cursorsBytes), cursorFolder, source,
                                 [](const std::string& path) { return FileExists(path); });
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
  }
}

LoadedSkin ReadArchiveSkin(const std::string& path, const std::string& temp, const HandRecords& previous) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) throw SkinArchiveError("the skin archive cannot be read");
  const TksArchive archive(*bytes);
  LoadedSkin skin;
  const int type = archive.SkinTypeByte();
  skin.type = (type == 2 || type == 3) ? type : 1;
  const std::optional<std::string> description = archive.Member(member_kind::kDescription);
  skin.hasDescription = description.has_value();
  skin.description = description ? ParseSkinDescription(*description, previous) : SkinDescription{};
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
  // Cursor files travel as extra members, extracted beside the description.
  for (int kind = member_kind::kFirstExtra; kind <= member_kind::kLastExtra; ++kind) ExtractMember(path, kind, temp);
  ExtractMember(path, member_kind::kHintIcon, temp);
  ExtractConfiguration(path, SkinConfigFile::kDescription, temp);
  const std::optional<std::string> cursors = archive.Member(member_kind::kCursors);
  if (cursors) ExtractConfiguration(path, SkinConfigFile::kCursors, temp);
  FinishSkin(skin, temp, cursors.value_or(std::string()), CursorSource::Archive);
  return skin;
}

// ---- Folder skins.

ButtonFrames FolderButtonFrames(const ButtonPictureSource& source) {
  if (source.kind == ButtonPictureSource::Kind::Strip) return SplitButtonStrip(PictureOrEmpty(source.strip));
  return FramesFromPictures(PictureOrEmpty(source.normal), PictureOrEmpty(source.hover),
                            PictureOrEmpty(source.pressed));
}

void ReadFolderButtons(const std::string& folder, LoadedSkin& skin, const SkinFileExists& exists) {
  for (SkinButton button : FolderButtonOrder()) {
    const ButtonPictureSource source = ChooseButtonPicture(folder, ButtonInfo(button).folderPicture, exists);
    if (source.kind == ButtonPictureSource::Kind::None) continue;
    LoadedButton& b = skin.buttons[static_cast<int>(button)];
    const ButtonDescription& d = skin.description.Button(button);
    b.frames = FolderButtonFrames(source);
    b.present = true;
    b.left = d.left;
    b.top = d.top;
    b.width = d.width;
    b.height = d.height;
  }
}

LoadedSkin ReadFolderSkin(const std::string& folder, const HandRecords& previous, const SkinFileExists& exists) {
  LoadedSkin skin;
  const FolderSkinPictures pictures = ChooseFolderSkinPictures(folder, exists);
  skin.face = PictureOrEmpty(pictures.face);
  skin.night = PictureOrEmpty(pictures.night);
  skin.day = PictureOrEmpty(pictures.day);
  const std::optional<std::string> description = ReadWholeFile(folder + "config.cfg");
  skin.hasDescription = true;
  skin.description = ParseSkinDescription(description.value_or(std::string()), previous);
  if (std::optional<Picture> mask = LoadPictureFile(folder + "mask.bmp")) {
    skin.mask = std::move(*mask);
    skin.hasMask = true;
  }
  ReadFolderButtons(folder, skin, exists);
  if (const std::optional<std::string> hint = ChooseHintIcon(folder, exists)) skin.hintIcon = LoadPictureFile(*hint);
  const std::optional<std::string> cursors = ReadWholeFile(folder + "cursors.cfg");
  FinishSkin(skin, folder, cursors.value_or(std::string()), CursorSource::Folder);
  return skin;
}

}  // namespace

std::optional<Picture> LoadPictureFile(const std::string& path) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return EndsWithJpegExtension(path) ? DecodeJpeg(*bytes) : DecodeBmp(*bytes);
}

std::optional<LoadedSkin> ReadSkin(const std::string& path, const std::string& tempFolder,
                                   const HandRecords& previousHands) {
  if (HasArchiveExtension(path) && FileExists(path)) return ReadArchiveSkin(path, tempFolder, previousHands);
  const SkinFileExists exists = [](const std::string& p) { return FileExists(p); };
  if (!IsValidFolderSkin(path, exists)) return std::nullopt;
  return ReadFolderSkin(path, previousHands, exists);
}

std::string RestoreBuiltinSkin(const std::string& programFolder) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, L"SKIN", L"RESS");
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  const std::string_view bytes(static_cast<const char*>(data), SizeofResource(module, resource));
  const std::string path = programFolder + "skins\\default.tks";
  CreateDirectoryW(Widen(programFolder + "skins").c_str(), nullptr);
  return ResourceToFile(bytes, path) ? path : std::string();
}

std::string TemporaryFolder() {
  wchar_t buffer[MAX_PATH + 1] = L"";
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  std::string folder = length ? Narrow(std::wstring_view(buffer, length)) : std::string(".\\");
  if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder;
}

}  // namespace tikolvo
