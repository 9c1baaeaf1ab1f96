#include "menus/win/win_folder_source.h"

#include <windows.h>
#include <shlobj.h>

#include "common/file_io.h"
#include "common/win/com_scope.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;

DWORD AttributesOf(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()); }

bool IsDotEntry(const wchar_t* name) {
  return (name[0] == L'.' && name[1] == 0) || (name[0] == L'.' && name[1] == L'.' && name[2] == 0);
}

FolderListEntry EntryOf(const WIN32_FIND_DATAW& found) {
  FolderListEntry entry;
  entry.name = Narrow(found.cFileName);
  entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  entry.archive = (found.dwFileAttributes & FILE_ATTRIBUTE_ARCHIVE) != 0;
  entry.hidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
  entry.system = (found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
  return entry;
}

// The identifiers, given here: the uuid library would bring every
// identifier the system has into the exe.
constexpr CLSID kShellLink{0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kShellLinkW{0x000214F9, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kPersistFile{0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

template <typename Interface>
void ReleaseOf(Interface*& object) {
  if (object) object->Release();
  object = nullptr;
}

}  // namespace

std::vector<FolderListEntry> WinMenuFolderSource::List(const std::string& folder) {
  std::vector<FolderListEntry> entries;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW(Widen(folder + "*.*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    if (!IsDotEntry(found.cFileName)) entries.push_back(EntryOf(found));
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return entries;
}

bool WinMenuFolderSource::FolderExists(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> WinMenuFolderSource::ReadFile(const std::string& path) { return ReadWholeFile(path); }

ShortcutTarget WinMenuFolderSource::ReadShortcut(const std::string& path) {
  ComScope com;
  ShortcutTarget target;
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  if (FAILED(CreateInProcessObject(kShellLink, kShellLinkW, reinterpret_cast<void**>(&link))))
    return target;
  wchar_t text[MAX_PATH * 4] = L"";
  if (SUCCEEDED(link->QueryInterface(kPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(Widen(path).c_str(), STGM_READ))) {
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0))) target.path = Narrow(text);
    text[0] = 0;
    if (SUCCEEDED(link->GetArguments(text, MAX_PATH * 4))) target.arguments = Narrow(text);
  }
  ReleaseOf(file);
  ReleaseOf(link);
  return target;
}

bool WinLaunchFacts::FileExists(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != kNoAttributes && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WinLaunchFacts::FolderExists(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> WinLaunchFacts::BrowserOpenCommand() {
  wchar_t value[1024] = L"";
  LONG size = sizeof(value);
  if (RegQueryValueW(HKEY_CLASSES_ROOT, L"htmlfile\\shell\\open\\command", value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  value[1023] = 0;
  return Narrow(value);
}

std::string FavouritesFolderPath() {
  wchar_t path[MAX_PATH] = L"";
  if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_FAVORITES, FALSE) || path[0] == 0) return {};
  std::string folder = Narrow(path);
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace tikolvo
