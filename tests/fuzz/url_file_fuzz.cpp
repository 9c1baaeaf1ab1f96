// Any bytes as a ".url" file, and as the names of a folder tree: the
// address is read without crashing, and the scans of the programs tree, the
// web tree and the favourites end with every item where it belongs.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "../menus/menu_test_helpers.h"
#include "menus/drop_entry.h"
#include "menus/folder_scan.h"
#include "menus/url_file.h"

namespace {

using namespace tikolvo;

void Check(bool condition) {
  if (!condition) std::abort();
}

const std::string kRoot = "C:\\T\\";
constexpr std::size_t kWholeCopies = 8;
constexpr std::size_t kLongestPath = 260;

// Each line of the bytes names an entry of the folder the lines before it
// opened: a first byte below 0x40 makes it a folder (entered), "<" goes up,
// otherwise a file; every shortcut points at the folder it stands in.
// The tree stays one a file system could hold, or the scans' cost, not their
// code, would take the target's time:
// - a folder lists a name once; with repeats, a folder listed twice was
//   walked twice, and so on down, up to the scan's item budget;
// - only paths Windows allows are listed; each folder's key costs its path;
// - the first few files hold the whole bytes and the rest their own line, so
//   that the copies do not grow with the square of the input (the address
//   parser sees the whole bytes directly).
FakeFolderTree TreeOf(std::string_view bytes, const std::string& top) {
  FakeFolderTree tree;
  std::vector<std::string> path = {top};
  std::map<std::string, std::vector<FolderListEntry>> folders = {{top, {}}};
  std::set<std::string> listed;
  std::size_t start = 0;
  while (start < bytes.size() && folders.size() < 64) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    const std::string name(bytes.substr(start, end - start));
    start = end + 1;
    if (name == "<") {
      if (path.size() > 1) path.pop_back();
      continue;
    }
    const std::string full = path.back() + name;
    if (full.size() >= kLongestPath || !listed.insert(full).second) continue;
    const bool folder = !name.empty() && static_cast<unsigned char>(name[0]) < 0x40;
    folders[path.back()].push_back({name, folder, name.size() % 2 == 0, name.size() % 5 == 4, name.size() % 7 == 6});
    tree.File(full, listed.size() <= kWholeCopies ? std::string(bytes) : name).Shortcut(full, {path.back(), name});
    if (folder) {
      path.push_back(full + "\\");
      folders[path.back()];
    }
  }
  for (auto& [folder, entries] : folders) tree.Folder(folder, std::move(entries));
  return tree;
}

std::size_t Count(const std::vector<MenuItem>& items) {
  std::size_t count = items.size();
  for (const MenuItem& item : items) count += Count(item.children);
  return count;
}

void CheckGenerated(const std::vector<MenuItem>& items, bool generated) {
  for (const MenuItem& item : items) {
    Check((item.tag == menu_tag::kGenerated) == generated);
    Check(item.kind != MenuItemKind::kEntry || item.HasHint() || !generated || item.click != MenuClick::kNone);
    CheckGenerated(item.children, generated);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)UrlFileAddress(bytes);
  (void)DropProposedName(bytes);
  (void)DropProposedMenu(bytes);

  for (const std::string top : {kRoot + kProgramMenuFolder, kRoot + kWebMenuFolder}) {
    FakeFolderTree tree = TreeOf(bytes, top);
    const FolderScanContext context{tree, kTenPixelsAChar, {size % 2 == 0, size % 3 == 0}};
    std::vector<MenuItem> menu;
    if (top == kRoot + kProgramMenuFolder)
      AddProgramFolderItems(menu, kRoot, context);
    else
      AddWebFolderItems(menu, kRoot, context);
    Check(Count(menu) <= static_cast<std::size_t>(kMaxScannedItems));
    CheckGenerated(menu, true);
    RemoveGeneratedItems(menu);
    Check(menu.empty());

    MenuItem favourites;
    AddFavorites(favourites, top, context);
    CheckGenerated(favourites.children, false);
  }
  return 0;
}
