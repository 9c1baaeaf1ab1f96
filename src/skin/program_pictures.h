#pragma once
// The program's own pictures: the names of its "RESS" picture resources and
// the positions of the strips that other code refers to by number. The
// pictures themselves are drawn from assets/pictures/pictures.txt by
// tools/make_pictures; a unit test checks that the table fills every
// position named here.
namespace tikolvo {

// Resource names. A strip's mask is the same name with "_MASK" after it.
inline constexpr const char* kSystemStripName = "BITMAP_ILSYSTEM";        // 16 px, menus, balloons, skin list
inline constexpr const char* kSystemStrip32Name = "BITMAP_ILSYSTEM_32";   // the same pictures at 32 px
inline constexpr const char* kMenuEditorStripName = "BITMAP_IL_M";        // 16 px, the menu editor lists
inline constexpr const char* kSchedulerStripName = "BITMAP_LISTPIC";      // 18 px cells, the scheduler grids
inline constexpr const char* kMaskSuffix = "_MASK";

inline constexpr int kSystemPictureSize = 16;
inline constexpr int kLargeSystemPictureSize = 32;
inline constexpr int kMenuEditorPictureSize = 16;
inline constexpr int kSchedulerPictureSize = 18;

// How many pictures each strip holds at least.
inline constexpr int kSystemStripCount = 57;
inline constexpr int kSchedulerStripCount = 23;

// Positions of the system strip with a fixed meaning.
namespace system_picture {
inline constexpr int kNotice = 0;      // notice window
inline constexpr int kQuestion = 1;    // question window
inline constexpr int kInput = 2;       // input window
inline constexpr int kReport = 5;      // "report written" notice
inline constexpr int kScheduler = 9;   // a scheduled task's message
inline constexpr int kFavourites = 33;      // favourites folder and favourite links
inline constexpr int kWebLink = 34;         // "WWW" and web entries
inline constexpr int kProgram = 35;         // "Программы" and entries with a file extension
inline constexpr int kFolder = 36;          // program folders, entries without extension
inline constexpr int kControlPanel = 37;    // "Панель управления"
inline constexpr int kWebGroup = 40;        // web folders and groups
inline constexpr int kFavouritesFolder = 42;  // a folder inside the favourites
inline constexpr int kDisconnect = 47;      // ":disconnect"
inline constexpr int kPowerCommand = 49;    // ":shutdown", ":reboot", ":sleep", ":wait"
inline constexpr int kSkinArchive = 50;     // an ordinary skin archive in the skin list
inline constexpr int kLayeredSkin = 51;     // a layered skin archive
}  // namespace system_picture

// The balloon window's icon numbers 0..17 and the system strip's pictures
// they show.
inline constexpr int kBalloonIconCount = 18;
inline constexpr int kBalloonPictures[kBalloonIconCount] = {43, 2,  35, 34, 33, 30, 44, 45, 46,
                                                            48, 49, 14, 23, 52, 53, 54, 55, 56};

// Positions of the scheduler strip with a fixed meaning.
namespace scheduler_picture {
inline constexpr int kNextTask = 14;       // marks the next task to run
inline constexpr int kOnDisconnect = 16;   // trigger "d"
inline constexpr int kAtStart = 17;        // trigger "r"
inline constexpr int kAtTime = 18;         // triggers "e" (daily) and "n" (once)
inline constexpr int kOnConnect = 19;      // trigger "c"
inline constexpr int kHourly = 20;         // trigger "h"
inline constexpr int kLocked = 21;         // a locked task
inline constexpr int kMonthly = 22;        // trigger "m"
}  // namespace scheduler_picture

}  // namespace tikolvo
