#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/date_time.h"
#include "common/file_io.h"
#include "common/ini_document.h"

namespace tikolvo {
namespace {

SettingsContext TestContext() {
  SettingsContext context;
  context.screenWidth = 1025;
  context.screenHeight = 767;
  context.programFolder = "C:\\Program Files\\Tikolvo\\";
  context.today = EncodeDate(2024, 2, 29);
  context.msSansSerifFontIndex = 7;
  context.messageAllExists = true;
  context.msconfigAllowed = true;
  return context;
}

// Every field moved away from its default, so a key that the reader or the
// writer forgets shows up as a difference.
Settings EveryFieldChanged() {
  Settings s;
  s.intervalTimer = {"02", "30", "15", 9};
  s.connectionFilter = "Мой провайдер";
  InterfaceSettings& i = s.inter;
  i.gradientMenus = false, i.schedulerTab = 2, i.logConnections = false, i.ownHandColours = true;
  i.warnWhenTargetMissing = true, i.startMinimised = true, i.autoHide = true, i.pinWindow = true;
  i.wwwMenuInSystemMenu = false, i.programsMenuInSystemMenu = false, i.panelMenuInTrayMenu = false;
  i.favouritesMenu = false, i.sortFavourites = true, i.keepOnScreen = true, i.wwwFullScreen = false;
  i.stackTopmost = true, i.stackNeutral = false, i.stackBottommost = false;
  i.foldersFullScreen = false, i.stickyWindow = false, i.wwwRightClickCopiesLink = false;
  i.wwwMenuRecursive = true, i.programsMenuRecursive = false, i.wwwMenuSortFolders = false;
  i.programsMenuSortFolders = false, i.programsRightClickOpensFolder = true, i.handQuality = 0;
  i.handColours = HandColours{0x123456, 0xFFFFFFFF, 0x00FF00};
  i.oldSkins = true, i.opacity = 128;
  s.log.monitorConnections = false;
  s.alarm = {true, 64, true, {"D:\\Музыка\\", "D:\\Музыка\\"}, {"E:\\Звуки\\", ""}};
  s.ieOnly = true;
  s.showTaskbarClock = false;
  ReminderTextSettings& m = s.reminders;
  m.draw = false, m.externalBase = true, m.corners = {false, false, true, false}, m.colour = 0x010203;
  m.sizeIndex = 5, m.fontIndex = 3, m.markerLeft = -4, m.markerTop = 300;
  m.underline = true, m.bold = true, m.italic = true, m.markerColour = 0xABCDEF;
  CalendarSettings& c = s.calendar;
  c.draw = false, c.layout = 3, c.markCurrentDay = true, c.underline = false, c.verticalText = false;
  c.shadow1 = false, c.shadow2 = true, c.shadow3 = true;
  c.textColour = 1, c.shadow1Colour = 2, c.shadow2Colour = 3, c.shadow3Colour = 4;
  c.currentDayColour = 5, c.markerColour = 6;
  c.markerWidth = 312, c.markerHeight = 10, c.markerLeft = 40, c.markerTop = 50;
  c.picturePath = "C:\\Картинки\\фон.jpg";
  c.shownDate = EncodeDate(2007, 12, 19) + EncodeTime(14, 5, 9);
  c.followToday = false, c.fontBold = true, c.fontItalic = true, c.fontUnderline = true;
  c.writeYear = false, c.fontName = "Times New Roman", c.widthKnob = 3, c.heightKnob = 4, c.page = 2;
  c.weekdayNames = {true, 7}, c.sundays = {false, 8}, c.saturdays = {true, 9};
  c.monthNames = {true, 10}, c.lines = {true, 11};
  c.background = DesktopBackground::PlainColour, c.desktopColour = 12, c.currentDayFrame = false;
  s.pages = {2, 5};
  s.pos = {-20, 3000};
  s.panelMenuVisible.fill(false);
  s.panelMenuVisible[0] = true;
  s.panelMenuVisible[kMsconfigItemIndex] = true;
  return s;
}

Settings ReadText(const std::string& cp1251, const SettingsContext& context = TestContext()) {
  return ReadSettings(IniDocument::Parse(cp1251), context);
}

std::string WrittenBytes(const Settings& settings) {
  IniDocument doc;
  WriteSettings(settings, doc);
  return doc.Serialize();
}

TEST(SettingsDefaults, MissingFileGivesMachineDependentDefaults) {
  const SettingsContext context = TestContext();
  Settings s = ReadText("", context);
  EXPECT_EQ(s.pos, (WindowPosition{384, 512}));
  EXPECT_EQ(s.alarm.launcherFileFolder.initial, context.programFolder);
  EXPECT_EQ(s.alarm.soundFileFolder.initial, context.programFolder);
  EXPECT_EQ(s.calendar.shownDate, context.today);
  EXPECT_EQ(s.reminders.fontIndex, 7);
  EXPECT_EQ(s, DefaultSettings(context));
}

TEST(SettingsDefaults, MissingFileLeavesHandColoursToTheSkin) {
  Settings s = ReadText("");
  EXPECT_FALSE(s.inter.ownHandColours);
  EXPECT_FALSE(s.inter.handColours.has_value());
}

TEST(SettingsDefaults, RadioGroupsStartOnTheirDocumentedButton) {
  Settings s = ReadText("");
  EXPECT_TRUE(s.inter.stackNeutral && !s.inter.stackTopmost && !s.inter.stackBottommost);
  EXPECT_EQ(s.reminders.corners, (std::array<bool, 4>{true, false, false, false}));
  EXPECT_EQ(s.calendar.background, DesktopBackground::None);
}

// A folder chosen in one run is where the dialog opens in the next; nothing
// is chosen yet when the program starts.
Settings AsNextRunReadsIt(Settings settings) {
  for (DialogFolder* folder : {&settings.alarm.launcherFileFolder, &settings.alarm.soundFileFolder})
    *folder = {folder->chosen, ""};
  return settings;
}

TEST(SettingsRoundTrip, EveryFieldWrittenReadsBackEqual) {
  const Settings original = EveryFieldChanged();
  EXPECT_EQ(ReadText(WrittenBytes(original)), AsNextRunReadsIt(original));
}

TEST(SettingsRoundTrip, DefaultsReadBackEqualAndEmptyFolderStaysEmpty) {
  Settings original = DefaultSettings(TestContext());
  original.alarm.launcherFileFolder = {"", ""};
  EXPECT_EQ(ReadText(WrittenBytes(original)), AsNextRunReadsIt(original));
}

TEST(SettingsWrite, DialogFoldersKeepOnlyWhatWasChosenInThisRun) {
  Settings s = ReadText("[alarm]\r\nOd=C:\\Menus\\\r\nOds=C:\\Sounds\\\r\n");
  EXPECT_EQ(s.alarm.launcherFileFolder.initial, "C:\\Menus\\");
  s.alarm.soundFileFolder.Remember("D:\\Music\\Jazz\\take5.mp3");
  s.alarm.soundFileFolder.Remember("no folder.mp3");  // says nothing of a folder: kept
  EXPECT_EQ(s.alarm.soundFileFolder.initial, "D:\\Music\\Jazz\\");
  const IniDocument doc = IniDocument::Parse(WrittenBytes(s));
  EXPECT_EQ(doc.ReadString("alarm", "Od", "?"), "");
  EXPECT_EQ(doc.ReadString("alarm", "Ods", "?"), "D:\\Music\\Jazz\\");
}

TEST(SettingsWrite, NewFileHasItsSectionsInTheDocumentedOrder) {
  IniDocument reread = IniDocument::Parse(WrittenBytes(DefaultSettings(TestContext())));
  EXPECT_EQ(reread.SectionNames(), (std::vector<std::string>{"soundCT", "Name", "Inter", "LOG", "Alarm", "URL",
                                                             "Skins", "MESS", "CAL", "All", "Pos", "About",
                                                             "menuG"}));
}

TEST(SettingsWrite, KeysWithFixedOrDoubledValues) {
  Settings s = DefaultSettings(TestContext());
  s.alarm.schedulerEnabled = true;
  s.calendar.autoRefreshAtStart = false;
  const std::string bytes = WrittenBytes(s);
  IniDocument doc = IniDocument::Parse(bytes);
  EXPECT_EQ(doc.KeyNames("Alarm"),
            (std::vector<std::string>{"Active", "Alarm", "Volume", "ActiveCT", "Od", "Ods", "Msg"}));
  EXPECT_EQ(doc.ReadString("Alarm", "Active", ""), "1");
  EXPECT_EQ(doc.ReadString("Alarm", "Alarm", ""), "1");
  EXPECT_NE(bytes.find("\r\nMsg=\r\n"), std::string::npos);
  EXPECT_EQ(doc.ReadString("CAL", "auto", ""), "1");
  EXPECT_EQ(doc.ReadString("LOG", "MONITORFULL", ""), "1");
  EXPECT_EQ(doc.ReadString("About", "Ver", ""), "3.3.4.2 (fix)");
  EXPECT_EQ(doc.ReadString("About", "Data", ""), "19.12.2007");
  EXPECT_EQ(doc.KeyNames("menuG").size(), 24u);
  EXPECT_FALSE(doc.HasKey("menuG", "24"));
  EXPECT_TRUE(doc.HasKey("menuG", "27"));
}

TEST(SettingsWrite, HandColoursAreWrittenEvenWithoutOwnColours) {
  Settings s = DefaultSettings(TestContext());
  s.inter.handColours = HandColours{0x0000FF, 0x00FF00, 0xFF0000};
  IniDocument doc = IniDocument::Parse(WrittenBytes(s));
  EXPECT_EQ(doc.ReadString("Inter", "basic", ""), "255");
  EXPECT_EQ(doc.ReadString("Inter", "Sec", ""), "16711680");
  s.inter.handColours.reset();
  EXPECT_EQ(IniDocument::Parse(WrittenBytes(s)).ReadString("Inter", "timer", ""), "65535");
}

TEST(SettingsWrite, DateUsesTheLocaleShortDate) {
  Settings s = DefaultSettings(TestContext());
  s.calendar.shownDate = EncodeDate(2007, 12, 9);
  EXPECT_EQ(IniDocument::Parse(WrittenBytes(s)).ReadString("CAL", "DTD", ""), "09.12.2007");
}

TEST(SettingsRead, NamesDifferingInCaseAddressTheSameEntries) {
  Settings s = ReadText("[SoundCT]\r\nhour=05\r\n[ALARM]\r\nod=X\\\r\n[pos]\r\ntop=10\r\n");
  EXPECT_EQ(s.intervalTimer.hours, "05");
  EXPECT_EQ(s.alarm.launcherFileFolder.initial, "X\\");
  EXPECT_EQ(s.pos.top, 10);
}

TEST(SettingsRead, OwnHandColoursAreReadOnlyWhenSwitchedOn) {
  const std::string colours = "basic=255\r\ntimer=$FF00\r\nSec=0x10\r\n";
  EXPECT_FALSE(ReadText("[Inter]\r\nStrelka=0\r\n" + colours).inter.handColours.has_value());
  EXPECT_EQ(ReadText("[Inter]\r\nStrelka=1\r\n" + colours).inter.handColours,
            (HandColours{255, 0xFF00, 0x10}));
  EXPECT_EQ(ReadText("[Inter]\r\nStrelka=1\r\n").inter.handColours, HandColours{});
}

TEST(SettingsRead, PictureNoneWinsOverPictureFlag) {
  EXPECT_EQ(ReadText("[CAL]\r\nusepicNone=1\r\nusepic=1\r\n").calendar.background, DesktopBackground::None);
  EXPECT_EQ(ReadText("[CAL]\r\nusepicNone=0\r\nusepic=1\r\n").calendar.background, DesktopBackground::Picture);
  EXPECT_EQ(ReadText("[CAL]\r\nusepicNone=0\r\n").calendar.background, DesktopBackground::PlainColour);
}

TEST(SettingsRead, ExternalReminderBaseNeedsItsFile) {
  SettingsContext context = TestContext();
  EXPECT_TRUE(ReadText("[MESS]\r\nADD=1\r\n", context).reminders.externalBase);
  context.messageAllExists = false;
  EXPECT_FALSE(ReadText("[MESS]\r\nADD=1\r\n", context).reminders.externalBase);
  EXPECT_FALSE(ReadText("", context).reminders.externalBase);
}

TEST(SettingsRead, OfSeveralCheckedReminderCornersTheLastOneReadStays) {
  using Corners = std::array<bool, 4>;
  EXPECT_EQ(ReadText("[MESS]\r\n1=1\r\n3=1\r\n4=0\r\n").reminders.corners, (Corners{false, false, true, false}));
  EXPECT_EQ(ReadText("[MESS]\r\n1=0\r\n2=1\r\n").reminders.corners, (Corners{false, true, false, false}));
  EXPECT_EQ(ReadText("[MESS]\r\n1=0\r\n").reminders.corners, (Corners{false, false, false, false}));
}

TEST(SettingsRead, MsconfigItemIsHiddenWhereNotAllowed) {
  SettingsContext context = TestContext();
  context.msconfigAllowed = false;
  Settings s = ReadText("[menuG]\r\n20=1\r\n", context);
  EXPECT_FALSE(s.panelMenuVisible[kMsconfigItemIndex]);
  EXPECT_EQ(kPanelMenuItems[kMsconfigItemIndex].caption, "Msconfig");
  EXPECT_TRUE(s.panelMenuVisible[kMsconfigItemIndex + 1]);
}

TEST(SettingsRead, ControlRangesClampStoredValues) {
  Settings s = ReadText("[Inter]\r\nTranc=0\r\n[CAL]\r\nwid=5000\r\nhei=1\r\n");
  EXPECT_EQ(s.inter.opacity, 1);
  EXPECT_EQ(s.calendar.markerWidth, 312);
  EXPECT_EQ(s.calendar.markerHeight, 10);
  EXPECT_EQ(ReadText("[Inter]\r\nTranc=999\r\n").inter.opacity, 255);
}

TEST(SettingsRead, UnreadableValuesFallBackToDefaults) {
  const SettingsContext context = TestContext();
  Settings s = ReadText("[Inter]\r\nTranc=opaque\r\n[CAL]\r\nDTD=yesterday\r\n[Pos]\r\nTop=\r\n", context);
  EXPECT_EQ(s.inter.opacity, 255);
  EXPECT_EQ(s.calendar.shownDate, context.today);
  EXPECT_EQ(s.pos.top, 384);
}

TEST(SettingsRead, WindowPositionReaderMatchesTheFullReader) {
  IniDocument doc = IniDocument::Parse("[Pos]\r\nTop=-5\r\n[Inter]\r\noldskins=1\r\n");
  EarlySettings early = ReadWindowPosition(doc, TestContext());
  EXPECT_EQ(early.pos, (WindowPosition{-5, 512}));
  EXPECT_TRUE(early.oldSkins);
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("tikolvo_settings_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    path_ = (folder_ / "config.cfg").string();
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(folder_, ec);
  }
  std::filesystem::path folder_;
  std::string path_;
};

TEST_F(SettingsFileTest, SaveKeepsUnknownKeysAndSectionsAndReadsBack) {
  ASSERT_TRUE(SaveFileAtomically(path_, "; mine\r\n[Inter]\r\nMy=1\r\nUp=1\r\n[Extra]\r\nk=v\r\n"));
  const Settings original = EveryFieldChanged();
  ASSERT_TRUE(SaveSettingsFile(path_, original));
  IniDocument doc = LoadIniFile(path_);
  EXPECT_EQ(doc.ReadString("Inter", "My", ""), "1");
  EXPECT_EQ(doc.ReadString("Extra", "k", ""), "v");
  EXPECT_EQ(doc.SectionNames().at(1), "Extra") << "known sections are appended after the existing ones";
  EXPECT_EQ(LoadSettingsFile(path_, TestContext()), AsNextRunReadsIt(original));
}

TEST_F(SettingsFileTest, ReadOnlyFileKeepsItsContent) {
  const std::string before = "[Pos]\r\nTop=1\r\n";
  ASSERT_TRUE(SaveFileAtomically(path_, before));
  std::filesystem::permissions(path_, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  EXPECT_FALSE(SaveSettingsFile(path_, EveryFieldChanged()));
  EXPECT_EQ(ReadWholeFile(path_), std::optional<std::string>(before));
}

TEST_F(SettingsFileTest, MissingFileGivesDefaults) {
  EXPECT_EQ(LoadSettingsFile(path_, TestContext()), DefaultSettings(TestContext()));
}

}  // namespace
}  // namespace tikolvo
