// The program's pictures as the exe carries them (res/pictures.rc): every
// strip, mask and picture loads with the size its users expect, the image
// list and drawable strip hand the pictures on unchanged, and the menus,
// dialog frames and about page draw them.
#include "win_test.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/menu_look.h"
#include "app/menu_tables.h"
#include "common/win/flat_menu.h"
#include "app/win/system_menu.h"
#include "common/win/gdi.h"
#include "common/win/wide_text.h"
#include "common/win/dialog_icon.h"
#include "settings/settings_model.h"
#include "settings/win/about_banner.h"
#include "skin/picture_strip.h"
#include "skin/program_pictures.h"
#include "common/win/ress_pictures.h"

namespace tikolvo {
namespace {

constexpr std::uint32_t kBackground = 0x00C0C0C0;

// A plain 32-bit canvas to draw on and read back (0x00RRGGBB pixels).
struct TestCanvas {
  DibSection dib;
  MemDc dc;
  HGDIOBJ old;
  TestCanvas(int width, int height, std::uint32_t fill = kBackground) : dib(CreateDib32(width, height)) {
    REQUIRE(dib.bitmap);
    auto* p = static_cast<std::uint32_t*>(dib.bits);
    std::fill(p, p + width * height, fill);
    old = SelectObject(dc.get(), dib.bitmap.get());
  }
  ~TestCanvas() { SelectObject(dc.get(), old); }
  std::uint32_t At(int x, int y) {
    GdiFlush();
    return static_cast<const std::uint32_t*>(dib.bits)[y * dib.width + x] & 0xFFFFFF;
  }
};

int Luma(std::uint32_t c) { return ((c >> 16) & 0xFF) * 3 + ((c >> 8) & 0xFF) * 6 + (c & 0xFF); }

bool Near(std::uint32_t a, std::uint32_t b, int tolerance = 6) {
  for (int shift = 0; shift <= 16; shift += 8) {
    const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

// Some fully opaque pixel of a picture, to compare what was drawn there.
std::optional<std::pair<int, int>> OpaquePixel(const Picture& picture) {
  for (int y = picture.height / 4; y < picture.height; ++y)
    for (int x = picture.width / 4; x < picture.width; ++x)
      if ((picture.At(x, y) >> 24) == 255) return std::make_pair(x, y);
  return std::nullopt;
}

struct StripCase {
  const char* name;
  int size;
  int atLeast;
};

TEST_CASE("every strip loads with a mask of its size that is white exactly where the strip is see-through") {
  const StripCase strips[] = {{kSystemStripName, kSystemPictureSize, kSystemStripCount},
                              {kSystemStrip32Name, kLargeSystemPictureSize, kSystemStripCount},
                              {kMenuEditorStripName, kMenuEditorPictureSize, 16},
                              {kSchedulerStripName, kSchedulerPictureSize, kSchedulerStripCount}};
  for (const StripCase& c : strips) {
    CAPTURE(c.name);
    const std::optional<Picture> strip = LoadRessPicture(c.name);
    const std::optional<Picture> mask = LoadRessPicture(std::string(c.name) + kMaskSuffix);
    REQUIRE(strip);
    REQUIRE(mask);
    CHECK(strip->height == c.size);
    CHECK(strip->width % c.size == 0);
    CHECK(strip->width / c.size >= c.atLeast);
    CHECK(HasAlpha(*strip));
    REQUIRE(mask->width == strip->width);
    REQUIRE(mask->height == strip->height);
    CHECK(MaskFromAlpha(*strip).pixels == mask->pixels);
    // No picture of the strip is left empty.
    for (int i = 0; i < strip->width / c.size; ++i) CHECK(HasAlpha(CutStripPicture(*strip, i, c.size)));
  }
  // The two system strips hold the same pictures.
  CHECK(LoadRessPicture(kSystemStripName)->width / kSystemPictureSize ==
        LoadRessPicture(kSystemStrip32Name)->width / kLargeSystemPictureSize);
}

TEST_CASE("the single pictures load at their sizes, the glyphs and logo with soft edges") {
  for (const char* glyph : {"BITMAP_BB_UP", "BITMAP_BB_DOWN", "BITMAP_BB_SAVE", "BITMAP_FIND"}) {
    CAPTURE(glyph);
    const std::optional<Picture> picture = LoadRessPicture(glyph);
    REQUIRE(picture);
    CHECK(picture->width == 16);
    CHECK(picture->height == 16);
    CHECK(HasAlpha(*picture));
    CHECK(LoadRessBitmap(glyph));
  }
  const std::optional<Picture> logo = LoadRessPicture("BITMAP_LOGO");
  REQUIRE(logo);
  CHECK(logo->width == 32);
  CHECK(HasAlpha(*logo));
  const std::optional<Picture> banner = LoadRessPicture("LOGO_BACK_IMAGE");
  REQUIRE(banner);
  CHECK(banner->width == AboutBanner::kWidth);
  CHECK(banner->height == AboutBanner::kHeight);

  CHECK_FALSE(LoadRessPicture("BITMAP_NOT_THERE"));
  CHECK(RessBytes("BITMAP_NOT_THERE").empty());
  CHECK_FALSE(LoadRessBitmap("BITMAP_NOT_THERE"));
}

TEST_CASE("an image list holds the strip's pictures at the list's size and draws them unchanged") {
  const UniqueImageList list = LoadRessImageList(kSchedulerStripName, kSchedulerPictureSize);
  REQUIRE(list);
  const Picture strip = *LoadRessPicture(kSchedulerStripName);
  CHECK(ImageList_GetImageCount(list.get()) == strip.width / kSchedulerPictureSize);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(list.get(), &cx, &cy);
  CHECK(cx == kSchedulerPictureSize);
  CHECK(cy == kSchedulerPictureSize);

  const Picture locked = CutStripPicture(strip, scheduler_picture::kLocked, kSchedulerPictureSize);
  const auto opaque = OpaquePixel(locked);
  REQUIRE(opaque);
  TestCanvas canvas(kSchedulerPictureSize, kSchedulerPictureSize);
  ImageList_Draw(list.get(), scheduler_picture::kLocked, canvas.dc.get(), 0, 0, ILD_TRANSPARENT);
  CHECK(Near(canvas.At(opaque->first, opaque->second), locked.At(opaque->first, opaque->second) & 0xFFFFFF));
  CHECK(canvas.At(0, 0) == kBackground);  // the cell's corner is see-through

  CHECK_FALSE(LoadRessImageList("BITMAP_NOT_THERE", 16));
  CHECK_FALSE(LoadRessImageList(kSchedulerStripName, 0));
}

TEST_CASE("the drawable system strip blends a picture in and refuses positions it does not have") {
  const PictureStrip& strip = SystemStrip();
  REQUIRE(strip.Count() >= kSystemStripCount);
  const Picture folder = strip.At(system_picture::kFolder);
  const auto opaque = OpaquePixel(folder);
  REQUIRE(opaque);

  TestCanvas canvas(16, 16);
  CHECK(strip.Draw(canvas.dc.get(), system_picture::kFolder, 0, 0, 16));
  CHECK(Near(canvas.At(opaque->first, opaque->second), folder.At(opaque->first, opaque->second) & 0xFFFFFF));

  TestCanvas faint(16, 16);
  CHECK(strip.Draw(faint.dc.get(), system_picture::kFolder, 0, 0, 16, 100));
  const std::uint32_t half = faint.At(opaque->first, opaque->second);
  CHECK_FALSE(Near(half, folder.At(opaque->first, opaque->second) & 0xFFFFFF));
  CHECK_FALSE(half == kBackground);

  TestCanvas untouched(16, 16);
  CHECK_FALSE(strip.Draw(untouched.dc.get(), strip.Count(), 0, 0, 16));
  CHECK_FALSE(strip.Draw(untouched.dc.get(), -1, 0, 0, 16));
  CHECK(untouched.At(8, 8) == kBackground);
}

std::vector<const FlatMenuItem*> StyledItems(HMENU menu) {
  std::vector<const FlatMenuItem*> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_SUBMENU;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    items.push_back(FlatMenuStyle::ItemOf(info.dwItemData));
    if (info.hSubMenu)
      for (const FlatMenuItem* sub : StyledItems(info.hSubMenu)) items.push_back(sub);
  }
  return items;
}

TEST_CASE("every window-menu and tray-menu item carries its table picture and separators none") {
  Settings settings;
  const MenuConditions conditions;
  FlatMenuStyle style;
  for (const bool tray : {false, true}) {
    CAPTURE(tray);
    HMENU menu = BuildPopupMenu(tray ? TrayMenuLines(settings, conditions) : WindowMenuLines(settings, conditions));
    style.Apply(menu, true);
    int pictured = 0;
    for (const FlatMenuItem* item : StyledItems(menu)) {
      REQUIRE(item);
      CAPTURE(Narrow(item->caption));
      if (item->separator) {
        CHECK(item->picture == -1);
        continue;
      }
      CHECK(item->picture >= 0);
      CHECK(item->picture < SystemStrip().Count());
      ++pictured;
    }
    CHECK(pictured > 30);
    DestroyMenu(menu);
  }
}

TEST_CASE("a flat menu item draws its picture in the left column") {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(MenuCommand::DateTime), L"Дата и время");
  FlatMenuStyle style;
  style.Apply(menu, false);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_DATA;
  GetMenuItemInfoW(menu, 0, TRUE, &info);

  TestCanvas canvas(200, 22);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemData = info.dwItemData;
  draw.hDC = canvas.dc.get();
  draw.rcItem = RECT{0, 0, 200, 22};
  REQUIRE(style.Draw(draw));

  const int picture = MenuPictureOf(MenuCommand::DateTime);
  const Picture calendar = SystemStrip().At(picture);
  const auto opaque = OpaquePixel(calendar);
  REQUIRE(opaque);
  // The 16 px picture is centred in the 22 px column of a 22 px item.
  CHECK(Near(canvas.At(3 + opaque->first, 3 + opaque->second), calendar.At(opaque->first, opaque->second) & 0xFFFFFF));
  DestroyMenu(menu);
}

TEST_CASE("a menu bar keeps its own captions while its drop-downs are drawn flat and follow caption changes") {
  HMENU bar = CreateMenu();
  HMENU view = CreatePopupMenu();
  AppendMenuW(view, MF_STRING, 2300, L"Автоскрытие");
  AppendMenuW(view, MF_STRING, 2301, L"Удалить задание");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"Вид");
  FlatMenuStyle style;
  style.ApplyToDropDowns(bar, false);
  MENUITEMINFOW barItem{};
  barItem.cbSize = sizeof(barItem);
  barItem.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(bar, 0, TRUE, &barItem);
  CHECK((barItem.fType & MFT_OWNERDRAW) == 0);
  REQUIRE(StyledItems(view).size() == 2);
  CHECK(StyledItems(view)[0]->caption == L"Автоскрытие");

