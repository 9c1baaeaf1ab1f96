#pragma once
// Helpers for the launcher tests: records built by hand from the documented
// layouts, a folder tree in memory behind the menus' file-system interface,
// and a text measure of 10 pixels a character.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/utf8_text.h"
#include "menus/fit_caption.h"
#include "menus/menu_folder_source.h"

namespace tikolvo {

// The count, then the records as given.
inline std::string HandMenuFile(std::int32_t count, const std::vector<std::string>& records,
                                const std::string& tail = "") {
  std::string file;
  const auto bits = static_cast<std::uint32_t>(count);
  for (int i = 0; i < 4; ++i) file += static_cast<char>((bits >> (8 * i)) & 0xFF);
  for (const std::string& record : records) file += record;
  return file + tail;
}

// A short string field of 256 bytes: length byte, CP1251 bytes, zeros.
inline std::string HandField(std::string_view cp1251) {
  std::string field(256, '\0');
  field[0] = static_cast<char>(cp1251.size());
  field.replace(1, cp1251.size(), cp1251);
  return field;
}

inline std::string HandProgramRecord(std::string_view path, std::string_view name, std::string_view params,
                                     std::uint8_t valid = 1) {
  return HandField(path) + HandField(name) + HandField(params) + std::string(1, static_cast<char>(valid));
}

inline std::string HandWebRecord(std::string_view target, std::string_view name, std::uint8_t valid = 1) {
  return HandField(target) + HandField(name) + std::string(1, static_cast<char>(valid));
}

inline const TextWidth kTenPixelsAChar = [](std::string_view text) {
  return static_cast<int>(CharCount(text)) * 10;
};

// Folders are keyed with their trailing backslash.
class FakeFolderTree : public MenuFolderSource {
 public:
  FakeFolderTree& Folder(const std::string& folder, std::vector<FolderListEntry> entries) {
    folders_[folder] = std::move(entries);
    return *this;
  }
  FakeFolderTree& File(const std::string& path, std::string bytes) {
    files_[path] = std::move(bytes);
    return *this;
  }
  FakeFolderTree& Shortcut(const std::string& path, ShortcutTarget target) {
    shortcuts_[path] = std::move(target);
    return *this;
  }

  std::vector<FolderListEntry> List(const std::string& folder) override {
    ++listings;
    const auto it = folders_.find(folder);
    return it == folders_.end() ? std::vector<FolderListEntry>{} : it->second;
  }
  bool FolderExists(const std::string& path) override {
    const std::string key = !path.empty() && path.back() == '\\' ? path : path + "\\";
    return folders_.count(key) > 0;
  }
  std::optional<std::string> ReadFile(const std::string& path) override {
    const auto it = files_.find(path);
    if (it == files_.end()) return std::nullopt;
    return it->second;
  }
  ShortcutTarget ReadShortcut(const std::string& path) override {
    const auto it = shortcuts_.find(path);
    return it == shortcuts_.end() ? ShortcutTarget{} : it->second;
  }

  int listings = 0;

 private:
  std::map<std::string, std::vector<FolderListEntry>> folders_;
  std::map<std::string, std::string> files_;
  std::map<std::string, ShortcutTarget> shortcuts_;
};

inline FolderListEntry SubFolder(std::string name) { return {std::move(name), true, false, false, false}; }
inline FolderListEntry ArchiveFile(std::string name) { return {std::move(name), false, true, false, false}; }

}  // namespace tikolvo
