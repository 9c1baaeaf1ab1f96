#include "skin/folder_skin.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skin/skin_cursors.h"

namespace tikolvo {
namespace {

const std::string kFolder = "C:\\skins\\Wood\\";

struct FakeFolder {
  std::set<std::string> files;
  SkinFileExists Exists() const {
    return [this](const std::string& path) { return files.count(path) > 0; };
  }
  void Add(std::initializer_list<const char*> names) {
    for (const char* name : names) files.insert(kFolder + name);
  }
};

TEST(FolderSkin, NeedsEveryPictureTheDescriptionAndTheMask) {
  FakeFolder folder;
  folder.Add({"main.jpg", "NGT.bmp", "WHT.jpg", "config.cfg"});
  EXPECT_FALSE(IsValidFolderSkin(kFolder, folder.Exists()));  // no mask.bmp
  folder.Add({"mask.bmp"});
  EXPECT_TRUE(IsValidFolderSkin(kFolder, folder.Exists()));
  folder.files.erase(kFolder + "WHT.jpg");
  EXPECT_FALSE(IsValidFolderSkin(kFolder, folder.Exists()));
}

TEST(FolderSkin, BitmapPicturesWinOverJpeg) {
  FakeFolder folder;
  folder.Add({"main.bmp", "main.jpg", "NGT.jpg", "WHT.bmp", "hint.jpg"});
  const FolderSkinPictures pictures = ChooseFolderSkinPictures(kFolder, folder.Exists());
  EXPECT_EQ(pictures.face, kFolder + "main.bmp");
  EXPECT_EQ(pictures.night, kFolder + "ngt.jpg");
  EXPECT_EQ(pictures.day, kFolder + "WHT.bmp");
  EXPECT_EQ(ChooseHintIcon(kFolder, folder.Exists()), kFolder + "hint.jpg");
  EXPECT_EQ(ChooseHintIcon(kFolder, FakeFolder{}.Exists()), std::nullopt);
}

TEST(FolderSkin, ButtonPictureForms) {
  using Kind = ButtonPictureSource::Kind;
  const std::string base = kFolder + "button\\min";
  auto choose = [](std::initializer_list<const char*> names) {
    FakeFolder folder;
    folder.Add(names);
    return ChooseButtonPicture(kFolder, ButtonInfo(SkinButton::Minimise).folderPicture, folder.Exists());
  };

  ButtonPictureSource strip = choose({"button\\min.bmp", "button\\min.jpg", "button\\minn.bmp"});
  EXPECT_EQ(strip.kind, Kind::Strip);
  EXPECT_EQ(strip.strip, base + ".bmp");
  EXPECT_EQ(choose({"button\\min.jpg"}).strip, base + ".jpg");

  ButtonPictureSource three = choose({"button\\minn.bmp", "button\\minl.bmp", "button\\mini.bmp"});
  EXPECT_EQ(three.kind, Kind::Separate);
  EXPECT_EQ(three.normal, base + "n.bmp");
  EXPECT_EQ(three.hover, base + "l.bmp");
  EXPECT_EQ(three.pressed, base + "i.bmp");

  ButtonPictureSource two = choose({"button\\minn.bmp", "button\\mini.bmp"});
  EXPECT_EQ(two.kind, Kind::Separate);
  EXPECT_EQ(two.hover, base + "n.bmp");

  EXPECT_EQ(choose({"button\\minn.bmp", "button\\minl.bmp"}).kind, Kind::None);
  EXPECT_EQ(choose({}).kind, Kind::None);
}

// ---- Cursors.

TEST(SkinCursors, FolderModeKeepsSubfoldersArchiveModeOnlyTheName) {
  EXPECT_EQ(ResolveCursorPath(kFolder, "cur\\hand.cur", CursorSource::Folder), kFolder + "cur\\hand.cur");
  EXPECT_EQ(ResolveCursorPath(kFolder, "cur\\hand.cur", CursorSource::Archive), kFolder + "hand.cur");
  EXPECT_EQ(ResolveCursorPath(kFolder, "..\\..\\evil.cur", CursorSource::Archive), kFolder + "evil.cur");
  EXPECT_EQ(ResolveCursorPath(kFolder, "", CursorSource::Folder), "");
  EXPECT_EQ(ResolveCursorPath(kFolder, "dir\\", CursorSource::Archive), "");
}

TEST(SkinCursors, PlanLoadsExistingFilesIntoTheirSlots) {
  const SkinCursorFiles files = ParseSkinCursors(
      "[cur]\r\nMin=a\\min.cur\r\nClose=close.cur\r\nWWW=gone.cur\r\nBackground=bg.ani\r\n");
  EXPECT_EQ(files.buttons[static_cast<int>(SkinButton::Close)], "close.cur");
  FakeFolder folder;
  folder.Add({"min.cur", "close.cur", "bg.ani"});
  const CursorPlan plan = PlanSkinCursors(files, kFolder, CursorSource::Archive, folder.Exists());
  ASSERT_EQ(plan.loads.size(), 3u);
  EXPECT_EQ(plan.loads[0].path, kFolder + "min.cur");
  EXPECT_EQ(plan.loads[1].slot, 2);
  EXPECT_EQ(plan.face, kBackgroundCursorSlot);
  EXPECT_EQ(plan.buttons[static_cast<int>(SkinButton::Minimise)].hover, 1);
  EXPECT_EQ(plan.buttons[static_cast<int>(SkinButton::WebMenu)].hover, kHandPointerCursor);
  for (const ButtonCursors& b : plan.buttons) EXPECT_EQ(b.idle, kBackgroundCursorSlot);

  // In folder mode "a\min.cur" is looked for below the folder, where it is not.
  const CursorPlan folderPlan = PlanSkinCursors(files, kFolder, CursorSource::Folder, folder.Exists());
  EXPECT_EQ(folderPlan.buttons[static_cast<int>(SkinButton::Minimise)].hover, kHandPointerCursor);
}

TEST(SkinCursors, NoFileGivesHandPointersAndTheArrow) {
  const CursorPlan plan = PlanSkinCursors(ParseSkinCursors(""), kFolder, CursorSource::Folder, FakeFolder{}.Exists());
  EXPECT_TRUE(plan.loads.empty());
  EXPECT_EQ(plan.face, kArrowCursor);
  for (const ButtonCursors& b : plan.buttons) {
    EXPECT_EQ(b.hover, kHandPointerCursor);
    EXPECT_EQ(b.idle, kArrowCursor);
  }
}

}  // namespace
}  // namespace tikolvo