  std::wstring renamed = L"Удалить задание \"Будильник\"";
  MENUITEMINFOW text{};
  text.cbSize = sizeof(text);
  text.fMask = MIIM_STRING;
  text.dwTypeData = renamed.data();
  SetMenuItemInfoW(view, 2301, FALSE, &text);
  style.ApplyToDropDowns(bar, false);
  REQUIRE(StyledItems(view)[1]);
  CHECK(StyledItems(view)[1]->caption == renamed);
  DestroyMenu(bar);
}

TEST_CASE("a checked flat item without a picture shows a mark in the left column, a radio item a dot") {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 2300, L"Липкое окно");
  AppendMenuW(menu, MF_STRING, 2301, L"Нейтральное");
  AppendMenuW(menu, MF_STRING, 2302, L"Позади всех окон");
  CheckMenuItem(menu, 2300, MF_BYCOMMAND | MF_CHECKED);
  CheckMenuRadioItem(menu, 2301, 2302, 2301, MF_BYCOMMAND);
  FlatMenuStyle style;
  style.Apply(menu, false);
  auto drawn = [&](UINT id, UINT state) {
    TestCanvas canvas(200, 22, GetSysColor(COLOR_MENU));
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    GetMenuItemInfoW(menu, id, FALSE, &info);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = id;
    draw.itemState = state;
    draw.itemData = info.dwItemData;
    draw.hwndItem = reinterpret_cast<HWND>(menu);
    draw.hDC = canvas.dc.get();
    draw.rcItem = RECT{0, 0, 200, 22};
    REQUIRE(style.Draw(draw));
    // Pixels of the text colour in the left column.
    int marked = 0;
    const COLORREF ink = GetSysColor(COLOR_MENUTEXT);
    const std::uint32_t inkPixel = (GetRValue(ink) << 16) | (GetGValue(ink) << 8) | GetBValue(ink);
    for (int y = 0; y < 22; ++y)
      for (int x = 0; x < kMenuStripeWidth; ++x) marked += canvas.At(x, y) == inkPixel;
    return marked;
  };
  const int tick = drawn(2300, ODS_CHECKED);
  const int dot = drawn(2301, ODS_CHECKED);
  CHECK(drawn(2302, 0) == 0);
  CHECK(tick > 8);
  CHECK(dot > 8);
  CHECK(tick != dot);
  DestroyMenu(menu);
}

