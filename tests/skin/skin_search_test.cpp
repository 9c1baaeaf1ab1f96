#include <gtest/gtest.h>

#include <map>
#include <set>

#include "skin/skin_search.h"

namespace tikolvo {
namespace {

// A folder tree in memory, listed in the order the entries were added.
class FakeTree : public SkinSearchFiles {
 public:
  void Folder(const std::string& parent, const std::string& name) { folders_[parent].push_back({name, true}); }
  void File(const std::string& parent, const std::string& name, std::string bytes) {
    folders_[parent].push_back({name, false});
    files_[parent + name] = std::move(bytes);
  }
  std::vector<SkinFolderEntry> List(const std::string& folder) const override {
    ++listings;
    const auto found = folders_.find(folder);
    return found == folders_.end() ? std::vector<SkinFolderEntry>{} : found->second;
  }
  std::string ReadHead(const std::string& path, std::size_t count) const override {
    const auto found = files_.find(path);
    return found == files_.end() ? std::string() : found->second.substr(0, count);
  }

  mutable int listings = 0;

 private:
  std::map<std::string, std::vector<SkinFolderEntry>> folders_;
  std::map<std::string, std::string> files_;
};

// The 12-byte header with the skin type in its third field; the rest of an
// archive is never read by the search.
std::string Header(int type) {
  std::string header(12, '\0');
  header[8] = static_cast<char>(type);
  return header + "rest of the archive";
}

TEST(SkinSearch, ListsArchivesDepthFirstByTypeInAnyLetterCase) {
  FakeTree tree;
  tree.File("C:\\skins\\", "first.tks", Header(1));
  tree.Folder("C:\\skins\\", "deep");
  tree.File("C:\\skins\\", "GLASS.TKS", Header(3));
  tree.File("C:\\skins\\", "notes.txt", "not a skin");
  tree.Folder("C:\\skins\\deep\\", "deeper");
  tree.File("C:\\skins\\deep\\deeper\\", "map.Tks", Header(2));
  EXPECT_EQ(FindSkins("C:\\skins", tree),
            (std::vector<std::string>{"C:\\skins\\first.tks||*", "C:\\skins\\deep\\deeper\\map.Tks||*",
                                      "C:\\skins\\GLASS.TKS||+"}));
}

TEST(SkinSearch, AShortArchiveEndsTheSearchAndALoopEnds) {
  FakeTree tree;
  tree.File("D:\\", "good.tks", Header(1));
  tree.File("D:\\", "short.tks", "TKS");
  EXPECT_EQ(FindSkins("D:\\", tree), std::nullopt) << "nothing is delivered after an unreadable header";

  FakeTree loop;  // a folder that holds itself, as a junction pointing upwards does
  loop.Folder("E:\\", "up");
  for (std::string folder = "E:\\up\\"; folder.size() < 400; folder += "up\\") loop.Folder(folder, "up");
  EXPECT_EQ(FindSkins("E", loop), std::vector<std::string>{});
  EXPECT_LT(loop.listings, 40);
}

TEST(SkinSearch, OldSkinsAddCompleteFolderSkinsRightUnderTheSkinsFolder) {
  FakeTree tree;
  const auto complete = [&](const std::string& folder) {
    for (const char* name : {"MAIN.bmp", "ngt.jpg", "WHT.bmp", "config.cfg", "mask.bmp"}) tree.File(folder, name, "");
  };
  tree.Folder("C:\\skins\\", "wood");
  complete("C:\\skins\\wood\\");
  tree.File("C:\\skins\\wood\\", "inner.tks", Header(1));
  tree.Folder("C:\\skins\\", "half");
  tree.File("C:\\skins\\half\\", "main.bmp", "");
  tree.Folder("C:\\skins\\half\\", "deep");
  complete("C:\\skins\\half\\deep\\");
  EXPECT_EQ(FindSkins("C:\\skins\\", tree, true),
            (std::vector<std::string>{"wood", "C:\\skins\\wood\\inner.tks||*"}))
      << "only a folder the page can load by its name is listed";
  EXPECT_EQ(FindSkins("C:\\skins\\", tree, false), std::vector<std::string>{"C:\\skins\\wood\\inner.tks||*"});
}

TEST(SkinSearch, AnInstalledSkinNeverTakesANameInUse) {
  const std::set<std::string> present{"glass.tks", "glass (2).tks", "plain"};
  const auto taken = [&](const std::string& name) { return present.count(name) != 0; };
  EXPECT_EQ(InstalledSkinName("new.tks", taken), "new.tks");
  EXPECT_EQ(InstalledSkinName("glass.tks", taken), "glass (3).tks");
  EXPECT_EQ(InstalledSkinName("plain", taken), "plain (2)");
}

}  // namespace
}  // namespace tikolvo