TEST_CASE("the dialog icon is the strip's picture over a shadow that falls to the lower right") {
  constexpr int kSize = 32, kLeft = 20, kTop = 20;
  TestCanvas canvas(80, 80);
  DrawDialogIcon(canvas.dc.get(), kLeft, kTop, kSize, system_picture::kQuestion, DialogGlyph::Information);
  const Picture question = LargeSystemStrip().At(system_picture::kQuestion);
  const auto opaque = OpaquePixel(question);
  REQUIRE(opaque);
  CHECK(Near(canvas.At(kLeft + opaque->first, kTop + opaque->second),
             question.At(opaque->first, opaque->second) & 0xFFFFFF));
  // Darker just below and right of the picture than just above and left.
  int below = 0, above = 0;
  for (int i = 0; i < kSize; ++i) {
    below += Luma(canvas.At(kLeft + i + 2, kTop + kSize + 1)) + Luma(canvas.At(kLeft + kSize + 1, kTop + i + 2));
    above += Luma(canvas.At(kLeft + i - 2, kTop - 2)) + Luma(canvas.At(kLeft - 2, kTop + i - 2));
  }
  CHECK(below < above);
  CHECK(above == 2 * kSize * Luma(kBackground));

  // An index the strip does not have shows the picture of the window's kind.
  TestCanvas fallback(80, 80);
  DrawDialogIcon(fallback.dc.get(), kLeft, kTop, kSize, 9999, DialogGlyph::Question);
  CHECK(fallback.At(kLeft + opaque->first, kTop + opaque->second) ==
        canvas.At(kLeft + opaque->first, kTop + opaque->second));
}

TEST_CASE("the about page's logo is drawn centred in its box") {
  const Picture logo = *LoadRessPicture("BITMAP_LOGO");
  const auto opaque = OpaquePixel(logo);
  REQUIRE(opaque);
  TestCanvas canvas(64, 64);
  DrawAboutLogo(canvas.dc.get(), RECT{0, 0, 64, 64});
  CHECK(Near(canvas.At(16 + opaque->first, 16 + opaque->second), logo.At(opaque->first, opaque->second) & 0xFFFFFF));
  CHECK(canvas.At(1, 1) == kBackground);
}

}  // namespace
}  // namespace tikolvo
